// Mouse events go through the window (not straight to the widget), as a real pointer's do.
#define QTEST_QPA_MOUSE_HANDLING

#include "Delivery.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace soyka::monkey {
namespace {

bool AnyDelayedClick() {
  const QList<QWidget*> widgets = QApplication::allWidgets();
  for (const QWidget* widget : widgets) {
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    if (button && button->isDown()) {
      return true;
    }
  }
  return false;
}

// Two presses with one time stamp, which the toolkit takes as a double click. If the first
// press changed what is on top (it closed the window, opened a pop-up or a modal window), the
// second lands elsewhere on a real screen; here it is dropped.
void DoubleClickAt(QWidget* window, QPoint point) {
  const QPointer<QWidget> guarded(window);
  const QWidget* modal = QApplication::activeModalWidget();
  const QWidget* popup = QApplication::activePopupWidget();
  QWindow* handle = window->windowHandle();
  const QPointF global = handle->mapToGlobal(QPointF(point));
  QTest::lastMouseTimestamp += 1;
  for (int half = 0; half < 2; ++half) {
    if (!guarded || !guarded->isVisible() || QApplication::activeModalWidget() != modal ||
        QApplication::activePopupWidget() != popup) {
      break;
    }
    qt_handleMouseEvent(handle, QPointF(point), global, Qt::LeftButton, Qt::LeftButton,
                        QEvent::MouseButtonPress, Qt::NoModifier, QTest::lastMouseTimestamp);
    qt_handleMouseEvent(handle, QPointF(point), global, Qt::NoButton, Qt::LeftButton,
                        QEvent::MouseButtonRelease, Qt::NoModifier, QTest::lastMouseTimestamp);
    QCoreApplication::processEvents();
  }
  QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval;
}

} // namespace

QString ClickName(Click kind) {
  switch (kind) {
  case Click::Left:
    return QStringLiteral("click");
  case Click::Right:
    return QStringLiteral("right-click");
  case Click::Double:
    return QStringLiteral("double-click");
  }
  return {};
}

void Activate(QWidget* window) {
  if (QApplication::activeWindow() == window) {
    return;
  }
  window->raise();
  window->activateWindow();
  QCoreApplication::processEvents();
}

void ClickAt(QWidget* window, QPoint point, Click kind) {
  QWidget* child = window->childAt(point);
  QWidget* target = child ? child : window;
  const QPoint at = target->mapFrom(window, point);
  switch (kind) {
  case Click::Left:
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
    break;
  case Click::Right:
    QTest::mouseClick(target, Qt::RightButton, Qt::NoModifier, at);
    break;
  case Click::Double:
    DoubleClickAt(window, point);
    break;
  }
}

void PressKey(QWindow* window, const LearnerKey& key) {
  QTest::sendKeyEvent(QTest::Click, window, key.key, key.text, key.modifiers);
}

void SettleDelayedClicks() {
  constexpr int LongestWaitMs = 2000;
  QElapsedTimer waited;
  waited.start();
  while (AnyDelayedClick() && waited.elapsed() < LongestWaitMs) {
    QTest::qWait(5);
  }
}

} // namespace soyka::monkey
