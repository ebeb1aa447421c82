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

// Test seam: when n >= 0, the next writes on this thread behave as if the
// disk filled up after n bytes of the temporary file (ENOSPC). -1 turns it off.
extern thread_local std::int64_t AtomicWriteFailAfterBytes;

}  // namespace pellumo
