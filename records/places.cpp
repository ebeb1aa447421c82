#include "records/places.h"

#include <pwd.h>
#include <unistd.h>

namespace pellumo {

namespace {

// Without a trailing slash, so "/" gives "".
std::string HomeFolder(const std::function<const char*(const char*)>& getenv) {
  std::string home;
  if (const char* env = getenv("HOME"); env != nullptr && *env != '\0') {
    home = env;
  } else if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir) {
    home = entry->pw_dir;
  }
  while (!home.empty() && home.back() == '/') home.pop_back();
  return home;
}

}  // namespace

GamePlaces PortablePlaces(const std::string& programFolder) {
  return {programFolder, {}, programFolder};
}

GamePlaces InstalledPlaces(const std::string& dataFolder,
                           const std::function<const char*(const char*)>& getenv) {
  // A relative XDG_CONFIG_HOME is invalid and must be ignored: it would put
  // the settings wherever the game happened to be started.
  const char* config = getenv("XDG_CONFIG_HOME");
  std::string base = config != nullptr && config[0] == '/' ? std::string(config) : "";
  while (!base.empty() && base.back() == '/') base.pop_back();
  if (base.empty()) base = HomeFolder(getenv) + "/.config";
  return {base + "/pellumo", kDefaultsFile, dataFolder, true};
}

}  // namespace pellumo
