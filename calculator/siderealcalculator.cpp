// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "siderealcalculator.h"

#include "astroconst.h"
#include "automationdate.h"
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
#include "ui_siderealcalculator.h"
#include "userguide.h"
#include "variant.h"

#include <QFontMetrics>
#include <QShortcut>
#include <QShowEvent>

#include <cmath>

namespace noctalis {

namespace {

// The dates the calculator works with: those of the automation date.
constexpr int kFirstYear = kFirstCivilYear;
constexpr int kLastYear = kLastCivilYear;

// The sidereal seconds box takes decimals, from 0 up to a minute.
constexpr NumberRange kSiderealSeconds{0, 60, true, false};

// Room around the digits of a box: its frame and inner margins, pixels.
constexpr int kBoxPaddingPx = 14;

// t moved by a number of hours, to the millisecond; nothing when the hours
// are not finite or move it further than the calendar reaches.
std::optional<QDateTime> shifted(const QDateTime &t, double hours)
{
    constexpr double kMaxHours = 24.0 * 366 * (kLastYear + 1);
    if (!(std::fabs(hours) <= kMaxHours))
        return std::nullopt;
    return t.addMSecs(std::llround(hours * 3600000.0));
}

// The automation date of t moved by hours; nothing when the result leaves
// the years 100 to 9999.
std::optional<double> dateAfter(const QDateTime &t, double hours)
{
    const std::optional<QDateTime> moved = shifted(t, hours);
    if (!moved || moved->date().year() < kFirstYear || moved->date().year() > kLastYear)
        return std::nullopt;
    return automation::toAutomationDate(*moved);
}

QDateTime roundedToSecond(const QDateTime &t)
{
    const int ms = t.time().msec();
    const QDateTime whole = t.addMSecs(-ms);
    return ms >= 500 ? whole.addSecs(1) : whole;
}

// The date format of the preferences as the user reads it: the two formats
// of the configuration dialog in the user's language, any other as stored.
QString dateFormatText(const QString &format)
{
    if (format == QLatin1String("MM/DD/YYYY"))
        return SiderealCalculator::tr("MM/DD/YYYY");
    if (format == QLatin1String("DD/MM/YYYY"))
        return SiderealCalculator::tr("DD/MM/YYYY");
    return format;
}

void fitToDigits(QLineEdit *box, int digits)
{
    const QFontMetrics metrics(box->font());
    box->setFixedWidth(metrics.horizontalAdvance(QString(digits, QLatin1Char('0'))) + kBoxPaddingPx);
}

}  // namespace

SiderealCalculator::SiderealCalculator(AppContext context, ObserverDialogRunner observerDialog, QWidget *parent)
    : QWidget(parent),
      m_ctx(context),
      m_observerDialog(std::move(observerDialog)),
      ui(std::make_unique<Ui::SiderealCalculator>())
{
    ui->setupUi(this);
    addHelpKey(this, QString::fromLatin1(guide::kCalculator), m_ctx);
    // Escape closes the window, as it closes a dialog.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);
    connect(ui->cmdClose, &QPushButton::clicked, this, &QWidget::close);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    for (QLineEdit *box :
         {ui->txtMonth, ui->txtDay, ui->txtHr, ui->txtMin, ui->txtSec, ui->txtSidHr, ui->txtSidMin, ui->txtSidSec})
        fitToDigits(box, 2);
    fitToDigits(ui->txtYear, 4);
    fitToDigits(ui->txtTz, 5);
    ui->txtLng->setMinimumWidth(QFontMetrics(ui->txtLng->font()).horizontalAdvance(QStringLiteral("-000:00:00.0"))
                                + kBoxPaddingPx);
    ui->calendar1->setDateRange(QDate(kFirstYear, 1, 1), QDate(kLastYear, 12, 31));
    ui->cmdMap->setEnabled(bool(m_observerDialog));
    m_site = new SiteChoice(tr("The place whose sidereal time is worked out: yours, or another site"), ui->Frame2);
    ui->layoutFrame2->insertWidget(0, m_site);
    connect(m_site, &SiteChoice::currentIndexChanged, this, &SiderealCalculator::sitePicked);

    connect(ui->cmdTime2Sidereal, &QPushButton::clicked, this, &SiderealCalculator::convertTimeToSidereal);
    connect(ui->cmdSidereal2Time, &QPushButton::clicked, this, &SiderealCalculator::convertSiderealToTime);
    connect(ui->cmdNow, &QPushButton::clicked, this, &SiderealCalculator::showNow);
    connect(ui->cmdEW, &QPushButton::clicked, this, &SiderealCalculator::flipLongitudeSense);
    connect(ui->cmdMap, &QPushButton::clicked, this, &SiderealCalculator::showObserverDialog);
    connect(ui->chkLocal, &QCheckBox::clicked, this, &SiderealCalculator::useSystemZone);
    connect(ui->OptUT, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            showUt();
    });
    connect(ui->OptLocal, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            showLocal();
    });
    // Picking a day: a click on it, or Enter (or a double click) on the
    // day the keys moved to.
    connect(ui->calendar1, &QCalendarWidget::clicked, this, &SiderealCalculator::dayPicked);
    connect(ui->calendar1, &QCalendarWidget::activated, this, &SiderealCalculator::dayPicked);
}

