// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Noctalis developers

#include "windowfit.h"

#include <QEvent>
#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace noctalis {

namespace {

constexpr int kBesideGap = 8;  // pixels between a window and the one it opens beside

// The screen whose available area lies nearest to point.
QScreen *nearestScreen(const QPoint &point)
{
    if (QScreen *under = QGuiApplication::screenAt(point))
        return under;
    QScreen *nearest = QGuiApplication::primaryScreen();
    qint64 best = std::numeric_limits<qint64>::max();
    for (QScreen *s : QGuiApplication::screens()) {
        const QRect r = s->availableGeometry();
        const qint64 dx = std::max({r.left() - point.x(), 0, point.x() - r.right()});
        const qint64 dy = std::max({r.top() - point.y(), 0, point.y() - r.bottom()});
        if (dx * dx + dy * dy < best) {
            best = dx * dx + dy * dy;
            nearest = s;
        }
    }
    return nearest;
}

// Keeps a window's frame on its screen once the window manager has put its
// title bar and borders round it; the margins guessed before were maybe
// not the window manager's own.
class FramedFit : public QObject {
public:
    explicit FramedFit(QWidget &window) : QObject(&window), m_window(&window)
    {
        setObjectName(QStringLiteral("noctalis_framedFit"));
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (watched == m_window && (type == QEvent::Move || type == QEvent::Resize)
            && m_window->frameGeometry() != m_window->geometry()) {
            m_window->removeEventFilter(this);
            keepWindowOnScreen(*m_window);
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
};

// Fits a window as it is first shown.
class FirstShowFit : public QObject {
public:
    FirstShowFit(QWidget &window, const QWidget *anchor, Placement placement)
        : QObject(&window), m_window(&window), m_anchor(anchor), m_placement(placement)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Show) {
            m_window->removeEventFilter(this);
            fitWindow(*m_window, m_anchor.data(), m_placement);
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
    QPointer<const QWidget> m_anchor;
    Placement m_placement;
};

}  // namespace

QRect clampFrame(const QRect &frame, const QRect &area)
{
    const QSize size = frame.size().boundedTo(area.size());
    const int x = std::clamp(frame.left(), area.left(), area.right() + 1 - size.width());
    const int y = std::clamp(frame.top(), area.top(), area.bottom() + 1 - size.height());
    return {QPoint(x, y), size};
}

QRect placeFrame(const QSize &frame, const QRect &area, const QRect &anchor, Placement placement)
{
    const QSize size = frame.boundedTo(area.size());
    const QRect around = anchor.isNull() ? area : anchor;
    QRect placed(QPoint(0, 0), size);
    placed.moveCenter(around.center());
    if (placement != Placement::Beside || anchor.isNull())
        return clampFrame(placed, area);
    // Right, left, below, above: the first side where the window clears its
    // anchor once kept inside the area; where none does, the side where it
    // covers least of it (an always-on-top clock would hide that part).
    const QPoint sides[] = {
        {anchor.right() + 1 + kBesideGap, anchor.top()},
        {anchor.left() - kBesideGap - size.width(), anchor.top()},
        {anchor.left(), anchor.bottom() + 1 + kBesideGap},
        {anchor.left(), anchor.top() - kBesideGap - size.height()},
    };
    const auto covered = [&](const QRect &r) {
        const QRect overlap = r.intersected(anchor);
        return qint64(overlap.width()) * overlap.height();
    };
    QRect best = clampFrame(placed, area);
    for (const QPoint &side : sides) {
        const QRect candidate = clampFrame(QRect(side, size), area);
        if (covered(candidate) < covered(best))
            best = candidate;
        if (covered(best) == 0)
            break;
    }
    return best;
}

QScreen *screenOf(const QWidget *anchor)
{
    if (anchor) {
        const QWidget *window = anchor->window();
        if (window->isVisible())
            return nearestScreen(window->frameGeometry().center());
        if (QScreen *s = window->screen())
            return s;
    }
    return QGuiApplication::primaryScreen();
}

QMargins frameMargins(const QWidget &window, const QWidget *anchor)
{
    const auto margins = [](const QWidget &w) {
        const QRect frame = w.frameGeometry();
        const QRect inner = w.geometry();
        return QMargins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                        frame.bottom() - inner.bottom());
    };
    const QMargins own = margins(window);
    if (!own.isNull())
        return own;
    if (anchor)
        return margins(*anchor->window());
    QMargins largest;
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w == &window)
            continue;
        const QMargins m = margins(*w);
        largest = QMargins(std::max(largest.left(), m.left()), std::max(largest.top(), m.top()),
                           std::max(largest.right(), m.right()), std::max(largest.bottom(), m.bottom()));
    }
    return largest;
}

