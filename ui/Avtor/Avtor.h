#pragma once
// The modal dialog about the author.

#include <QDialog>

class TAbout_avtor : public QDialog {
  Q_OBJECT
public:
  explicit TAbout_avtor(QWidget* parent = nullptr);
};
