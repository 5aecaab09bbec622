#include "MemoryDecoding.h"

#include <utility>

namespace soyka::ui {

std::string decodeCommandText(const Word12& cell, int row) {
  return "Ячейка " + AddressText(row) + ":\rкоманда - " +
         std::string(CommandTable[static_cast<std::size_t>(SplitCommand(cell).Opcode)]);
}

std::string decodeAddressesText(const MemoryCells& memory, int row) {
  const CommandFields fields = SplitCommand(memory[static_cast<std::size_t>(row)]);
  const std::array<std::pair<const char*, int>, 3> addresses{
      {{"A1", fields.A1}, {"A2", fields.A2}, {"A3", fields.A3}}};
  std::string text = "Команда " + AddressText(row) + ":\r";
  for (const auto& [name, address] : addresses) {
    text += std::string(name) + "  = " + AddressText(address) +
            ",    число: " + std::to_string(WordValue(memory[static_cast<std::size_t>(address)])) +
            "\r";
  }
  return text;
}

std::string decodeNumberText(const Word12& cell, int row) {
  return "Ячейка " + AddressText(row) + ": число " + std::to_string(WordValue(cell));
}

} // namespace soyka::ui
