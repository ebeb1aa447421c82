#include "records/profileman.h"

#include <algorithm>
#include <utility>

#include "records/inifile.h"

namespace pellumo {

ProfileMan::ProfileMan(std::string programFolder) : programFolder_(std::move(programFolder)) {}

// Always the lower-case name: on a case-sensitive file system the main
// window's path and this fallback must name the same file.
void ProfileMan::ProfileLocate() { ProfilePath = programFolder_ + "/" + std::string(FileName); }

void ProfileMan::EnsureLocated() {
  if (ProfilePath.size() < 2) ProfileLocate();
}

std::string ProfileMan::ProfileReadString(std::string_view Section, std::string_view Key) {
  EnsureLocated();
  return IniReadString(ProfilePath, Section, Key, "*");
}

std::int16_t ProfileMan::ProfileReadInt(std::string_view Section, std::string_view Key) {
  EnsureLocated();
  // Saturate rather than wrap: a huge count must not turn negative.
  const std::int32_t value = IniReadInt(ProfilePath, Section, Key, 0);
  return static_cast<std::int16_t>(std::clamp(value, -32768, 32767));
}

std::int16_t ProfileMan::ProfileWriteString(std::string_view Section, std::string_view Key,
                                            std::string_view Value) {
  EnsureLocated();
  return IniWriteString(ProfilePath, Section, Key, Value) ? 1 : 0;
}

}  // namespace pellumo
