// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// The program's one way of telling the user something: a message box in the
// program, a recording in tests.
#pragma once

#include <QString>
#include <QStringList>

namespace noctalis {

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

class MessageService {
public:
    virtual ~MessageService() = default;
    // Shows text under title with the given buttons and returns the answer.
    virtual MessageAnswer show(const QString &text, const QString &title,
                               MessageButtons buttons = MessageButtons::Ok) = 0;
};

// The title every message of the program carries unless it names its own.
inline QString programTitle() { return QStringLiteral("Noctalis"); }

// Records every message and answers with a preset answer (tests).
class RecordingMessageService : public MessageService {
public:
    struct Message {
        QString text;
        QString title;
        MessageButtons buttons;
    };

    MessageAnswer show(const QString &text, const QString &title, MessageButtons buttons = MessageButtons::Ok) override
    {
        messages.push_back({text, title, buttons});
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        if (buttons == MessageButtons::YesNoCancel && answerCancel)
            return MessageAnswer::Cancel;
        return answerYes ? MessageAnswer::Yes : MessageAnswer::No;
    }

    QList<Message> messages;
    bool answerYes = true;
    bool answerCancel = false;  // for questions that offer Cancel
};

}  // namespace noctalis
