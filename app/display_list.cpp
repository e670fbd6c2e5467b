#include "display_list.h"

#include <algorithm>
#include <cmath>

namespace xantu {

namespace {

// Coverage is tracked on a grid of one 100 % pixel.
constexpr double kGrid = 15.0;

struct Coverage {
    int columns = 0, rows = 0;
    QRectF area;
    std::vector<unsigned char> cells;

    explicit Coverage(const QRectF& a)
        : columns(std::max(0, int(std::ceil(a.width() / kGrid)))),
          rows(std::max(0, int(std::ceil(a.height() / kGrid)))),
          area(a),
          cells(std::size_t(columns) * std::size_t(rows), 0) {}

    // Grid cells wholly inside r (inner) or touched by r (outer), clamped.
    void span(const QRectF& r, bool inner, int& c0, int& c1, int& r0, int& r1) const {
        const double left = (r.left() - area.left()) / kGrid, right = (r.right() - area.left()) / kGrid;
        const double top = (r.top() - area.top()) / kGrid, bottom = (r.bottom() - area.top()) / kGrid;
        c0 = int(inner ? std::ceil(left) : std::floor(left));
        c1 = int(inner ? std::floor(right) : std::ceil(right)) - 1;
        r0 = int(inner ? std::ceil(top) : std::floor(top));
        r1 = int(inner ? std::floor(bottom) : std::ceil(bottom)) - 1;
        c0 = std::max(c0, 0), r0 = std::max(r0, 0);
        c1 = std::min(c1, columns - 1), r1 = std::min(r1, rows - 1);
    }
    bool covered(const QRectF& r) const {
        int c0, c1, r0, r1;
        span(r, false, c0, c1, r0, r1);
        for (int row = r0; row <= r1; ++row)
            for (int c = c0; c <= c1; ++c)
                if (!cells[std::size_t(row) * std::size_t(columns) + std::size_t(c)]) return false;
        return true;
    }
    void cover(const QRectF& r) {
        int c0, c1, r0, r1;
        span(r, true, c0, c1, r0, r1);
        for (int row = r0; row <= r1; ++row)
            for (int c = c0; c <= c1; ++c) cells[std::size_t(row) * std::size_t(columns) + std::size_t(c)] = 1;
    }
};

}  // namespace

double DisplayList::add(DrawItem item) {
    double replaced = 0;
    if (item.kind == DrawItem::Kind::Box) {
        for (DrawItem& old : items_)
            if (!old.dead && old.kind == DrawItem::Kind::Box && old.x == item.x && old.y == item.y &&
                old.x2 == item.x2 && old.y2 == item.y2) {
                old.dead = true;
                replaced = std::max(replaced, old.pen);
            }
    }
    items_.push_back(std::move(item));
    return replaced;
}

void DisplayList::pruneIfLong(const QRectF& area) {
    if (items_.size() < pruneAt_) return;
    prune(area);
    pruneAt_ = std::max(kFirstPrune, items_.size() * 2);
}

void DisplayList::prune(const QRectF& area) {
    Coverage coverage(area);
    // From the newest back: an item is hidden when later opaque pictures
    // cover every grid cell it touches.
    for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
        if (it->dead) continue;
        const QRectF visible = it->bounds.intersected(area);
        if (visible.isEmpty() || coverage.covered(visible)) {
            it->dead = true;
            continue;
        }
        if (it->opaque) coverage.cover(visible);
    }
    items_.erase(std::remove_if(items_.begin(), items_.end(), [](const DrawItem& d) { return d.dead; }), items_.end());
}

}  // namespace xantu
