// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Messages shown as message boxes.
#pragma once

#include "messageservice.h"

namespace noctalis {

class WidgetMessageService : public MessageService {
public:
    MessageAnswer show(const QString &text, const QString &title, MessageButtons buttons = MessageButtons::Ok) override;
};

}  // namespace noctalis
