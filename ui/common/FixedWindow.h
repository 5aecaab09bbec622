#pragma once
// Window frames: fixed client size and position in pixels, and title bars without buttons where
// a window must be closed only through its own controls.

#include <QWidget>

namespace soyka::ui {

enum class TitleButtons { None, CloseOnly, Standard };

// Sets the caption, the fixed client size and the frame's top-left corner on the screen.
void setUpFixedWindow(QWidget* window, const QString& caption, int clientWidth, int clientHeight,
                      TitleButtons buttons, bool stayOnTop);

} // namespace soyka::ui
