// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Members found by name once per class, without regard to case.

#include "membertable.h"

#include <QMetaObject>
#include <QObject>
#include <QVariant>

#include <gtest/gtest.h>

namespace {

// Two classes that use the same names for different kinds of member.
class Telescope : public QObject {
    Q_OBJECT
    Q_PROPERTY(QVariant Aperture READ aperture)
    Q_PROPERTY(QVariant Focus READ focus WRITE setFocus)
    Q_PROPERTY(QVariant focus READ focus)  // a second spelling: the first property wins

public:
    QVariant aperture() const { return 200; }
    QVariant focus() const { return m_focus; }
    void setFocus(const QVariant &v) { m_focus = v; }

    Q_INVOKABLE QVariant Point(const QVariant &ra) { return ra; }
    Q_INVOKABLE QVariant Point(const QVariant &ra, const QVariant &dec) { return ra.toDouble() + dec.toDouble(); }
    Q_INVOKABLE void Park() {}

public slots:
    void slew() {}

protected:
    Q_INVOKABLE void calibrate() {}

private:
    QVariant m_focus;
};

class Dome : public QObject {
    Q_OBJECT
    Q_PROPERTY(QVariant Park READ park)

public:
    QVariant park() const { return true; }
    Q_INVOKABLE void Aperture(const QVariant &widthDeg) { Q_UNUSED(widthDeg); }
    Q_INVOKABLE QVariant Point() { return {}; }
};

TEST(MemberTables, EachClassFindsItsOwnMembersUnderAnySpelling)
{
    automation::MemberTables tables;
    const auto telescope = tables.of(Telescope::staticMetaObject);
    const auto dome = tables.of(Dome::staticMetaObject);
    // Found once: the same table again for the same class.
    EXPECT_EQ(tables.of(Telescope::staticMetaObject), telescope);
    EXPECT_EQ(tables.of(Dome::staticMetaObject), dome);
    ASSERT_NE(telescope, dome);

    const QMetaObject &t = Telescope::staticMetaObject;
    const QMetaObject &d = Dome::staticMetaObject;
    const struct {
        const automation::MemberTable *table;
        const char *names;  // spellings, separated by blanks
        int property;
        int method;
    } cases[] = {
        {telescope.get(), "Aperture APERTURE aperture aPeRtUrE", t.indexOfProperty("Aperture"), -1},
        {dome.get(), "Aperture APERTURE aperture aPeRtUrE", -1, d.indexOfMethod("Aperture(QVariant)")},
        {telescope.get(), "Focus FOCUS focus", t.indexOfProperty("Focus"), -1},
        {telescope.get(), "Point point POINT", -1, t.indexOfMethod("Point(QVariant,QVariant)")},
        {dome.get(), "Point point", -1, d.indexOfMethod("Point()")},
        {telescope.get(), "Park park", -1, t.indexOfMethod("Park()")},
        {dome.get(), "Park PARK", d.indexOfProperty("Park"), -1},
        // Not members by name: slots, non-public methods, QObject's own
        // members, near misses.
        {telescope.get(), "slew calibrate objectName deleteLater Apertur Aperturee Park()", -1, -1},
        {dome.get(), "Focus Aperture_", -1, -1},
    };
    for (const auto &c : cases) {
        for (const QString &name : QString::fromLatin1(c.names).split(u' ')) {
            const automation::Member m = c.table->find(name);
            EXPECT_EQ(m.property, c.property) << name.toStdString();
            EXPECT_EQ(m.method, c.method) << name.toStdString();
        }
    }
    EXPECT_EQ(telescope->find(u"").property, -1);
    EXPECT_EQ(telescope->find(u"").method, -1);
    // Folding beyond ASCII: the Kelvin sign folds to k, as in a
    // case-insensitive QString comparison.
    EXPECT_EQ(dome->find(u"PAR\u212A").property, d.indexOfProperty("Park"));
}

}  // namespace

#include "test_membertable.moc"
