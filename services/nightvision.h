// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// NightVision: every window of the program red on black, for eyes adapted
// to the dark at the eyepiece. On, the application takes the Fusion style
// (which draws with the palette alone), a red-on-black palette for its
// windows, menus and tooltips, and Qt's own file and colour dialogs instead
// of the desktop's; off, it takes back the style, palettes and dialogs it had
// before. Windows already open follow at once.
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

#include <optional>

namespace noctalis {

class NightVision {
public:
    NightVision() = default;
    // Gives the day look back when night vision is still on.
    ~NightVision();
    NightVision(const NightVision &) = delete;
    NightVision &operator=(const NightVision &) = delete;

    // Turns the night look on or off; turning it on twice keeps the day look
    // of the first time.
    void apply(bool on);
    bool isOn() const { return m_day.has_value(); }

    // The palette of every window at night.
    static QPalette palette();
    // The clock face at night: black behind digits of the night red dimmed
    // to dimPercent of full brightness (clamped to 1..100).
    static QColor faceBackground();
    static QColor faceDigits(int dimPercent);

private:
    // What the application looked like before night vision.
    struct DayLook {
        QString styleName;  // empty when the style was kept
        QPalette palette;
        QPalette toolTips;
        bool nonNativeDialogs = false;
    };
    std::optional<DayLook> m_day;
};

}  // namespace noctalis
