// The check and limit lines of an exercise's comments.
#include "Exercise.h"

#include <charconv>

namespace soyka {
namespace {

constexpr std::string_view Blanks = " \t";
constexpr std::string_view CheckPrefixes[] = {"Проверка:", "проверка:"};
constexpr std::string_view LimitPrefixes[] = {"Предел команд:", "предел команд:"};
constexpr std::string_view Arrow = "->";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(Blanks);
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

// The text after one of the prefixes, or nothing when the comment starts with none of them.
template <std::size_t N>
std::optional<std::string_view> After(std::string_view comment,
                                      const std::string_view (&prefixes)[N]) {
  for (std::string_view prefix : prefixes) {
    if (comment.starts_with(prefix)) {
      return comment.substr(prefix.size());
    }
  }
  return std::nullopt;
}

std::vector<std::string_view> Tokens(std::string_view text) {
  std::vector<std::string_view> tokens;
  while (!(text = Trimmed(text)).empty()) {
    const std::size_t end = std::min(text.find_first_of(Blanks), text.size());
    tokens.push_back(text.substr(0, end));
    text.remove_prefix(end);
  }
  return tokens;
}

enum class Number { Fine, NotANumber, TooLarge };

// A decimal number of digits alone, at most `limit`.
Number ReadNumber(std::string_view digits, int limit, int& value) {
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
    return Number::NotANumber;
  }
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return error == std::errc{} && end == digits.data() + digits.size() && value <= limit
             ? Number::Fine
             : Number::TooLarge;
}

std::optional<ImageFault> NumberFault(Number number) {
  switch (number) {
  case Number::Fine:
    return std::nullopt;
  case Number::NotANumber:
    return ImageFault::BadCheck;
  case Number::TooLarge:
    return ImageFault::CheckNumberTooLarge;
  }
  return ImageFault::BadCheck;
}

std::optional<ImageFault> ReadPreset(std::string_view token, std::vector<CellPreset>& presets) {
  const std::size_t equals = token.find('=');
  const std::string_view address = token.substr(0, equals);
  if (equals != 3 || address.find_first_not_of("01") != std::string_view::npos) {
    return ImageFault::BadCheck;
  }
  CellPreset preset{(address[0] - '0') * 4 + (address[1] - '0') * 2 + (address[2] - '0')};
  if (auto fault = NumberFault(ReadNumber(token.substr(4), WordLimit - 1, preset.value))) {
    return fault;
  }
  presets.push_back(preset);
  return std::nullopt;
}

std::optional<ImageFault> ReadExpected(std::string_view text, ExerciseCheck& check) {
  text = Trimmed(text);
  if (text == OverflowMessage || text == DivisionByZeroMessage) {
    check.expected = std::string(text);
    return std::nullopt;
  }
  const std::vector<std::string_view> tokens = Tokens(text);
  if (tokens.size() != static_cast<std::size_t>(DisplayRowCount)) {
    return ImageFault::BadCheck;
  }
  DisplayValues values{};
  for (std::size_t row = 0; row < values.size(); ++row) {
    if (auto fault = NumberFault(ReadNumber(tokens[row], WordLimit - 1, values[row]))) {
      return fault;
    }
  }
  check.expected = values;
  return std::nullopt;
}

std::optional<ImageFault> ReadCheck(std::string_view text, Exercise& exercise) {
  const std::size_t arrow = text.find(Arrow);
  if (arrow == std::string_view::npos) {
    return ImageFault::BadCheck;
  }
  ExerciseCheck check;
  for (std::string_view token : Tokens(text.substr(0, arrow))) {
    if (auto fault = ReadPreset(token, check.presets)) {
      return fault;
    }
  }
  if (auto fault = ReadExpected(text.substr(arrow + Arrow.size()), check)) {
    return fault;
  }
  exercise.checks.push_back(std::move(check));
  return std::nullopt;
}

std::optional<ImageFault> ReadLimit(std::string_view text, Exercise& exercise, bool& limitSeen) {
  if (limitSeen) {
    return ImageFault::SecondCommandLimit;
  }
  int limit = 0;
  if (ReadNumber(Trimmed(text), MaxCommandLimit, limit) != Number::Fine || limit < 1) {
    return ImageFault::BadCommandLimit;
  }
  exercise.commandLimit = limit;
  limitSeen = true;
  return std::nullopt;
}

} // namespace

std::optional<ImageFault> ReadCheckComment(std::string_view comment, Exercise& exercise,
                                           bool& limitSeen) {
  comment = Trimmed(comment.substr(1));
  if (const auto check = After(comment, CheckPrefixes)) {
    return ReadCheck(*check, exercise);
  }
  if (const auto limit = After(comment, LimitPrefixes)) {
    return ReadLimit(*limit, exercise, limitSeen);
  }
  return std::nullopt;
}

} // namespace soyka
