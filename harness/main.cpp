// pellumo-engine [settings-file]: plays the game's core over standard input
// and output. Without an argument the settings live in a fresh temporary
// folder that is removed at the end; the harness never writes beside itself.
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

#include "harness/textharness.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: pellumo-engine [settings-file]\n";
    return 2;
  }
  std::string folder;
  std::string settings;
  if (argc == 2) {
    settings = argv[1];
  } else {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/pellumo-engine-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
      std::perror("pellumo-engine: cannot make a temporary folder");
      return 1;
    }
    folder = pattern;
    settings = folder + "/pellumo.ini";
  }

  {
    pellumo::TextHarness harness(settings);
    std::string line;
    while (std::getline(std::cin, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      std::cout << harness.Execute(line) << std::flush;
    }
  }
  if (!folder.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  return 0;
}