SiderealCalculator::~SiderealCalculator() = default;

void SiderealCalculator::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        load();
    QWidget::showEvent(event);
}

void SiderealCalculator::load()
{
    const Preferences &p = m_ctx.prefs;
    runStep(lcEngine, "create the calculator's engine",
            [&] { m_engine = automation::Object::createOrThrow(m_ctx.engineProgId); });
    ui->FrameTime->setTitle(tr("%1 Time/Date").arg(dateFormatText(p.DateFormat)));
    arrangeDateBoxes();
    // Boxes that a failing engine leaves alone start from their design texts.
    for (QLineEdit *box : {ui->txtSidHr, ui->txtSidMin, ui->txtSidSec})
        box->setText(QStringLiteral("00"));
    ui->txtTz->setText(QStringLiteral("0"));

    m_state.showWest = p.DisplayWest;
    m_state.lngWest = p.LNG;
    m_state.latDeg = p.LAT;
    m_site->offer(p.Place, p.Sites);
    DisplayLongitude();
    showSense();
    m_state.tzHours = p.TZ;
    m_state.zone.reset();
    m_state.utInstant = automation::toAutomationDate(m_ctx.clock.utcNow());
    ui->OptUT->setChecked(true);
    ui->chkLocal->setChecked(true);
    useSystemZone();
    setEngineInstant();
    DisplayTime();
    DisplaySiderealTime();
}

void SiderealCalculator::arrangeDateBoxes()
{
    // The year keeps its place at the end of the row; month and day stand
    // before it in the order of the date format.
    const bool monthFirst = m_ctx.prefs.DateFormat == QLatin1String("MM/DD/YYYY");
    QLineEdit *first = monthFirst ? ui->txtMonth : ui->txtDay;
    QLineEdit *second = monthFirst ? ui->txtDay : ui->txtMonth;
    ui->layoutDateBoxes->removeWidget(first);
    ui->layoutDateBoxes->removeWidget(second);
    ui->layoutDateBoxes->insertWidget(0, first);
    ui->layoutDateBoxes->insertWidget(1, second);
    setTabOrder(first, second);
    setTabOrder(second, ui->txtYear);
    ui->FrameTime->layout()->activate();  // placed now, also while being shown
}

void SiderealCalculator::showSense()
{
    ui->cmdEW->setText(m_state.showWest ? tr("W") : tr("E"));
    ui->txtLng->setToolTip(m_state.showWest ? tr("West Longitude") : tr("East Longitude"));
}

void SiderealCalculator::DisplayLongitude()
{
    ui->txtLng->setText(withShownPoint(FormatLongitude(Longitude(m_state.lngWest).shown(m_state.showWest))));
}

