#pragma once
// The example program's memory image and its loader.

#include "Machine.h"

#include <array>
#include <cstdint>

// Cell 000 first; within a cell bit 12 first.
extern const std::array<std::uint8_t, soyka::CellCount * soyka::WordBits> ExampleImage;

// Writes the example into all 96 bits of Memory, and nothing else.
void LoadExample(soyka::MachineState& state);
