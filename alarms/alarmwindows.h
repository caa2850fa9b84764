// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// AlarmWindows: the windows and programs of fired alarms. Opens notice and
// sender windows, keeps them in the order they were opened with their tags,
// and closes them by tag; starts programs through a launcher.
#pragma once

#include "alarmactions.h"
#include "senderwindow.h"
#include "programlauncher.h"
#include "soundplayer.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

namespace noctalis {

class AlarmNotice;
class Clock;
struct Preferences;

class AlarmWindows : public AlarmActions {
public:
    using SoundFactory = std::function<std::unique_ptr<SoundPlayer>()>;
    // Told of every notice window as it opens, before it is shown: those of
    // alarms with their order, those of missed alarms with the report (its
    // tag empty).
    using NoticeHook = std::function<void(AlarmNotice &notice, const NoticeOrder &order)>;

    // prefs, clock, engineProgId and senderAddress go to the sender
    // windows; sounds makes each notice window's player.
    AlarmWindows(const Preferences &prefs, const Clock &clock, QString engineProgId, ProgramLauncher &launcher,
                 SoundFactory sounds, SenderAddress senderAddress = {});
    ~AlarmWindows() override;

    void openNotice(const NoticeOrder &order) override;
    bool launchProgram(const QString &commandLine, bool minimized) override;
    void openSender(const SenderOrder &order) override;
    void closeWindows(const QString &tag) override;
    void reportMissed(const NoticeOrder &report) override;

    // The open windows with this tag, oldest first; hidden ones included.
    QList<QWidget *> windows(const QString &tag) const;
    // Every open window, oldest first.
    QList<QWidget *> windows() const;
    // The open notices of missed alarms, oldest first; no tag closes them.
    QList<QWidget *> missedReports() const;

    // The tag a window was opened with.
    static QString tagOf(const QWidget *window);

    void setNoticeHook(NoticeHook hook) { m_noticeHook = std::move(hook); }

private:
    void add(QWidget *window, const QString &tag);
    void prune();

    const Preferences &m_prefs;
    const Clock &m_clock;
    QString m_engineProgId;
    ProgramLauncher &m_launcher;
    SoundFactory m_sounds;
    SenderAddress m_senderAddress;
    NoticeHook m_noticeHook;
    QList<QPointer<QWidget>> m_windows;  // oldest first; closed windows become null
    QList<QPointer<QWidget>> m_reports;  // the notices of missed alarms, likewise
};

}  // namespace noctalis
