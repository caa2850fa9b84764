// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "alarmwindows.h"

#include "displaytext.h"
#include "alarmnotice.h"
#include "senderwindow.h"
#include "windowplacement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace noctalis {

namespace {

const char kTagProperty[] = "alarmTag";
// The most of a caption a title bar is given.
constexpr qsizetype kCaptionChars = 200;

// The frames of the program's windows on screen, but for window itself; a
// window not framed yet (shown in this same tick) is given decoration.
QList<QRect> otherWindowFrames(const QWidget *window, const QSize &decoration)
{
    QList<QRect> frames;
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (w == window || !w->isVisible() || type == Qt::Popup || type == Qt::ToolTip)
            continue;
        QRect frame = w->frameGeometry();
        if (frame.size() == w->size())
            frame.setSize(frame.size() + decoration);
        frames.append(frame);
    }
    return frames;
}

// The title bar and borders the window manager puts round a window, as the
// windows already on screen show them; none when no window is on screen.
QSize decorationSize()
{
    QSize largest(0, 0);
    for (const QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            largest = largest.expandedTo(w->frameGeometry().size() - w->size());
    return largest;
}

}  // namespace

AlarmWindows::AlarmWindows(const Preferences &prefs, const Clock &clock, QString engineProgId,
                           ProgramLauncher &launcher, SoundFactory sounds, SenderAddress senderAddress)
    : m_prefs(prefs),
      m_clock(clock),
      m_engineProgId(std::move(engineProgId)),
      m_launcher(launcher),
      m_sounds(std::move(sounds)),
      m_senderAddress(std::move(senderAddress))
{
}

AlarmWindows::~AlarmWindows()
{
    // Windows still open outlive nothing they depend on.
    for (const QPointer<QWidget> &w : std::as_const(m_windows))
        delete w.data();
    for (const QPointer<QWidget> &w : std::as_const(m_reports))
        delete w.data();
}

QString AlarmWindows::tagOf(const QWidget *window)
{
    return window ? window->property(kTagProperty).toString() : QString();
}

void AlarmWindows::add(QWidget *window, const QString &tag)
{
    prune();
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setProperty(kTagProperty, tag);
    m_windows.append(window);
}

void AlarmWindows::prune()
{
    m_windows.removeIf([](const QPointer<QWidget> &w) { return w.isNull(); });
}

void AlarmWindows::openNotice(const NoticeOrder &order)
{
    auto *notice = new AlarmNotice(m_sounds ? m_sounds() : nullptr);
    add(notice, order.tag);
    notice->setMessage(order.message);
    notice->setWindowTitle(boundedText(order.caption, kCaptionChars));
    notice->SoundFile = order.soundFile;
    notice->BeepOn = order.beepOn;
    if (m_noticeHook)
        m_noticeHook(*notice, order);
    notice->show();
}

void AlarmWindows::reportMissed(const NoticeOrder &report)
{
    m_reports.removeIf([](const QPointer<QWidget> &w) { return w.isNull(); });
    // Silent: nothing of the missed alarms is carried out, their sounds
    // included.
    auto *notice = new AlarmNotice(nullptr);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    m_reports.append(notice);
    notice->setMessage(report.message);
    notice->setWindowTitle(boundedText(report.caption, kCaptionChars));
    notice->setSnoozeOffered(false);  // the alarms are over: nothing to come back to
    if (m_noticeHook)
        m_noticeHook(*notice, report);
    notice->show();
}

QList<QWidget *> AlarmWindows::missedReports() const
{
    QList<QWidget *> found;
    for (const QPointer<QWidget> &w : m_reports)
        if (w)
            found.append(w);
    return found;
}

bool AlarmWindows::launchProgram(const QString &commandLine, bool minimized)
{
    return m_launcher.start(commandLine, minimized);
}

void AlarmWindows::openSender(const SenderOrder &order)
{
    auto *sender = new SenderWindow(m_prefs, m_clock, m_engineProgId, m_senderAddress);
    add(sender, order.tag);
    sender->SenderLng = order.senderLng;
    sender->MessageTemplate = order.messageTemplate;
    sender->SetURL(order.url);
    sender->RepeatMinutes = order.repeatMinutes;
    sender->load();
    // In the top-right area like the notices, where no window of the program
    // covers it (the clock stays on top of everything else).
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen) {
        sender->adjustSize();
        const QSize decoration = decorationSize();
        sender->move(freeTopRightSpot(sender->size() + decoration, screen->availableGeometry(),
                                      otherWindowFrames(sender, decoration)));
    }
    sender->show();
}

void AlarmWindows::closeWindows(const QString &tag)
{
    prune();
    const QList<QPointer<QWidget>> open = m_windows;
    for (auto it = open.crbegin(); it != open.crend(); ++it) {
        if (*it && tagOf(*it) == tag)
            (*it)->close();
    }
    prune();
}

QList<QWidget *> AlarmWindows::windows(const QString &tag) const
{
    QList<QWidget *> found;
    for (const QPointer<QWidget> &w : m_windows)
        if (w && tagOf(w) == tag)
            found.append(w);
    return found;
}

QList<QWidget *> AlarmWindows::windows() const
{
    QList<QWidget *> found;
    for (const QPointer<QWidget> &w : m_windows)
        if (w)
            found.append(w);
    return found;
}

}  // namespace noctalis
