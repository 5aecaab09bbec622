#pragma once
// The machine's sizes and its rows of bits: the vocabulary the state and the views share.

#include <array>
#include <cstddef>
#include <cstdint>

namespace soyka {

inline constexpr int WordBits = 12;
inline constexpr int CellCount = 8;
inline constexpr int CounterBitCount = 3;
inline constexpr int DisplayRowCount = 3;
// The first value that no longer fits in a word: results from here on overflow.
inline constexpr int WordLimit = 4096;

// A row of bits indexed from 1, each byte 0 or 1; bit 1 is the least significant.
template <int Count> struct BitRow {
  std::array<std::uint8_t, Count> bits{};

  std::uint8_t& operator[](int k) { return bits[static_cast<std::size_t>(k - 1)]; }
  std::uint8_t operator[](int k) const { return bits[static_cast<std::size_t>(k - 1)]; }
  bool operator==(const BitRow&) const = default;
};

using Word12 = BitRow<WordBits>;
using CounterBits3 = BitRow<CounterBitCount>;

} // namespace soyka
