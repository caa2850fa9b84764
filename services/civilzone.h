// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// CivilZone: a civil time zone, either a zone of tzdata (daylight saving
// included) or a fixed offset of any number of minutes within a day. It turns
// UT into civil time and back; civil times are QDateTimes labelled Qt::UTC
// whose fields are read as a civil date and time without zone.
#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <optional>

namespace noctalis {

class CivilZone {
public:
    // A fixed offset, hours east of UT, -24 to 24 (rounded to the second).
    static CivilZone fixedHours(double hours);
    // A zone of tzdata; an invalid zone gives UTC.
    explicit CivilZone(const QTimeZone &zone);

    // Offset of civil time from UT at the UT instant utc, seconds, east
    // positive, daylight saving included.
    int offsetSecondsAt(const QDateTime &utc) const;
    // The same in hours, fractions kept (UT+5:30 gives 5.5).
    double offsetHoursAt(const QDateTime &utc) const { return offsetSecondsAt(utc) / 3600.0; }
    // The civil date and time of the UT instant utc.
    QDateTime toCivil(const QDateTime &utc) const;
    // The UT instant of a civil date and time (Qt::UTC). A civil time that a
    // spring-forward switch skips is taken with the offset before the
    // switch; one that a fall-back switch repeats, at its first occurrence.
    QDateTime toUtc(const QDateTime &civil) const;
    // The IANA id of a zone of tzdata; empty for a fixed offset.
    QByteArray id() const { return m_fixedSeconds ? QByteArray() : m_zone.id(); }

private:
    CivilZone() = default;

    QTimeZone m_zone = QTimeZone::utc();
    std::optional<int> m_fixedSeconds;
};

}  // namespace noctalis
