// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The alarm file (".alm"): reading it into the alarm table and writing the
// table to it.
//
// The file is text, one value per line, every line ended by CR LF:
//
//   SIDEREAL ALARM FILE
//   NAME:Jupiter                       one block of nine lines per
//   ACTION:1                           alarm, in index order, with
//   SIDEREALTIME:.520833333333333      nothing between blocks and
//   ENABLED:True                       nothing after the last
//   PARAM1:Transit
//   PARAM2:bell.wav
//   PARAM3:
//   DURATION:0.5
//   END ALARM DEF
//
// Each value follows its tag's colon directly, as held, without quoting.
// The text is Windows-1252 when every character fits that code page and
// UTF-8 otherwise; reading takes valid UTF-8 as UTF-8 and anything else as
// Windows-1252 (see filetext.h).
#pragma once

#include "alarmtable.h"
#include "messageservice.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace noctalis {

// The most alarms a file holds: the loader counts blocks in a signed 16-bit
// index.
constexpr int kMaxAlarms = 32768;
// The longest value a line of an alarm file may hold, in characters: the
// sender writes its text with a 16-bit length.
constexpr qsizetype kMaxAlarmFieldChars = 32767;
// The largest alarm file read: 64 MiB, 2 KiB for each of 32768 alarms (a
// block of short texts takes about 150 bytes).
constexpr qint64 kMaxAlarmFileBytes = qint64(64) << 20;
// How much of a file is read to find the header in its first line.
constexpr qint64 kHeaderProbeBytes = 64 * 1024;

// LoadAlarmFile: fills the alarm table from an alarm file.
//
// Given:
//   path      the alarm file
//   alarms    the table to fill
//   messages  where failures are told, with the program's title
// Returned (function value):
//   index of the last alarm read (number of alarms read - 1), or -1 when the
//   file is missing, is no alarm file or holds no alarm.
//
// Notes:
//  1. Messages:
//       missing file      "Alarm File: " CR LF path CR LF "Not Found."
//       no header         "Not an alarm file."
//       any other failure "Error opening Alarm File: " CR LF path CR LF
//                         and what went wrong.
//     The first two leave the table untouched. After any other failure the
//     alarms read up to it stay, the one being read included, and the
//     result is the index of the last of them (-1 when none).
//  2. The first line must contain "SIDEREAL ALARM FILE" within its first
//     kHeaderProbeBytes bytes; it is checked before the rest of the file is
//     read, and a file over kMaxAlarmFileBytes is refused after it (a read
//     failure, the table untouched). A tag counts only at the start of its
//     line, after optional spaces or tabs, where every writer puts it; its
//     value is the rest of the line, so a value holding a tag ("ENABLED:
//     yes" in a message) is read back whole. A line starting with "NAME:"
//     starts a block; the block's lines up to one starting with "END ALARM
//     DEF" (or the end of the file) are tested for "ACTION:",
//     "SIDEREALTIME:", "ENABLED:", "PARAM1:", "PARAM2:", "PARAM3:" and
//     "DURATION:"; other lines are skipped. Tests are case-sensitive.
//     A header without any line after it is a failure (input past the end).
//  3. Failures inside a block: an ENABLED value that is neither "True" nor
//     "False" (any letter case, blanks around it ignored) nor a number; an
//     ACTION value outside -32768 to 32767 after rounding ties to even; a
//     value (NAME included) longer than kMaxAlarmFieldChars; more than 32768
//     blocks. Line numbers in the messages count in 64 bits.
//  4. Every block starts from a fresh record: a field without its line in
//     the block is that of a fresh record (AlarmDef's defaults), whatever the
//     index held before. Only Triggered and TriggeredUntil of an index stay.
//     The table ends with exactly the alarms read (when at least one was).
//  5. An enabled alarm whose SIDEREALTIME is outside [0, 1) or whose
//     DURATION is negative could fire again at every tick: it is loaded
//     disabled, and after loading one message (disabledAlarmsHeading, then
//     one line per alarm: its number, name and why) names all of them.
//  6. Lines end at CR LF, LF or CR. Only regular files are read, opened
//     without waiting on them.
qint16 LoadAlarmFile(const QString &path, AlarmTable &alarms, MessageService &messages);

// The first line of the message that lists alarms loaded disabled.
QString disabledAlarmsHeading();

// loadAlarmBytes: LoadAlarmFile on the bytes of a file already read (the
// steps after opening it). path is only used in messages.
qint16 loadAlarmBytes(const QByteArray &bytes, const QString &path, AlarmTable &alarms, MessageService &messages);

// alarmFileBytes: the bytes SaveAlarmFile writes for a table (the steps
// before writing them).
//
// Returned:
//   function value  the whole file; nothing when a value cannot be written
//   error           then the description of the failure
std::optional<QByteArray> alarmFileBytes(const AlarmTable &alarms, QString *error = nullptr);

// SaveAlarmFile: writes the whole alarm table to an alarm file.
//
// Given:
//   path      the alarm file; an existing file is replaced
//   alarms    the table, every record from index 0 to the last
//   messages  where a failure is told, with the program's title
// Returned (function value):
//   true when the file was written whole; false after a failure, which is
//   told as "Error saving:" CR LF path CR LF and what went wrong.
//
// Notes:
//  1. The file is written beside the old one and takes its place only once
//     complete: after a failure the old file is as it was.
//  2. SiderealTime is written in the short number form (".5", "0" for
//     Empty), Duration in the plain form ("0.5", nothing for Empty), Action
//     as a whole number, Enabled as "True" or "False", the rest as held.
//  3. A value holding a line break cannot be written: that is a failure.
bool SaveAlarmFile(const QString &path, const AlarmTable &alarms, MessageService &messages);

}  // namespace noctalis
