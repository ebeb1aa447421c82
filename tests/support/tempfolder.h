#pragma once
// A fresh folder of its own, removed with everything in it. The game writes
// its settings durably; tests and fuzzers check what is written, not the
// disk, so the folder goes to memory-backed storage where the machine has it.
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace pellumo::testing {

class TempFolder {
 public:
  // In base when one is given.
  explicit TempFolder(std::string base = {}) {
    if (base.empty())
      base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : std::filesystem::temp_directory_path().string();
    path_ = base + "/pellumo-XXXXXX";
    if (mkdtemp(path_.data()) == nullptr) throw std::runtime_error("cannot create a folder in " + base);
  }
  ~TempFolder() {
    namespace fs = std::filesystem;
    std::error_code ignored;  // a test may have left the folder read-only
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

}  // namespace pellumo::testing
