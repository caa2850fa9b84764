// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "desktopintegration.h"

#include "applicationid.h"
#include "clocktray.h"
#include "dbusnotifier.h"
#include "firstpaint.h"
#include "settingvalues.h"

#include "clockwindow.h"

#include <QDirIterator>
#include <QGuiApplication>

namespace noctalis {

namespace {

// The icon built into the program, one drawing per size.
QIcon builtInIcon()
{
    QIcon builtIn;
    QDirIterator drawings(QStringLiteral(":/icons"));  // one PNG per size
    while (drawings.hasNext())
        builtIn.addFile(drawings.next());
    return builtIn;
}

}  // namespace

DesktopIntegration::DesktopIntegration(ClockWindow &clockWindow, const SettingsStore &settings)
{
    m_afterFirstPaint = afterFirstPaint(clockWindow, [this] { setIcons(); });
    if (readBooleanSetting(settings, QStringLiteral("TrayIcon"), QStringLiteral("True")))
        m_tray = std::make_unique<ClockTray>(clockWindow, [this] { return icon(); });
    if (readBooleanSetting(settings, QStringLiteral("Notifications"), QStringLiteral("True")))
        m_notifier = std::make_unique<DBusNotifier>(QStringLiteral("Noctalis"));
}

DesktopIntegration::~DesktopIntegration() = default;

Notifier *DesktopIntegration::notifier() const { return m_notifier.get(); }

const QIcon &DesktopIntegration::icon()
{
    if (m_icon.isNull()) {
        m_icon = QIcon::fromTheme(applicationId());
        if (m_icon.isNull())
            m_icon = builtInIcon();
    }
    return m_icon;
}

void DesktopIntegration::setIcons()
{
    QGuiApplication::setWindowIcon(icon());
    if (m_tray)
        m_tray->setIcon(icon());
}

}  // namespace noctalis
