#pragma once
// Drawing every window larger for a projector: the toolkit's own scale factor, cut down to what
// the screen holds, and each window kept inside the screen's available area.

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace soyka::app {

// The windows' fixed places and sizes, with their frames and the main window's menu bar, reach
// 626 pixels across and about 460 down: at any factor this area must fit the screen.
inline constexpr QSize WindowsArea{640, 480};

// The requested factor, or the largest under it at which the windows' area fits `available`
// (in the screen's own pixels); never under 1.
double FittingScale(double requested, const QSize& available);

// Where a window's frame goes so that it lies inside `area`; one larger than the area keeps its
// top-left corner, with the title bar and the menus, inside it.
QPoint FittedPosition(const QRect& frame, const QRect& area);

// Asks the screen how large it is and has the toolkit draw everything `requested` times larger,
// or as much as fits. Call before the application object exists.
void UseScale(double requested, char* programName);

// Keeps every window shown from now on inside its screen's available area.
class ScreenFit : public QObject {
public:
  ScreenFit();
  bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace soyka::app
