// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Fuzz target of the text parsers and the leading-number rule: whatever the
// text, they return and stay within their documented results; the strict
// readers of typed boxes give a value in range or nothing. The input is
// read as UTF-8 and handed whole to every function (as text and as pattern).

#include "latlng.h"
#include "messageservice.h"
#include "noctalismodule.h"
#include "numbertext.h"
#include "strictinput.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace noctalis;

void check(bool ok, const char *what, const QString &detail)
{
    if (ok)
        return;
    std::fprintf(stderr, "violated: %s (%s)\n", what, qPrintable(detail));
    std::abort();
}

bool near(double a, double b, double tolerance) { return std::fabs(a - b) <= tolerance; }

void checkNumberRule(const QString &input)
{
    const double value = leadingNumber(input);
    check(std::isfinite(value) && !(value == 0 && std::signbit(value)), "leading number finite and never -0", input);

    if (const auto whole = wholeNumber16(value))
        check(std::fabs(*whole - value) <= 0.5, "whole number is the nearest", input);
    else
        check(std::fabs(value) >= 32767.5, "whole number fails only out of range", input);

    const double tolerance = std::fabs(value) * 1e-14;
    check(near(leadingNumber(plainNumberText(value)), value, tolerance), "plain form reads back",
          plainNumberText(value));
    check(near(leadingNumber(shortNumberText(value)), value, tolerance), "short form reads back",
          shortNumberText(value));
    check(near(leadingNumber(formatNumber(value, u"0.0000")), value, 0.00005 + tolerance), "pattern 0.0000 reads back",
          formatNumber(value, u"0.0000"));
    formatNumber(value, input);  // any pattern: no crash

    static const QRegularExpression timeOfDay(QStringLiteral("^([01]\\d|2[0-3]):[0-5]\\d:[0-5]\\d$"));
    check(timeOfDay.match(formatTime(value, u"HH:nn:ss")).hasMatch(), "time of day", formatTime(value, u"HH:nn:ss"));
    formatTime(value, input);

    static const QRegularExpression hms(QStringLiteral("^\\d\\d:[0-5]\\d:[0-5]\\d$"));
    const double hours = std::fmod(std::fabs(value), 24);
    check(hms.match(FormatHoursHMS(hours)).hasMatch(), "hours text", FormatHoursHMS(hours));
}

void checkMarkers(const QString &input)
{
    check(input.endsWith(TextAfterColon(input)), "text after colon is a tail", input);
    check(input.contains(TextBetween(input, u"[LMST", u"]")), "field is part of the text", input);
    check(input.endsWith(TextBetween(input, u"[UT")), "open field is a tail", input);
}

void checkAngles(const QString &input)
{
    static const QRegularExpression dms(QStringLiteral("^-?\\d+:[0-5]\\d:[0-5]\\d\\.\\d$"));
    const QString trimmed = input.trimmed();
    const bool colonForm = trimmed.contains(u':');

    QString decimal = input;
    check(std::isfinite(ValDecimal(decimal)) && !decimal.contains(u','), "decimal", input);

    QString latText = input;
    const float lat = ParseLatitude(latText);
    check(std::isfinite(lat), "latitude finite", input);
    check(latText == (colonForm ? trimmed : QString(trimmed).replace(u',', u'.')), "latitude text trimmed", latText);
    if (colonForm && lat != kInvalidAngle) {
        check(lat >= -90 && lat <= 90, "latitude in range", input);
        const QString text = FormatLatitude(lat);
        check(dms.match(text).hasMatch(), "latitude text form", text);
        QString again = text;
        check(near(ParseLatitude(again), lat, 0.05 / 3600 + 1e-5), "latitude round trip", text);
    }

    QString lngText = input;
    const float lng = ParseLongitude(lngText);
    check(std::isfinite(lng), "longitude finite", input);
    check(lngText == trimmed, "longitude text trimmed", lngText);
    if (colonForm && lng != kInvalidAngle) {
        check(lng >= 0 && lng <= 360, "longitude in range", input);
        const QString text = FormatLongitude(lng);
        check(dms.match(text).hasMatch(), "longitude text form", text);
    }

    RecordingMessageService messages;
    const float stored = ParseStoredLongitude(input, messages);
    check(std::isfinite(stored) && messages.messages.size() <= 1, "stored longitude", input);
    check(messages.messages.isEmpty() || stored == 0, "reported longitude gives 0", input);
}

void checkStrictReaders(const QString &input)
{
    for (const LongitudeSense sense : {LongitudeSense::West, LongitudeSense::East}) {
        const std::optional<double> west = longitudeWestFromText(input, sense);
        if (!west)
            continue;
        check(*west >= 0 && *west < 360, "typed longitude in [0, 360)", input);
        const std::optional<double> again = longitudeWestFromText(FormatLongitude(*west), LongitudeSense::West);
        check(again && near(std::remainder(*again - *west, 360.0), 0, 0.1 / 3600), "typed longitude's text reads back",
              FormatLongitude(*west));
    }
    if (const std::optional<double> lat = latitudeFromText(input)) {
        check(*lat >= -90 && *lat <= 90, "typed latitude in range", input);
        const std::optional<double> again = latitudeFromText(FormatLatitude(*lat));
        check(again && near(*again, *lat, 0.1 / 3600), "typed latitude's text reads back", input);
    }
    if (const std::optional<double> zone = zoneHoursFromText(input))
        check(*zone >= -24 && *zone <= 24, "typed zone in range", input);
    if (const std::optional<double> dut1 = dut1FromText(input))
        check(std::fabs(*dut1) < 0.9, "typed DUT1 in range", input);
    if (const std::optional<double> value = sexagesimalFromText(input, AngleUnit::Hours))
        check(std::isfinite(*value), "typed hours finite", input);
    if (const std::optional<QDate> date = dateFromText(input, u"MM/DD/YYYY"))
        check(date->isValid() && date->year() >= 100 && date->year() <= 9999, "typed date of the calendar", input);
    if (const std::optional<QTime> time = timeOfDayFromText(input))
        check(time->isValid(), "typed time of day", input);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    checkNumberRule(input);
    checkMarkers(input);
    checkAngles(input);
    checkStrictReaders(input);
    return 0;
}
