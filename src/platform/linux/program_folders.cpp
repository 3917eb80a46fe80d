#include "platform/program_folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace orvane::platform {

std::string ProgramFolder() {
  std::vector<char> path(4096);
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
  if (length <= 0) return "./";
  const std::string text(path.data(), static_cast<size_t>(length));
  return text.substr(0, text.find_last_of('/') + 1);
}

// $XDG_CONFIG_HOME/orvane-mouse/, else ~/.config/orvane-mouse/; the folders
// that are missing are made for the user alone.
std::string UserDataFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string folder;
  if (config != nullptr && config[0] == '/') {
    folder = config;
  } else {
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/') return {};
    folder = std::string(home) + "/.config";
  }
  folder += "/orvane-mouse/";
  for (size_t slash = folder.find('/', 1); slash != std::string::npos;
       slash = folder.find('/', slash + 1)) {
    mkdir(folder.substr(0, slash).c_str(), 0700);
  }
  return folder;
}

}  // namespace orvane::platform
