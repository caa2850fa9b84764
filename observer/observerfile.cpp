// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "observerfile.h"

#include "dstrules.h"
#include "filetext.h"
#include "latlng.h"
#include "numbertext.h"

#include <QCoreApplication>
#include <QTimeZone>

#include <array>
#include <span>

namespace noctalis {

namespace {

bool isLineBreak(QChar c) { return c == u'\r' || c == u'\n'; }

// The fields of a text, one at a time, as field input reads them.
class FieldReader {
public:
    explicit FieldReader(QStringView text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    // The next field; an empty one at the end of the text.
    QString next()
    {
        while (pos_ < text_.size() && (text_[pos_] == u' ' || text_[pos_] == u'\t'))
            ++pos_;
        QString field;
        if (pos_ < text_.size() && text_[pos_] == u'"') {
            const qsizetype start = ++pos_;
            while (pos_ < text_.size() && text_[pos_] != u'"' && !isLineBreak(text_[pos_]))
                ++pos_;
            field = text_.sliced(start, pos_ - start).toString();
            skipToDelimiter();
        } else {
            const qsizetype start = pos_;
            skipToDelimiter();
            qsizetype end = pos_;
            while (end > start && (text_[end - 1] == u' ' || text_[end - 1] == u'\t'))
                --end;
            field = text_.sliced(start, end - start).toString();
        }
        skipDelimiter();
        return field;
    }

private:
    void skipToDelimiter()
    {
        while (pos_ < text_.size() && text_[pos_] != u',' && !isLineBreak(text_[pos_]))
            ++pos_;
    }
    // One ",", or one line end: CR LF, LF or CR.
    void skipDelimiter()
    {
        if (pos_ >= text_.size())
            return;
        if (text_[pos_] == u',') {
            ++pos_;
            return;
        }
        if (text_[pos_] == u'\r')
            ++pos_;
        if (pos_ < text_.size() && text_[pos_] == u'\n')
            ++pos_;
    }

    QStringView text_;
    qsizetype pos_ = 0;
};

// An angle of the file: the invalid-angle marker reads as 0.
double angleOrZero(float deg) { return deg == kInvalidAngle ? 0.0 : double(deg); }

QString decimalText(QString text)
{
    text.replace(u',', u'.');
    return text;
}

}  // namespace

std::optional<ObserverFileFields> readObserverFields(const QByteArray &bytes, QString *error)
{
    const QString text = decodeFileText(bytes);
    FieldReader reader(text);
    ObserverFileFields fields;
    for (QString *required : {&fields.latitude, &fields.longitude, &fields.timeZone}) {
        if (reader.atEnd()) {
            if (error)
                *error = QCoreApplication::translate("ObserverFile", "Input past end of file.");
            return std::nullopt;
        }
        *required = reader.next();
    }
    for (QString *optional : {&fields.location, &fields.dstRule, &fields.reserved, &fields.elevation, &fields.zoneId}) {
        if (reader.atEnd())
            break;
        *optional = reader.next();
    }
    return fields;
}

ObserverFileValues observerFileValues(const ObserverFileFields &fields)
{
    ObserverFileValues values;
    QString latitude = fields.latitude;
    values.latDeg = angleOrZero(ParseLatitude(latitude));
    QString longitude = decimalText(fields.longitude);
    values.lngWestDeg = angleOrZero(ParseLongitude(longitude));
    QString timeZone = fields.timeZone;
    values.timeZoneHours = ValDecimal(timeZone);
    values.location = fields.location;
    values.dstRule = dstRuleCode(leadingNumber(fields.dstRule));
    values.reserved = fields.reserved;
    QString elevation = fields.elevation;
    values.elevationM = ValDecimal(elevation);
    if (QTimeZone::isTimeZoneIdAvailable(fields.zoneId.toUtf8()))
        values.zoneId = fields.zoneId;
    return values;
}

std::optional<ObserverFileValues> readObserverFile(const QByteArray &bytes, QString *error)
{
    const std::optional<ObserverFileFields> fields = readObserverFields(bytes, error);
    if (!fields)
        return std::nullopt;
    return observerFileValues(*fields);
}

QByteArray writeObserverFile(const ObserverFileFields &fields)
{
    const std::array<const QString *, 8> inOrder = {&fields.latitude,  &fields.longitude, &fields.timeZone,
                                                    &fields.location,  &fields.dstRule,   &fields.reserved,
                                                    &fields.elevation, &fields.zoneId};
    // The zone line only for a zone: files of places without one stay as
    // they always were.
    const std::size_t lines = fields.zoneId.isEmpty() ? inOrder.size() - 1 : inOrder.size();
    QString text;
    for (const QString *field : std::span(inOrder).first(lines)) {
        QString value = *field;
        for (QChar &c : value) {
            if (isLineBreak(c))
                c = u' ';
        }
        text += u'"' + value + QStringLiteral("\"\r\n");
    }
    return encodeFileText(text);
}

}  // namespace noctalis
