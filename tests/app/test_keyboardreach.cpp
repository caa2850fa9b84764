// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Every window by keyboard alone and through a screen reader, in English
// and in German: within a window each labelled button, check box, option
// button, label with a buddy and menu entry carries an access key, no two
// the same, and every input box has a name of its own.

#include "aboutbox.h"
#include "alarmeditor.h"
#include "alarmfakes.h"
#include "alarmnotice.h"
#include "appparts.h"
#include "autostartentry.h"
#include "clockwindow.h"
#include "colorpicker.h"
#include "configdialog.h"
#include "filepicker.h"
#include "fontpicker.h"
#include "observerdialog.h"
#include "senderwindow.h"
#include "siderealcalculator.h"
#include "siteseditor.h"
#include "tonightwindow.h"
#include "translations.h"
#include "uszonepicker.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMap>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace {

using namespace noctalis;

// Parts of Qt's own compound widgets (the calendar's buttons, a spin box's
// line edit) answer to their owner, not to the window.
bool partOfQt(const QWidget *widget, const QWidget *window)
{
    for (const QWidget *w = widget; w && w != window; w = w->parentWidget())
        if (w->objectName().startsWith(QLatin1String("qt_")))
            return true;
    return false;
}

bool isInputBox(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget)
           || qobject_cast<const QComboBox *>(widget) || qobject_cast<const QTextEdit *>(widget)
           || qobject_cast<const QPlainTextEdit *>(widget);
}

// Access keys of one window or menu: each caption has one, no two share it.
class AccessKeys {
public:
    explicit AccessKeys(std::string where) : m_where(std::move(where)) {}

    void add(const QString &caption, const QString &who)
    {
        // A caption of one letter ("W", "E") is the switch's whole state and
        // changes as it is pressed; it is reached by Tab.
        if (caption.size() <= 1)
            return;
        const QString key = QKeySequence::mnemonic(caption).toString().toLower();
        EXPECT_FALSE(key.isEmpty()) << m_where << ": " << who.toStdString() << " \"" << caption.toStdString()
                                    << "\" has no access key";
        if (key.isEmpty())
            return;
        EXPECT_FALSE(m_keys.contains(key)) << m_where << ": " << who.toStdString() << " and "
                                           << m_keys.value(key).toStdString() << " share " << key.toStdString();
        m_keys.insert(key, who);
    }

private:
    std::string m_where;
    QMap<QString, QString> m_keys;
};

// What a user reaches in window as it stands: the controls shown in it.
void expectReachable(const QWidget &window, const std::string &where)
{
    AccessKeys keys(where);
    QMap<QString, QString> names;  // accessible name -> input box
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&window) || partOfQt(widget, &window))
            continue;
        const QString who = widget->objectName();
        if (auto *button = qobject_cast<QAbstractButton *>(widget); button && !button->text().isEmpty())
            keys.add(button->text(), who);
        if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy() && !label->text().isEmpty())
            keys.add(label->text(), who);
        if (!isInputBox(widget))
            continue;
        const QString name = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << where << ": " << who.toStdString() << " has no name";
        EXPECT_FALSE(names.contains(name))
            << where << ": " << who.toStdString() << " and " << names.value(name).toStdString() << " are both \""
            << name.toStdString() << "\"";
        names.insert(name, who);
    }
}

void expectReachable(const QMenu &menu, const std::string &where)
{
    AccessKeys keys(where);
    for (const QAction *action : menu.actions())
        if (!action->isSeparator() && action->isVisible())
            keys.add(action->text(), action->objectName());
}

// Every window of the program, made afresh in the language in force.
class Windows : protected AppParts {
public:
    Windows()
        : clockWindow(context(QStringLiteral("No.Such.Engine"))),
          config(context(), ConfigDialog::Openers{colors, fonts, {}, {}, {}, AutostartEntry(dir.path()), {}}),
          observerDialog(ctxStore, files),
          zonePicker(observer),
          alarmEditor(alarms, prefs, settings, messages, files),
          sender(prefs, clock, QStringLiteral("No.Such.Engine")),
          notice(std::make_unique<FakeSoundPlayer>(std::make_shared<SoundLog>())),
          about(ctxStore)
    {
        clockWindow.load();
    }

    // Each window in each of the states that show other controls.
    void expectAllReachable(const std::string &language)
    {
        expectReachable(*clockWindow.optionsMenu(), language + " clock menu");
        expectReachable(config, language + " configuration");
        expectReachable(zonePicker, language + " US zones");
        expectReachable(sender, language + " sender");
        expectReachable(notice, language + " notice");
        expectReachable(about, language + " about");
        expectReachable(clockWindow.tonight(), language + " Tonight");
        expectReachable(clockWindow.calculator(), language + " calculator");

        observerDialog.show();
        expectReachable(observerDialog, language + " observer");
        // The city lists, as the Cities button shows them.
        for (const char *name : {"ListRegions", "LBLRegions", "ListCities", "LBLCities"})
            observerDialog.findChild<QWidget *>(QLatin1String(name))->show();
        expectReachable(observerDialog, language + " observer with city lists");

        expectReachable(sitesEditor, language + " sites editor");
        expectReachable(alarmEditor, language + " alarm editor");
        alarmEditor.findChild<QAbstractButton *>(QStringLiteral("cmdAdd"))->click();
        auto *action = alarmEditor.findChild<QComboBox *>(QStringLiteral("cmbAction"));
        for (int code = action->count() - 1; code >= 0; --code) {
            action->setCurrentIndex(code);
            expectReachable(alarmEditor, language + " alarm editor, action " + std::to_string(code));
        }
    }

private:
    AppContext ctxStore = context();
    ScriptedColorPicker colors;
    ScriptedFontPicker fonts;
    ScriptedFilePicker files;
    ClockWindow clockWindow;
    ConfigDialog config;
    ObserverDialog observerDialog;
    UsZonePicker zonePicker;
    AlarmEditor alarmEditor;
    SenderWindow sender;
    AlarmNotice notice;
    AboutBox about;
    SitesEditor sitesEditor{ctxStore, {}};
};

TEST(KeyboardReach, EveryWindowHasDistinctAccessKeysAndNamedBoxesInEnglishAndGerman)
{
    Windows().expectAllReachable("English");
    const Translations german(QLocale(QLocale::German, QLocale::Germany).uiLanguages());
    ASSERT_EQ(german.language(), QStringLiteral("de"));
    Windows().expectAllReachable("German");
}

// The clock face's top row has no caption on screen as the UT and LAST rows
// have; a screen reader hears it named with its time.
TEST(KeyboardReach, TheLmstRowIsNamedWithItsTime)
{
    AppParts parts;
    ClockWindow form(parts.context(QStringLiteral("No.Such.Engine")));
    form.load();
    const QString name = QAccessible::queryAccessibleInterface(form.clockLabel())->text(QAccessible::Name);
    EXPECT_EQ(name, QStringLiteral("LMST ") + form.clockLabel()->text());
}

}  // namespace
