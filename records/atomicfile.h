#pragma once
// Whole-file replacement that never leaves a half-written file behind: the
// new content goes to a temporary file beside the target, is flushed to disk
// and then renamed over the target in one step.
#include <cstdint>
#include <string>
#include <string_view>

namespace pellumo {

// Replaces the file at path with content. False when anything fails; the old
// file is then untouched and no temporary file is left behind. A file that
// exists but may not be written (read-only) is not replaced. The replacement
// keeps the old file's permission bits (new files get 0644).
bool AtomicWriteFile(const std::string& path, std::string_view content);

// Removes the temporary files that writes of path cut short by a crash or a
// kill left beside it. Only safe while no other write of path can be under
// way, that is, under the settings lock.
void RemoveLeftoverTemporaries(const std::string& path);

// Test seams. When n >= 0, the next writes on this thread behave as if the
// disk filled up after n bytes of the temporary file (ENOSPC). -1 turns it off.
extern thread_local std::int64_t AtomicWriteFailAfterBytes;
// When true, the next writes on this thread find that the disk cannot make
// the temporary file durable (fsync fails with EIO).
extern thread_local bool AtomicWriteSyncFails;

}  // namespace pellumo
