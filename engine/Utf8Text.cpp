#include "Utf8Text.h"

#include <cstddef>

namespace soyka {
namespace {

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// The length of the sequence that `lead` opens, and the range its second byte must lie in (which
// rules out overlong forms, surrogates and code points above U+10FFFF); 0 for a byte that opens
// none.
struct SequenceRule {
  std::size_t length;
  unsigned char secondLow;
  unsigned char secondHigh;
};

SequenceRule RuleFor(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) {
    return {2, 0x80, 0xBF};
  }
  if (lead == 0xE0) {
    return {3, 0xA0, 0xBF};
  }
  if (lead == 0xED) {
    return {3, 0x80, 0x9F};
  }
  if (lead >= 0xE1 && lead <= 0xEF) {
    return {3, 0x80, 0xBF};
  }
  if (lead == 0xF0) {
    return {4, 0x90, 0xBF};
  }
  if (lead >= 0xF1 && lead <= 0xF3) {
    return {4, 0x80, 0xBF};
  }
  if (lead == 0xF4) {
    return {4, 0x80, 0x8F};
  }
  return {0, 0, 0};
}

} // namespace

bool IsUtf8Text(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead == 0) {
      return false;
    }
    if (lead < 0x80) {
      ++i;
      continue;
    }
    const SequenceRule rule = RuleFor(lead);
    if (rule.length == 0 || bytes.size() - i < rule.length) {
      return false;
    }
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    if (second < rule.secondLow || second > rule.secondHigh) {
      return false;
    }
    for (std::size_t k = 2; k < rule.length; ++k) {
      if (!IsContinuation(static_cast<unsigned char>(bytes[i + k]))) {
        return false;
      }
    }
    i += rule.length;
  }
  return true;
}

} // namespace soyka
