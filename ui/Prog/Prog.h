#pragma once
// The modal dialog about the program.

#include <QDialog>

class TAbout_prog : public QDialog {
  Q_OBJECT
public:
  explicit TAbout_prog(QWidget* parent = nullptr);
};
