// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// What the scripted pickers of the tests share: every request recorded, the
// queued answers given in turn, an empty queue answering as a cancelled
// dialog.
#pragma once

#include <QList>

#include <optional>

namespace noctalis {

template <typename Request, typename Answer>
class ScriptedAnswers {
public:
    QList<Request> requests;
    QList<std::optional<Answer>> answers;

protected:
    std::optional<Answer> answer(const Request &request)
    {
        requests.push_back(request);
        if (answers.isEmpty())
            return std::nullopt;
        return answers.takeFirst();
    }
};

}  // namespace noctalis
