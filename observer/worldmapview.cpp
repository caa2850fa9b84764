// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "worldmapview.h"

#include "backgroundstep.h"
#include "fileroutines.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace noctalis {

namespace {

// A picture file is never larger than this.
constexpr qint64 kMaxPictureBytes = 16 * 1024 * 1024;

constexpr int kDarkWindowLightness = 64;  // a window colour darker than this is a dark palette
constexpr int kDarkPictureDimming = 180;  // percent: the picture at 1/1.8 of the text colour

// The picture of a file; a null image when it is missing or unreadable.
QImage readPicture(const QString &path)
{
    QImage picture;
    QString error;
    const std::optional<QByteArray> bytes = readRegularFile(path, kMaxPictureBytes, &error);
    if (!bytes)
        logSkippedStep(lcObserver, "read the world map picture", path + QStringLiteral(": ") + error);
    else if (!picture.loadFromData(*bytes))
        logSkippedStep(lcObserver, "read the world map picture", path + QStringLiteral(": not a picture"));
    return picture;
}

}  // namespace

WorldMapView::WorldMapView(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool WorldMapView::setPictures(const QString &path, const QString &path2x)
{
    m_picture = readPicture(path);
    m_picture2x = readPicture(path2x);
    update();
    return hasPicture();
}

void WorldMapView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool dense = devicePixelRatioF() > 1.0;
    const QImage &picture = (dense && !m_picture2x.isNull()) || m_picture.isNull() ? m_picture2x : m_picture;
    // The view round a picture shown smaller than the view is the dialog's.
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const QRectF target = pictureRect();
    if (picture.isNull()) {
        painter.fillRect(target, palette().color(QPalette::Mid));
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
    // On a dark palette (night vision, a dark desktop) the bright picture
    // takes the palette's text colour, dimmed, so that it does not glare.
    if (palette().color(QPalette::Window).lightness() < kDarkWindowLightness) {
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        painter.fillRect(target, palette().color(QPalette::WindowText).darker(kDarkPictureDimming));
    }
}

QRectF WorldMapView::pictureRect() const
{
    // The largest rectangle of the map's aspect in the view, in its middle.
    const double scale = std::min(width() / double(kWidth), height() / double(kHeight));
    QRectF target(0, 0, kWidth * scale, kHeight * scale);
    target.moveCenter(QRectF(rect()).center());
    return target;
}

std::optional<QPointF> WorldMapView::mapPosition(const QPointF &viewPosition) const
{
    const QRectF target = pictureRect();
    if (target.isEmpty() || viewPosition.x() < target.left() || viewPosition.x() > target.right()
        || viewPosition.y() < target.top() || viewPosition.y() > target.bottom())
        return std::nullopt;
    const double unitsPerPixel = kWidth / target.width();
    return (viewPosition - target.topLeft()) * unitsPerPixel;
}

void WorldMapView::mouseMoveEvent(QMouseEvent *event)
{
    if (const auto at = mapPosition(event->position()))
        emit pointerMoved(*at);
    QWidget::mouseMoveEvent(event);
}

void WorldMapView::mousePressEvent(QMouseEvent *event)
{
    const auto at = mapPosition(event->position());
    if (event->button() == Qt::RightButton && at)
        emit rightButtonPressed(*at);
    QWidget::mousePressEvent(event);
}

void WorldMapView::mouseDoubleClickEvent(QMouseEvent *event)
{
    const auto at = mapPosition(event->position());
    if (event->button() == Qt::LeftButton && at)
        emit doubleClicked(*at);
    QWidget::mouseDoubleClickEvent(event);
}

}  // namespace noctalis
