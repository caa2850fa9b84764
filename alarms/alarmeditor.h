// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// AlarmEditor: the alarm editor. Lists, adds, edits and deletes the
// alarms of the live table, and loads, saves and starts alarm files.
//
// The editor works on the application's one alarm table in place: a
// committed add, edit or delete is in force at once, saved or not. It is
// created once and kept for the life of the program, so its unsaved-changes
// flag survives closing it.
//
// States:
//   Browsing  edit frame and Cancel hidden, list in use, every command enabled
//   Adding    edit frame shown, Cancel reads "&Cancel Add", list disabled,
//             Add, Edit, Load, Save, New and Delete disabled, action list enabled
//   Editing   as Adding, Cancel reads "&Cancel Edit" and the action list is
//             disabled (the action of an existing alarm is fixed)
#pragma once

#include "alarmdef.h"

#include <QDialog>

#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class AlarmEditor;
}

namespace noctalis {

class AlarmTable;
class FilePicker;
class MessageService;
class SettingsStore;
struct Preferences;

class AlarmEditor : public QDialog {
    Q_OBJECT

public:
    // What the editor works on, all owned by the application: the alarm
    // table, the current file (prefs.AlarmFile), the settings key
    // "AlarmFile", the message boxes and the file dialogs.
    AlarmEditor(AlarmTable &alarms, Preferences &prefs, SettingsStore &settings, MessageService &messages,
                FilePicker &files, QWidget *parent = nullptr);
    ~AlarmEditor() override;

    // How saveFile ended.
    enum class SaveResult {
        Saved,      // the file was written
        Refused,    // the table holds no named alarm; nothing to save
        Cancelled,  // the user cancelled the file dialog
        Failed,     // the file could not be written (the user was told)
    };

    bool unsavedChanges() const;
    // Before the table is replaced or the program ends: true when nothing
    // is unsaved, or the user saved, or chose not to save; false when the
    // user cancelled or the save did not happen.
    bool mayDiscardChanges();
    bool adding() const { return m_adding; }
    bool editing() const { return m_editing; }

    // The program's own folder, where the Browse dialogs start.
    static QString programFolder();
    // Where the Load and Save dialogs start: the folder of alarmFile (the
    // current alarm file) when there is one, else the user's documents folder.
    static QString startFolder(const QString &alarmFile);

public slots:
    // The close box and Escape: an add or edit in progress is abandoned as by
    // Cancel; then, with unsaved changes, the save question that OK asks.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void actionChosen(int index);
    void addAlarm();
    void editAlarm();
    void cancel();
    void confirm();
    void deleteAlarm();
    void newFile();
    void loadFile();

private:
    // Save and the save question: the file dialog, then the table written.
    SaveResult saveFile();
    // The Browse button beside parameter box index.
    void browse(int index);
    // Run every time the dialog is shown: hides the edit frame and Cancel,
    // fills the action list, shows the file name, lists the alarms.
    void load();
    // Refills the list from the table; empty while the table is the
    // placeholder (record 0 with neither a name nor a first parameter).
    void LoadAllAlarmsInList();
    // Appends the row of one alarm: " n", name, "HH:nn:ss", "True"/"False",
    // action text.
    void AddAlarmRow(const AlarmDef &alarm);
    // Shows the parameter boxes, their captions, the Browse buttons and the
    // duration box for an action code; codes outside 0 to 3 change nothing.
    // Typed text stays in boxes that are hidden.
    void SetEditDisplay(int action);

    void setBrowsing();
    void setEditing(bool adding);
    void setFileLabel(const QString &fileName);
    int selectedIndex() const;
    bool askToSave();
    QString saveQuestion() const;
    QString currentFolderFile() const;
    bool storeEditedAlarm();
    QString refusedField() const;

    AlarmTable &m_alarms;
    Preferences &m_prefs;
    SettingsStore &m_settings;
    MessageService &m_messages;
    FilePicker &m_files;
    std::unique_ptr<Ui::AlarmEditor> ui;
    std::array<QLineEdit *, 3> txtParam{};
    std::array<QLabel *, 3> LBLParam{};
    std::array<QPushButton *, 3> cmdBrowse{};

    QString m_folderFile;  // the file New left: where the file dialogs start
    bool m_editing = false;
    bool m_adding = false;
    qint16 m_editIndex = 0;  // index in the table of the alarm being edited or added
};

}  // namespace noctalis
