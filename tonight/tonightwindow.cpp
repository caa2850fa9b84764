// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "tonightwindow.h"

#include "alarmtable.h"
#include "astroconst.h"
#include "backgroundstep.h"
#include "clock.h"
#include "observerzone.h"
#include "latlng.h"
#include "longitude.h"
#include "messageservice.h"
#include "numbertext.h"
#include "preferences.h"
#include "sitechoice.h"
#include "strictinput.h"
#include "transitalarm.h"
#include "ui_tonightwindow.h"
#include "userguide.h"
#include "variant.h"

#include <QHeaderView>
#include <QLocale>
#include <QShortcut>
#include <QShowEvent>
#include <QTimer>

#include <cmath>

namespace noctalis {

namespace {

constexpr double kMinutesPerDay = 1440;
// Sort values of what has no number: before and after every real one.
constexpr double kFirst = -1e9;
constexpr double kLast = 1e9;
// The largest hour-angle offset of a transit alarm, sidereal hours.
constexpr double kMaxOffsetHours = 12;
// Item data role of the row's index in m_rows (ColObject).
constexpr int kRowRole = Qt::UserRole + 1;

// Items that sort by the value under kSortRole, not by their text.
class ValueItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem &other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        return data(column, TonightWindow::kSortRole).toDouble()
               < other.data(column, TonightWindow::kSortRole).toDouble();
    }
};

QString degreesText(double degrees, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double shown = std::round(degrees * scale) / scale;
    return QLocale().toString(shown == 0 ? 0.0 : shown, 'f', decimals) + QChar(0x00B0);  // never "-0.0"
}

// "UT+5:30", "UT-5", "UT".
QString zoneText(double tzHours)
{
    const int minutes = int(std::lround(tzHours * 60));
    if (minutes == 0)
        return QStringLiteral("UT");
    QString text = QStringLiteral("UT") + (minutes < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                   + QString::number(std::abs(minutes) / 60);
    if (std::abs(minutes) % 60)
        text += QLatin1Char(':') + QString::number(std::abs(minutes) % 60).rightJustified(2, QLatin1Char('0'));
    return text;
}

}  // namespace

TonightWindow::TonightWindow(AppContext context, QWidget *parent)
    : QWidget(parent), m_ctx(context), ui(std::make_unique<Ui::TonightWindow>())
{
    ui->setupUi(this);
    addHelpKey(this, QString::fromLatin1(guide::kTonight), m_ctx);
    // Escape closes the window, as it closes a dialog.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);
    connect(ui->cmdClose, &QPushButton::clicked, this, &QWidget::close);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    ui->lvwTonight->sortByColumn(ColObject, Qt::AscendingOrder);
    ui->lvwTonight->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_timer = new QTimer(this);
    m_timer->setInterval(1000);
    m_site = new SiteChoice(tr("The place the rows are worked out for: yours, or another site"), this);
    ui->layoutTop->insertWidget(1, m_site);
    connect(m_site, &SiteChoice::currentIndexChanged, this, &TonightWindow::Refresh);

    connect(m_timer, &QTimer::timeout, this, &TonightWindow::tick);
    connect(ui->cmdRefresh, &QPushButton::clicked, this, &TonightWindow::Refresh);
    connect(ui->cmdAddTarget, &QPushButton::clicked, this, &TonightWindow::addTarget);
    connect(ui->cmdRemoveTarget, &QPushButton::clicked, this, &TonightWindow::removeTarget);
    connect(ui->cmdAddAlarm, &QPushButton::clicked, this, &TonightWindow::addTransitAlarm);
    for (QLineEdit *box : {ui->txtTargetName, ui->txtTargetRA, ui->txtTargetDec})
        connect(box, &QLineEdit::returnPressed, this, &TonightWindow::addTarget);
    connect(ui->txtOffset, &QLineEdit::returnPressed, this, &TonightWindow::addTransitAlarm);
    connect(ui->lvwTonight, &QTreeWidget::itemSelectionChanged, this, &TonightWindow::updateButtons);
    updateButtons();
}

TonightWindow::~TonightWindow() = default;

QTreeWidget *TonightWindow::table() const { return ui->lvwTonight; }

void TonightWindow::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        load();
    m_timer->start();
    QWidget::showEvent(event);
}

void TonightWindow::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous())
        m_timer->stop();
    QWidget::hideEvent(event);
}

void TonightWindow::load()
{
    runStep(lcEngine, "create the Tonight window's engine",
            [&] { m_engine = automation::Object::createOrThrow(m_ctx.engineProgId); });
    m_targets = readTonightTargets(m_ctx.settings);
    const Preferences &p = m_ctx.prefs;
    m_site->offer(p.Place, p.Sites);
    Refresh();
}

