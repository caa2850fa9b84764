// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "alarmeditor.h"

#include "alarmfile.h"
#include "alarmtable.h"
#include "displaytext.h"
#include "filepicker.h"
#include "fileroutines.h"
#include "messageservice.h"
#include "numbertext.h"
#include "preferences.h"
#include "senderaddress.h"
#include "settingvalues.h"
#include "strictinput.h"
#include "windowfit.h"
#include "ui_alarmeditor.h"
#include "variant.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QShowEvent>
#include <QStandardPaths>
#include <QTreeWidgetItem>

#include <cmath>
#include <limits>
#include <optional>

namespace noctalis {

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kMinutesPerDay = 1440.0;
// The most of a name a list row shows.
constexpr qsizetype kShownNameChars = 200;

// Captions of the parameter boxes, translated when shown. Each carries an
// access key of its own among the boxes shown with it.
constexpr const char *kMessageCaption = QT_TRANSLATE_NOOP("noctalis::AlarmEditor", "Messa&ge:");
constexpr const char *kSoundCaption = QT_TRANSLATE_NOOP("noctalis::AlarmEditor", "So&und:");
constexpr const char *kProgramCaption = QT_TRANSLATE_NOOP("noctalis::AlarmEditor", "Pro&gram:");
constexpr const char *kMinimizedCaption = QT_TRANSLATE_NOOP("noctalis::AlarmEditor", "Minimized &Y/N:");
constexpr const char *kUrlCaption = QT_TRANSLATE_NOOP("noctalis::AlarmEditor", "&URL:");
constexpr const char *kIntervalCaption = QT_TRANSLATE_NOOP("noctalis::AlarmEditor", "Inter&val min:");

// A duration or an interval, minutes: more than none, at most a day (an
// alarm fires once a sidereal day).
constexpr NumberRange kAlarmMinutes{0, kMinutesPerDay, false, true};

// Any number of minutes, for a hidden box that keeps what it held.
constexpr NumberRange kAnyMinutes{std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max()};

std::optional<double> boxMinutes(const QString &text) { return numberFromText(text, kAlarmMinutes); }

// The text of a minutes box as the alarm keeps it: as typed when the
// leading-number rule of its readers gives the same value ("5"), else the
// value's plain text ("0,5" is kept as "0.5").
QString minutesText(const QString &typed, double minutes)
{
    return leadingNumber(typed) == minutes ? typed : plainNumberText(minutes);
}

// The file dialog of Load and Save: alarm files, starting in the folder of
// the current alarm file, else in the user's documents folder.
FilePickRequest alarmFileRequest(FilePickRequest::Purpose purpose, const QString &title, const QString &proposedName,
                                 const QString &currentFile)
{
    FilePickRequest request;
    request.purpose = purpose;
    request.title = title;
    request.filter = AlarmEditor::tr("Alarm File") + QStringLiteral("|*.alm");
    request.defaultSuffix = QStringLiteral("alm");
    request.directory = AlarmEditor::startFolder(currentFile);
    request.proposedName = proposedName;
    return request;
}

}  // namespace

