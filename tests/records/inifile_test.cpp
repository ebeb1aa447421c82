// The INI reader and writer on text in memory: what counts as a section or a
// key, which occurrence wins, and that a write changes nothing but its line.
#include "records/inifile.h"

#include <gtest/gtest.h>

#include <string>

namespace pellumo {
namespace {

using namespace std::string_literals;

TEST(IniLookup, SectionsAndKeysAreTrimmedAndMatchedWithoutCase) {
  const std::string text = "  [ Sizes ]  \nWidth = 9600\n\tHEIGHT\t=\t7200\t\n";
  EXPECT_EQ(IniLookup(text, "sizes", "WIDTH"), "9600");
  EXPECT_EQ(IniLookup(text, "SIZES", "height"), "7200");
  EXPECT_EQ(IniLookup(text, "Sizes", "Depth"), std::nullopt);
  EXPECT_EQ(IniLookup(text, "Size", "Width"), std::nullopt);
}

TEST(IniLookup, OnlyAsciiLettersFoldCase) {
  const std::string text = "[\xC3\xA9]\nk=1\n";  // "é"; "É" is "\xC3\x89"
  EXPECT_EQ(IniLookup(text, "\xC3\xA9", "K"), "1");
  EXPECT_EQ(IniLookup(text, "\xC3\x89", "k"), std::nullopt);
}

TEST(IniLookup, FirstOccurrenceWins) {
  const std::string text = "[S]\nk=1\nk=2\n[s]\nk=3\nother=4\n";
  EXPECT_EQ(IniLookup(text, "S", "k"), "1");
  EXPECT_EQ(IniLookup(text, "S", "other"), std::nullopt) << "only the first section is read";
}

TEST(IniLookup, KeysBelongToTheirSectionOnly) {
  const std::string text = "k=0\n[A]\nx=1\n[B]\nk=2\n";
  EXPECT_EQ(IniLookup(text, "A", "k"), std::nullopt);
  EXPECT_EQ(IniLookup(text, "B", "k"), "2");
}

TEST(IniLookup, LinesWithoutEqualsAreIgnored) {
  const std::string text = "[S]\nk\n; k=comment\n  \nk=5\n";
  EXPECT_EQ(IniLookup(text, "S", "k"), "5");
}

TEST(IniLookup, ValueMayHoldEqualsAndBrackets) {
  EXPECT_EQ(IniLookup("[S]\nk= a=b [c] \n", "S", "k"), "a=b [c]");
}

TEST(IniLookup, ByteOrderMarkAndLineEnds) {
  EXPECT_EQ(IniLookup("\xEF\xBB\xBF[S]\nk=1", "S", "k"), "1");
  EXPECT_EQ(IniLookup("[S]\r\nk=1\r\n", "S", "k"), "1");
  EXPECT_EQ(IniLookup("[S]\r\nk=1\r", "S", "k"), "1");
}

TEST(IniLookup, JunkWithNulBytesNeverMatches) {
  const std::string text = "\x00[S]\n[S\x00]\nk=1\n[S]\nk=\x00"s + "2\n";
  EXPECT_EQ(IniLookup(text, "S", "k"), "\x00"s + "2");
  EXPECT_EQ(IniLookup(text, "S\x00"s, "k"), "1");
}

TEST(IniUpdate, ReplacesOnlyTheValueOfTheFirstMatch) {
  const std::string text = "; top\n[S]\n odd line\n K = 1 ; old\nk=2\n\n[s]\nk=3\n";
  EXPECT_EQ(IniUpdate(text, "s", "k", "9"),
            "; top\n[S]\n odd line\n K =9\nk=2\n\n[s]\nk=3\n");
}

TEST(IniUpdate, NewKeyGoesAfterTheLastFilledLineOfItsSection) {
  const std::string text = "[A]\nx=1\n; note\n\n\n[B]\ny=2\n";
  EXPECT_EQ(IniUpdate(text, "A", "z", "3"), "[A]\nx=1\n; note\nz=3\n\n\n[B]\ny=2\n");
  EXPECT_EQ(IniUpdate("[A]\n\n[B]\n", "A", "z", "3"), "[A]\nz=3\n\n[B]\n");
}

TEST(IniUpdate, NewSectionGoesAtTheEnd) {
  EXPECT_EQ(IniUpdate("", "S", "k", "v"), "[S]\nk=v\n");
  EXPECT_EQ(IniUpdate("[A]\nx=1\n", "S", "k", "v"), "[A]\nx=1\n[S]\nk=v\n");
  EXPECT_EQ(IniUpdate("[A]\nx=1", "S", "k", "v"), "[A]\nx=1\n[S]\nk=v\n");
}

TEST(IniUpdate, UnterminatedLastLineGetsALineEndBeforeTheNewKey) {
  EXPECT_EQ(IniUpdate("[A]\nx=1", "A", "y", "2"), "[A]\nx=1\ny=2\n");
  EXPECT_EQ(IniUpdate("[A]\nx=1\r", "A", "y", "2"), "[A]\nx=1\r\ny=2\n");
  EXPECT_EQ(IniUpdate("[A]\nx=1", "A", "x", "2"), "[A]\nx=2");
}

TEST(IniUpdate, KeepsTheFilesLineEndStyle) {
  EXPECT_EQ(IniUpdate("[A]\r\nx=1\r\n", "A", "y", "2"), "[A]\r\nx=1\r\ny=2\r\n");
  EXPECT_EQ(IniUpdate("[A]\r\nx=1\r\n", "B", "y", "2"), "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
  // A replaced line keeps its own line end, whatever the rest of the file uses.
  EXPECT_EQ(IniUpdate("[A]\nx=1\r\ny=1\n", "A", "x", "2"), "[A]\nx=2\r\ny=1\n");
}

TEST(IniUpdate, ByteOrderMarkIsKeptAndDoesNotHideTheFirstSection) {
  EXPECT_EQ(IniUpdate("\xEF\xBB\xBF[A]\nx=1\n", "a", "x", "2"), "\xEF\xBB\xBF[A]\nx=2\n");
}

TEST(IniUpdate, LineBreaksAndHeaderCharactersAreMadeHarmless) {
  const std::string text = IniUpdate("", "S\r\n[X]", "k\n[Y]=z", "a\r\nb\rc\n");
  EXPECT_EQ(text, "[S   X]\nk  Y  z=a  b c \n");
  EXPECT_EQ(IniLookup(text, "S\r\n[X]", "k\n[Y]=z"), "a  b c");
  EXPECT_EQ(IniLookup(text, "X", "k"), std::nullopt);
}

TEST(IniLeadingInt, ReadsTheLeadingDecimalNumber) {
  EXPECT_EQ(IniLeadingInt("12abc"), 12);
  EXPECT_EQ(IniLeadingInt("abc"), 0);
  EXPECT_EQ(IniLeadingInt("  -7"), -7);
  EXPECT_EQ(IniLeadingInt("\t+8 9"), 8);
  EXPECT_EQ(IniLeadingInt("- 7"), 0);
  EXPECT_EQ(IniLeadingInt("0x1F"), 0);
  EXPECT_EQ(IniLeadingInt("3.9"), 3);
  EXPECT_EQ(IniLeadingInt(""), 0);
}

TEST(IniLeadingInt, SaturatesAtThirtyTwoBits) {
  EXPECT_EQ(IniLeadingInt("2147483647"), 2147483647);
  EXPECT_EQ(IniLeadingInt("2147483648"), 2147483647);
  EXPECT_EQ(IniLeadingInt("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(IniLeadingInt("-99999999999999999999999999"), -2147483647 - 1);
  EXPECT_EQ(IniLeadingInt(std::string(5000, '9')), 2147483647);
}

}  // namespace
}  // namespace pellumo
