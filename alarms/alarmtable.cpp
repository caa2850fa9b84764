// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "alarmtable.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace noctalis {

AlarmTable::AlarmTable() : records_(1) {}

AlarmDef &AlarmTable::operator[](int index)
{
    Q_ASSERT(index >= 0 && index < size());
    return records_[std::size_t(index)];
}

const AlarmDef &AlarmTable::operator[](int index) const
{
    Q_ASSERT(index >= 0 && index < size());
    return records_[std::size_t(index)];
}

void AlarmTable::resize(int count)
{
    Q_ASSERT(count >= 1);
    records_.resize(std::size_t(std::max(count, 1)));
}

void AlarmTable::clear() { records_.assign(1, AlarmDef()); }

void AlarmTable::erase(int index)
{
    Q_ASSERT(index >= 0 && index < size());
    if (records_.size() == 1)
        clear();
    else
        records_.erase(records_.begin() + index);
}

void AlarmTable::takeRunTimeStateFrom(const AlarmTable &before)
{
    // The file keeps numbers to 15 significant digits: an alarm saved and
    // loaded again comes back within that of what it was.
    const auto sameNumber = [](double a, double b) {
        return a == b || std::abs(a - b) <= 1e-14 * std::max(std::abs(a), std::abs(b));
    };
    const auto sameAlarm = [&](const AlarmDef &a, const AlarmDef &b) {
        return a.Name == b.Name && a.Action == b.Action && sameNumber(a.SiderealTime, b.SiderealTime)
               && a.Duration.has_value() == b.Duration.has_value()
               && sameNumber(a.Duration.value_or(0), b.Duration.value_or(0));
    };
    // The fired records of before, usually few; each lends its state once.
    std::vector<const AlarmDef *> fired;
    for (const AlarmDef &old : before.records_)
        if (old.Triggered)
            fired.push_back(&old);
    for (AlarmDef &record : records_) {
        record.Triggered = false;
        record.TriggeredUntil.reset();
        const auto same =
            std::find_if(fired.begin(), fired.end(), [&](const AlarmDef *old) { return sameAlarm(record, *old); });
        if (same == fired.end())
            continue;
        record.Triggered = true;
        record.TriggeredUntil = (*same)->TriggeredUntil;
        fired.erase(same);
    }
}

bool AlarmTable::isPlaceholder() const { return records_.size() == 1 && records_.front().Name.isEmpty(); }

}  // namespace noctalis
