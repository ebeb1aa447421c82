#pragma once
// The one settings file, "pellumo.ini" beside the program, in the INI format
// of the private-profile functions. No cache: every call reads or rewrites
// the file, so a value written is visible to the next read at once.
#include <cstdint>
#include <string>
#include <string_view>

namespace pellumo {

class ProfileMan {
 public:
  // programFolder: the folder that holds the executable (no trailing slash).
  explicit ProfileMan(std::string programFolder);

  // The settings file's name, the same for every way of building the path.
  static constexpr std::string_view FileName = "pellumo.ini";

  // Full path of the settings file; fewer than 2 characters counts as unset.
  std::string ProfilePath;

  // Sets ProfilePath to the program folder's "pellumo.ini".
  void ProfileLocate();
  // Stored value trimmed of blanks, at most 255 characters; "*" when the
  // key, the section or the file is absent.
  std::string ProfileReadString(std::string_view Section, std::string_view Key);
  // Leading whole number of the stored value (0 when absent or not a
  // number), saturated to -32768..32767.
  std::int16_t ProfileReadInt(std::string_view Section, std::string_view Key);
  // Stores Value (line breaks become blanks); nonzero on success, 0 when the
  // file could not be written, in which case the file is left as it was.
  std::int16_t ProfileWriteString(std::string_view Section, std::string_view Key,
                                  std::string_view Value);

  const std::string& ProgramFolder() const { return programFolder_; }

 private:
  void EnsureLocated();
  std::string programFolder_;
};

}  // namespace pellumo
