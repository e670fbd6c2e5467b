#pragma once
#include <functional>
#include <string>

#include "diagram/diagram.h"

namespace xantu {

// The PNG file of one of the game's pictures by its code (empty when there
// is none); the front end reads them from where it keeps them.
using PictureFile = std::function<std::string(int code)>;

// The diagram as an SVG document (UTF-8): boxes as rectangles, texts as
// text in the Mincho faces (a board piece in the class "piece"), and each
// picture once, embedded as PNG, placed wherever it is used. Its size is
// the diagram's at its scale.
std::string diagramSvg(const Diagram& diagram, const PictureFile& pictureFile);

}  // namespace xantu
