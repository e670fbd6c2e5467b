#pragma once

class QApplication;

namespace xantu {

// What the application needs before its window is built: Japanese button
// texts in the standard dialogs and the window's Mincho face.
void setUpApplication(QApplication& app);

}  // namespace xantu
