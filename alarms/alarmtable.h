// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The table of alarms the clock keeps in memory, Alarms: one AlarmDef per
// alarm, indexed from 0. The application owns one table and hands it by
// reference to the alarm file routines, the editor and the clock tick, which
// all work on it in place.
#pragma once

#include "alarmdef.h"

#include <vector>

namespace noctalis {

class AlarmTable {
public:
    // One fresh record: the placeholder of an empty table.
    AlarmTable();

    // Number of records, at least 1; the last index is size() - 1.
    int size() const { return int(records_.size()); }
    int lastIndex() const { return size() - 1; }

    // Record at index, 0 <= index < size().
    AlarmDef &operator[](int index);
    const AlarmDef &operator[](int index) const;

    // Keeps the records 0 to count - 1 as they are, drops those beyond and
    // appends fresh ones up to count records. count is at least 1.
    void resize(int count);

    // Back to one fresh record.
    void clear();

    // Removes the record at index, 0 <= index < size(), with its run-time
    // state; the records after it move up one index. Removing the only
    // record leaves one fresh record.
    void erase(int index);

    // Gives every record of this table that is the same alarm as a record of
    // before (same Name and Action, SiderealTime and Duration the same to
    // the 15 significant digits an alarm file keeps) the run-time
    // state (Triggered, TriggeredUntil) of that record; every other record
    // starts armed. Each record of before lends its state once, in index
    // order, so two equal alarms keep two states.
    void takeRunTimeStateFrom(const AlarmTable &before);

    // True when the table is the placeholder only: one record whose Name is
    // empty.
    bool isPlaceholder() const;

    // Whether the table holds changes that no file has: set by whoever adds,
    // edits or deletes an alarm (the editor, Tonight's transit alarms),
    // cleared by a successful load or save. Closing the clock asks first.
    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

    std::vector<AlarmDef>::const_iterator begin() const { return records_.begin(); }
    std::vector<AlarmDef>::const_iterator end() const { return records_.end(); }

private:
    std::vector<AlarmDef> records_;
    bool modified_ = false;
};

}  // namespace noctalis
