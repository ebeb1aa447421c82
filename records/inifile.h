#pragma once
// A small reader and writer for INI files with the behaviour of the Windows
// private-profile functions. No Debian package offers an INI library with
// exactly this behaviour (first match wins, every unrelated byte of the file
// kept, the 255-character read limit), so the game carries its own.
//
// Format: "[Section]" opens a section; "key=value" lines follow it. Names
// match without regard to ASCII case; names and values are trimmed of blanks
// (spaces and tabs). The first of duplicate sections or keys is the one read
// and written. Lines without "=" and lines before the first section are kept
// but ignored. A UTF-8 byte-order mark is skipped. Text is bytes (UTF-8).
//
// Writing keeps the file's line ends (CRLF when its first line ends so, else
// LF; a new file gets LF) and makes unsafe input harmless: CR and LF in a
// value, and CR, LF, "[", "]" and "=" in a section or key name, become
// blanks. Reads clean names the same way, so such a name finds its entry.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pellumo {

// Longest value a text read returns; longer values are cut.
inline constexpr std::size_t kIniMaxValue = 255;

// On INI text in memory.
// The value of key in section, trimmed, uncut; nothing when absent.
std::optional<std::string> IniLookup(std::string_view text, std::string_view section,
                                     std::string_view key);
// The text with key in section set to value, created as needed.
std::string IniUpdate(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value);

// The value as a text read returns it: trimmed and cut to kIniMaxValue
// bytes (never inside a UTF-8 character), or def when absent.
std::string IniReadValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view def);
// The value's number by IniLeadingInt (records/storednumbers.h), or def when
// absent.
std::int32_t IniReadNumber(std::string_view text, std::string_view section,
                           std::string_view key, std::int32_t def);

// Largest settings file the game reads or writes: 2,000 times a real one,
// and far below what would make each change slow or exhaust the memory.
inline constexpr std::size_t kIniMaxFileSize = 4 << 20;

enum class IniLoad {
  Ok,
  Absent,  // no file: reads give the defaults, a write creates it
  Failed,  // unreadable, or not a regular file: it must never be replaced
  TooBig,  // larger than kIniMaxFileSize: not read, never replaced
};
// Reads the whole file at path into out; reading costs memory in
// proportion to the file, and so does every operation on the text.
IniLoad IniLoadFile(const std::string& path, std::string& out);

}  // namespace pellumo