std::optional<QDateTime> SiderealCalculator::shownInstant() const
{
    const QDateTime ut = automation::fromAutomationDate(m_state.utInstant);
    std::optional<QDateTime> shown = ut;
    if (ui->OptLocal->isChecked())
        shown = localZone(m_state.tzHours).toCivil(ut);
    if (!shown)
        return std::nullopt;
    return roundedToSecond(*shown);
}

void SiderealCalculator::DisplayTime()
{
    takeTypedZone();
    // Nothing to show for a time zone further from UT than the calendar
    // reaches; the boxes keep what they show.
    const std::optional<QDateTime> shown = shownInstant();
    if (!shown)
        return;
    const QDate date = shown->date();
    const QTime time = shown->time();
    ui->txtYear->setText(formatNumber(date.year(), u"0000"));
    ui->txtMonth->setText(formatNumber(date.month(), u"00"));
    ui->txtDay->setText(formatNumber(date.day(), u"00"));
    ui->txtHr->setText(formatNumber(time.hour(), u"00"));
    ui->txtMin->setText(formatNumber(time.minute(), u"00"));
    ui->txtSec->setText(formatNumber(time.second(), u"00"));
    ui->calendar1->setSelectedDate(date);
    showZoneHours();
}

void SiderealCalculator::showZoneHours()
{
    if (!m_state.zone)
        return;
    m_state.tzHours = m_state.zone->offsetHoursAt(automation::fromAutomationDate(m_state.utInstant));
    m_zoneText = shownFormattedNumber(m_state.tzHours, u"0.#");
    ui->txtTz->setText(m_zoneText);
}

void SiderealCalculator::takeTypedZone()
{
    // Hours typed over the zone's are a fixed zone.
    if (m_state.zone && ui->txtTz->text() != m_zoneText)
        m_state.zone.reset();
}

void SiderealCalculator::DisplaySiderealTime()
{
    runStep(lcEngine, "show the calculator's LMST", [&] {
        const double timeOfDay = automation::toDouble(m_engine.get(QStringLiteral("LMST"))) / 24;
        ui->txtSidHr->setText(formatTime(timeOfDay, u"HH"));
        ui->txtSidMin->setText(formatTime(timeOfDay, u"nn"));
        ui->txtSidSec->setText(formatTime(timeOfDay, u"ss"));
    });
}

void SiderealCalculator::refuseOutsideCalendar()
{
    m_ctx.messages.show(tr("The date and time lie outside the years 100 to 9999."), programTitle());
}

std::optional<double> SiderealCalculator::zoneFromDisplay()
{
    const std::optional<double> zoneHours = zoneHoursFromText(ui->txtTz->text());
    if (!zoneHours)
        m_ctx.messages.show(tr("You entered an invalid value for Time Zone. Please re-enter.") + u'\n'
                                + InputForms::zoneHours(),
                            tr("Time Zone Error"));
    return zoneHours;
}

std::optional<double> SiderealCalculator::utFromDisplay(const std::optional<QDate> &pickedDay)
{
    takeTypedZone();
    const std::optional<QDate> date =
        pickedDay ? pickedDay : dateFromFields(ui->txtYear->text(), ui->txtMonth->text(), ui->txtDay->text());
    if (!date) {
        m_ctx.messages.show(tr("The date in the boxes is not a date of the calendar.") + u'\n' + InputForms::date(),
                            programTitle());
        return std::nullopt;
    }
    const std::optional<QTime> time = timeOfDayFromFields(ui->txtHr->text(), ui->txtMin->text(), ui->txtSec->text());
    if (!time) {
        m_ctx.messages.show(tr("The time in the boxes is not a time of day.") + u'\n' + InputForms::timeOfDay(),
                            programTitle());
        return std::nullopt;
    }
    const std::optional<double> zoneHours = zoneFromDisplay();
    if (!zoneHours)
        return std::nullopt;
    const QDateTime civil(*date, *time, Qt::UTC);
    const std::optional<double> ut =
        dateAfter(ui->OptLocal->isChecked() ? localZone(*zoneHours).toUtc(civil) : civil, 0);
    if (!ut)
        refuseOutsideCalendar();
    return ut;
}

