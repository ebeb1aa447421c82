// The settings file's reader and writer on arbitrary input: the bytes of a
// file someone (or something) left in the program folder, then reads and
// writes of arbitrary section, key and value texts through ProfileMan.
//
// What must hold: nothing crashes or hangs; a value written reads back as
// written (line breaks as blanks, trimmed, at most 255 bytes and never cut
// inside a UTF-8 character); every other entry the file held keeps its value.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzzsupport.h"
#include "records/inifile.h"
#include "records/profileman.h"

using pellumo::fuzz::Check;

namespace {

constexpr std::string_view kBlanks = " \t";

std::string Trim(std::string_view s) {
  const auto b = s.find_first_not_of(kBlanks);
  if (b == std::string_view::npos) return {};
  return std::string(s.substr(b, s.find_last_not_of(kBlanks) - b + 1));
}

// The name by which the file matches a section or key: characters that would
// end a line, a header or a key are blanks, then trimmed, ASCII case folded.
std::string MatchName(std::string_view name) {
  std::string s(name);
  for (char& c : s)
    if (c == '\r' || c == '\n' || c == '[' || c == ']' || c == '=') c = ' ';
  s = Trim(s);
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

// What a read must return after the value was written.
std::string ExpectedRead(std::string_view value) {
  std::string v(value);
  for (char& c : v)
    if (c == '\r' || c == '\n') c = ' ';
  v = Trim(v);
  if (v.size() > pellumo::kIniMaxValue) {
    std::size_t cut = pellumo::kIniMaxValue;
    for (int i = 0; i < 3 && cut > 0 && (static_cast<unsigned char>(v[cut]) & 0xC0) == 0x80; ++i)
      --cut;
    v.resize(cut);
    v = Trim(v);
  }
  return v;
}

// Every (section, key) the text names, as its lines spell them: the entries
// whose values a write elsewhere must leave alone.
std::vector<std::pair<std::string, std::string>> NamedEntries(std::string_view text) {
  std::vector<std::pair<std::string, std::string>> out;
  std::string section;
  bool inSection = false;
  std::size_t pos = 0;
  while (pos < text.size() && out.size() < 64) {
    auto nl = text.find('\n', pos);
    if (nl == std::string_view::npos) nl = text.size();
    const std::string line = Trim(text.substr(pos, nl - pos));
    pos = nl + 1;
    if (line.starts_with('[')) {
      section = line.substr(1, line.find(']') == std::string::npos ? std::string::npos
                                                                   : line.find(']') - 1);
      inSection = true;
    } else if (inSection) {
      const auto eq = line.find('=');
      if (eq != std::string::npos) out.emplace_back(section, line.substr(0, eq));
    }
  }
  return out;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  static const std::string path = pellumo::fuzz::ScratchFolder() + "/pellumo.ini";
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const std::string file = in.ConsumeRandomLengthString(8192);
    out << file;
  }
  pellumo::ProfileMan profile(pellumo::fuzz::ScratchFolder());

  for (int op = 0; op < 16 && in.remaining_bytes() > 0; ++op) {
    const bool write = in.ConsumeBool();
    const std::string section = in.ConsumeRandomLengthString(64);
    const std::string key = in.ConsumeRandomLengthString(64);
    if (!write) {
      const std::string got = profile.ProfileReadString(section, key);
      Check(got.size() <= pellumo::kIniMaxValue, "a read returned more than 255 bytes");
      Check(got == Trim(got), "a read returned blanks at an end");
      continue;
    }
    const std::string value = in.ConsumeRandomLengthString(600);
    const std::string before = ReadFile(path);
    const auto others = NamedEntries(before);
    std::vector<std::optional<std::string>> othersBefore;
    for (const auto& [s, k] : others) othersBefore.push_back(pellumo::IniLookup(before, s, k));

    Check(profile.ProfileWriteString(section, key, value) != 0,
          "a write to a writable file reported failure");

    // A default that no read can return (it holds a line break) tells
    // "absent" from any stored value.
    const std::string got = pellumo::IniReadValue(ReadFile(path), section, key, "\n");
    Check(got == ExpectedRead(value), "the value written does not read back as written");
    Check(profile.ProfileReadString(section, key) == got, "ProfileMan reads another value");

    const std::string after = ReadFile(path);
    const std::string sec = MatchName(section), k = MatchName(key);
    for (std::size_t i = 0; i < others.size(); ++i) {
      const auto& [s, kk] = others[i];
      if (MatchName(s) == sec && MatchName(kk) == k) continue;
      Check(pellumo::IniLookup(after, s, kk) == othersBefore[i],
            "a write changed the value of another entry");
    }
  }
  return 0;
}
