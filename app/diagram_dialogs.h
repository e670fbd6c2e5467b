#pragma once
#include "platform/platform.h"

class QWidget;

namespace xantu {

// The file chooser for a diagram: four kinds of file (the book style or the
// screen's, PNG or SVG), the request's style first; a name without a known
// ending gets the chosen kind's. The file is then written whole.
DiagramResult saveDiagramWithDialog(QWidget* parent, const DiagramRequest& request);

// The print dialog, then the book-style diagram on one page (the dialog
// offers a PDF file where there is no printer).
DiagramResult printDiagramWithDialog(QWidget* parent, const DiagramRequest& request);

}  // namespace xantu
