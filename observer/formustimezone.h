// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// FormUSTimeZone: picks a US time zone by name for the observer dialog.
//
// OK puts the hours of the zone picked into USZonePick of the observer
// exchange values (-5 Eastern to -10 Hawaii) and leaves it as it is when no
// zone is picked; Cancel changes nothing. The opener sets USZonePick to 0
// before showing the picker.
#pragma once

#include <QDialog>

#include <array>
#include <memory>

class QRadioButton;

namespace Ui {
class FormUSTimeZone;
}

namespace noctalis {

struct ObserverExchange;

class FormUSTimeZone : public QDialog {
    Q_OBJECT

public:
    // The zones of the options OptTZ0 to OptTZ5, hours east of UT.
    static constexpr std::array<int, 6> kZoneHours = {-5, -6, -7, -8, -9, -10};

    explicit FormUSTimeZone(ObserverExchange &observer, QWidget *parent = nullptr);
    ~FormUSTimeZone() override;

    void cmdOK_Click();

private:
    ObserverExchange &m_observer;
    std::unique_ptr<Ui::FormUSTimeZone> ui;
    std::array<QRadioButton *, kZoneHours.size()> OptTZ{};
};

} // namespace noctalis
