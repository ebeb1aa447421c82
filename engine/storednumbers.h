#pragma once
// Numbers as the game reads them back from text: the settings file, the
// high-score table and the read-outs it counts in.
#include <cstdint>
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

}  // namespace pellumo
