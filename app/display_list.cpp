#include "display_list.h"

#include <algorithm>

namespace xantu {

namespace {

// Which parts of the area later opaque pictures cover, on a grid whose lines
// are the area's edges and every picture's edges: each grid cell lies wholly
// inside or wholly outside each picture, so coverage is exact.
class Coverage {
public:
    Coverage(const QRectF& area, const std::vector<DrawItem>& items) {
        xs_ = {area.left(), area.right()};
        ys_ = {area.top(), area.bottom()};
        for (const DrawItem& item : items) {
            if (!item.opaque || item.dead) continue;
            const QRectF r = item.bounds.intersected(area);
            if (r.isEmpty()) continue;
            xs_.push_back(r.left()), xs_.push_back(r.right());
            ys_.push_back(r.top()), ys_.push_back(r.bottom());
        }
        for (auto* v : {&xs_, &ys_}) {
            std::sort(v->begin(), v->end());
            v->erase(std::unique(v->begin(), v->end()), v->end());
        }
        cells_.assign((xs_.size() - 1) * (ys_.size() - 1), 0);
    }

    bool covered(const QRectF& r) const {
        std::size_t c0, c1, r0, r1;
        if (!span(r, c0, c1, r0, r1)) return true;
        for (std::size_t row = r0; row < r1; ++row)
            for (std::size_t c = c0; c < c1; ++c)
                if (!cells_[row * (xs_.size() - 1) + c]) return false;
        return true;
    }
    bool all() const {
        return std::all_of(cells_.begin(), cells_.end(), [](unsigned char c) { return c != 0; });
    }
    void cover(const QRectF& r) {
        std::size_t c0, c1, r0, r1;
        if (!span(r, c0, c1, r0, r1)) return;
        for (std::size_t row = r0; row < r1; ++row)
            for (std::size_t c = c0; c < c1; ++c) cells_[row * (xs_.size() - 1) + c] = 1;
    }

private:
    // The grid cells r touches: columns [c0, c1), rows [r0, r1).
    bool span(const QRectF& r, std::size_t& c0, std::size_t& c1, std::size_t& r0, std::size_t& r1) const {
        c0 = first(xs_, r.left()), c1 = last(xs_, r.right());
        r0 = first(ys_, r.top()), r1 = last(ys_, r.bottom());
        return c0 < c1 && r0 < r1;
    }
    // The cell holding v; and one past the last cell that starts before v.
    static std::size_t first(const std::vector<double>& lines, double v) {
        const auto it = std::upper_bound(lines.begin(), lines.end(), v);
        return it == lines.begin() ? 0 : std::size_t(it - lines.begin()) - 1;
    }
    static std::size_t last(const std::vector<double>& lines, double v) {
        const auto it = std::lower_bound(lines.begin(), lines.end(), v);
        return std::min(std::size_t(it - lines.begin()), lines.size() - 1);
    }

    std::vector<double> xs_, ys_;
    std::vector<unsigned char> cells_;
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

bool DisplayList::prune(const QRectF& area) {
    Coverage coverage(area, items_);
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
    return coverage.all();
}

}  // namespace xantu
