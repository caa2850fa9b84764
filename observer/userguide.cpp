// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "userguide.h"

#include "appcontext.h"
#include "datafiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace noctalis {

QUrl userGuideUrlIn(const QString &programFolder, const QString &section)
{
    QUrl url = QUrl::fromLocalFile(
        QFileInfo(dataFilePathIn(programFolder, QStringLiteral("guide/index.html"))).absoluteFilePath());
    if (!section.isEmpty())
        url.setFragment(section);
    return url;
}

QUrl userGuideUrl(const QString &section) { return userGuideUrlIn(QCoreApplication::applicationDirPath(), section); }

QShortcut *addHelpKey(QWidget *window, const QString &section, const DesktopOpener &desktop, MessageService &messages)
{
    auto *key = new QShortcut(QKeySequence::HelpContents, window);
    key->setObjectName(QStringLiteral("helpKey"));
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window,
                     [section, desktop, &messages] { OpenURL(userGuideUrl(section).toString(), desktop, messages); });
    return key;
}

QShortcut *addHelpKey(QWidget *window, const QString &section, const AppContext &context)
{
    return addHelpKey(window, section, context.openUrl, context.messages);
}

}  // namespace noctalis