QList<TonightObject> TonightWindow::objects() const
{
    QList<TonightObject> list{
        {tr("Sun"), 10},    {tr("Moon"), 11},  {tr("Mercury"), 0}, {tr("Venus"), 1},   {tr("Mars"), 2},
        {tr("Jupiter"), 3}, {tr("Saturn"), 4}, {tr("Uranus"), 5},  {tr("Neptune"), 6},
    };
    for (const TonightTarget &t : m_targets)
        list.push_back({t.name, kFixedPlace, t.raHours, t.decDeg});
    return list;
}

bool TonightWindow::sitePicked() const { return m_site->isOtherSite(); }

Site TonightWindow::place() const
{
    const Preferences &p = m_ctx.prefs;
    return m_site->chosen({p.Place, p.LNG, p.LAT});
}

TonightSky TonightWindow::sky(const QDateTime &utcNow) const
{
    const Site at = place();
    TonightSky s;
    s.latDeg = at.latDeg;
    s.lngWestDeg = at.lngWestDeg;
    const QDateTime midnight(m_zone.toCivil(utcNow).date(), QTime(0, 0), Qt::UTC);
    s.dayStartUt = automation::toAutomationDate(m_zone.toUtc(midnight));
    s.nowUt = automation::toAutomationDate(utcNow);
    return s;
}

void TonightWindow::Refresh()
{
    // One reading of the clock for the rows, their minute and the date shown.
    const QDateTime utc = m_ctx.clock.utcNow();
    m_zone = observerZone(m_ctx.prefs, m_ctx.clock);
    const QDateTime now = m_zone.toCivil(utc);
    m_localDate = now.date();
    m_rowsMinute = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute()), Qt::UTC);
    m_sky = sky(utc);
    QList<TonightRow> rows;
    const bool computed =
        runStep(lcEngine, "compute the Tonight rows", [&] { rows = ComputeTonight(m_engine, m_sky, objects()); });
    ui->LBLPlace->setText(computed ? placeText(now.date())
                                   : tr("The astronomy engine could not be loaded: nothing to show."));
    showRows(rows);
}

void TonightWindow::tick()
{
    const QDateTime now = observerZone(m_ctx.prefs, m_ctx.clock).toCivil(m_ctx.clock.utcNow());
    if (QDateTime(now.date(), QTime(now.time().hour(), now.time().minute()), Qt::UTC) != m_rowsMinute)
        Refresh();
}

QString TonightWindow::placeText(const QDate &localDate) const
{
    const Preferences &p = m_ctx.prefs;
    const Site at = place();
    const QString datePattern =
        p.DateFormat == QLatin1String("DD/MM/YYYY") ? QStringLiteral("dd/MM/yyyy") : QStringLiteral("MM/dd/yyyy");
    const double lng = Longitude(at.lngWestDeg).shown(p.DisplayWest);
    const QString text =
        tr("%1   Lat %2   Lng %3 %4   times in %5")
            .arg(localDate.toString(datePattern), withShownPoint(FormatLatitude(at.latDeg)),
                 withShownPoint(FormatLongitude(lng)), p.DisplayWest ? tr("W") : tr("E"), zoneText(p.TZ));
    return sitePicked() ? tr("%1: %2").arg(at.name, text) : text;
}

void TonightWindow::showRows(const QList<TonightRow> &rows)
{
    // The same object stays selected; the sort stays as the user chose.
    QString selected;
    if (const TonightRow *row = selectedRow())
        selected = row->object.name + QString::number(row->object.body);
    QTreeWidget *table = ui->lvwTonight;
    table->setSortingEnabled(false);
    table->clear();
    m_rows = rows;
    for (int i = 0; i < m_rows.size(); ++i) {
        auto *item = new ValueItem(table);
        fillItem(item, m_rows[i], i);
        if (m_rows[i].object.name + QString::number(m_rows[i].object.body) == selected)
            item->setSelected(true);
    }
    table->setSortingEnabled(true);
    updateButtons();
}

QString TonightWindow::eventTime(const std::optional<double> &ut) const
{
    // Local time of an event of the local day, to the nearest minute (kept
    // within the day); across a daylight-saving switch the clock's hours.
    const QDateTime civil = m_zone.toCivil(automation::fromAutomationDate(*ut)).addSecs(30);
    const long long minutes =
        m_localDate.daysTo(civil.date()) * qint64(kMinutesPerDay) + civil.time().hour() * 60 + civil.time().minute();
    const int m = int(std::clamp(minutes, 0LL, 1439LL));
    return QStringLiteral("%1:%2").arg(m / 60, 2, 10, QLatin1Char('0')).arg(m % 60, 2, 10, QLatin1Char('0'));
}

