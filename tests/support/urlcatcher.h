// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// Catches the addresses the program hands to the desktop (tests).
#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

// Receives what the desktop would open.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    UrlCatcher()
    {
        for (const char *scheme : {"http", "https", "file"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }
    ~UrlCatcher() override
    {
        for (const char *scheme : {"http", "https", "file"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};
