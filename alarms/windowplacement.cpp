// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "windowplacement.h"

#include <algorithm>
#include <functional>

namespace noctalis {

QPoint freeTopRightSpot(const QSize &frame, const QRect &area, const QList<QRect> &occupied)
{
    // Candidate edges: the area's own, and those that put the frame just
    // left of or just below a window on screen.
    QList<int> lefts{area.right() + 1 - frame.width()};
    QList<int> tops{area.top()};
    for (const QRect &r : occupied) {
        lefts.append(r.left() - frame.width());
        tops.append(r.bottom() + 1);
    }
    std::sort(lefts.begin(), lefts.end(), std::greater<>());
    std::sort(tops.begin(), tops.end());

    for (int left : lefts) {
        for (int top : tops) {
            const QRect spot(QPoint(left, top), frame);
            if (!area.contains(spot))
                continue;
            const bool covered = std::any_of(occupied.cbegin(), occupied.cend(),
                                             [&](const QRect &r) { return r.intersects(spot); });
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

} // namespace noctalis
