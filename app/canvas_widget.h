#pragma once
#include <QFont>
#include <QImage>
#include <QWidget>
#include <vector>

#include "display_list.h"
#include "picture_store.h"
#include "platform/platform.h"
#include "twips_view.h"

namespace xantu {

// The window's drawing surface. The game draws in twips on an area of fixed
// size; the surface shows that area whole, scaled to fit the widget and
// centred, with the theme's pictures around it. What is drawn goes both into
// a persistent image of the widget, so it stays until drawn over, and into a
// list of drawing calls, from which the image is made again at a new size.
// Paint events only show the image, with the marks on top.
class CanvasWidget : public QWidget, public Canvas {
    Q_OBJECT
public:
    explicit CanvasWidget(QWidget* parent = nullptr);

    void paintPicture(int code, double x, double y) override;
    void drawBox(int colour, double x1, double y1, double x2, double y2, double pen) override;
    void drawPolyline(int colour, const std::vector<Point>& points, double pen, bool filled) override;
    void printText(const std::string& text, double x, double y, int fontSize, bool bold, int colour) override;
    void setBackColour(int colour) override;
    void refresh() override;
    void setArea(double width, double height) override;
    void setSurround(const Surround& surround) override;
    void setMarks(const std::vector<Mark>& marks) override;

    // The area's size in logical pixels at 100 %.
    QSize naturalSize() const;
    QSize sizeHint() const override { return naturalSize(); }
    QSize minimumSizeHint() const override { return naturalSize() / 4; }

    // Makes the whole image again from the drawing calls, at the widget's size.
    void redrawAll();
    const TwipsView& view() const { return view_; }
    // Logical pixels of the widget for a box in twips, and the ratio of
    // logical pixels to pixels at 100 % (for widgets placed over the area).
    QRect logicalRect(double left, double top, double width, double height) const;
    double logicalScale() const;
    const std::vector<Mark>& marks() const { return marks_; }
    std::size_t drawCallsKept() const { return list_.items().size(); }
    // With pruning off every drawing call is kept and drawn again (for
    // checks that pruning changes nothing that shows).
    void setPruning(bool on) { pruning_ = on; }

    // What is drawn, at device resolution (marks not included).
    const QImage& image() const { return image_; }
    // The colour at a logical pixel (for checks; reads the device pixel under it).
    QColor pixelAt(int x, int y) const;

    // Twips and pixels at 100 %.
    static int toPixels(double twips);
    static double toTwips(double pixels);
    // The face used for all text; "ＭＳ Ｐ明朝" maps to an installed Mincho.
    static void installFontSubstitution();
    // The font of printText at 100 %; the text's top is its ascent above the baseline.
    static QFont printFont(int fontSize, bool bold);

signals:
    // Button 1 left, 2 right; shift as 1 Shift, 2 Ctrl, 4 Alt; position in twips.
    void mousePressed(int button, int shift, double xTwips, double yTwips);
    // The wheel turned by whole notches (positive: away from the user).
    void wheelTurned(int steps, double xTwips, double yTwips);
    // The scale or the placing of the area changed.
    void viewChanged();
    // The game's area took another size (the window around it may follow).
    void areaChanged(QSizeF before, QSizeF after);
    // The widget's own size changed (logical pixels).
    void resized(QSize size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize deviceSize() const;
    void renderItem(QPainter& p, const DrawItem& item);
    void renderSurround(QPainter& p);
    void renderMarks(QPainter& p) const;
    // Adds the item and draws it on the image.
    void keep(DrawItem item);

    QSizeF area_;
    TwipsView view_;
    QImage image_;
    QColor back_;
    PictureStore pictures_;
    DisplayList list_;
    Surround surround_;
    std::vector<Mark> marks_;
    int wheelEighths_ = 0;  // a turn of less than a notch so far
    bool pruning_ = true;
};

}  // namespace xantu
