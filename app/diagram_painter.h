#pragma once
#include <QImage>
#include <string>

#include "diagram/diagram.h"

class QPainter;

namespace xantu {

class PictureStore;

// Paints the diagram with the painter, one pixel of the diagram to one unit
// of the painter: its background, then every shape in order. `pictures`
// must be made for the device pixels one unit covers.
void paintDiagram(QPainter& painter, const Diagram& diagram, PictureStore& pictures);

// The diagram as a picture at its scale.
QImage diagramImage(const Diagram& diagram);

// The PNG file of a picture of the game at twice its size (empty when the
// code has none), as the diagrams at that scale embed it.
std::string pictureFileAtTwice(int code);

}  // namespace xantu
