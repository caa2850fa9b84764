// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "siderealalarms.h"

#include "clockwindow.h"
#include "variant.h"

namespace noctalis {

double SiderealAlarms::ClockWindowHost::lmstHours() { return m_clockWindow.tickLmstHours(); }

QVariant SiderealAlarms::ClockWindowHost::engineLng() { return m_clockWindow.engine().get(QStringLiteral("LNG")); }

QString SiderealAlarms::ClockWindowHost::expandTimeFields(const QString &text)
{
    return m_clockWindow.ExpandTimeFields(text);
}

SiderealAlarms::SiderealAlarms(ClockWindow &clockWindow, AppContext context, ProgramLauncher *launcher,
                               AlarmWindows::SoundFactory sounds, Notifier *notifier)
    : m_clockWindow(clockWindow),
      m_host(clockWindow),
      m_windows(context.prefs, context.clock, context.engineProgId, launcher ? *launcher : m_processLauncher,
                sounds ? std::move(sounds)
                       : AlarmWindows::SoundFactory([] { return std::make_unique<WaveSoundPlayer>(); })),
      m_actions(m_windows, notifier, context.clock),
      // The check's "now" is the reading of the tick it runs in.
      m_check(context.alarms, clockWindow.tickClock(), m_host, m_actions)
{
    m_clockWindow.setAlarmCheck([this] { m_check.run(); }, [this] { m_check.pause(); });
}

SiderealAlarms::~SiderealAlarms() { m_clockWindow.setAlarmCheck({}); }

}  // namespace noctalis
