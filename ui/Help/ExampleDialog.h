#pragma once
// The example program window, and the example's memory image.

#include "Machine.h"

#include <QDialog>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>
#include <cstdint>

// Cell 000 first; within a cell bit 12 first.
extern const std::array<std::uint8_t, soyka::CellCount * soyka::WordBits> ExampleImage;

// Writes the example into all 96 bits of Memory, and nothing else.
void LoadExample(soyka::MachineState& state);

class Tprimer : public QDialog {
  Q_OBJECT
public:
  // Modal results of the two buttons.
  static constexpr int ResultOk = 1;
  static constexpr int ResultRetry = 4;

  explicit Tprimer(soyka::MachineState& state, QWidget* parent = nullptr);

  void setVisible(bool visible) override;

  QFrame* Panel1;
  QPlainTextEdit* Memo1;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;

public slots:
  void BitBtn1Click();
  void BitBtn2Click();
  // Closing the window any other way (Escape) loads nothing, as OK does.
  void reject() override;

private:
  soyka::MachineState& state_;
};
