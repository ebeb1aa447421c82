#include "records/profileman.h"

#include <cerrno>
#include <utility>

#include <sys/stat.h>

#include "records/atomicfile.h"
#include "records/inifile.h"
#include "records/settingslock.h"
#include "records/storednumbers.h"

namespace pellumo {

namespace {

// Creates the folder that holds path and any missing folder above it, each
// readable by its owner only: the settings are nobody else's business.
void MakeFoldersFor(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos || slash == 0) return;
  const std::string folder = path.substr(0, slash);
  struct stat st {};
  if (::stat(folder.c_str(), &st) == 0) return;
  MakeFoldersFor(folder);
  ::mkdir(folder.c_str(), 0700);
}

}  // namespace

std::string ProfileText::ProfileReadString(std::string_view Section, std::string_view Key) const {
  return IniReadValue(text_, Section, Key, "*");
}

std::int16_t ProfileText::ProfileReadInt(std::string_view Section, std::string_view Key) const {
  return Saturate16(IniReadNumber(text_, Section, Key, 0));
}

void ProfileText::ProfileWriteString(std::string_view Section, std::string_view Key,
                                     std::string_view Value) {
  text_ = IniUpdate(text_, Section, Key, Value);
}

ProfileMan::ProfileMan(std::string folder, std::string defaultsFile)
    : folder_(std::move(folder)), defaultsFile_(std::move(defaultsFile)) {}

// Always the lower-case name: on a case-sensitive file system the main
// window's path and this fallback must name the same file.
void ProfileMan::ProfileLocate() { ProfilePath = folder_ + "/" + std::string(FileName); }

void ProfileMan::EnsureLocated() {
  if (ProfilePath.size() < 2) ProfileLocate();
  if (defaultsChecked_) return;
  defaultsChecked_ = true;
  // A player without settings starts from the distributor's. The copy is a
  // change like any other, so a copy of the game started at the same moment
  // cannot have its first write undone by it.
  struct stat st {};
  if (!defaultsFile_.empty() && ::stat(ProfilePath.c_str(), &st) != 0 && errno == ENOENT &&
      ::stat(defaultsFile_.c_str(), &st) == 0) {
    ProfileChange([](ProfileText&) {});
  }
}

ProfileText ProfileMan::ProfileRead() {
  EnsureLocated();
  std::string text;
  // Absent or unreadable: every read gives its default.
  if (IniLoadFile(ProfilePath, text) != IniLoad::Ok) text.clear();
  return ProfileText(std::move(text));
}

std::string ProfileMan::ProfileReadString(std::string_view Section, std::string_view Key) {
  return ProfileRead().ProfileReadString(Section, Key);
}

std::int16_t ProfileMan::ProfileReadInt(std::string_view Section, std::string_view Key) {
  return ProfileRead().ProfileReadInt(Section, Key);
}

std::int16_t ProfileMan::ProfileWriteString(std::string_view Section, std::string_view Key,
                                            std::string_view Value) {
  return ProfileChange([&](ProfileText& text) { text.ProfileWriteString(Section, Key, Value); });
}

std::int16_t ProfileMan::ProfileChange(const std::function<void(ProfileText&)>& change) {
  EnsureLocated();
  MakeFoldersFor(ProfilePath);
  const SettingsLock lock(ProfilePath, LockPatience);
  if (lock.Held()) RemoveLeftoverTemporaries(ProfilePath);

  std::string text;
  switch (IniLoadFile(ProfilePath, text)) {
    case IniLoad::Failed:
      return 0;  // never overwrite what we cannot read
    case IniLoad::Absent:
      if (!defaultsFile_.empty() && IniLoadFile(defaultsFile_, text) != IniLoad::Ok) text.clear();
      break;
    case IniLoad::Ok:
      break;
  }
  ProfileText current(std::move(text));
  change(current);
  return AtomicWriteFile(ProfilePath, current.Text()) ? 1 : 0;
}

}  // namespace pellumo
