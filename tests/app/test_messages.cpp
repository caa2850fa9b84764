// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Message boxes and file dialogs stand above the window they belong to, and
// what start-up has to say waits until the clock is on screen.

#include "filedialogpicker.h"
#include "widgetmessageservice.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace noctalis;

struct Seen {
    QString text;
    QWidget *parent = nullptr;
};

// Closes every message box as it opens, noting its text and parent.
QList<Seen> answerBoxes(const std::function<void()> &run)
{
    QList<Seen> seen;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            seen.append({box->text(), box->parentWidget()});
            box->done(QMessageBox::Ok);
        }
    });
    closer.start(0);
    run();
    return seen;
}

TEST(WidgetMessages, StartUpMessagesWaitForTheClockAndStandAboveIt)
{
    WidgetMessageService messages;
    messages.holdUntilShown();
    EXPECT_EQ(messages.show(QStringLiteral("first"), QStringLiteral("Noctalis")), MessageAnswer::Ok);
    EXPECT_EQ(messages.show(QStringLiteral("second"), QStringLiteral("Noctalis")), MessageAnswer::Ok);
    EXPECT_EQ(messages.heldCount(), 2) << "nothing on screen before the clock";

    QWidget clock;
    clock.show();
    const QList<Seen> held = answerBoxes([&] { messages.showHeld(&clock); });
    ASSERT_EQ(held.size(), 2);
    EXPECT_EQ(held[0].text, QStringLiteral("first"));
    EXPECT_EQ(held[1].text, QStringLiteral("second"));
    EXPECT_EQ(held[0].parent, &clock);
    EXPECT_EQ(messages.heldCount(), 0);

    // Later messages show at once, above the clock when no window is active.
    const QList<Seen> later = answerBoxes([&] { messages.show(QStringLiteral("later"), QStringLiteral("Noctalis")); });
    ASSERT_EQ(later.size(), 1);
    QWidget *active = QApplication::activeWindow();
    EXPECT_EQ(later[0].parent, active ? active : &clock);
}

// A box or file dialog that a modal dialog asks for stands above that
// dialog, even when the window manager still names another window active
// (the clock) or none at all.
TEST(WidgetMessages, BoxesAndFileDialogsOfAModalDialogStandAboveIt)
{
    QWidget clock;
    clock.show();
    WidgetMessageService messages;
    messages.showHeld(&clock);
    FileDialogPicker files;
    QDialog editor(&clock);

    for (const bool staleActive : {true, false}) {
        QList<Seen> boxes;
        QWidget *fileParent = nullptr;
        QWindow *fileTransientFor = nullptr;
        QTimer::singleShot(0, &editor, [&] {
            QApplication::setActiveWindow(staleActive ? &clock : nullptr);
            boxes = answerBoxes(
                [&] { messages.show(QStringLiteral("Input past end of file."), QStringLiteral("Noctalis")); });
            QApplication::setActiveWindow(staleActive ? &clock : nullptr);
            QTimer::singleShot(0, &editor, [&] {
                if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                    fileParent = dialog->parentWidget();
                    fileTransientFor = dialog->windowHandle() ? dialog->windowHandle()->transientParent() : nullptr;
                    dialog->reject();
                }
            });
            files.pickFile({FilePickRequest::Purpose::Save, QStringLiteral("Save"), QStringLiteral("Alarm File|*.alm"),
                            QStringLiteral("alm"), QString(), QString()});
            editor.reject();
        });
        editor.exec();
        ASSERT_EQ(boxes.size(), 1) << staleActive;
        EXPECT_EQ(boxes[0].parent, &editor) << staleActive;
        EXPECT_EQ(fileParent, &editor) << staleActive;
        EXPECT_EQ(fileTransientFor, editor.windowHandle()) << staleActive;
    }
}

}  // namespace
