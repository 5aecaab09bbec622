#pragma once
// Waiting for windows to reach the screen: the callback comes once, only when every watched
// window has been painted, and a paint of a window's child counts for the window.

#include <QObject>

class PaintWatchTest : public QObject {
  Q_OBJECT
private slots:
  void waitsForEveryWindow();
  void callsBackOnce();
  void childPaintCountsForItsWindow();
};
