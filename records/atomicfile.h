#pragma once
// Whole-file replacement that never leaves a half-written file behind: the
// new content goes to a temporary file beside the target, is flushed to disk
// and then renamed over the target in one step.
//
// The temporary file's name carries a marker of ours that nobody types,
// ".<name>.pellumo-tmp.XXXXXX", so that clearing up after a killed write can
// never take a file of the player's (a "pellumo.ini.backup", say).
#include <cstdint>
#include <string>
#include <string_view>

namespace pellumo {

// Why a save failed, for the player to read: an English sentence that may
// hold one "%1", filled with detail (a path, or the system's own words for
// an error), so that the window can show the sentence in the player's
// language.
struct WhyNot {
  std::string text;
  std::string detail;
  bool empty() const { return text.empty(); }
  std::string English() const;
};

// A write's outcome; why says what went wrong.
struct WriteOutcome {
  bool ok = false;
  WhyNot why;
  explicit operator bool() const { return ok; }
};

// Replaces the file at path with content. On failure the old file is
// untouched and no temporary file is left behind. A file that exists but may
// not be written (read-only) is not replaced, and neither is one reached
// through a symbolic link whose target belongs to another user. With
// ownFileOnly, an existing file of another user is not replaced either.
// A new file gets 0666 less the umask; a replaced one keeps its permission
// bits and, where the writer may set it, its group.
WriteOutcome AtomicWriteFile(const std::string& path, std::string_view content,
                             bool ownFileOnly = false);

// Removes the temporary files of path that writes cut short by a crash or a
// kill left beside it: regular files with our marker, of the running user.
// Only safe while no other write of path can be under way, that is, under
// the settings lock.
void RemoveLeftoverTemporaries(const std::string& path);

// Test seams. When n >= 0, the next writes on this thread behave as if the
// disk filled up after n bytes of the temporary file (ENOSPC). -1 turns it off.
extern thread_local std::int64_t AtomicWriteFailAfterBytes;
// When true, the next writes on this thread find that the disk cannot make
// the temporary file durable (fsync fails with EIO).
extern thread_local bool AtomicWriteSyncFails;
// Called, when set, after the temporary file is durable and just before the
// rename: where a test stops a writer to let another copy run.
extern thread_local void (*AtomicWriteBeforeRename)();

}  // namespace pellumo
