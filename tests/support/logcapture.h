// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Catches the lines of the program's logging categories (tests).
#pragma once

#include <QLoggingCategory>
#include <QStringList>

// LogCapture: while it lives, the categories the rules name are on and
// their lines are kept, each as "category: text"; lines of other categories
// are dropped. One at a time.
class LogCapture {
public:
    explicit LogCapture(const QString &rules = QStringLiteral("noctalis.*=true"))
    {
        written().clear();
        QLoggingCategory::setFilterRules(rules);
        m_previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &context, const QString &text) {
            if (QByteArray(context.category).startsWith("noctalis."))
                written() << QString::fromLatin1(context.category) + QStringLiteral(": ") + text;
        });
    }
    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        QLoggingCategory::setFilterRules(QString());
    }
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    QStringList lines() const { return written(); }
    void clear() { written().clear(); }

private:
    static QStringList &written()
    {
        static QStringList lines;
        return lines;
    }

    QtMessageHandler m_previous;
};
