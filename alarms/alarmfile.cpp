// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "alarmfile.h"

#include "asciicopy.h"
#include "automationerror.h"
#include "backgroundstep.h"
#include "fileroutines.h"
#include "filetext.h"
#include "linereader.h"
#include "noctalismodule.h"
#include "numbertext.h"
#include "variant.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <charconv>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>

namespace noctalis {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

constexpr QLatin1StringView kHeader("SIDEREAL ALARM FILE");
constexpr QLatin1StringView kNameTag("NAME:");
constexpr QLatin1StringView kActionTag("ACTION:");
constexpr QLatin1StringView kSiderealTimeTag("SIDEREALTIME:");
constexpr QLatin1StringView kEnabledTag("ENABLED:");
constexpr QLatin1StringView kParam1Tag("PARAM1:");
constexpr QLatin1StringView kParam2Tag("PARAM2:");
constexpr QLatin1StringView kParam3Tag("PARAM3:");
constexpr QLatin1StringView kDurationTag("DURATION:");
constexpr QLatin1StringView kEndMarker("END ALARM DEF");

// The translation context of the loader's messages.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(AlarmFile)
};

// A failure while reading, with its description.
struct ReadFailure {
    QString description;
};

QString atLine(qint64 lineNumber, const QString &what) { return Texts::tr("Line %1: %2").arg(lineNumber).arg(what); }

// The line without its leading blanks (spaces or tabs).
QStringView withoutBlanks(QStringView line)
{
    qsizetype start = 0;
    while (start < line.size() && (line[start] == u' ' || line[start] == u'\t'))
        ++start;
    return line.sliced(start);
}

// Whether text starts with tag, compared character by character: the tags
// are short, and the general comparison costs more than the characters.
bool startsWithTag(QStringView text, QLatin1StringView tag)
{
    return text.size() >= tag.size() && std::equal(tag.begin(), tag.end(), text.begin(), [](char t, QChar c) {
               return c.unicode() == char16_t(static_cast<unsigned char>(t));
           });
}

// The value of a line that starts with tag, after optional blanks (spaces or
// tabs): the rest of the line. Nothing when the line starts otherwise, so a
// tag inside a value (a message "ENABLED: yes") is part of that value.
std::optional<QStringView> taggedValue(QStringView line, QLatin1StringView tag)
{
    const QStringView rest = withoutBlanks(line);
    if (!startsWithTag(rest, tag))
        return std::nullopt;
    return rest.sliced(tag.size());
}

// A tagged value, refused when it is longer than a field may be.
QStringView checkedValue(QStringView value, QLatin1StringView tag, qint64 lineNumber)
{
    if (value.size() > kMaxAlarmFieldChars)
        throw ReadFailure{atLine(
            lineNumber,
            Texts::tr("the %1 value is longer than %2 characters.").arg(tag.chopped(1)).arg(kMaxAlarmFieldChars))};
    return value;
}

qint16 actionValue(QStringView value, qint64 lineNumber)
{
    const auto action = wholeNumber16(leadingNumber(value));
    if (!action)
        throw ReadFailure{atLine(lineNumber, Texts::tr("the action %1 is outside -32768 to 32767.").arg(value))};
    return *action;
}

