// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "windowplacement.h"

#include <algorithm>
#include <functional>
#include <tuple>

namespace noctalis {

namespace {

// Sorts values with order and drops repeats.
template <typename T, typename Order>
void sortUnique(QList<T> &values, Order order)
{
    std::sort(values.begin(), values.end(), order);
    values.erase(std::unique(values.begin(), values.end()), values.end());
}

}  // namespace

QPoint freeTopRightSpot(const QSize &frame, const QRect &area, const QList<QRect> &occupied)
{
    // Windows opened in a burst pile up on the same few spots (the corner,
    // once the area is full): each frame, left and top counts once, which
    // keeps the search short however many windows are open.
    QList<QRect> frames = occupied;
    sortUnique(frames, [](const QRect &a, const QRect &b) {
        return std::make_tuple(a.left(), a.top(), a.right(), a.bottom())
               < std::make_tuple(b.left(), b.top(), b.right(), b.bottom());
    });

    // Candidate edges: the area's own, and those that put the frame just
    // left of or just below a window on screen.
    QList<int> lefts{area.right() + 1 - frame.width()};
    QList<int> tops{area.top()};
    for (const QRect &r : std::as_const(frames)) {
        lefts.append(r.left() - frame.width());
        tops.append(r.bottom() + 1);
    }
    sortUnique(lefts, std::greater<>());
    sortUnique(tops, std::less<>());

    QList<QRect> column;
    for (int left : std::as_const(lefts)) {
        if (left < area.left() || left + frame.width() - 1 > area.right())
            continue;
        // Only the windows across this column can cover a spot in it.
        column.clear();
        for (const QRect &r : std::as_const(frames))
            if (r.left() < left + frame.width() && r.right() >= left)
                column.append(r);
        for (int top : std::as_const(tops)) {
            const QRect spot(QPoint(left, top), frame);
            if (!area.contains(spot))
                continue;
            const bool covered =
                std::any_of(column.cbegin(), column.cend(), [&](const QRect &r) { return r.intersects(spot); });
            if (!covered)
                return spot.topLeft();
        }
    }
    return QPoint(area.right() + 1 - frame.width(), area.top());
}

QRect notificationCorner(const QRect &area)
{
    constexpr int kWidth = 400;
    constexpr int kHeight = 200;
    const QSize size(std::min(kWidth, area.width()), std::min(kHeight, area.height()));
    return QRect(QPoint(area.right() + 1 - size.width(), area.top()), size);
}

}  // namespace noctalis
