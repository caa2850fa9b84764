// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "desktopintegration.h"

#include "applicationid.h"
#include "clocktray.h"
#include "dbusnotifier.h"
#include "settingvalues.h"

#include <QDirIterator>

namespace noctalis {

DesktopIntegration::DesktopIntegration(ClockWindow &clockWindow, const SettingsStore &settings)
{
    if (readBooleanSetting(settings, QStringLiteral("TrayIcon"), QStringLiteral("True")))
        m_tray = std::make_unique<ClockTray>(clockWindow, applicationIcon());
    if (readBooleanSetting(settings, QStringLiteral("Notifications"), QStringLiteral("True")))
        m_notifier = std::make_unique<DBusNotifier>(QStringLiteral("Noctalis"));
}

DesktopIntegration::~DesktopIntegration() = default;

Notifier *DesktopIntegration::notifier() const { return m_notifier.get(); }

QIcon DesktopIntegration::applicationIcon()
{
    QIcon builtIn;
    QDirIterator drawings(QStringLiteral(":/icons"));  // one PNG per size
    while (drawings.hasNext())
        builtIn.addFile(drawings.next());
    return QIcon::fromTheme(applicationId(), builtIn);
}

}  // namespace noctalis