void TonightWindow::fillItem(QTreeWidgetItem *item, const TonightRow &row, int order) const
{
    const auto set = [item](int column, const QString &text, double sortValue) {
        item->setText(column, text);
        item->setData(column, kSortRole, sortValue);
    };
    set(ColObject, row.object.name, order);
    item->setData(ColObject, kRowRole, order);

    const auto event = [&](int timeColumn, const std::optional<double> &ut, const std::optional<double> &az,
                           double missingFirstOrLast) {
        if (ut) {
            set(timeColumn, eventTime(ut), *ut);
            set(timeColumn + 1, degreesText(*az, 0), *az);
            return;
        }
        QString text = QStringLiteral("\u2014");
        if (row.status == 1 && timeColumn == ColRise)
            text = tr("Always up");
        else if (row.status == -1 && timeColumn == ColRise)
            text = tr("never rises");
        else
            item->setToolTip(timeColumn, tr("None on this date"));
        set(timeColumn, text, missingFirstOrLast);
        set(timeColumn + 1, QString(), kLast);
    };
    event(ColRise, row.riseUt, row.riseAzDeg, row.status == 1 ? kFirst : kLast);
    event(ColSet, row.setUt, row.setAzDeg, kLast);
    if (row.transitUt) {
        set(ColTransit, eventTime(row.transitUt), *row.transitUt);
        set(ColTransitAlt, degreesText(*row.transitAltDeg, 1), *row.transitAltDeg);
    } else {
        set(ColTransit, QStringLiteral("\u2014"), kLast);
        item->setToolTip(ColTransit, tr("None on this date"));
        set(ColTransitAlt, QString(), kFirst);
    }
    set(ColAlt, degreesText(row.altDeg, 1), row.altDeg);
    set(ColAz, degreesText(row.azDeg, 0), row.azDeg);

    const double sinceMinutes = (m_sky.nowUt - row.lastTransitUt) * kMinutesPerDay;
    const double minutes = sinceMinutes < 60 ? -sinceMinutes : (row.nextTransitUt - m_sky.nowUt) * kMinutesPerDay;
    set(ColMeridian, meridianText(minutes), minutes);

    if (row.up) {
        // Risen: the row stands out.
        QFont bold = item->font(ColObject);
        bold.setBold(true);
        QColor tint = ui->lvwTonight->palette().color(QPalette::Highlight);
        tint.setAlpha(48);
        for (int c = ColObject; c <= ColMeridian; ++c) {
            item->setFont(c, bold);
            item->setBackground(c, tint);
        }
        item->setToolTip(ColObject, tr("Above the horizon now"));
    }
}

