#pragma once
// The modal dialog acknowledgements.

#include <QDialog>

class TThanks : public QDialog {
  Q_OBJECT
public:
  explicit TThanks(QWidget* parent = nullptr);
};
