#include "fuzzsupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace pellumo::fuzz {

namespace {

std::string MakeScratch() {
  std::error_code ec;
  // scripts/fuzz.sh hands every run a folder it removes afterwards: libFuzzer
  // ends a timed run without the exit handlers that would clean up here.
  if (const char* given = std::getenv("PELLUMO_FUZZ_SCRATCH"); given != nullptr && *given != '\0') {
    std::string pattern = std::string(given) + "/run-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) Fail("cannot create a scratch folder in " + pattern);
    return pattern;
  }
  std::string base = std::filesystem::is_directory("/dev/shm", ec)
                         ? "/dev/shm"
                         : std::filesystem::temp_directory_path().string();
  std::string pattern = base + "/pellumo-fuzz-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) Fail("cannot create a scratch folder in " + base);
  return pattern;
}

std::string* scratch = nullptr;

void RemoveScratch() {
  std::error_code ec;
  if (scratch != nullptr) std::filesystem::remove_all(*scratch, ec);
}

}  // namespace

const std::string& ScratchFolder() {
  if (scratch == nullptr) {
    scratch = new std::string(MakeScratch());
    std::atexit(RemoveScratch);
  }
  return *scratch;
}

void Fail(const std::string& what) {
  std::fprintf(stderr, "INVARIANT BROKEN: %s\n", what.c_str());
  std::abort();
}

}  // namespace pellumo::fuzz