// "True" or "False" in any letter case, or a number (0 is false).
bool enabledValue(QStringView value, qint64 lineNumber)
{
    const QStringView word = value.trimmed();
    // The words as the program writes them first: an exact comparison is
    // much cheaper than one in any letter case.
    if (word == u"True" || word.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (word == u"False" || word.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = automation::numericValue(QVariant(word.toString())))
        return *number != 0.0;
    throw ReadFailure{atLine(lineNumber,
                             //: True and False are the words of the file; they stay as they are.
                             Texts::tr("\"%1\" is neither True, False nor a number.").arg(value))};
}

// The fields a block's lines set.
enum class BlockField { None, Action, SiderealTime, Enabled, Param1, Param2, Param3, Duration };

// The tag of a block line: the first character after the blanks names the
// only tag the line can start with, so each line is compared with one tag.
std::pair<BlockField, QLatin1StringView> blockTag(QStringView rest)
{
    if (rest.isEmpty())
        return {BlockField::None, {}};
    switch (rest.front().unicode()) {
    case u'A': return {BlockField::Action, kActionTag};
    case u'S': return {BlockField::SiderealTime, kSiderealTimeTag};
    case u'E': return {BlockField::Enabled, kEnabledTag};
    case u'D': return {BlockField::Duration, kDurationTag};
    case u'P':
        if (rest.size() > kParam1Tag.size() - 2) {
            switch (rest[kParam1Tag.size() - 2].unicode()) {
            case u'1': return {BlockField::Param1, kParam1Tag};
            case u'2': return {BlockField::Param2, kParam2Tag};
            case u'3': return {BlockField::Param3, kParam3Tag};
            default: break;
            }
        }
        return {BlockField::None, {}};
    default: return {BlockField::None, {}};
    }
}

// Sets the field of alarm whose tag starts the line, if any.
void readBlockLine(QStringView line, qint64 lineNumber, AlarmDef &alarm)
{
    const QStringView rest = withoutBlanks(line);
    const auto [field, tag] = blockTag(rest);
    if (field == BlockField::None || !startsWithTag(rest, tag))
        return;
    // Only the texts kept become strings; numbers are read from the line.
    const QStringView value = checkedValue(rest.sliced(tag.size()), tag, lineNumber);
    switch (field) {
    case BlockField::Action: alarm.Action = actionValue(value, lineNumber); break;
    case BlockField::SiderealTime: alarm.SiderealTime = leadingNumber(value); break;
    case BlockField::Enabled: alarm.Enabled = enabledValue(value, lineNumber); break;
    case BlockField::Param1: alarm.Param1 = value.toString(); break;
    case BlockField::Param2: alarm.Param2 = value.toString(); break;
    case BlockField::Param3: alarm.Param3 = value.toString(); break;
    case BlockField::Duration: alarm.Duration = leadingNumber(value); break;
    case BlockField::None: break;
    }
}

// The stored fields of a fresh record; the run-time state of the index stays.
void startFresh(AlarmDef &alarm)
{
    AlarmDef fresh;
    fresh.Triggered = alarm.Triggered;
    fresh.TriggeredUntil = alarm.TriggeredUntil;
    alarm = std::move(fresh);
}

// The bytes up to the first CR or LF.
QByteArrayView firstLine(QByteArrayView bytes)
{
    const auto end = std::find_if(bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; });
    return bytes.first(end - bytes.begin());
}

// Appends the rest of file to bytes, at most kMaxAlarmFileBytes + 1 bytes in
// all, straight into one buffer sized to the file (a file that grows while
// being read gets more room, up to that bound); false when a read fails.
bool readRest(QFile &file, QByteArray &bytes)
{
    constexpr qint64 kBound = kMaxAlarmFileBytes + 1;
    qint64 used = bytes.size();
    qint64 room = std::clamp<qint64>(file.size() + 1, used + 1, kBound);
    for (;;) {
        bytes.resize(room);
        const qint64 got = file.read(bytes.data() + used, room - used);
        if (got < 0) {
            bytes.truncate(used);
            return false;
        }
        used += got;
        if (used < room || room == kBound)
            break;
        room = std::min(2 * room, kBound);
    }
    bytes.truncate(used);
    return true;
}

QString inputPastEnd() { return Texts::tr("Input past end of file."); }

// Reads every block after the header into alarms; lastIndex follows the
// alarms read so far, also when a failure ends the reading.
void readBlocks(LineReader &lines, AlarmTable &alarms, int &lastIndex)
{
    // The first read after the header happens whether or not a line is left.
    if (lines.atEnd())
        throw ReadFailure{inputPastEnd()};
    do {
        QStringView line = lines.next();
        const auto nameValue = taggedValue(line, kNameTag);
        if (!nameValue)
            continue;
        if (lastIndex == kMaxAlarms - 1)
            throw ReadFailure{atLine(lines.lineNumber(), Texts::tr("more than %n alarms.", nullptr, kMaxAlarms))};
        QString name = checkedValue(*nameValue, kNameTag, lines.lineNumber()).toString();
        ++lastIndex;
        // A record appended is fresh; one the table already had is made so.
        const bool appended = lastIndex >= alarms.size();
        if (appended)
            alarms.resize(lastIndex + 1);
        AlarmDef &alarm = alarms[lastIndex];
        if (!appended)
            startFresh(alarm);
        alarm.Name = std::move(name);
        line = QStringView();
        while (!taggedValue(line, kEndMarker) && !lines.atEnd()) {
            line = lines.next();
            readBlockLine(line, lines.lineNumber(), alarm);
        }
    } while (!lines.atEnd());
}

