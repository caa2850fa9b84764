// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "uszonepicker.h"

#include "observerexchange.h"
#include "windowfit.h"
#include "ui_uszonepicker.h"

namespace noctalis {

UsZonePicker::UsZonePicker(ObserverExchange &observer, QWidget *parent)
    : QDialog(parent), m_observer(observer), ui(std::make_unique<Ui::UsZonePicker>())
{
    ui->setupUi(this);
    fitOnFirstShow(*this);  // on the screen of the window it opens over, wholly
    OptTZ = {ui->OptTZ0, ui->OptTZ1, ui->OptTZ2, ui->OptTZ3, ui->OptTZ4, ui->OptTZ5};
    connect(ui->cmdOK, &QPushButton::clicked, this, &UsZonePicker::confirm);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &UsZonePicker::reject);
}

UsZonePicker::~UsZonePicker() = default;

std::optional<UsZonePicker::UsZone> UsZonePicker::zoneOfPick(int hours)
{
    for (const UsZone &zone : kZones) {
        if (zone.hours == hours)
            return zone;
    }
    return std::nullopt;
}

void UsZonePicker::confirm()
{
    for (std::size_t i = 0; i < OptTZ.size(); ++i) {
        if (OptTZ[i]->isChecked()) {
            m_observer.USZonePick = kZones[i].hours;
            break;
        }
    }
    accept();
}

}  // namespace noctalis
