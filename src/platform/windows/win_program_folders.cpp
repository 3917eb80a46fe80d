#include <windows.h>

#include <vector>

#include "platform/program_folders.h"

namespace orvane::platform {

std::string ProgramFolder() {
  std::vector<char> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return ".\\";
    if (length < path.size()) {
      const std::string text(path.data(), length);
      return text.substr(0, text.find_last_of("\\/") + 1);
    }
    path.resize(path.size() * 2);  // cut short: ask again with more room
  }
}

// %APPDATA%\Orvane Gaming Mouse\, made when missing.
std::string UserDataFolder() {
  char app_data[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA("APPDATA", app_data, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  const std::string folder = std::string(app_data, length) + "\\Orvane Gaming Mouse";
  if (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
    return {};
  }
  return folder + "\\";
}

}  // namespace orvane::platform
