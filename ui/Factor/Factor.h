#pragma once
// The example program window, and the example's memory image.

#include "Main.h"

#include <QDialog>
#include <array>
#include <cstdint>

// Cell 000 first; within a cell bit 12 first.
extern const std::array<std::uint8_t, soyka::CellCount * soyka::WordBits> ExampleImage;

class Tprimer : public QDialog {
  Q_OBJECT
public:
  explicit Tprimer(soyka::MachineState& state, QWidget* parent = nullptr);

private:
  soyka::MachineState& state_;
};
