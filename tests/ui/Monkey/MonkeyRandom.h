#pragma once
// The monkey's dice: one seeded stream, the same numbers on every machine and library, so a seed
// replays the same learner.

#include <cstdint>
#include <vector>

namespace soyka::monkey {

class MonkeyRandom {
public:
  explicit MonkeyRandom(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  // 0 to n - 1; n must be positive.
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

  // low to high, both included.
  int Between(int low, int high) { return low + Below(high - low + 1); }

  // Index of a choice drawn with the given weights (at least one positive).
  int Weighted(const std::vector<int>& weights) {
    int total = 0;
    for (const int weight : weights) {
      total += weight;
    }
    int roll = Below(total);
    for (std::size_t i = 0; i < weights.size(); ++i) {
      if (roll < weights[i]) {
        return static_cast<int>(i);
      }
      roll -= weights[i];
    }
    return static_cast<int>(weights.size()) - 1;
  }

  template <typename T> const T& Pick(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
  }

private:
  std::uint64_t state_;
};

} // namespace soyka::monkey
