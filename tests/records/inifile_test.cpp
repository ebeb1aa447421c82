// The INI reader and writer on text in memory: what counts as a section or a
// key, which occurrence wins, and that a write changes nothing but its line.
#include "records/inifile.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "records/storednumbers.h"

namespace pellumo {
namespace {

using namespace std::string_literals;

TEST(IniLookup, FindsTheFirstMatchingKeyOfTheFirstMatchingSection) {
  const std::string sizes = "  [ Sizes ]  \nWidth = 9600\n\tHEIGHT\t=\t7200\t\n";
  const std::string twice = "[S]\nk=1\nk=2\n[s]\nk=3\nother=4\n";
  const std::string junk = "\x00[S]\n[S\x00]\nk=1\n[S]\nk=\x00"s + "2\n";
  const struct { std::string text, section, key; std::optional<std::string> value; } cases[] = {
      {sizes, "sizes", "WIDTH", "9600"},  // names trimmed, ASCII case ignored
      {sizes, "SIZES", "height", "7200"},
      {sizes, "Size", "Width", std::nullopt},
      {"[\xC3\xA9]\nk=1\n", "\xC3\xA9", "K", "1"},  // "é" matches itself ...
      {"[\xC3\xA9]\nk=1\n", "\xC3\x89", "k", std::nullopt},  // ... but not "É"
      {twice, "S", "k", "1"},
      {twice, "S", "other", std::nullopt},  // only the first section is read
      {"k=0\n[A]\nx=1\n[B]\nk=2\n", "B", "k", "2"},  // keys before any section ignored
      {"[S]\nk\n; k=comment\n  \nk=5\n", "S", "k", "5"},  // lines without "k=" skipped
      {"[S]\nk= a=b [c] \n", "S", "k", "a=b [c]"},
      {"[S]\r\nk=1\r", "S", "k", "1"},  // a CR that ends the text ends the line too
      {junk, "S", "k", "\x00"s + "2"},  // NUL bytes are just bytes
      {junk, "S\x00"s, "k", "1"},
      {"[S   X]\nk  Y  z=a  b c \n", "S\r\n[X]", "k\n[Y]=z", "a  b c"},  // as written below
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text + " -> [" + c.section + "] " + c.key);
    EXPECT_EQ(IniLookup(c.text, c.section, c.key), c.value);
  }
}

TEST(IniUpdate, ChangesOnlyTheLineItWrites) {
  const struct { std::string text, section, key, value, after; } cases[] = {
      // The first match's value only; its spelling, other duplicates, comments stay.
      {"; top\n[S]\n odd line\n K = 1 ; old\nk=2\n\n[s]\nk=3\n", "s", "k", "9",
       "; top\n[S]\n odd line\n K =9\nk=2\n\n[s]\nk=3\n"},
      // A new key follows the section's last filled line.
      {"[A]\nx=1\n; note\n\n\n[B]\ny=2\n", "A", "z", "3", "[A]\nx=1\n; note\nz=3\n\n\n[B]\ny=2\n"},
      {"[A]\n\n[B]\n", "A", "z", "3", "[A]\nz=3\n\n[B]\n"},
      {"", "S", "k", "v", "[S]\nk=v\n"},
      {"[A]\nx=1", "A", "y", "2", "[A]\nx=1\ny=2\n"},
      // A last line ending in a bare CR gets only its LF, so its value stays "1";
      // what is added takes the file's line ends.
      {"[A]\nx=1\r", "A", "y", "2", "[A]\nx=1\r\ny=2\n"},
      {"[A]\r\nx=1\r", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n"},
      {"[A]\r\nx=1\r", "B", "y", "2", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
      {"[A]\nx=1", "A", "x", "2", "[A]\nx=2"},
      // A replaced line keeps its own line end.
      {"[A]\nx=1\r\ny=1\n", "A", "x", "2", "[A]\nx=2\r\ny=1\n"},
      {"\xEF\xBB\xBF[A]\nx=1\n", "a", "x", "2", "\xEF\xBB\xBF[A]\nx=2\n"},
      // Line breaks, "[", "]" and "=" cannot start a line, section or key.
      {"", "S\r\n[X]", "k\n[Y]=z", "a\r\nb\rc\n", "[S   X]\nk  Y  z=a  b c \n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text + " <- [" + c.section + "] " + c.key + "=" + c.value);
    EXPECT_EQ(IniUpdate(c.text, c.section, c.key, c.value), c.after);
  }
}

TEST(IniLeadingInt, ReadsTheLeadingDecimalNumberSaturatedToThirtyTwoBits) {
  const std::pair<std::string, std::int32_t> cases[] = {
      {"12abc", 12}, {"abc", 0},  {"  -7", -7}, {"\t+8 9", 8}, {"- 7", 0},
      {"2147483648", 2147483647}, {"-99999999999999999999999999", -2147483647 - 1},
  };
  for (const auto& [text, number] : cases) EXPECT_EQ(IniLeadingInt(text), number) << text;
}

}  // namespace
}  // namespace pellumo
