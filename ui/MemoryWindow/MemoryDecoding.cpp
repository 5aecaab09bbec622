#include "MemoryDecoding.h"

namespace soyka::ui {
namespace {

struct AddressField {
  const char* name;
  int high;
  int low;
};

constexpr std::array<AddressField, 3> AddressFields{{{"A1", 9, 7}, {"A2", 6, 4}, {"A3", 3, 1}}};

} // namespace

std::string decodeCommandText(const Word12& cell, int row) {
  const int opcode = FieldValue(cell, 12, 10);
  return "Ячейка " + AddressText(row) + ":\rкоманда - " +
         std::string(CommandTable[static_cast<std::size_t>(opcode)]);
}

std::string decodeAddressesText(const MemoryCells& memory, int row) {
  const Word12& cell = memory[static_cast<std::size_t>(row)];
  std::string text = "Команда " + AddressText(row) + ":\r";
  for (const AddressField& field : AddressFields) {
    const int address = FieldValue(cell, field.high, field.low);
    text += std::string(field.name) + "  = " + BitsText(cell, field.high, field.low) +
            ",    число: " + std::to_string(WordValue(memory[static_cast<std::size_t>(address)])) +
            "\r";
  }
  return text;
}

std::string decodeNumberText(const Word12& cell, int row) {
  return "Ячейка " + AddressText(row) + ": число " + std::to_string(WordValue(cell));
}

} // namespace soyka::ui