// scrollWhenTooLarge: puts the window's content into a scroll area when
// its layout cannot shrink into room (a dialog on a very small or very
// scaled screen), so every control can still be scrolled to.
void scrollWhenTooLarge(QWidget &window, const QSize &room)
{
    QLayout *content = window.layout();
    if (!content || window.findChild<QScrollArea *>(QStringLiteral("noctalis_fitScroll"), Qt::FindDirectChildrenOnly))
        return;
    QSize least = content->totalMinimumSize();
    // Wrapping labels need more height as the window narrows.
    if (content->hasHeightForWidth()) {
        const int width = std::min(room.width(), content->totalSizeHint().width());
        least.setHeight(std::max(least.height(), content->totalHeightForWidth(width)));
    }
    if (least.width() <= room.width() && least.height() <= room.height())
        return;
    QList<QWidget *> shown;  // moving a widget hides it; these show again
    for (QWidget *child : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && !(child->isHidden() && child->testAttribute(Qt::WA_WState_ExplicitShowHide)))
            shown.append(child);
    auto *inside = new QWidget;
    inside->setLayout(content);  // takes the layout and its widgets over
    for (QWidget *child : shown)
        if (child->parentWidget() == inside)
            child->show();
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("noctalis_fitScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(inside);
    auto *outer = new QVBoxLayout(&window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    scroll->show();
    window.setMinimumSize(0, 0);
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const int bar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    window.resize((inside->sizeHint() + QSize(bar, bar)).boundedTo(room));
}

void fitWindow(QWidget &window, const QWidget *anchor, Placement placement)
{
    const QWidget *parent = window.parentWidget();
    const QWidget *reference = anchor ? anchor->window() : parent ? parent->window() : nullptr;
    QScreen *screen = screenOf(reference);
    if (!screen)
        return;
    if (window.screen() != screen)
        window.setScreen(screen);
    const QRect area = screen->availableGeometry();
    const QMargins margins = frameMargins(window, reference);
    const QSize decoration(margins.left() + margins.right(), margins.top() + margins.bottom());

    window.ensurePolished();
    scrollWhenTooLarge(window, area.size() - decoration);
    const QSize wanted = window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint();
    window.resize(wanted.boundedTo(area.size() - decoration));

    const bool besideVisible = reference && reference->isVisible();
    const QRect frame =
        placeFrame(window.size() + decoration, area, besideVisible ? reference->frameGeometry() : QRect(), placement);
    // A window already made but not yet framed takes a move as the place of
    // its inside, and the window manager then puts the title bar above that
    // (off the screen at its top edge); such a window is moved by the frame
    // it is about to get.
    const bool unframed = window.windowHandle() && window.frameGeometry() == window.geometry();
    window.move(frame.topLeft() + (unframed ? QPoint(margins.left(), margins.top()) : QPoint()));
    keepOnScreenOnceFramed(window);
}

void keepOnScreenOnceFramed(QWidget &window)
{
    if (!window.findChild<QObject *>(QStringLiteral("noctalis_framedFit"), Qt::FindDirectChildrenOnly))
        new FramedFit(window);
}

void fitOnFirstShow(QWidget &window, const QWidget *anchor, Placement placement)
{
    new FirstShowFit(window, anchor, placement);
}

void keepWindowOnScreen(QWidget &window)
{
    const QRect frame = window.frameGeometry();
    QScreen *screen = nearestScreen(frame.center());
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize decoration = frame.size() - window.size();
    const QRect kept = clampFrame(frame, area);
    if (kept.size() != frame.size())
        window.resize(kept.size() - decoration);
    if (kept.topLeft() != frame.topLeft())
        window.move(kept.topLeft());
}

}  // namespace noctalis
