// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// UsZonePicker: picks a US time zone by name for the observer dialog.
//
// OK puts the hours of the zone picked into USZonePick of the observer
// exchange values (-5 Eastern to -10 Hawaii) and leaves it as it is when no
// zone is picked; Cancel changes nothing. The opener sets USZonePick to 0
// before showing the picker and finds the zone picked with zoneOfPick.
#pragma once

#include <QDialog>

#include <array>
#include <memory>
#include <optional>

class QRadioButton;

namespace Ui {
class UsZonePicker;
}

namespace noctalis {

struct ObserverExchange;

class UsZonePicker : public QDialog {
    Q_OBJECT

public:
    // A zone of the picker: its standard time, hours east of UT, the IANA
    // zone that keeps it with its daylight saving, and that daylight
    // saving's rule code.
    struct UsZone {
        int hours;
        const char *zoneId;
        int dstRule;
    };
    // The zones of the options OptTZ0 to OptTZ5. Alaska keeps daylight
    // saving on the dates of the rest of the mainland; Hawaii keeps none.
    static constexpr std::array<UsZone, 6> kZones = {{
        {-5, "America/New_York", 1},
        {-6, "America/Chicago", 1},
        {-7, "America/Denver", 1},
        {-8, "America/Los_Angeles", 1},
        {-9, "America/Anchorage", 1},
        {-10, "Pacific/Honolulu", 0},
    }};

    // The zone whose hours USZonePick holds; nothing for 0 or other hours.
    static std::optional<UsZone> zoneOfPick(int hours);

    explicit UsZonePicker(ObserverExchange &observer, QWidget *parent = nullptr);
    ~UsZonePicker() override;

private slots:
    void confirm();

private:
    ObserverExchange &m_observer;
    std::unique_ptr<Ui::UsZonePicker> ui;
    std::array<QRadioButton *, kZones.size()> OptTZ{};
};

}  // namespace noctalis
