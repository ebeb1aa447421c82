#include "records/storednumbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace pellumo {

namespace {

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

long LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (value < 1000000000L) value = value * 10 + (text[i] - '0');  // saturates
  }
  return negative ? -value : value;
}

double LeadingValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  const std::size_t start = i;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  auto digits = [&] {
    const std::size_t from = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    return i - from;
  };
  std::size_t mantissa = digits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return 0.0;
  std::size_t end = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    if (digits() > 0) end = i;
  }
  const std::string number(text.substr(start, end - start));
  const double value = std::strtod(number.c_str(), nullptr);
  return std::isfinite(value) ? value : 0.0;
}

std::int16_t WholeNumber(std::string_view text) {
  const double value = std::nearbyint(LeadingValue(text));
  if (value > 32767.0) return 32767;
  if (value < -32768.0) return -32768;
  return static_cast<std::int16_t>(value);
}

std::int32_t IniLeadingInt(std::string_view value) {
  value = TrimBlanks(value);
  bool negative = false;
  if (value.starts_with('+') || value.starts_with('-')) {
    negative = value[0] == '-';
    value.remove_prefix(1);
  }
  constexpr std::int64_t kCap = std::int64_t{1} << 31;
  std::int64_t n = 0;
  for (const char c : value) {
    if (c < '0' || c > '9') break;
    n = std::min(n * 10 + (c - '0'), kCap);
  }
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(negative ? -n : n, -kCap, kCap - 1));
}

std::int16_t Saturate16(long long value) {
  return static_cast<std::int16_t>(std::clamp<long long>(value, -32768, 32767));
}

std::string CounterText(std::string_view stored) {
  return std::to_string(Saturate16(LeadingNumber(stored)));
}

std::optional<std::int32_t> StoredTwips(const std::string& text) {
  const std::string_view number = TrimBlanks(text);
  if (number.empty()) return std::nullopt;
  const char* begin = number.data();
  const char* end = number.data() + number.size();
  if (*begin == '+') ++begin;
  double value = 0;
  const auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  const double whole = std::nearbyint(value);
  if (whole < 1 || whole > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::int32_t>(whole);
}

}  // namespace pellumo
