// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "programlauncher.h"

#include "backgroundstep.h"

#include <QProcess>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include <utility>

namespace noctalis {

namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n'); }

// Characters a backslash keeps as they are between double quotes.
bool escapableInDoubleQuotes(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char('"') || c == QLatin1Char('$') || c == QLatin1Char('`')
           || c == QLatin1Char('\n');
}

}  // namespace

std::optional<QStringList> splitCommandLine(const QString &commandLine)
{
    QStringList words;
    QString word;
    bool inWord = false;  // a word has begun, empty or not
    const qsizetype n = commandLine.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = commandLine.at(i);
        if (isBlank(c)) {
            if (inWord)
                words.append(std::exchange(word, QString()));
            inWord = false;
        } else if (c == QLatin1Char('\\')) {
            if (i + 1 == n) {
                word += c;
            } else if (commandLine.at(++i) != QLatin1Char('\n')) {
                word += commandLine.at(i);
            } else {
                continue;  // a joined line neither starts nor ends a word
            }
            inWord = true;
        } else if (c == QLatin1Char('\'')) {
            const qsizetype close = commandLine.indexOf(QLatin1Char('\''), i + 1);
            if (close < 0)
                return std::nullopt;
            word += QStringView(commandLine).mid(i + 1, close - i - 1);
            i = close;
            inWord = true;
        } else if (c == QLatin1Char('"')) {
            for (++i;; ++i) {
                if (i == n)
                    return std::nullopt;
                const QChar d = commandLine.at(i);
                if (d == QLatin1Char('"'))
                    break;
                if (d == QLatin1Char('\\') && i + 1 < n && escapableInDoubleQuotes(commandLine.at(i + 1))) {
                    if (commandLine.at(++i) != QLatin1Char('\n'))
                        word += commandLine.at(i);
                } else {
                    word += d;
                }
            }
            inWord = true;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.append(word);
    return words;
}

bool ProcessLauncher::start(const QString &commandLine, bool minimized)
{
    const std::optional<QStringList> words = splitCommandLine(commandLine);
    if (!words) {
        logSkippedStep(lcAlarms, "start a program", "a quote of the command line is not closed");
        return false;
    }
    if (words->isEmpty() || words->constFirst().isEmpty()) {
        logSkippedStep(lcAlarms, "start a program", "the command line names no program");
        return false;
    }
    QProcess process;
    process.setProgram(words->constFirst());
    process.setArguments(words->mid(1));
#ifdef Q_OS_WIN
    if (minimized) {
        process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *args) {
            args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
            args->startupInfo->wShowWindow = SW_SHOWMINNOACTIVE;
        });
    }
#else
    Q_UNUSED(minimized);
#endif
    if (!process.startDetached()) {
        logSkippedStep(lcAlarms, "start a program", words->constFirst() + QStringLiteral(": ") + process.errorString());
        return false;
    }
    return true;
}

}  // namespace noctalis
