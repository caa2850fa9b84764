// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "formustimezone.h"

#include "observerexchange.h"
#include "ui_formustimezone.h"

namespace noctalis {

FormUSTimeZone::FormUSTimeZone(ObserverExchange &observer, QWidget *parent)
    : QDialog(parent), m_observer(observer), ui(std::make_unique<Ui::FormUSTimeZone>())
{
    ui->setupUi(this);
    OptTZ = {ui->OptTZ0, ui->OptTZ1, ui->OptTZ2, ui->OptTZ3, ui->OptTZ4, ui->OptTZ5};
    connect(ui->cmdOK, &QPushButton::clicked, this, &FormUSTimeZone::cmdOK_Click);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &FormUSTimeZone::reject);
}

FormUSTimeZone::~FormUSTimeZone() = default;

std::optional<FormUSTimeZone::UsZone> FormUSTimeZone::zoneOfPick(int hours)
{
    for (const UsZone &zone : kZones) {
        if (zone.hours == hours)
            return zone;
    }
    return std::nullopt;
}

void FormUSTimeZone::cmdOK_Click()
{
    for (std::size_t i = 0; i < OptTZ.size(); ++i) {
        if (OptTZ[i]->isChecked()) {
            m_observer.USZonePick = kZones[i].hours;
            break;
        }
    }
    accept();
}

} // namespace noctalis
