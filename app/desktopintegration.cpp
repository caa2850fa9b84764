// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "desktopintegration.h"

#include "applicationid.h"
#include "clocktray.h"
#include "dbusnotifier.h"
#include "settingvalues.h"

#include "clockwindow.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>

#include <functional>
#include <utility>

namespace noctalis {

namespace {

// Runs a step once, in the turn of the event loop after the first paint of
// a window (that paint and its flush to the display come first). Any of the
// window's widgets may be the one painted: one that its children cover gets
// no paint event itself.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget &window, std::function<void()> step) : m_window(window), m_step(std::move(step))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_step && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == &m_window) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, std::exchange(m_step, {}));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget &m_window;
    std::function<void()> m_step;
};

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
    m_afterFirstPaint = std::make_unique<AfterFirstPaint>(clockWindow, [this] { setIcons(); });
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
