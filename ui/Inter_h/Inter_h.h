#pragma once
// The modal dialog the interface help.

#include <QDialog>

class TInter : public QDialog {
  Q_OBJECT
public:
  explicit TInter(QWidget* parent = nullptr);
};
