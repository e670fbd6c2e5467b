#pragma once
#include <QFont>
#include <QImage>
#include <QWidget>

#include "platform/platform.h"
#include "picture_store.h"

namespace xantu {

// The window's drawing surface. Whatever the game draws goes into a
// persistent image of the client area, so it stays drawn until drawn over;
// paint events only show that image. Positions arrive in twips.
class CanvasWidget : public QWidget, public Canvas {
    Q_OBJECT
public:
    explicit CanvasWidget(QWidget* parent = nullptr);

    void paintPicture(int code, double x, double y) override;
    void drawBox(int colour, double x1, double y1, double x2, double y2) override;
    void printText(const std::string& text, double x, double y, int fontSize, bool bold, int colour) override;
    void setBackColour(int colour) override;
    void refresh() override;

    // Sets the logical size in pixels, keeping what was drawn.
    void setCanvasSize(QSize logical);
    // What is drawn, at device resolution.
    const QImage& image() const { return image_; }
    // The colour at a logical pixel (for checks; reads the device pixel under it).
    QColor pixelAt(int x, int y) const;

    static int toPixels(double twips);
    static double toTwips(double pixels);
    // The face used for all text; "ＭＳ Ｐ明朝" maps to an installed Mincho.
    static void installFontSubstitution();
    // The font of printText; the text's top is its ascent above the baseline.
    static QFont textFont(int fontSize, bool bold);

signals:
    // Button 1 left, 2 right; shift as 1 Shift, 2 Ctrl, 4 Alt; position in twips.
    void mousePressed(int button, int shift, double xTwips, double yTwips);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage image_;
    QColor back_;
    PictureStore pictures_;
};

}  // namespace xantu
