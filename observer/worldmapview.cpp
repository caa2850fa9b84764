// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "worldmapview.h"

#include "backgroundstep.h"
#include "fileroutines.h"

#include <QMouseEvent>
#include <QPainter>

namespace noctalis {

namespace {

// A picture file is never larger than this.
constexpr qint64 kMaxPictureBytes = 16 * 1024 * 1024;

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
    setFixedSize(kWidth, kHeight);
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
    if (picture.isNull()) {
        painter.fillRect(rect(), palette().color(QPalette::Mid));
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), picture);
}

void WorldMapView::mouseMoveEvent(QMouseEvent *event)
{
    emit pointerMoved(event->position());
    QWidget::mouseMoveEvent(event);
}

void WorldMapView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        emit rightButtonPressed(event->position());
    QWidget::mousePressEvent(event);
}

void WorldMapView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(event->position());
    QWidget::mouseDoubleClickEvent(event);
}

}  // namespace noctalis
