#pragma once
// Window frames: fixed client size and position in pixels, and title bars without buttons where
// a window must be closed only through its own controls.

#include <QWidget>

namespace soyka::ui {

enum class TitleButtons { None, CloseOnly, Standard };

// Sets the caption, the fixed client size and the frame's top-left corner on the screen. A window
// that stays on top stands above the application's other windows; the control panel does, and so
// must every modal dialog, or the panel would cover the dialog's text and buttons. Closing such a
// window never ends the program: only the main window's closing does.
void setUpFixedWindow(QWidget* window, const QString& caption, int clientWidth, int clientHeight,
                      TitleButtons buttons, bool stayOnTop, Qt::WindowType kind = Qt::Window);

} // namespace soyka::ui