QString TonightWindow::spanText(int minutes)
{
    if (minutes < 60)
        return tr("%n min", nullptr, minutes);
    return tr("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

QString TonightWindow::meridianText(double minutes)
{
    // Whole minutes gone or left, as a clock shows them (cut, not rounded).
    const int whole = int(std::floor(std::fabs(minutes)));
    if (whole == 0)
        return tr("crossing now");
    if (minutes < 0)
        return tr("crossed %n min ago", nullptr, whole);
    return tr("in %1").arg(spanText(whole));
}

const TonightRow *TonightWindow::selectedRow() const
{
    const QList<QTreeWidgetItem *> items = ui->lvwTonight->selectedItems();
    if (items.isEmpty())
        return nullptr;
    const int index = items.front()->data(ColObject, kRowRole).toInt();
    return index >= 0 && index < m_rows.size() ? &m_rows[index] : nullptr;
}

void TonightWindow::updateButtons()
{
    const TonightRow *row = selectedRow();
    ui->cmdAddAlarm->setEnabled(row != nullptr);
    ui->cmdRemoveTarget->setEnabled(row && row->object.body == kFixedPlace);
}

void TonightWindow::tell(const QString &text) { m_ctx.messages.show(text, tr("Tonight")); }

void TonightWindow::addTarget()
{
    TonightTarget target;
    target.name = ui->txtTargetName->text().trimmed();
    const std::optional<double> ra = ParseRightAscension(ui->txtTargetRA->text());
    const std::optional<double> dec = ParseDeclination(ui->txtTargetDec->text());
    if (target.name.isEmpty())
        return tell(tr("Give the target a name."));
    if (!ra)
        return tell(tr("The right ascension \"%1\" cannot be used: give hours from 0 to 24, as 18:36:56, "
                       "18 36 56, 18h36m56s, 18:36.9 or 18.6156.")
                        .arg(ui->txtTargetRA->text()));
    if (!dec)
        return tell(tr("The declination \"%1\" cannot be used: give degrees from -90 to +90, as +38:47:01, "
                       "+38 47 01, +38°47'01\", -5:23.5 or 38.7836.")
                        .arg(ui->txtTargetDec->text()));
    target.raHours = *ra;
    target.decDeg = *dec;
    m_targets.push_back(target);
    writeTonightTargets(m_ctx.settings, m_targets);
    for (QLineEdit *box : {ui->txtTargetName, ui->txtTargetRA, ui->txtTargetDec})
        box->clear();
    ui->lvwTonight->clearSelection();
    Refresh();
    // The new target is the last object of the list.
    const int last = int(m_rows.size()) - 1;
    for (int i = 0; i < ui->lvwTonight->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = ui->lvwTonight->topLevelItem(i);
        if (item->data(ColObject, kRowRole).toInt() == last) {
            ui->lvwTonight->setCurrentItem(item);
            ui->lvwTonight->scrollToItem(item);
        }
    }
}

void TonightWindow::removeTarget()
{
    const TonightRow *row = selectedRow();
    if (!row || row->object.body != kFixedPlace)
        return;
    const int index = int(row - m_rows.constData()) - int(m_rows.size() - m_targets.size());
    if (index < 0 || index >= m_targets.size())
        return;
    m_targets.removeAt(index);
    writeTonightTargets(m_ctx.settings, m_targets);
    ui->lvwTonight->clearSelection();
    Refresh();
}

QString TonightWindow::alarmMessage(const QString &name, double offsetHours) const
{
    const int minutes = int(std::lround(std::fabs(offsetHours) * 60 * ephemkit::kUtPerSiderealHour));
    if (minutes == 0)
        return tr("%1 is crossing the meridian (LMST [LMST HH:MM:SS]).").arg(name);
    if (offsetHours < 0)
        return tr("%1 crosses the meridian in %2 (LMST [LMST HH:MM:SS]).").arg(name, spanText(minutes));
    return tr("%1 crossed the meridian %2 ago (LMST [LMST HH:MM:SS]).").arg(name, spanText(minutes));
}

void TonightWindow::addTransitAlarm()
{
    const TonightRow *row = selectedRow();
    if (!row)
        return tell(tr("Select the row of the object first."));
    const std::optional<double> offset = sexagesimalFromText(ui->txtOffset->text(), AngleUnit::Hours);
    if (!offset || std::fabs(*offset) > kMaxOffsetHours)
        return tell(tr("The hour-angle offset \"%1\" cannot be used: give sidereal hours from -12 to +12, as -0.5 "
                       "or -0:30.")
                        .arg(ui->txtOffset->text()));
    // The right ascension at the crossing the alarm is for: the Moon moves
    // half a degree an hour, so its place now would ring early or late.
    double raHours = 0;
    if (!runStep(lcEngine, "find the right ascension at the crossing",
                 [&] { raHours = RightAscensionAt(m_engine, m_sky, row->object, row->nextTransitUt); }))
        return tell(tr("The astronomy engine could not be loaded: no alarm was added."));
    // The alarms ring by the observer's LMST: a site's crossing comes when
    // the observer's LMST is the right ascension carried to the observer.
    const Site at = place();
    const QString name = sitePicked() ? tr("%1 at %2").arg(row->object.name, at.name) : row->object.name;
    const double lmst = TransitAlarmLmstHours(siteLmstHours(raHours, at.lngWestDeg, m_ctx.prefs.LNG), *offset);
    const std::optional<int> index = AddAlarm(m_ctx.alarms, TransitAlarm(name, lmst, alarmMessage(name, *offset)));
    if (!index)
        return tell(tr("No more alarms can be added: an alarm file holds at most 32768 alarms."));
    QString text = tr("Alarm %1 \"%2\" rings at LMST %3.\n\nIt is in the alarm table but not yet saved to a file: "
                      "open Alarms from the clock's menu and use Save to keep it.")
                       .arg(*index + 1)
                       .arg(name, formatTime(lmst / 24, u"HH:nn:ss"));
    if (!m_ctx.prefs.AlarmsEnabled)
        text += QStringLiteral("\n\n")
                + tr("Alarms are off: tick \"Alarms Enabled\" in the configuration dialog for it to ring.");
    tell(text);
}

}  // namespace noctalis
