#pragma once
// The launcher that times a harness from outside: clock readings become milliseconds since the
// spawn, other lines pass through, and the harness's exit status comes back.

#include <QObject>

class LaunchTest : public QObject {
  Q_OBJECT
private slots:
  void convertsReadingsAndPassesTheRest();
  void returnsTheProgramsStatus_data();
  void returnsTheProgramsStatus();
};
