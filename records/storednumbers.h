#pragma once
// Numbers as the game reads them back from text: the settings file, the
// high-score table and the read-outs it counts in. Every rule that turns
// stored text into a number is here; each stored value keeps the rule it has
// always been read by, so they differ in small ways on purpose:
//
//   value                             read by                  rule
//   DIFFICULTY LEVEL                  ProfileReadInt           IniLeadingInt, Saturate16; absent 0
//   STATS <level>_PLAY, _WON          ProfileReadInt           the same, at the end of a game
//     shown in the High Scores window CounterText              LeadingNumber, Saturate16
//     the share won                   PercentWon               LeadingNumber of both counters
//   HIGH_SCORES FIFTH_SCORE           GameOver                 LeadingValue, rounded half to even
//   HIGH_SCORES_<level> SCORE1..5     the High Scores window   WholeNumber
//   Sizes Width, Height               the main window's load   StoredTwips
//   the read-out updatecount          BumpUpdateCount          LeadingNumber
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pellumo {

// The leading whole number of a text as the game reads stored numbers: an
// optional sign and digits after leading blanks; 0 when there are none.
long LeadingNumber(std::string_view text);
// The leading decimal value of a text (sign, digits, a fraction and an
// exponent), as stored scores and thresholds are read; 0 when there is none.
double LeadingValue(std::string_view text);
// A stored number as a whole number: its leading value rounded half to even,
// saturated to the 16-bit range of the game's numbers.
std::int16_t WholeNumber(std::string_view text);

// Leading decimal number of a value (blanks, an optional sign, digits), 0
// without digits, saturated to the 32-bit range: how the INI reader takes a
// number.
std::int32_t IniLeadingInt(std::string_view value);

// A number within the 16-bit range of the game's numbers: beyond it, it
// stays at the nearer end rather than wrapping, so a huge count never turns
// negative.
std::int16_t Saturate16(long long value);

// A counter as the High Scores window shows it: the leading whole number,
// within the 16-bit range of the stored counts.
std::string CounterText(std::string_view stored);

// A stored size in twips: the text must be a number as a whole (blanks
// around it allowed), rounded half to even; nothing when it is not, or not
// positive.
std::optional<std::int32_t> StoredTwips(const std::string& text);

}  // namespace pellumo
