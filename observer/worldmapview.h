// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers
//
// WorldMapView: the world map of the observer dialog, and the pointer over
// it.
//
// The map is a plate carree picture of the Earth, north up, 180 degrees at
// the left edge and Greenwich in the middle, twice as wide as it is high.
// It is shown at 640 x 320 logical pixels where there is room, smaller down
// to half that in a small window, always at its own aspect and centred in
// the view. On a high-density screen the picture of twice the size is drawn
// when there is one; without any picture the map is a plain background.
// Pointer positions are map units from the picture's top-left corner, 640
// across the whole width and 320 down the height (0.5625 degree a unit),
// whatever size the picture is shown at; the pointer outside the picture
// gives none.
#pragma once

#include <QImage>
#include <QPointF>
#include <QWidget>

#include <optional>

namespace noctalis {

class WorldMapView : public QWidget {
    Q_OBJECT

public:
    // The map's size in map units, and in logical pixels where there is room.
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 320;

    explicit WorldMapView(QWidget *parent = nullptr);

    // Loads the map's pictures: path at 640 x 320, path2x at 1280 x 640 for
    // high-density screens. Either may be missing or unreadable; a missing
    // one is not drawn. True when at least one was read.
    bool setPictures(const QString &path, const QString &path2x);
    bool hasPicture() const { return !m_picture.isNull() || !m_picture2x.isNull(); }

    QSize sizeHint() const override { return {kWidth, kHeight}; }
    QSize minimumSizeHint() const override { return {kWidth / 2, kHeight / 2}; }

    // Where the picture is drawn in the view, logical pixels.
    QRectF pictureRect() const;
    // The map units of a position in the view; none outside the picture.
    std::optional<QPointF> mapPosition(const QPointF &viewPosition) const;

signals:
    void pointerMoved(QPointF position);
    void rightButtonPressed(QPointF position);
    void doubleClicked(QPointF position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
    QImage m_picture2x;
};

}  // namespace noctalis
