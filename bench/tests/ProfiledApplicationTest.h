#pragma once
// The harnesses' application object: paints counted per widget under the name of the control
// they belong to, the share of the widget each paint covered, and a profile that starts afresh.

#include <QObject>

class ProfiledApplicationTest : public QObject {
  Q_OBJECT
private slots:
  void init();
  void countsPaintsPerWidget();
  void measuresThePaintedShare_data();
  void measuresThePaintedShare();
  void startsAfresh();
};