AlarmEditor::AlarmEditor(AlarmTable &alarms, Preferences &prefs, SettingsStore &settings, MessageService &messages,
                         FilePicker &files, QWidget *parent)
    : QDialog(parent),
      m_alarms(alarms),
      m_prefs(prefs),
      m_settings(settings),
      m_messages(messages),
      m_files(files),
      ui(std::make_unique<Ui::AlarmEditor>())
{
    ui->setupUi(this);
    fitOnFirstShow(*this);  // on the screen of the window it opens over, wholly
    txtParam = {ui->txtParam0, ui->txtParam1, ui->txtParam2};
    LBLParam = {ui->LBLParam0, ui->LBLParam1, ui->LBLParam2};
    cmdBrowse = {ui->cmdBrowse0, ui->cmdBrowse1, ui->cmdBrowse2};
    // One character more than an alarm takes, so that a longer text is
    // refused with a message rather than cut short without a word.
    ui->txtName->setMaxLength(int(kMaxAlarmFieldChars + 1));
    for (QLineEdit *box : txtParam)
        box->setMaxLength(int(kMaxAlarmFieldChars + 1));
    ui->cmdCancel->hide();
    ui->chkMinimized->hide();
    // The check box writes the stored form of the choice into the box the
    // file keeps; an untouched box keeps what was stored.
    connect(ui->chkMinimized, &QCheckBox::toggled, this,
            [this](bool on) { txtParam[1]->setText(on ? QStringLiteral("Y") : QStringLiteral("N")); });
    ui->FrameEdit->hide();
    for (QPushButton *browse : cmdBrowse)
        browse->hide();

    connect(ui->cmbAction, &QComboBox::currentIndexChanged, this, &AlarmEditor::actionChosen);
    connect(ui->cmdAdd, &QPushButton::clicked, this, &AlarmEditor::addAlarm);
    connect(ui->cmdEdit, &QPushButton::clicked, this, &AlarmEditor::editAlarm);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &AlarmEditor::cancel);
    connect(ui->cmdOK, &QPushButton::clicked, this, &AlarmEditor::confirm);
    connect(ui->cmdDelete, &QPushButton::clicked, this, &AlarmEditor::deleteAlarm);
    connect(ui->cmdNew, &QPushButton::clicked, this, &AlarmEditor::newFile);
    connect(ui->cmdLoad, &QPushButton::clicked, this, &AlarmEditor::loadFile);
    connect(ui->cmdSave, &QPushButton::clicked, this, [this] { saveFile(); });
    for (int i = 0; i < int(cmdBrowse.size()); ++i)
        connect(cmdBrowse[std::size_t(i)], &QPushButton::clicked, this, [this, i] { browse(i); });
}

AlarmEditor::~AlarmEditor() = default;

QString AlarmEditor::programFolder() { return QCoreApplication::applicationDirPath(); }

