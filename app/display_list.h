#pragma once
#include <QRectF>
#include <QString>
#include <cstddef>
#include <vector>

namespace xantu {

// One drawing call of the game, in twips, kept so that the whole drawing can
// be made again at another scale.
struct DrawItem {
    enum class Kind { Picture, Box, Text, Polyline } kind = Kind::Picture;
    int code = 0;  // picture code, or palette colour for boxes and text
    double x = 0, y = 0;
    double x2 = 0, y2 = 0;        // a box's far corner
    double pen = 0;               // a box's or a polyline's line width
    std::vector<QPointF> points;  // a polyline's points
    bool filled = false;          // a polyline that is a filled polygon
    QString text;
    int fontSize = 0;
    bool bold = false;
    QRectF bounds;        // every twip the item may touch
    bool opaque = false;  // hides all under its bounds
    bool dead = false;
};

// The drawing calls in order, without those wholly hidden by later pictures
// or replaced by a later box over the same corners, so that it stays about
// as long as the screen has things on it however long the game runs.
class DisplayList {
public:
    void clear() {
        items_.clear();
        pruneAt_ = kFirstPrune;
    }
    // Adds an item. For a box, earlier boxes over the same corners are
    // dropped and the widest of their pens returned (0 when none).
    double add(DrawItem item);
    const std::vector<DrawItem>& items() const { return items_; }
    // Drops what is hidden or lies outside `area` once the list has grown.
    void pruneIfLong(const QRectF& area);
    // Drops it now; true when pictures cover the whole area.
    bool prune(const QRectF& area);

private:
    static constexpr std::size_t kFirstPrune = 1024;
    std::vector<DrawItem> items_;
    std::size_t pruneAt_ = kFirstPrune;
};

}  // namespace xantu
