// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "nightvision.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>

#include <algorithm>

namespace noctalis {

namespace {

const QString kNightStyle = QStringLiteral("Fusion");

// The night red and its dimmer shades. Pure red is the colour dark-adapted
// eyes lose least to; a little green and blue keep it readable on cheap
// displays. Backgrounds stay black or nearly so.
constexpr QRgb kRed = qRgb(0xff, 0x30, 0x30);
constexpr QRgb kBrightRed = qRgb(0xff, 0x60, 0x60);
constexpr QRgb kDimRed = qRgb(0xa0, 0x20, 0x20);
constexpr QRgb kDisabledRed = qRgb(0x68, 0x14, 0x14);
constexpr QRgb kHighlight = qRgb(0x50, 0x00, 0x00);
constexpr QRgb kBlack = qRgb(0x00, 0x00, 0x00);
constexpr QRgb kBase = qRgb(0x24, 0x00, 0x00);  // boxes and check boxes stand out from the window
constexpr QRgb kAlternateBase = qRgb(0x2e, 0x00, 0x00);
constexpr QRgb kButton = qRgb(0x14, 0x00, 0x00);
constexpr QRgb kLight = qRgb(0x3a, 0x00, 0x00);
constexpr QRgb kMidlight = qRgb(0x2a, 0x00, 0x00);
constexpr QRgb kMid = qRgb(0x20, 0x00, 0x00);
constexpr QRgb kDark = qRgb(0x10, 0x00, 0x00);

bool hasStyle(const QString &name) { return QStyleFactory::keys().contains(name, Qt::CaseInsensitive); }

}  // namespace

NightVision::~NightVision() { apply(false); }

QPalette NightVision::palette()
{
    QPalette p;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        const QColor text(disabled ? kDisabledRed : kRed);
        p.setColor(group, QPalette::Window, kBlack);
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Base, disabled ? kBlack : kBase);
        p.setColor(group, QPalette::AlternateBase, kAlternateBase);
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::PlaceholderText, disabled ? kDisabledRed : kDimRed);
        p.setColor(group, QPalette::Button, kButton);
        p.setColor(group, QPalette::ButtonText, text);
        p.setColor(group, QPalette::BrightText, disabled ? kDisabledRed : kBrightRed);
        p.setColor(group, QPalette::Light, kLight);
        p.setColor(group, QPalette::Midlight, kMidlight);
        p.setColor(group, QPalette::Mid, kMid);
        p.setColor(group, QPalette::Dark, kDark);
        p.setColor(group, QPalette::Shadow, kBlack);
        p.setColor(group, QPalette::Highlight, disabled ? kDark : kHighlight);
        p.setColor(group, QPalette::HighlightedText, disabled ? kDisabledRed : kBrightRed);
        p.setColor(group, QPalette::Link, disabled ? kDisabledRed : kBrightRed);
        p.setColor(group, QPalette::LinkVisited, disabled ? kDisabledRed : kDimRed);
        p.setColor(group, QPalette::ToolTipBase, kBlack);
        p.setColor(group, QPalette::ToolTipText, text);
    }
    return p;
}

QColor NightVision::faceBackground() { return QColor(kBlack); }

QColor NightVision::faceDigits(int dimPercent)
{
    const double f = std::clamp(dimPercent, 1, 100) / 100.0;
    const QColor full(kRed);
    return QColor::fromRgbF(float(full.redF() * f), float(full.greenF() * f), float(full.blueF() * f));
}

void NightVision::apply(bool on)
{
    if (on == isOn() || !qApp)
        return;
    if (on) {
        DayLook day;
        day.palette = QApplication::palette();
        day.toolTips = QToolTip::palette();
        day.nonNativeDialogs = QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs);
        // A style that can be made again by name is swapped for Fusion; one
        // that cannot stays, so that turning night vision off gives it back.
        const QString dayStyle = QApplication::style()->name();
        if (dayStyle.compare(kNightStyle, Qt::CaseInsensitive) != 0 && hasStyle(dayStyle) && hasStyle(kNightStyle)) {
            day.styleName = dayStyle;
            QApplication::setStyle(kNightStyle);
        }
        m_day = day;
        // The desktop's own dialogs would not follow the palette.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, true);
        QApplication::setPalette(palette());
        QToolTip::setPalette(palette());
        return;
    }
    const DayLook day = *m_day;
    m_day.reset();
    if (!day.styleName.isEmpty())
        QApplication::setStyle(day.styleName);
    QApplication::setPalette(day.palette);
    QToolTip::setPalette(day.toolTips);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, day.nonNativeDialogs);
}

}  // namespace noctalis
