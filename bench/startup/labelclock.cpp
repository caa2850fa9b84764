// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// labelclock: the least a Qt Widgets clock does, one label showing the time,
// as the reference for the clock's start-up time.

#include "firstpaint.h"

#include <QApplication>
#include <QLabel>
#include <QTime>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    noctalis::exitAfterFirstPaintWhenAsked(label);
    label.show();
    return app.exec();
}