QString nativePath(const QString &path) { return QDir::toNativeSeparators(path); }

// Tells the user that the file was not read (or not read to its end), and
// leaves the developer the one line of a skipped step.
void tellReadFailure(MessageService &messages, const QString &path, const QString &message, const QString &reason)
{
    logSkippedStep(lcAlarms, "read the alarm file", nativePath(path) + QStringLiteral(": ") + reason);
    messages.show(message, programTitle());
}

void showReadFailure(MessageService &messages, const QString &path, const QString &description)
{
    tellReadFailure(messages, path,
                    Texts::tr("Error opening Alarm File: \r\n%1\r\n%2").arg(nativePath(path), description),
                    description);
}

void showNoAlarmFile(MessageService &messages, const QString &path)
{
    tellReadFailure(messages, path, Texts::tr("Not an alarm file."),
                    QStringLiteral("its first line is not \"%1\"").arg(kHeader));
}

// Why an enabled alarm must not stay enabled: a sidereal time outside
// [0, 1) or a negative duration lets it fire again at every tick (the end
// of its activation lies in the past). Empty when nothing is wrong.
QString disablingReason(const AlarmDef &alarm)
{
    QStringList reasons;
    const double start = alarm.SiderealTime;
    if (!(start >= 0 && start < 1))
        reasons << Texts::tr("the sidereal time %1 is not from 0 up to 1 day").arg(plainNumberText(start));
    const double duration = alarm.Duration.value_or(0);
    if (!(duration >= 0))
        reasons << Texts::tr("the duration %1 days is negative").arg(plainNumberText(duration));
    return reasons.join(QStringLiteral("; "));
}

// Disables every alarm read that would fire at every tick, and tells the
// user which and why in one message.
void disableRunawayAlarms(AlarmTable &alarms, int lastIndex, MessageService &messages)
{
    QStringList lines;
    for (int i = 0; i <= lastIndex; ++i) {
        AlarmDef &alarm = alarms[i];
        if (!alarm.Enabled)
            continue;
        const QString reason = disablingReason(alarm);
        if (reason.isEmpty())
            continue;
        alarm.Enabled = false;
        lines << Texts::tr("Alarm %1 \"%2\": %3.").arg(i + 1).arg(alarm.Name, reason);
    }
    if (lines.isEmpty())
        return;
    lines.prepend(disabledAlarmsHeading());
    messages.show(lines.join(kCrLf), programTitle());
}

}  // namespace

QString disabledAlarmsHeading()
{
    return Texts::tr("These alarms were loaded disabled, because they could fire again at every tick:");
}

