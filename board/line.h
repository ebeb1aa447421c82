#pragma once
// A line of the board: its orientation and its number (1..72 on the board).
// The words "horz" and "vert" are how a line is shown, stored and read (the
// move history and its log, `updatetheline`, the text harness); the two
// conversions below are the only place where the words meet this type.
#include <compare>
#include <cstdint>
#include <optional>
#include <string_view>

namespace pellumo {

enum class Orientation : std::uint8_t { Horizontal, Vertical };

struct Line {
  Orientation orientation = Orientation::Horizontal;
  std::int16_t number = 0;

  // Horizontal lines first, each orientation in number order: the order in
  // which the board lists its lines.
  auto operator<=>(const Line&) const = default;
};

// "horz" or "vert".
constexpr std::string_view CompassWord(Orientation orientation) {
  return orientation == Orientation::Horizontal ? "horz" : "vert";
}

// The line that a word and a number name; nothing unless the word is exactly
// "horz" or "vert". The number is not checked: a line off the board has no
// control in the line store.
constexpr std::optional<Line> LineNamed(std::string_view Compass, std::int16_t n) {
  for (Orientation o : {Orientation::Horizontal, Orientation::Vertical}) {
    if (Compass == CompassWord(o)) return Line{o, n};
  }
  return std::nullopt;
}

}  // namespace pellumo
