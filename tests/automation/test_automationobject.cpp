// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Creating objects by ProgID and binding to their members by name.

#include "automationerror.h"
#include "automationobject.h"
#include "variant.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

using automation::AutomationError;
using automation::Object;

const QString kProgId = QStringLiteral("Ephemlib.Ephemkit");

int errorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const AutomationError &e) {
        return e.number();
    }
    return 0;
}

bool engineMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains("libEphemkit");
}

TEST(AutomationObject, CreatesByProgIdWithoutRegardToCase)
{
    EXPECT_FALSE(Object::create(kProgId).isEmpty());
    EXPECT_FALSE(Object::create(QStringLiteral("EPHEMLIB.ephemkit")).isEmpty());
}

TEST(AutomationObject, MembersBindWithoutRegardToCase)
{
    Object e = Object::create(kProgId);
    ASSERT_FALSE(e.isEmpty());
    e.set(QStringLiteral("lng"), 75);
    e.set(QStringLiteral("LAT"), 52.5);
    e.set(QStringLiteral("utdate"), automation::dateValue(36526.5));
    EXPECT_NEAR(e.get(QStringLiteral("lmst")).toDouble(), 13.6973745, 1e-7);
    EXPECT_EQ(e.get(QStringLiteral("Lat")), QVariant(52.5));
    EXPECT_EQ(e.memberName(QStringLiteral("lmst")), QStringLiteral("LMST"));
    EXPECT_EQ(e.memberName(QStringLiteral("gettzbias")), QStringLiteral("GetTZBias"));
    // A method without arguments reads like a property and calls like one.
    EXPECT_EQ(e.get(QStringLiteral("gettimezone")).metaType().id(), QMetaType::Double);
    EXPECT_EQ(e.call(QStringLiteral("GETTZBIAS")).metaType().id(), QMetaType::Double);
    EXPECT_EQ(e.call(QStringLiteral("LNG")), QVariant(75.0));
}

TEST(AutomationObject, FailuresCarryRunTimeErrorNumbers)
{
    Object e = Object::create(kProgId);
    ASSERT_FALSE(e.isEmpty());
    EXPECT_EQ(errorOf([&] { e.get(QStringLiteral("Declination")); }), 438);
    EXPECT_EQ(errorOf([&] { e.set(QStringLiteral("objectName"), 1); }), 438);
    EXPECT_EQ(errorOf([&] { e.call(QStringLiteral("deleteLater")); }), 438);
    EXPECT_EQ(errorOf([&] { e.set(QStringLiteral("TransitEL"), 1); }), 383);
    EXPECT_EQ(errorOf([&] { e.set(QStringLiteral("GetTimeZone"), 1); }), 438);
    EXPECT_EQ(errorOf([&] { e.call(QStringLiteral("GetTimeZone"), {1}); }), 450);
    EXPECT_EQ(errorOf([&] { e.call(QStringLiteral("LNG"), {1}); }), 450);
}

TEST(AutomationObject, ErrorRaisedInsideAMemberReachesTheCaller)
{
    Object e = Object::create(kProgId);
    ASSERT_FALSE(e.isEmpty());
    e.set(QStringLiteral("UTDate"), automation::dateValue(36526.5));
    const QVariant lmst = e.get(QStringLiteral("LMST"));
    try {
        e.set(QStringLiteral("UTDate"), QStringLiteral("no date"));
        FAIL() << "no error";
    } catch (const AutomationError &err) {
        EXPECT_EQ(err.number(), 13);
        EXPECT_EQ(err.description(), QStringLiteral("Type mismatch"));
    }
    // The date is stored before the sidereal time is computed.
    EXPECT_EQ(e.get(QStringLiteral("UTDate")), QVariant(QStringLiteral("no date")));
    EXPECT_EQ(e.get(QStringLiteral("LMST")), lmst);
    // The error is raised once: the next member call succeeds.
    EXPECT_NO_THROW(e.get(QStringLiteral("LMST")));
}

TEST(AutomationObject, MissingLibraryGivesAnEmptyObjectThatFailsEverywhere)
{
    Object none = Object::create(QStringLiteral("No.Such"));
    EXPECT_TRUE(none.isEmpty());
    EXPECT_EQ(errorOf([&] { none.get(QStringLiteral("LMST")); }), 91);
    EXPECT_EQ(errorOf([&] { none.set(QStringLiteral("LNG"), 1); }), 91);
    EXPECT_EQ(errorOf([&] { none.call(QStringLiteral("GetTimeZone")); }), 91);
    EXPECT_TRUE(Object::create(kProgId, {QStringLiteral("/nonexistent")}).isEmpty());
    EXPECT_TRUE(Object().isEmpty());

    // Asked to throw, the failure says what was wanted and where it was sought.
    try {
        Object::createOrThrow(kProgId, {QStringLiteral("/nonexistent/plugins")});
        ADD_FAILURE() << "no error";
    } catch (const AutomationError &e) {
        EXPECT_EQ(e.number(), 429);
        EXPECT_EQ(e.description(), QStringLiteral("ActiveX component can't create object: Ephemlib.Ephemkit: "
                                                  "no library serves it in /nonexistent/plugins"));
    }
}

TEST(AutomationObject, LibraryUnloadsWhenNoObjectIsLeft)
{
    ASSERT_FALSE(engineMapped());
    {
        Object a = Object::create(kProgId);
        Object b = Object::create(kProgId);
        ASSERT_FALSE(a.isEmpty());
        EXPECT_TRUE(automation::isLibraryLoaded(kProgId));
        EXPECT_TRUE(engineMapped());
        Object copy = a;  // handles share one object
        copy.set(QStringLiteral("LNG"), 10);
        EXPECT_EQ(a.get(QStringLiteral("LNG")), QVariant(10.0));
        EXPECT_EQ(b.get(QStringLiteral("LNG")), QVariant(0.0));
        a = Object();
        copy = Object();
        EXPECT_TRUE(automation::isLibraryLoaded(kProgId)) << "b still holds it";
    }
    EXPECT_FALSE(automation::isLibraryLoaded(kProgId));
    EXPECT_FALSE(engineMapped());
    // And it loads again on demand.
    Object again = Object::create(kProgId);
    ASSERT_FALSE(again.isEmpty());
    EXPECT_EQ(again.get(QStringLiteral("LMST")), QVariant(0.0));
}

}  // namespace
