// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "alarmtable.h"

#include <QtGlobal>

#include <algorithm>

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

void AlarmTable::clear()
{
    records_.assign(1, AlarmDef());
}

bool AlarmTable::isPlaceholder() const
{
    return records_.size() == 1 && records_.front().Name.isEmpty();
}

} // namespace noctalis
