#pragma once
// Shared by the fuzz targets: a scratch folder on tmpfs and a failure that
// libFuzzer records as a crash with the input that caused it.
#include <string>

namespace pellumo::fuzz {

// A folder of this process's own, in memory where the machine allows (the
// engine rewrites its settings file at every load and game end, so a disk
// folder would make each run slow). Created on first use.
const std::string& ScratchFolder();

// Prints what broke and aborts: the input is saved as a crash.
[[noreturn]] void Fail(const std::string& what);

inline void Check(bool ok, const std::string& what) {
  if (!ok) Fail(what);
}

}  // namespace pellumo::fuzz