CivilZone SiderealCalculator::localZone(double typedHours) const
{
    return m_state.zone.value_or(CivilZone::fixedHours(typedHours));
}

bool SiderealCalculator::GetTimeFromDisplay()
{
    const std::optional<double> ut = utFromDisplay(std::nullopt);
    if (!ut)
        return false;
    m_state.utInstant = *ut;
    if (!GetTZfromDisplay())
        return false;
    showZoneHours();  // a zone's offset at the new instant
    return true;
}

bool SiderealCalculator::GetLngFromDisplay()
{
    const LongitudeSense sense = m_state.showWest ? LongitudeSense::West : LongitudeSense::East;
    const std::optional<double> lngWestDeg = longitudeWestFromText(ui->txtLng->text(), sense);
    if (!lngWestDeg) {
        m_ctx.messages.show(tr("Error in Longitude format.") + u'\n' + InputForms::longitude(), programTitle());
        return false;
    }
    m_state.lngWest = float(*lngWestDeg);
    return true;
}

bool SiderealCalculator::GetLngAndTimeFromDisplay()
{
    const State before = m_state;
    if (GetLngFromDisplay() && GetTimeFromDisplay())
        return true;
    m_state = before;
    return false;
}

bool SiderealCalculator::GetTZfromDisplay()
{
    const std::optional<double> zoneHours = zoneFromDisplay();
    if (zoneHours)
        m_state.tzHours = *zoneHours;
    return zoneHours.has_value();
}

std::optional<double> SiderealCalculator::GetLMSTfromDisplay() const
{
    constexpr int kLastHour = 23;
    constexpr int kLastMinute = 59;
    const std::optional<int> hours = wholeNumberFromText(ui->txtSidHr->text(), 0, kLastHour);
    const std::optional<int> minutes = wholeNumberFromText(ui->txtSidMin->text(), 0, kLastMinute);
    const std::optional<double> seconds = numberFromText(ui->txtSidSec->text(), kSiderealSeconds);
    if (!hours || !minutes || !seconds)
        return std::nullopt;
    return *hours + *minutes / 60.0 + *seconds / 3600;
}

std::optional<double> SiderealCalculator::LMST2UT(double tlmstHours, double mDate, double tLngWestDeg)
{
    // Mean solar time per unit of mean sidereal time: the engine's
    // SiderealToUT ratio, so both give the same instant.
    constexpr double kUtPerSidereal = ephemkit::kUtPerSiderealHour;

    const double midnight = automation::midnightOf(automation::splitAutomationDate(mDate).day);
    m_engine.set(QStringLiteral("LNG"), tLngWestDeg);
    m_engine.set(QStringLiteral("UTDate"), automation::dateValue(midnight));
    const double lmst0 = automation::toDouble(m_engine.get(QStringLiteral("LMST")));
    double siderealHours = 0;
    if (tlmstHours > lmst0)
        siderealHours = tlmstHours - lmst0;
    else if (tlmstHours < lmst0)
        siderealHours = tlmstHours + 24 - lmst0;
    return dateAfter(automation::fromAutomationDate(midnight), siderealHours * kUtPerSidereal);
}

void SiderealCalculator::setEngineInstant()
{
    runStep(lcEngine, "hand the calculator's longitude and time to the engine", [&] {
        m_engine.set(QStringLiteral("LNG"), double(m_state.lngWest));
        m_engine.set(QStringLiteral("UTDate"), automation::dateValue(m_state.utInstant));
    });
}

void SiderealCalculator::convertTimeToSidereal()
{
    if (!GetLngAndTimeFromDisplay())
        return;
    setEngineInstant();
    DisplaySiderealTime();
}

