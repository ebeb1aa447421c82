#pragma once
// The one settings file, "pellumo.ini", in the INI format of the
// private-profile functions. No cache: every call reads or rewrites the
// file, so a value written is visible to the next read at once.
//
// Several copies of the game may share the file. Each change is one
// read-modify-write under the settings lock, so no copy loses another's, and
// no change is ever written without the lock.
//
// A save that fails is said once per run, on standard error and, through
// TakeSaveProblem, in the window: records lost without a word would leave
// the player believing games were counted. Reads stay silent.
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "records/atomicfile.h"

namespace pellumo {

// The settings file's text in memory, read and changed by the same rules as
// the file: a change that reads and writes several values works on this.
class ProfileText {
 public:
  explicit ProfileText(std::string text = {}) : text_(std::move(text)) {}

  // As ProfileMan's operations of the same names.
  std::string ProfileReadString(std::string_view Section, std::string_view Key) const;
  std::int16_t ProfileReadInt(std::string_view Section, std::string_view Key) const;
  // Whether the key is present: a stored "*" is not an absent key.
  bool ProfileHas(std::string_view Section, std::string_view Key) const;
  void ProfileWriteString(std::string_view Section, std::string_view Key, std::string_view Value);

  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// A save that failed: the settings file and why.
struct SaveProblem {
  std::string file;  // empty when nothing failed
  WhyNot why;
  bool empty() const { return file.empty(); }
  // "Your games and high scores cannot be saved to <file>: <why>."
  std::string English() const;
};

class ProfileMan {
 public:
  // folder: where "pellumo.ini" lives (no trailing slash); it is created,
  // private to its owner, by the first write when it does not exist.
  // defaultsFile: a distributor's settings, copied in when the player has
  // none yet; never written. Empty for none. perPlayer: the folder is one
  // player's own; a run of another user writes nothing in it.
  explicit ProfileMan(std::string folder, std::string defaultsFile = {}, bool perPlayer = false);

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
  // result. 1 when saved. 0 when it failed: the file is left as it was and
  // the failure reported. 2 when another copy held the lock longer than
  // LockPatience (stopped in a debugger, a slow disk): the change is kept,
  // and made under the lock before the next change or by SavePending; reads
  // of this ProfileMan see it meanwhile. change may thus run after this
  // returns, so it must own what it uses.
  std::int16_t ProfileChange(std::function<void(ProfileText&)> change);

  // Saves the changes kept back by a busy lock, waiting at most patience.
  // True when none is left.
  bool SavePending(std::chrono::milliseconds patience);
  // The last try before the program ends: what still cannot be saved is
  // reported lost.
  void SaveBeforeExit();
  // Why the last change failed; empty when it did not.
  const SaveProblem& LastFailure() const;
  // The first failure of this run, once, for the window; empty otherwise.
  SaveProblem TakeSaveProblem();

 private:
  struct Shared;
  void EnsureLocated();
  std::int16_t Failed(WhyNot why);
  std::string folder_;
  std::string defaultsFile_;
  bool perPlayer_ = false;
  bool defaultsChecked_ = false;
  // Kept changes and reports, shared with every copy of this ProfileMan
  // (the high-score window has one), so each is made and said once.
  std::shared_ptr<Shared> shared_;
};

}  // namespace pellumo
