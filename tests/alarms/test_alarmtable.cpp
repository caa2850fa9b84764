// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The alarm record, its action codes and the alarm table.

#include "alarmtable.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace {

using noctalis::Action2Str;
using noctalis::AlarmTable;

// The four texts are checked where the user sees them, in the editor's list
// of actions; a code outside the list has no text.
TEST(AlarmDef, ACodeWithoutAnActionHasNoText)
{
    for (int code : {-1, 4, 32767, -32768})
        EXPECT_EQ(Action2Str(code), QString()) << code;
}

TEST(AlarmTable, StartsAsThePlaceholder)
{
    const AlarmTable alarms;
    EXPECT_EQ(alarms.size(), 1);
    EXPECT_EQ(alarms.lastIndex(), 0);
    EXPECT_TRUE(alarms.isPlaceholder());
    EXPECT_TRUE(alarms[0].Name.isEmpty());
}

TEST(AlarmTable, PlaceholderMeansOneRecordWithoutName)
{
    AlarmTable alarms;
    alarms[0].Param1 = QStringLiteral("a message");
    EXPECT_TRUE(alarms.isPlaceholder());
    alarms[0].Name = QStringLiteral("Vega");
    EXPECT_FALSE(alarms.isPlaceholder());
    alarms[0].Name.clear();
    alarms.resize(2);
    EXPECT_FALSE(alarms.isPlaceholder());
}

TEST(AlarmTable, ResizeKeepsRecordsWithTheirRunTimeState)
{
    AlarmTable alarms;
    alarms.resize(3);
    alarms[1].Name = QStringLiteral("Deneb");
    alarms[1].Triggered = true;
    alarms[2].Name = QStringLiteral("Altair");

    alarms.resize(2);
    ASSERT_EQ(alarms.size(), 2);
    EXPECT_EQ(alarms[1].Name, QStringLiteral("Deneb"));
    EXPECT_TRUE(alarms[1].Triggered);

    alarms.resize(3);  // the dropped record does not come back
    EXPECT_TRUE(alarms[2].Name.isEmpty());
}

TEST(AlarmTable, ClearLeavesOneFreshRecord)
{
    AlarmTable alarms;
    alarms.resize(4);
    alarms[0].Name = QStringLiteral("Vega");
    alarms[0].Triggered = true;
    alarms.clear();
    ASSERT_EQ(alarms.size(), 1);
    EXPECT_TRUE(alarms[0].Name.isEmpty());
    EXPECT_FALSE(alarms[0].Triggered);
}

}  // namespace