void SiderealCalculator::convertSiderealToTime()
{
    const State before = m_state;
    if (!GetLngAndTimeFromDisplay())
        return;
    const std::optional<double> lmstHours = GetLMSTfromDisplay();
    if (!lmstHours) {
        m_state = before;
        m_ctx.messages.show(tr("The sidereal time in the boxes is not a time of day.") + u'\n'
                                + tr("Use whole hours from 0 to 23, whole minutes from 0 to 59 and seconds from 0 "
                                     "up to 60, such as 06 39 52.5."),
                            programTitle());
        return;
    }
    const double tlmstHours = *lmstHours;
    double utDate = 0;
    bool inCalendar = false;
    const bool converted = runStep(lcEngine, "convert the sidereal time to UT", [&] {
        const std::optional<double> ut = LMST2UT(tlmstHours, m_state.utInstant, m_state.lngWest);
        inCalendar = ut.has_value();
        utDate = ut.value_or(0);
    });
    if (!inCalendar) {
        m_state = before;
        if (converted)
            refuseOutsideCalendar();
        return;
    }
    // The sidereal boxes keep what the user typed.
    m_state.utInstant = utDate;
    DisplayTime();
}

void SiderealCalculator::showNow()
{
    const State before = m_state;
    if (!GetTZfromDisplay())
        return;
    const std::optional<double> ut = dateAfter(m_ctx.clock.utcNow(), 0);
    if (!GetLngFromDisplay()) {
        m_state = before;
        return;
    }
    if (!ut) {
        m_state = before;
        refuseOutsideCalendar();
        return;
    }
    m_state.utInstant = *ut;
    setEngineInstant();
    DisplayTime();
    DisplaySiderealTime();
}

void SiderealCalculator::flipLongitudeSense()
{
    // The same place, shown in the other sense.
    m_state.showWest = !m_state.showWest;
    showSense();
    DisplayLongitude();
}

void SiderealCalculator::useSystemZone()
{
    if (!ui->chkLocal->isChecked())
        return;
    // The computer's zone, daylight saving as it is at the instant shown.
    m_state.zone = CivilZone(m_ctx.clock.systemZone());
    showZoneHours();
}

void SiderealCalculator::dayPicked(QDate date)
{
    const std::optional<double> ut = utFromDisplay(date);
    if (!ut) {
        // Back to the day the boxes show.
        if (const std::optional<QDateTime> shown = shownInstant())
            ui->calendar1->setSelectedDate(shown->date());
        return;
    }
    m_state.utInstant = *ut;
    GetTZfromDisplay();  // checked with the other boxes
    DisplayTime();
}

void SiderealCalculator::sitePicked()
{
    const Preferences &p = m_ctx.prefs;
    const Site site = m_site->chosen({p.Place, p.LNG, p.LAT});
    m_state.lngWest = float(site.lngWestDeg);
    m_state.latDeg = float(site.latDeg);
    DisplayLongitude();
    convertTimeToSidereal();
}

void SiderealCalculator::showObserverDialog()
{
    if (!m_observerDialog)
        return;
    ObserverExchange &x = m_ctx.observer;
    x.ObserverCancelled = true;
    takeTypedZone();
    x.ObserverTZ = m_state.tzHours;
    x.ObserverZoneId = m_state.zone ? QString::fromUtf8(m_state.zone->id()) : QString();
    x.ObserverDSTRule = x.DSTRule;
    x.ObserverLng = m_state.lngWest;
    x.ObserverLat = m_state.latDeg;
    runStep(lcObserver, "show the observer dialog", [&] { m_observerDialog(this); });
    if (x.ObserverCancelled)
        return;
    m_state.tzHours = x.ObserverTZ;
    m_state.zone = placeZone(x.ObserverZoneId, x.ObserverTZ, automation::fromAutomationDate(m_state.utInstant));
    x.DSTRule = x.ObserverDSTRule;
    m_state.lngWest = float(x.ObserverLng);
    m_state.latDeg = float(x.ObserverLat);
    DisplayLongitude();
    if (m_state.zone)
        showZoneHours();  // its offset at the instant worked on
    else
        ui->txtTz->setText(withShownPoint(shortNumberText(m_state.tzHours)));
    ui->chkLocal->setChecked(false);
    DisplayTime();
}

}  // namespace noctalis