qint16 loadAlarmBytes(const QByteArray &bytes, const QString &path, AlarmTable &alarms, MessageService &messages)
{
    const QString text = decodeFileText(bytes);
    LineReader lines(text);
    int lastIndex = -1;
    try {
        if (lines.atEnd())
            throw ReadFailure{inputPastEnd()};
        if (!lines.next().contains(kHeader)) {
            showNoAlarmFile(messages, path);
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
    disableRunawayAlarms(alarms, lastIndex, messages);
    return qint16(lastIndex);
}

qint16 LoadAlarmFile(const QString &path, AlarmTable &alarms, MessageService &messages)
{
    if (!FileExists(path)) {
        tellReadFailure(messages, path, Texts::tr("Alarm File: \r\n%1\r\nNot Found.").arg(nativePath(path)),
                        QStringLiteral("not found"));
        return -1;
    }
    const auto openFailure = [&](const QString &description) {
        showReadFailure(messages, path, description);
        return qint16(-1);
    };
    // A pipe or a device could block or never end.
    QFile file;
    QString error;
    if (!openRegularFile(file, path, &error))
        return openFailure(error);

    // The header first: a file that is no alarm file is refused after its
    // first line, however big it is. The header is ASCII, so the bytes show
    // it in either encoding of alarm files.
    QByteArray bytes = file.read(kHeaderProbeBytes);
    if (file.error() != QFileDevice::NoError)
        return openFailure(file.errorString());
    if (!bytes.isEmpty() && !firstLine(bytes).contains(QByteArrayView(kHeader.data(), kHeader.size()))) {
        showNoAlarmFile(messages, path);
        return -1;
    }
    const QString tooBig = Texts::tr("The file is larger than %1 bytes (64 MiB), the most an alarm file may hold.")
                               .arg(kMaxAlarmFileBytes);
    if (file.size() > kMaxAlarmFileBytes)
        return openFailure(tooBig);
    if (!readRest(file, bytes))
        return openFailure(file.errorString());
    if (bytes.size() > kMaxAlarmFileBytes)  // it grew while being read
        return openFailure(tooBig);
    file.close();
    return loadAlarmBytes(bytes, path, alarms, messages);
}

namespace {

struct WriteFailure {
    QString description;
};

// The file's bytes when every character is ASCII, built straight into one
// buffer; full() tells when a value held any other character.
class AsciiSink {
public:
    explicit AsciiSink(qsizetype expectedSize) : m_bytes(expectedSize, Qt::Uninitialized), m_out(m_bytes.data()) {}

    // Lines written one after the other into room made for all of them at
    // once. They are written inline and keep their end in a local cursor,
    // so that the size of each tag is known where the tag is copied and
    // nothing is reloaded between lines.
    class Lines {
    public:
        explicit Lines(char *out) : m_out(out) {}

        // Appends head, value and CR LF; false when value holds a line
        // break. One pass over the value copies it and looks at every
        // character.
        Q_ALWAYS_INLINE bool appendLine(QLatin1StringView head, QStringView value)
        {
            char *out = putHead(head);
            const AsciiCopy copied = copyAscii(value, out);
            if (copied.lineBreak)
                return false;
            m_ascii = m_ascii && copied.ascii;
            endLine(out + value.size());
            return true;
        }
        // Appends head, an ASCII text without line breaks and CR LF.
        Q_ALWAYS_INLINE void appendAsciiLine(QLatin1StringView head, std::string_view ascii)
        {
            endLine(copyShortBytes(ascii, putHead(head)));
        }
        // Appends head, the number put writes (as putPlainNumber does) and
        // CR LF.
        template <typename Put>
        Q_ALWAYS_INLINE void appendNumberLine(QLatin1StringView head, Put put)
        {
            endLine(put(putHead(head)));
        }

    private:
        friend class AsciiSink;

        Q_ALWAYS_INLINE char *putHead(QLatin1StringView head)
        {
            return copyShortBytes(std::string_view(head.data(), std::size_t(head.size())), m_out);
        }
        Q_ALWAYS_INLINE void endLine(char *afterValue)
        {
            std::memcpy(afterValue, "\r\n", 2);
            m_out = afterValue + 2;
        }

        char *m_out;
        bool m_ascii = true;
    };

    // Lines for at most room bytes, the room for a value's number counted
    // as kNumberRoom.
    Q_ALWAYS_INLINE Lines startLines(qsizetype room)
    {
        if (room > m_bytes.constData() + m_bytes.size() - m_out)
            grow(room);
        return Lines(m_out);
    }
    Q_ALWAYS_INLINE void endLines(const Lines &lines)
    {
        m_out = lines.m_out;
        m_full = m_full || !lines.m_ascii;
    }
    bool full() const { return m_full; }
    QByteArray take()
    {
        m_bytes.truncate(m_out - m_bytes.constData());
        return std::move(m_bytes);
    }

private:
    void grow(qsizetype room)
    {
        const qsizetype used = m_out - m_bytes.constData();
        m_bytes.resize(std::max(2 * m_bytes.size(), used + room));
        m_out = m_bytes.data() + used;
    }

    QByteArray m_bytes;
    char *m_out;  // where the next line goes
    bool m_full = false;
};

// The file's text, for encodeFileText to choose the code page.
class TextSink {
public:
    class Lines {
    public:
        explicit Lines(QString &text) : m_text(text) {}

        bool appendLine(QLatin1StringView head, QStringView value)
        {
            if (value.contains(u'\r') || value.contains(u'\n'))
                return false;
            m_text += head;
            m_text += value;
            m_text += kCrLf;
            return true;
        }
        void appendAsciiLine(QLatin1StringView head, std::string_view ascii)
        {
            m_text += head;
            m_text += QLatin1StringView(ascii);
            m_text += kCrLf;
        }
        template <typename Put>
        void appendNumberLine(QLatin1StringView head, Put put)
        {
            char chars[kNumberRoom];
            appendAsciiLine(head, std::string_view(chars, std::size_t(put(chars) - chars)));
        }

    private:
        QString &m_text;
    };

    Lines startLines(qsizetype) { return Lines(m_text); }
    void endLines(const Lines &) {}
    bool full() const { return false; }
    QString take() { return std::move(m_text); }

private:
    QString m_text;
};

// The room the lines of an alarm take beside its four texts: tags,
// numbers, "False" and line ends.
constexpr qsizetype kRoomBesideTexts = kNameTag.size() + kActionTag.size() + kSiderealTimeTag.size()
                                       + kEnabledTag.size() + kParam1Tag.size() + kParam2Tag.size() + kParam3Tag.size()
                                       + kDurationTag.size() + kEndMarker.size() + 3 * kNumberRoom + 5 + 9 * 2;

template <typename Lines>
Q_ALWAYS_INLINE void appendLine(Lines &lines, QLatin1StringView tag, QStringView value, int index)
{
    if (!lines.appendLine(tag, value))
        //: %2 is the tag of the file's line (NAME, PARAM1, ...).
        throw WriteFailure{Texts::tr("Alarm %1: the %2 value holds a line break.").arg(index + 1).arg(tag.chopped(1))};
}

// Writes the lines of the file into sink, stopping early once the sink is
// full. Failures are thrown in the order of the file.
template <typename Sink>
void writeAlarmFile(Sink &sink, const AlarmTable &alarms)
{
    auto header = sink.startLines(kHeader.size() + 2);
    header.appendAsciiLine(kHeader, {});
    sink.endLines(header);
    for (int i = 0; i < alarms.size() && !sink.full(); ++i) {
        const AlarmDef &alarm = alarms[i];
        auto lines = sink.startLines(kRoomBesideTexts + alarm.Name.size() + alarm.Param1.size() + alarm.Param2.size()
                                     + alarm.Param3.size());
        appendLine(lines, kNameTag, alarm.Name, i);
        lines.appendNumberLine(kActionTag,
                               [&](char *out) { return std::to_chars(out, out + kNumberRoom, alarm.Action).ptr; });
        lines.appendNumberLine(kSiderealTimeTag, [&](char *out) { return putShortNumber(alarm.SiderealTime, out); });
        lines.appendAsciiLine(kEnabledTag, alarm.Enabled ? "True" : "False");
        appendLine(lines, kParam1Tag, alarm.Param1, i);
        appendLine(lines, kParam2Tag, alarm.Param2, i);
        appendLine(lines, kParam3Tag, alarm.Param3, i);
        lines.appendNumberLine(kDurationTag,
                               [&](char *out) { return alarm.Duration ? putPlainNumber(*alarm.Duration, out) : out; });
        lines.appendAsciiLine(kEndMarker, {});
        sink.endLines(lines);
    }
}

// The bytes of the whole file. Plain ASCII, the usual content, is the same
// in every code page and goes straight into the bytes; any other character
// sends the text through encodeFileText.
QByteArray fileBytes(const AlarmTable &alarms)
{
    constexpr qsizetype kBytesPerAlarm = 256;  // a typical alarm takes 150 to 250
    AsciiSink ascii(kBytesPerAlarm * (alarms.size() + 1));
    writeAlarmFile(ascii, alarms);
    if (!ascii.full())
        return ascii.take();
    TextSink text;
    writeAlarmFile(text, alarms);
    return encodeFileText(text.take());
}

}  // namespace

std::optional<QByteArray> alarmFileBytes(const AlarmTable &alarms, QString *error)
{
    const auto failure = [&](const QString &description) -> std::optional<QByteArray> {
        if (error)
            *error = description;
        return std::nullopt;
    };
    try {
        return fileBytes(alarms);
    } catch (const WriteFailure &f) {
        return failure(f.description);
    } catch (const automation::AutomationError &e) {
        return failure(e.description());
    }
}

bool SaveAlarmFile(const QString &path, const AlarmTable &alarms, MessageService &messages)
{
    const auto failure = [&](const QString &description) {
        messages.show(Texts::tr("Error saving:\r\n%1\r\n%2").arg(nativePath(path), description), programTitle());
        return false;
    };
    QString error;
    const std::optional<QByteArray> bytes = alarmFileBytes(alarms, &error);
    if (!bytes)
        return failure(error);
    // The whole file in as few writes as the system takes, each checked,
    // replacing the old file only when complete.
    if (!saveFileDurably(path, *bytes, &error))
        return failure(error);
    return true;
}

}  // namespace noctalis
