// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "timefields.h"

#include "backgroundstep.h"
#include "noctalismodule.h"
#include "numbertext.h"
#include "ut1.h"
#include "variant.h"

#include <optional>

namespace noctalis {

namespace {

const QString kLmstMarker = QStringLiteral("[LMST");
const QString kUtMarker = QStringLiteral("[UT");
const QString kEnd = QStringLiteral("]");

// Sets the engine's UTDate to the UT1 of now and reads the LMST back, to
// the part of a second the clock's face shows; nothing when the engine is
// missing or fails.
std::optional<double> lmstNow(const TimeFieldSource &source)
{
    std::optional<double> lmst;
    runStep(lcAlarms, "read the LMST of a time field", [&] {
        // The reading to the millisecond, as the face takes it: a whole
        // second of UTC can lie a sidereal second behind the face.
        const Ut1Reading ut1(automation::toAutomationDate(source.clock.utcNowMs()), source.dut1Seconds);
        source.engine.set(QStringLiteral("UTDate"), automation::dateValue(ut1.engineUtDate));
        lmst = ut1.sidereal(automation::toDouble(source.engine.get(QStringLiteral("lmst"))));
    });
    return lmst;
}

QString selector(const QString &fieldText) { return fieldText.trimmed().toUpper(); }

}  // namespace

double utNow(const TimeFieldSource &source) { return automation::toAutomationDate(source.clock.utcNow()); }

QString lmstFieldValue(const QString &fieldText, double lmstHours)
{
    const QString f = selector(fieldText);
    // The face's second: the sidereal second that has begun, not the
    // nearest one.
    if (f == QLatin1String("HH:MM:SS"))
        return FormatHoursHMS(lmstHours);
    if (f == QLatin1String("HOURS"))
        return formatNumber(lmstHours, u"0.0000");
    return formatNumber(lmstHours, f);
}

QString utFieldValue(const QString &fieldText, double utDate)
{
    const QString g = selector(fieldText);
    if (g == QLatin1String("HH:MM:SS"))
        return formatTime(utDate, u"HH:nn:ss");
    if (g == QLatin1String("HOURS"))
        return formatNumber(utDate * 24, u"0.0000");
    return formatNumber(utDate * 24, g);
}

namespace {

// Every field of one marker in text, each replaced in place by value(its
// selector); a field whose selector is empty stays as typed, and text
// outside fields stays as typed.
template <typename Value>
QString replaceFields(const QString &text, const QString &marker, Value value)
{
    QString out;
    qsizetype from = 0;
    for (;;) {
        const qsizetype start = text.indexOf(marker, from);
        if (start < 0)
            break;
        const qsizetype inside = start + marker.size();
        const qsizetype end = text.indexOf(kEnd, inside);
        if (end < 0)
            break;
        const QString f = selector(text.mid(inside, end - inside));
        out += QStringView(text).mid(from, start - from);
        if (f.isEmpty())
            out += QStringView(text).mid(start, end + 1 - start);
        else
            out += value(f);
        from = end + 1;
    }
    if (from == 0)
        return text;
    out += QStringView(text).mid(from);
    return out;
}

}  // namespace

QString ExpandTimeFields(const QString &text, const TimeFieldSource &source)
{
    // The LMST is read once, and only for a text that needs it.
    bool lmstRead = false;
    std::optional<double> lmst;
    const QString t = replaceFields(text, kLmstMarker, [&](const QString &f) {
        if (!lmstRead) {
            lmst = lmstNow(source);
            lmstRead = true;
        }
        // Without an LMST the field keeps its marker and loses its text.
        return lmst ? lmstFieldValue(f, *lmst) : kLmstMarker + kEnd;
    });
    const double u = utNow(source);
    return replaceFields(t, kUtMarker, [&](const QString &g) { return utFieldValue(g, u); });
}

QString CvtMsg(const QString &text, const TimeFieldSource &source)
{
    QString t = text;
    const qsizetype p = t.indexOf(kLmstMarker);  // -1 when there is none
    const QString f = TextBetween(t, kLmstMarker, kEnd);
    t.remove(kLmstMarker + f + kEnd);
    const QString bigF = selector(f);
    const std::optional<double> lmst = lmstNow(source);
    if (!bigF.isEmpty() && lmst && p >= 0)
        t.insert(qMin(p, t.size()), lmstFieldValue(bigF, *lmst));

    const qsizetype q = t.indexOf(kUtMarker);
    const QString g = TextBetween(t, kUtMarker, kEnd);
    t.remove(kUtMarker + g + kEnd);
    const QString bigG = selector(g);
    const double u = utNow(source);
    if (!bigG.isEmpty() && q >= 0)
        t.insert(qMin(q, t.size()), utFieldValue(bigG, u));
    return t;
}

}  // namespace noctalis