QString AlarmEditor::startFolder(const QString &alarmFile)
{
    if (!alarmFile.isEmpty()) {
        const QFileInfo file(alarmFile);
        if (file.absoluteDir().exists())
            return file.absolutePath();
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

void AlarmEditor::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        load();
    QDialog::showEvent(event);
}

void AlarmEditor::reject()
{
    if (m_adding || m_editing)
        cancel();
    if (m_alarms.isModified() && askToSave())
        saveFile();
    QDialog::reject();
}

void AlarmEditor::load()
{
    ui->FrameEdit->hide();
    {
        // Filling the list picks no action: the edit frame is laid out when
        // an add or edit begins.
        const QSignalBlocker quiet(ui->cmbAction);
        ui->cmbAction->clear();
        for (int action = kActionMessageBox; action <= kActionSendLmstTcp; ++action)
            ui->cmbAction->addItem(Action2Str(action));
    }
    setFileLabel(StripDirectory(m_prefs.AlarmFile));
    ui->cmdCancel->hide();
    LoadAllAlarmsInList();
}

void AlarmEditor::setFileLabel(const QString &fileName) { ui->LBLFile->setText(tr("Alarm File: %1").arg(fileName)); }

void AlarmEditor::LoadAllAlarmsInList()
{
    ui->LV1->clear();
    const AlarmDef &first = m_alarms[0];
    if (first.Name.isEmpty() && first.Param1.isEmpty())
        return;
    for (const AlarmDef &alarm : m_alarms)
        AddAlarmRow(alarm);
}

void AlarmEditor::AddAlarmRow(const AlarmDef &alarm)
{
    auto *row = new QTreeWidgetItem(ui->LV1);
    row->setText(0, shortNumberText(ui->LV1->topLevelItemCount()));
    row->setText(1, boundedText(alarm.Name, kShownNameChars));
    row->setText(2, formatTime(alarm.SiderealTime, u"HH:nn:ss"));
    row->setText(3, alarm.Enabled ? tr("Yes") : tr("No"));
    row->setText(4, Action2Str(alarm.Action));
}

void AlarmEditor::SetEditDisplay(int action)
{
    struct BoxLayout {
        bool shown[3];
        const char *caption[3];  // nullptr: the caption stays as it is; translated on use
        int browse;              // the box whose Browse button shows; -1 none
        bool duration;
    };
    BoxLayout layout{};
    switch (action) {
    case kActionMessageBox: layout = {{true, false, false}, {kMessageCaption, nullptr, nullptr}, -1, true}; break;
    case kActionMessageBoxSound: layout = {{true, true, false}, {kMessageCaption, kSoundCaption, ""}, 1, true}; break;
    case kActionLaunchProgram:
        // The second box's text is kept as stored ("Y" or "N"); a check box
        // stands in for it where a launcher can ask for a minimised window,
        // and nothing shows where it cannot.
        layout = {{true, false, false}, {kProgramCaption, kMinimizedCaption, nullptr}, 0, false};
        break;
    case kActionSendLmstTcp:
        layout = {{true, true, true}, {kMessageCaption, kUrlCaption, kIntervalCaption}, -1, true};
        break;
    default: return;
    }
    for (std::size_t i = 0; i < txtParam.size(); ++i) {
        if (layout.caption[i])
            LBLParam[i]->setText(tr(layout.caption[i]));
        txtParam[i]->setVisible(layout.shown[i]);
        LBLParam[i]->setVisible(layout.shown[i]);
        cmdBrowse[i]->setVisible(int(i) == layout.browse);
    }
    ui->txtDuration->setVisible(layout.duration);
    ui->LBLDuration->setVisible(layout.duration);
    const bool minimizedShown = action == kActionLaunchProgram && kCanStartMinimized;
    ui->chkMinimized->setVisible(minimizedShown);
    if (minimizedShown) {
        const QSignalBlocker quiet(ui->chkMinimized);
        ui->chkMinimized->setChecked(LaunchMinimized(txtParam[1]->text()));
    }
}

void AlarmEditor::actionChosen(int index) { SetEditDisplay(index); }

void AlarmEditor::setEditing(bool adding)
{
    ui->LV1->setEnabled(false);
    m_adding = adding;
    m_editing = !adding;
    ui->FrameEdit->show();
    ui->cmdEdit->setEnabled(false);
    ui->cmdAdd->setEnabled(false);
    ui->cmdCancel->setText(adding ? tr("&Cancel Add") : tr("&Cancel Edit"));
    ui->cmdCancel->show();
    for (QPushButton *button : {ui->cmdLoad, ui->cmdSave, ui->cmdNew, ui->cmdDelete})
        button->setEnabled(false);
    ui->txtName->setFocus();
}

void AlarmEditor::setBrowsing()
{
    ui->FrameEdit->hide();
    for (QPushButton *button : {ui->cmdSave, ui->cmdLoad, ui->cmdAdd, ui->cmdEdit, ui->cmdDelete, ui->cmdNew})
        button->setEnabled(true);
    ui->cmdCancel->hide();
    m_editing = false;
    m_adding = false;
    ui->LV1->setEnabled(true);
}

void AlarmEditor::addAlarm()
{
    setEditing(true);
    ui->cmbAction->setEnabled(true);
    ui->cmbAction->setCurrentIndex(kActionMessageBox);
    SetEditDisplay(kActionMessageBox);
    ui->txtName->clear();
    for (QLineEdit *box : txtParam)
        box->clear();
    ui->txtDuration->setText(QStringLiteral("5"));
}

int AlarmEditor::selectedIndex() const
{
    const QList<QTreeWidgetItem *> selected = ui->LV1->selectedItems();
    if (selected.isEmpty())
        return -1;
    return int(leadingNumber(selected.constFirst()->text(0))) - 1;
}

void AlarmEditor::editAlarm()
{
    const int index = selectedIndex();
    if (index < 0 || index >= m_alarms.size()) {
        m_messages.show(tr("Please select an alarm name and then click edit."), programTitle());
        return;
    }
    setEditing(false);
    m_editIndex = qint16(index);

    const AlarmDef &alarm = m_alarms[index];
    const double days = alarm.SiderealTime;
    ui->txtName->setText(alarm.Name);
    ui->txtHr->setText(formatTime(days, u"HH"));
    ui->txtMin->setText(formatTime(days, u"nn"));
    ui->txtSec->setText(formatTime(days, u"ss"));
    ui->chkEnabled->setChecked(alarm.Enabled);
    const bool known = alarm.Action >= kActionMessageBox && alarm.Action <= kActionSendLmstTcp;
    ui->cmbAction->setCurrentIndex(known ? alarm.Action : -1);
    ui->cmbAction->setEnabled(false);
    txtParam[0]->setText(alarm.Param1);
    txtParam[1]->setText(alarm.Param2);
    // A fraction of a minute in the interval shows in the user's way.
    const std::optional<double> interval = boxMinutes(alarm.Param3);
    txtParam[2]->setText(interval && *interval != std::floor(*interval) ? shownNumberText(*interval) : alarm.Param3);
    const double durationDays = alarm.Duration.value_or(0);
    ui->txtDuration->setText(shownNumberText(durationDays * kMinutesPerDay));
    SetEditDisplay(alarm.Action);
}

QString AlarmEditor::refusedField() const
{
    // A text the alarm file cannot give back as typed: one value per line,
    // so no line break, and only whole characters (a lone half of a
    // surrogate pair has no encoding).
    const auto refusedText = [this](const QString &text, const QString &caption) {
        if (text.size() > kMaxAlarmFieldChars)
            return tr("%1 is longer than 32767 characters.").arg(caption);
        if (text.contains(u'\r') || text.contains(u'\n'))
            return tr("%1 holds a line break; an alarm keeps one line of text.").arg(caption);
        if (!text.isValidUtf16())
            return tr("%1 holds a broken character; type or paste it again.").arg(caption);
        return QString();
    };
    if (const QString refused = refusedText(ui->txtName->text(), tr("Name")); !refused.isEmpty())
        return refused;
    for (std::size_t i = 0; i < txtParam.size(); ++i) {
        QString caption = LBLParam[i]->isHidden() ? QString() : LBLParam[i]->text().remove(QLatin1Char('&'));
        if (caption.endsWith(QLatin1Char(':')))
            caption.chop(1);
        if (caption.isEmpty())
            caption = tr("Parameter %1").arg(i + 1);
        if (const QString refused = refusedText(txtParam[i]->text(), caption); !refused.isEmpty())
            return refused;
    }
    // The system takes a command line as a C string: a NUL would cut off
    // what follows it without a word.
    const int action = m_editing ? m_alarms[m_editIndex].Action : ui->cmbAction->currentIndex();
    if (action == kActionLaunchProgram && txtParam[0]->text().contains(QChar(u'\0')))
        return tr("The program's command line must not contain a NUL character.");
    if (!ui->txtDuration->isHidden() && !boxMinutes(ui->txtDuration->text()))
        return tr("Duration must be a number of minutes greater than 0 and at most 1440, such as 5 or 0.5.");
    if (!txtParam[2]->isHidden() && !boxMinutes(txtParam[2]->text()))
        return tr("Interval must be a number of minutes greater than 0 and at most 1440, such as 5 or 0.5.");
    if (ui->cmbAction->currentIndex() == kActionSendLmstTcp && !senderAddressFromUrl(txtParam[1]->text()))
        return tr("The URL must be empty (this computer, port 1556) or host:port, such as 127.0.0.1:5555 or "
                  "tcp://dome.local:5555.");
    return QString();
}

bool AlarmEditor::storeEditedAlarm()
{
    const std::optional<QTime> time = timeOfDayFromFields(ui->txtHr->text(), ui->txtMin->text(), ui->txtSec->text());
    if (!time) {
        m_messages.show(tr("Hr, Min and Sec must be whole numbers: hours from 0 to 23, minutes and seconds from 0 "
                           "to 59."),
                        programTitle());
        return false;
    }
    if (const QString refused = refusedField(); !refused.isEmpty()) {
        m_messages.show(refused, programTitle());
        return false;
    }
    if (m_adding) {
        if (!m_alarms.isPlaceholder()) {
            if (m_alarms.size() >= kMaxAlarms) {
                m_messages.show(tr("No more alarms can be added: an alarm file holds at most 32768 alarms."),
                                programTitle());
                return false;
            }
            m_alarms.resize(m_alarms.size() + 1);
        }
        m_editIndex = qint16(m_alarms.lastIndex());
        m_alarms[m_editIndex].Action = qint16(ui->cmbAction->currentIndex());
    }
    AlarmDef &alarm = m_alarms[m_editIndex];
    const double siderealTimeDays = QTime(0, 0).secsTo(*time) / kSecondsPerDay;
    // A hidden duration box (a program launch has no duration) keeps what it
    // held, read as the alarm file reads it.
    const double durationDays =
        boxMinutes(ui->txtDuration->text())
            .value_or(
                numberFromText(ui->txtDuration->text(), kAnyMinutes).value_or(leadingNumber(ui->txtDuration->text())))
        / kMinutesPerDay;
    // An alarm moved to another sidereal time is a new activation: it fires
    // when the LMST next lies in its new window. A new name, text, duration
    // or switch leaves a fired alarm fired until its end. The boxes show the
    // time to the second, so an untouched time gives back nearly, not
    // exactly, what the alarm held.
    const bool timeMoved = !(std::abs(alarm.SiderealTime - siderealTimeDays) * kSecondsPerDay < 0.5);
    if (m_editing && timeMoved) {
        alarm.Triggered = false;
        alarm.TriggeredUntil.reset();
    }
    alarm.SiderealTime = siderealTimeDays;
    alarm.Enabled = ui->chkEnabled->isChecked();
    alarm.Name = ui->txtName->text();
    alarm.Param1 = txtParam[0]->text();
    alarm.Param2 = txtParam[1]->text();
    const std::optional<double> interval = txtParam[2]->isHidden() ? std::nullopt : boxMinutes(txtParam[2]->text());
    alarm.Param3 = interval ? minutesText(txtParam[2]->text(), *interval) : txtParam[2]->text();
    alarm.Duration = durationDays;
    return true;
}

void AlarmEditor::confirm()
{
    if (m_adding || m_editing) {
        if (!storeEditedAlarm())
            return;
        setBrowsing();
        LoadAllAlarmsInList();
        m_alarms.setModified(true);
        return;
    }
    if (m_alarms.isModified() && askToSave())
        saveFile();
    accept();
}

void AlarmEditor::cancel() { setBrowsing(); }

bool AlarmEditor::unsavedChanges() const { return m_alarms.isModified(); }

QString AlarmEditor::currentFolderFile() const
{
    return m_prefs.AlarmFile.isEmpty() ? m_folderFile : m_prefs.AlarmFile;
}

QString AlarmEditor::saveQuestion() const
{
    // A table that New started has no file yet: the question names none.
    if (m_prefs.AlarmFile.isEmpty())
        return tr("Do you want to save your new alarm list?");
    return tr("Do you want to save your changes to:\r\n%1").arg(StripDirectory(m_prefs.AlarmFile));
}

bool AlarmEditor::askToSave()
{
    return m_messages.show(saveQuestion(), programTitle(), MessageButtons::YesNo) == MessageAnswer::Yes;
}

bool AlarmEditor::mayDiscardChanges()
{
    if (!m_alarms.isModified())
        return true;
    switch (m_messages.show(saveQuestion(), programTitle(), MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes: return saveFile() == SaveResult::Saved;
    case MessageAnswer::No: return true;
    default: return false;
    }
}

void AlarmEditor::deleteAlarm()
{
    const int index = selectedIndex();
    if (index < 0 || index >= m_alarms.size()) {
        m_messages.show(tr("Please select an alarm number to delete and then click Delete."), programTitle());
        return;
    }
    // The row's number as the list shows it, without the blank before it.
    const QString rowText = ui->LV1->selectedItems().constFirst()->text(0).trimmed();
    //: %1 is the alarm's number.
    const QString question = tr("Are you sure you want to delete alarm %1?").arg(rowText);
    if (m_messages.show(question, programTitle(), MessageButtons::YesNo) != MessageAnswer::Yes)
        return;

    // The alarms below move up a row with their run-time state: a fired
    // alarm stays fired, an armed one stays armed.
    m_alarms.erase(index);
    m_alarms.setModified(true);
    LoadAllAlarmsInList();
}

void AlarmEditor::newFile()
{
    if (m_alarms.isModified() && askToSave()) {
        // Asked to save first: a save that did not happen keeps the alarms.
        const SaveResult saved = saveFile();
        if (saved == SaveResult::Cancelled || saved == SaveResult::Failed)
            return;
    }
    m_alarms.clear();
    // The new list belongs to no file yet: nothing offers to write it over
    // the file it replaced. That file's folder stays where Save starts.
    if (!m_prefs.AlarmFile.isEmpty())
        m_folderFile = m_prefs.AlarmFile;
    m_prefs.AlarmFile.clear();
    LoadAllAlarmsInList();
    setFileLabel(tr("Not Saved."));
    addAlarm();
}

void AlarmEditor::loadFile()
{
    // Loading replaces the table: changes no file has are offered a save.
    if (!mayDiscardChanges())
        return;
    const std::optional<QString> path = m_files.pickFile(alarmFileRequest(
        FilePickRequest::Purpose::Open, tr("Load Sidereal Alarms"), QStringLiteral("*.alm"), currentFolderFile()));
    if (!path)
        return;

    // The alarms of the file that were already in the table and fired keep
    // that state; every other one starts armed, whatever index it takes.
    const AlarmTable before = m_alarms;
    const bool loaded = LoadAlarmFile(*path, m_alarms, m_messages) >= 0;
    m_alarms.takeRunTimeStateFrom(before);
    if (loaded) {
        m_prefs.AlarmFile = *path;
        writeSetting(m_settings, QStringLiteral("AlarmFile"), *path);
        LoadAllAlarmsInList();
        m_alarms.setModified(false);
    }
    setFileLabel(StripDirectory(m_prefs.AlarmFile));
}

AlarmEditor::SaveResult AlarmEditor::saveFile()
{
    if (m_alarms.isPlaceholder()) {
        m_messages.show(tr("Either no alarms are defined or Alarm 1 does not have a supplied name."), programTitle());
        return SaveResult::Refused;
    }
    const QString proposedName =
        m_prefs.AlarmFile.isEmpty() ? QStringLiteral("*.alm") : StripDirectory(m_prefs.AlarmFile);
    const std::optional<QString> path = m_files.pickFile(alarmFileRequest(
        FilePickRequest::Purpose::Save, tr("Save Sidereal Alarm File"), proposedName, currentFolderFile()));
    if (!path)
        return SaveResult::Cancelled;
    if (QFileInfo::exists(*path)) {
        const QString question = tr("%1 already exists.\r\nDo you want to replace it?").arg(StripDirectory(*path));
        if (m_messages.show(question, programTitle(), MessageButtons::YesNo) != MessageAnswer::Yes)
            return SaveResult::Cancelled;
    }

    if (!SaveAlarmFile(*path, m_alarms, m_messages))
        return SaveResult::Failed;
    m_prefs.AlarmFile = *path;
    // The file saved is the one the next start loads.
    writeSetting(m_settings, QStringLiteral("AlarmFile"), *path);
    setFileLabel(StripDirectory(m_prefs.AlarmFile));
    m_alarms.setModified(false);
    return SaveResult::Saved;
}

void AlarmEditor::browse(int index)
{
    FilePickRequest request;
    request.purpose = FilePickRequest::Purpose::Open;
    request.directory = programFolder();
    if (index == 0) {
        request.title = tr("Select Executable File");
        request.filter = tr("Any") + QStringLiteral("|*.*");
    } else if (index == 1) {
        request.title = tr("Select Sound File");
        request.filter = tr("Sound File") + QStringLiteral("|*.wav");
        request.defaultSuffix = QStringLiteral("wav");
        request.proposedName = QStringLiteral("*.wav");
    } else {
        return;
    }
    if (const std::optional<QString> path = m_files.pickFile(request))
        txtParam[std::size_t(index)]->setText(*path);
}

}  // namespace noctalis
