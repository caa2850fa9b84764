// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "latlng.h"

#include "numbertext.h"

#include <algorithm>
#include <cmath>

namespace noctalis {

namespace {

// Constants of the "D:MM:SS.S" text. Minutes are floor(floor(f x minuteFactor)
// / minuteDivisor) of the fraction f of a degree, seconds (f - minutes/60) x
// secondsFactor. Both factors run a little above 60 and 3600, which lifts a
// value a hair below a whole minute (by at most 0.0005 minutes, 0.03") or a
// tenth of a second onto it, less than the half tenth the text can absorb.
struct DmsFactors {
    double minuteFactor;
    double minuteDivisor;
    double secondsFactor;
};
constexpr DmsFactors kLatitudeFactors{60000.5, 1000, 3600.005};
constexpr DmsFactors kLongitudeFactors{60000.5, 1000, 3600.05};

enum class DegreeCarry { Keep, WrapAt360 };

QString formatDms(double deg, const DmsFactors &k, DegreeCarry carry)
{
    const double magnitude = std::fabs(deg);
    double degrees = std::trunc(magnitude);
    const double f = magnitude - degrees;
    double minutes = std::floor(std::floor(f * k.minuteFactor) / k.minuteDivisor);
    double seconds = std::max((f - minutes / 60) * k.secondsFactor, 0.0);

    QString secondsText = formatNumber(seconds, u"00.0");
    if (leadingNumber(secondsText) >= 60) {
        seconds = std::max(seconds - 60, 0.0);
        minutes += 1;
        secondsText = formatNumber(seconds, u"00.0");
    }
    if (minutes >= 60) {
        minutes = 0;
        degrees += 1;
        if (carry == DegreeCarry::WrapAt360 && degrees == 360)
            degrees = 0;
    }
    return (std::signbit(deg) ? QStringLiteral("-") : QString()) + plainNumberText(degrees) + u':'
           + formatNumber(minutes, u"00") + u':' + secondsText;
}

// A whole-number field; one beyond the 16-bit range counts as 0.
double wholeField(double value) { return wholeNumber16(value).value_or(0); }

// Degrees of "D:M" (decimal minutes) or "D:M:S" (whole minutes, decimal
// seconds) whose first colon is at p1; degrees rounded to a whole number,
// of their magnitude when asked.
double colonDegrees(QStringView text, qsizetype p1, bool degreesMagnitude)
{
    const double d = leadingNumber(text.first(p1));
    const double degrees = wholeField(degreesMagnitude ? std::fabs(d) : d);
    const qsizetype p2 = text.indexOf(u':', p1 + 1);
    if (p2 < 0) {
        QString minutes = text.sliced(p1 + 1).toString();
        return degrees + ValDecimal(minutes) / 60;
    }
    QString seconds = text.sliced(p2 + 1).toString();
    return degrees + wholeField(leadingNumber(text.sliced(p1 + 1, p2 - p1 - 1))) / 60 + ValDecimal(seconds) / 3600;
}

}  // namespace

double ValDecimal(QString &text)
{
    if (text.isEmpty())
        return 0;
    text.replace(u',', u'.');
    return leadingNumber(text);
}

QString FormatLatitude(double latDeg) { return formatDms(latDeg, kLatitudeFactors, DegreeCarry::Keep); }

QString FormatLongitude(double lngWestDeg) { return formatDms(lngWestDeg, kLongitudeFactors, DegreeCarry::WrapAt360); }

float ParseLatitude(QString &text)
{
    text = text.trimmed();
    const qsizetype p1 = text.indexOf(u':');
    if (p1 < 0)
        return float32Number(ValDecimal(text)).value_or(kInvalidAngle);
    const double sign = text.startsWith(u'-') ? -1 : 1;
    const double latDeg = sign * colonDegrees(text, p1, true);
    return latDeg >= -90 && latDeg <= 90 ? float(latDeg) : kInvalidAngle;
}

float ParseLongitude(QString &text)
{
    text = text.trimmed();
    QStringView rest = text;
    const double sign = rest.startsWith(u'-') ? -1 : 1;
    if (sign < 0)
        rest = rest.sliced(1);
    if (rest.startsWith(u'+'))
        rest = rest.sliced(1);
    const qsizetype p1 = rest.indexOf(u':');
    if (p1 < 0)
        return float32Number(sign * leadingNumber(rest)).value_or(kInvalidAngle);
    double lngWestDeg = colonDegrees(rest, p1, false);
    if (sign < 0)
        lngWestDeg = 360 - lngWestDeg;
    return lngWestDeg >= 0 && lngWestDeg <= 360 ? float(lngWestDeg) : kInvalidAngle;
}

}  // namespace noctalis
