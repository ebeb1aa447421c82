#pragma once
// The one settings file, "pellumo.ini", in the INI format of the
// private-profile functions. No cache: every call reads or rewrites the
// file, so a value written is visible to the next read at once.
//
// Several copies of the game may share the file. Each change is one
// read-modify-write under the settings lock, so no copy loses another's.
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace pellumo {

// The settings file's text in memory, read and changed by the same rules as
// the file: a change that reads and writes several values works on this.
class ProfileText {
 public:
  explicit ProfileText(std::string text = {}) : text_(std::move(text)) {}

  // As ProfileMan's operations of the same names.
  std::string ProfileReadString(std::string_view Section, std::string_view Key) const;
  std::int16_t ProfileReadInt(std::string_view Section, std::string_view Key) const;
  void ProfileWriteString(std::string_view Section, std::string_view Key, std::string_view Value);

  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

class ProfileMan {
 public:
  // folder: where "pellumo.ini" lives (no trailing slash); it is created,
  // private to its owner, by the first write when it does not exist.
  // defaultsFile: a distributor's settings, copied in when the player has
  // none yet; never written. Empty for none.
  explicit ProfileMan(std::string folder, std::string defaultsFile = {});

  // The settings file's name, the same for every way of building the path.
  static constexpr std::string_view FileName = "pellumo.ini";

  // Full path of the settings file; fewer than 2 characters counts as unset.
  std::string ProfilePath;

  // How long a change waits for another copy's lock before going ahead.
  std::chrono::milliseconds LockPatience{2000};

  // Sets ProfilePath to the folder's "pellumo.ini".
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

  // The whole file as it is now, for several reads that must agree.
  ProfileText ProfileRead();
  // One change of several values: under the lock, reads the file as it is
  // now, lets change read and write it, and replaces the file with the
  // result. Nonzero on success; 0 leaves the file as it was.
  std::int16_t ProfileChange(const std::function<void(ProfileText&)>& change);

 private:
  void EnsureLocated();
  std::string folder_;
  std::string defaultsFile_;
  bool defaultsChecked_ = false;
};

}  // namespace pellumo
