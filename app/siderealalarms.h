// SiderealAlarms: the alarms of the clock program put together. Reads the
// LMST, longitude and time fields of the clock window, checks the alarm
// table at every tick the clock window allows, and opens the alarm windows.
#pragma once

#include "alarmcheck.h"
#include "alarmwindows.h"
#include "appcontext.h"

#include <memory>

namespace noctalis {

class Formclk;

class SiderealAlarms {
public:
    // Hooks the check into the clock window's tick. launcher and sounds
    // default to starting real processes and playing real sounds.
    SiderealAlarms(Formclk &clockWindow, AppContext context, ProgramLauncher *launcher = nullptr,
                   AlarmWindows::SoundFactory sounds = {});
    ~SiderealAlarms();

    SiderealAlarms(const SiderealAlarms &) = delete;
    SiderealAlarms &operator=(const SiderealAlarms &) = delete;

    AlarmWindows &windows() { return m_windows; }

private:
    class ClockWindowHost : public AlarmHost {
    public:
        explicit ClockWindowHost(Formclk &clockWindow) : m_clockWindow(clockWindow) {}
        double lmstHours() override;
        QVariant engineLng() override;
        QString expandTimeFields(const QString &text) override;

    private:
        Formclk &m_clockWindow;
    };

    Formclk &m_clockWindow;
    ClockWindowHost m_host;
    ProcessLauncher m_processLauncher;
    AlarmWindows m_windows;
    AlarmCheck m_check;
};

} // namespace noctalis
