#include "fuzzsupport.h"

#include <cstdio>
#include <cstdlib>

#include "support/tempfolder.h"

namespace pellumo::fuzz {

const std::string& ScratchFolder() {
  // scripts/fuzz.sh hands every run a folder it removes afterwards: libFuzzer
  // ends a timed run without the exit handlers that would remove this one.
  const char* given = std::getenv("PELLUMO_FUZZ_SCRATCH");
  static const testing::TempFolder folder(given != nullptr ? given : "");
  return folder.path();
}

void Fail(const std::string& what) {
  std::fprintf(stderr, "INVARIANT BROKEN: %s\n", what.c_str());
  std::abort();
}

}  // namespace pellumo::fuzz
