#include "records/profileman.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "records/atomicfile.h"
#include "records/inifile.h"
#include "records/settingslock.h"
#include "records/storednumbers.h"

namespace pellumo {

struct ProfileMan::Shared {
  std::vector<std::function<void(ProfileText&)>> pending;
  SaveProblem lastFailure;
  SaveProblem unshown;    // the first failure, until the window takes it
  bool reported = false;  // a failure was said this run
  bool saidWaiting = false;
};

namespace {

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

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

// Why this run may not write in a player's own folder: the folder, or while
// it does not exist yet the nearest folder above it, belongs to another user.
// A shared folder for everyone's files (sticky, as /tmp) may hold ours.
WhyNot ForeignFolder(const std::string& folder) {
  std::string f = folder;
  struct stat st {};
  while (::stat(f.c_str(), &st) != 0) {
    if (errno != ENOENT) return {};  // the write will say what is wrong
    const std::size_t slash = f.rfind('/');
    if (slash == std::string::npos || slash == 0) return {};
    f.resize(slash);
  }
  if (st.st_uid == ::geteuid() || (f != folder && (st.st_mode & S_ISVTX) != 0)) return {};
  return {"the folder %1 belongs to another user", f};
}

}  // namespace

std::string ProfileText::ProfileReadString(std::string_view Section, std::string_view Key) const {
  return IniReadValue(text_, Section, Key, "*");
}

std::int16_t ProfileText::ProfileReadInt(std::string_view Section, std::string_view Key) const {
  return Saturate16(IniReadNumber(text_, Section, Key, 0));
}

bool ProfileText::ProfileHas(std::string_view Section, std::string_view Key) const {
  return IniLookup(text_, Section, Key).has_value();
}

void ProfileText::ProfileWriteString(std::string_view Section, std::string_view Key,
                                     std::string_view Value) {
  text_ = IniUpdate(text_, Section, Key, Value);
}

ProfileMan::ProfileMan(std::string folder, std::string defaultsFile, bool perPlayer)
    : folder_(std::move(folder)),
      defaultsFile_(std::move(defaultsFile)),
      perPlayer_(perPlayer),
      shared_(std::make_shared<Shared>()) {}

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
  // Absent, unreadable or too big: every read gives its default.
  if (IniLoadFile(ProfilePath, text) != IniLoad::Ok) text.clear();
  ProfileText current(std::move(text));
  for (const auto& kept : shared_->pending) kept(current);
  return current;
}

std::string ProfileMan::ProfileReadString(std::string_view Section, std::string_view Key) {
  return ProfileRead().ProfileReadString(Section, Key);
}

std::int16_t ProfileMan::ProfileReadInt(std::string_view Section, std::string_view Key) {
  return ProfileRead().ProfileReadInt(Section, Key);
}

std::int16_t ProfileMan::ProfileWriteString(std::string_view Section, std::string_view Key,
                                            std::string_view Value) {
  return ProfileChange([section = std::string(Section), key = std::string(Key),
                        value = std::string(Value)](ProfileText& text) {
    text.ProfileWriteString(section, key, value);
  });
}

std::string SaveProblem::English() const {
  return file.empty() ? std::string()
                      : "Your games and high scores cannot be saved to " + file + ": " +
                            why.English() + ".";
}

std::int16_t ProfileMan::Failed(WhyNot why) {
  shared_->pending.clear();  // they were part of the write that failed
  shared_->lastFailure = {ProfilePath, std::move(why)};
  if (!shared_->reported) {
    shared_->reported = true;
    shared_->unshown = shared_->lastFailure;
    std::fprintf(stderr, "pellumo: cannot save to %s: %s\n", ProfilePath.c_str(),
                 shared_->lastFailure.why.English().c_str());
  }
  return 0;
}

std::int16_t ProfileMan::ProfileChange(std::function<void(ProfileText&)> change) {
  EnsureLocated();
  shared_->lastFailure = {};
  if (perPlayer_) {
    if (WhyNot why = ForeignFolder(FolderOf(ProfilePath)); !why.empty())
      return Failed(why);
  }
  MakeFoldersFor(ProfilePath);
  const SettingsLock lock(ProfilePath, LockPatience);
  switch (lock.Got()) {
    case SettingsLock::State::Held:
      break;
    case SettingsLock::State::Unavailable:
      return Failed({"%1", std::strerror(lock.Error())});
    case SettingsLock::State::Busy:
      // Writing now could undo the holder's change when it goes on; this one
      // waits for the next save instead, and the game goes on meanwhile.
      if (!shared_->saidWaiting) {
        shared_->saidWaiting = true;
        std::fprintf(stderr,
                     "pellumo: another copy of the game has held the lock of %s for over %lld ms; "
                     "the change is kept for the next save\n",
                     ProfilePath.c_str(),
                     static_cast<long long>(LockPatience.count()));
      }
      if (change) shared_->pending.push_back(std::move(change));
      return 2;
  }
  RemoveLeftoverTemporaries(ProfilePath);

  std::string text;
  switch (IniLoadFile(ProfilePath, text)) {
    case IniLoad::Failed:
      return Failed({"it cannot be read as a file", {}});  // never overwrite what we cannot read
    case IniLoad::TooBig:
      return Failed({"it is larger than 4 MiB, far more than any real settings file", {}});
    case IniLoad::Absent:
      if (!defaultsFile_.empty() && IniLoadFile(defaultsFile_, text) != IniLoad::Ok) text.clear();
      break;
    case IniLoad::Ok:
      break;
  }
  ProfileText current(std::move(text));
  for (const auto& kept : shared_->pending) kept(current);
  if (change) change(current);
  if (current.Text().size() > kIniMaxFileSize)
    return Failed({"it would grow past 4 MiB, far more than any real settings file", {}});
  const WriteOutcome written = AtomicWriteFile(ProfilePath, current.Text(), perPlayer_);
  if (!written) return Failed(written.why);
  shared_->pending.clear();
  return 1;
}

bool ProfileMan::SavePending(std::chrono::milliseconds patience) {
  if (shared_->pending.empty()) return true;
  const auto usual = std::exchange(LockPatience, patience);
  ProfileChange(nullptr);
  LockPatience = usual;
  return shared_->pending.empty();
}

void ProfileMan::SaveBeforeExit() {
  if (SavePending(LockPatience)) return;
  std::fprintf(stderr,
               "pellumo: another copy of the game still holds the lock of %s; the last %zu "
               "changes (games counted, high scores) are lost\n",
               ProfilePath.c_str(), shared_->pending.size());
  shared_->pending.clear();
}

const SaveProblem& ProfileMan::LastFailure() const { return shared_->lastFailure; }

SaveProblem ProfileMan::TakeSaveProblem() { return std::exchange(shared_->unshown, {}); }

}  // namespace pellumo
