#include "ProjectorScale.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace soyka::app {
namespace {

// Before the window manager has framed a window its frame is not known: room for a title bar.
constexpr int TitleBarAllowance = 32;

int Fitted(int start, int length, int areaStart, int areaLength) {
  return length >= areaLength ? areaStart
                              : std::clamp(start, areaStart, areaStart + areaLength - length);
}

void FitIntoScreen(QWidget& window) {
  if (!window.screen()) {
    return;
  }
  QRect frame = window.frameGeometry();
  if (frame.top() == window.geometry().top()) {
    frame.setTop(frame.top() - TitleBarAllowance);
  }
  const QPoint fitted = FittedPosition(frame, window.screen()->availableGeometry());
  if (fitted != frame.topLeft()) {
    window.move(window.pos() + (fitted - frame.topLeft()));
  }
}

} // namespace

double FittingScale(double requested, const QSize& available) {
  const double across = static_cast<double>(available.width()) / WindowsArea.width();
  const double down = static_cast<double>(available.height()) / WindowsArea.height();
  return std::max(1.0, std::min({requested, across, down}));
}

QPoint FittedPosition(const QRect& frame, const QRect& area) {
  return {Fitted(frame.left(), frame.width(), area.left(), area.width()),
          Fitted(frame.top(), frame.height(), area.top(), area.height())};
}

void UseScale(double requested, char* programName) {
  QSize available;
  {
    // A look at the screen before the program's own application object, which takes the
    // factor when it is made.
    int argc = 1;
    char* argv[] = {programName, nullptr};
    const QGuiApplication probe(argc, argv);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      available = screen->availableSize() * screen->devicePixelRatio();
    }
  }
  const double factor = available.isEmpty() ? requested : FittingScale(requested, available);
  qputenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'g', 4));
}

ScreenFit::ScreenFit() {
  qApp->installEventFilter(this);
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event) {
  auto* window = qobject_cast<QWidget*>(watched);
  if (event->type() == QEvent::Show && window && window->isWindow() &&
      window->windowType() != Qt::Popup && window->windowType() != Qt::ToolTip) {
    // Once the window has its place (the main window centres itself as it is shown).
    QTimer::singleShot(0, window, [window] { FitIntoScreen(*window); });
  }
  return false;
}

} // namespace soyka::app
