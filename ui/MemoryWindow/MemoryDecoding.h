#pragma once
// The texts of the decoding menu: a cell read as a command, as its three addresses with the
// numbers stored there, or as a number. Lines are separated by carriage returns.

#include "Machine.h"

#include <array>
#include <string>

namespace soyka::ui {

using MemoryCells = std::array<Word12, CellCount>;

// "Команда": the cell's address and its operation's entry of the command table.
std::string decodeCommandText(const Word12& cell, int row);

// "Адреса": the cell's address, then A1, A2 and A3 with the value of the cell each names.
std::string decodeAddressesText(const MemoryCells& memory, int row);

// "10-е число": the cell's address and its value, 0 to 4095.
std::string decodeNumberText(const Word12& cell, int row);

} // namespace soyka::ui
