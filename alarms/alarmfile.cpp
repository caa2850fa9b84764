#include "alarmfile.h"

#include "automationerror.h"
#include "fileroutines.h"
#include "filetext.h"
#include "noctalismodule.h"
#include "numbertext.h"
#include "variant.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

namespace noctalis {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

constexpr QStringView kHeader = u"SIDEREAL ALARM FILE";
constexpr QStringView kNameTag = u"NAME:";
constexpr QStringView kActionTag = u"ACTION:";
constexpr QStringView kSiderealTimeTag = u"SIDEREALTIME:";
constexpr QStringView kEnabledTag = u"ENABLED:";
constexpr QStringView kParam1Tag = u"PARAM1:";
constexpr QStringView kParam2Tag = u"PARAM2:";
constexpr QStringView kParam3Tag = u"PARAM3:";
constexpr QStringView kDurationTag = u"DURATION:";
constexpr QStringView kEndMarker = u"END ALARM DEF";

// Blocks a file may hold: the block counter is a signed 16-bit index.
constexpr int kMaxLastIndex = 32767;

// The lines of a text, one at a time; a line ends at CR LF, LF or CR.
class LineReader {
public:
    explicit LineReader(QStringView text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    int lineNumber() const { return lineNumber_; }

    // The next line without its end; only when !atEnd().
    QStringView next()
    {
        const qsizetype start = pos_;
        qsizetype end = start;
        while (end < text_.size() && text_[end] != u'\r' && text_[end] != u'\n')
            ++end;
        pos_ = end;
        if (pos_ < text_.size() && text_[pos_] == u'\r')
            ++pos_;
        if (pos_ < text_.size() && text_[pos_] == u'\n')
            ++pos_;
        ++lineNumber_;
        return text_.sliced(start, end - start);
    }

private:
    QStringView text_;
    qsizetype pos_ = 0;
    int lineNumber_ = 0;
};

// A failure while reading, with its description.
struct ReadFailure {
    QString description;
};

QString atLine(int lineNumber, const QString &what)
{
    return QStringLiteral("Line %1: %2").arg(lineNumber).arg(what);
}

qint16 actionValue(const QString &value, int lineNumber)
{
    const auto action = wholeNumber16(leadingNumber(value));
    if (!action)
        throw ReadFailure{atLine(lineNumber,
            QStringLiteral("the action %1 is outside -32768 to 32767.").arg(value))};
    return *action;
}

// "True" or "False" in any letter case, or a number (0 is false).
bool enabledValue(const QString &value, int lineNumber)
{
    const QString word = value.trimmed();
    if (word.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = automation::numericValue(QVariant(word)))
        return *number != 0.0;
    throw ReadFailure{atLine(lineNumber,
        QStringLiteral("\"%1\" is neither True, False nor a number.").arg(value))};
}

// Sets the field of alarm whose tag the line holds, if any.
void readBlockLine(QStringView line, int lineNumber, AlarmDef &alarm)
{
    const auto value = [line] { return TextAfterColon(line); };
    if (line.contains(kActionTag))
        alarm.Action = actionValue(value(), lineNumber);
    else if (line.contains(kSiderealTimeTag))
        alarm.SiderealTime = leadingNumber(value());
    else if (line.contains(kEnabledTag))
        alarm.Enabled = enabledValue(value(), lineNumber);
    else if (line.contains(kParam1Tag))
        alarm.Param1 = value();
    else if (line.contains(kParam2Tag))
        alarm.Param2 = value();
    else if (line.contains(kParam3Tag))
        alarm.Param3 = value();
    else if (line.contains(kDurationTag))
        alarm.Duration = leadingNumber(value());
}

QString inputPastEnd()
{
    return QStringLiteral("Input past end of file.");
}

// Reads every block after the header into alarms; lastIndex follows the
// alarms read so far, also when a failure ends the reading.
void readBlocks(LineReader &lines, AlarmTable &alarms, int &lastIndex)
{
    // The first read after the header happens whether or not a line is left.
    if (lines.atEnd())
        throw ReadFailure{inputPastEnd()};
    do {
        QStringView line = lines.next();
        if (!line.contains(kNameTag))
            continue;
        if (lastIndex == kMaxLastIndex)
            throw ReadFailure{atLine(lines.lineNumber(),
                QStringLiteral("more than %1 alarms.").arg(kMaxLastIndex + 1))};
        ++lastIndex;
        if (lastIndex >= alarms.size())
            alarms.resize(lastIndex + 1);
        AlarmDef &alarm = alarms[lastIndex];
        alarm.Name = TextAfterColon(line);
        line = QStringView();
        while (!line.contains(kEndMarker) && !lines.atEnd()) {
            line = lines.next();
            readBlockLine(line, lines.lineNumber(), alarm);
        }
    } while (!lines.atEnd());
}

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

void showReadFailure(MessageService &messages, const QString &path, const QString &description)
{
    messages.show(QStringLiteral("Error opening Alarm File: ") + kCrLf + nativePath(path) + kCrLf
                      + description,
                  programTitle());
}

} // namespace

qint16 loadAlarmBytes(const QByteArray &bytes, const QString &path, AlarmTable &alarms,
                      MessageService &messages)
{
    const QString text = decodeFileText(bytes);
    LineReader lines(text);
    int lastIndex = -1;
    try {
        if (lines.atEnd())
            throw ReadFailure{inputPastEnd()};
        if (!lines.next().contains(kHeader)) {
            messages.show(QStringLiteral("Not an alarm file."), programTitle());
            return -1;
        }
        readBlocks(lines, alarms, lastIndex);
    } catch (const ReadFailure &failure) {
        showReadFailure(messages, path, failure.description);
    }
    // Indices beyond the last alarm read go; the table stays as it was when
    // no alarm was read.
    if (lastIndex >= 0)
        alarms.resize(lastIndex + 1);
    return qint16(lastIndex);
}

qint16 LoadAlarmFile(const QString &path, AlarmTable &alarms, MessageService &messages)
{
    if (!FileExists(path)) {
        messages.show(QStringLiteral("Alarm File: ") + kCrLf + nativePath(path) + kCrLf
                          + QStringLiteral("Not Found."),
                      programTitle());
        return -1;
    }
    const auto openFailure = [&](const QString &description) {
        showReadFailure(messages, path, description);
        return qint16(-1);
    };
    // A pipe or a device could block or never end.
    const QFileInfo info(path);
    if (info.exists() && !info.isDir() && !info.isFile())
        return openFailure(QStringLiteral("Not a regular file."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return openFailure(file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return openFailure(file.errorString());
    file.close();
    return loadAlarmBytes(bytes, path, alarms, messages);
}

namespace {

// A value as it is written after its tag: a text as held, a number in the
// plain form, Empty as nothing.
QString heldText(const QVariant &value)
{
    if (automation::isEmpty(value))
        return QString();
    if (automation::isText(value))
        return value.toString();
    if (automation::isNumber(value) && value.metaType().id() != QMetaType::Bool)
        return plainNumberText(value.toDouble());
    return automation::toText(value);
}

struct WriteFailure {
    QString description;
};

void appendLine(QString &text, QStringView tag, const QString &value, int index)
{
    if (value.contains(u'\r') || value.contains(u'\n'))
        throw WriteFailure{QStringLiteral("Alarm %1: the %2 value holds a line break.")
                               .arg(index + 1)
                               .arg(tag.chopped(1))};
    text += tag;
    text += value;
    text += kCrLf;
}

QString alarmFileText(const AlarmTable &alarms)
{
    QString text;
    text += kHeader;
    text += kCrLf;
    for (int i = 0; i < alarms.size(); ++i) {
        const AlarmDef &alarm = alarms[i];
        appendLine(text, kNameTag, alarm.Name, i);
        appendLine(text, kActionTag, QString::number(alarm.Action), i);
        appendLine(text, kSiderealTimeTag,
                   shortNumberText(automation::toDouble(alarm.SiderealTime)).trimmed(), i);
        appendLine(text, kEnabledTag,
                   alarm.Enabled ? QStringLiteral("True") : QStringLiteral("False"), i);
        appendLine(text, kParam1Tag, heldText(alarm.Param1), i);
        appendLine(text, kParam2Tag, heldText(alarm.Param2), i);
        appendLine(text, kParam3Tag, heldText(alarm.Param3), i);
        appendLine(text, kDurationTag, heldText(alarm.Duration), i);
        text += kEndMarker;
        text += kCrLf;
    }
    return text;
}

} // namespace

bool SaveAlarmFile(const QString &path, const AlarmTable &alarms, MessageService &messages)
{
    const auto failure = [&](const QString &description) {
        messages.show(QStringLiteral("Error saving:") + kCrLf + nativePath(path) + kCrLf + description,
                      programTitle());
        return false;
    };
    QByteArray bytes;
    try {
        bytes = encodeFileText(alarmFileText(alarms));
    } catch (const WriteFailure &f) {
        return failure(f.description);
    } catch (const automation::AutomationError &e) {
        return failure(e.description());
    }
    // Unbuffered, so that every failing write is seen here: a failure in a
    // buffered write only shows when commit() flushes, and Qt 6.4's commit()
    // then reports success over a cut-short file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(file.errorString());
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            const QString description = file.errorString();
            file.cancelWriting();
            return failure(description);
        }
        written += n;
    }
    if (!file.commit())
        return failure(file.errorString());
    return true;
}

} // namespace noctalis
