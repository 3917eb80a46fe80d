#pragma once

#include <windows.h>

namespace orvane::platform::windows {

// A system library loaded at run time: each function found by name, or
// left null where the library or the function is missing, so the program
// starts (and finds nothing) on a system without them.
class RunTimeLibrary {
 public:
  explicit RunTimeLibrary(const char* name) : module_(LoadLibraryA(name)) {}

  template <typename Function>
  void Find(const char* name, Function& function) const {
    function =
        module_ == nullptr
            ? nullptr
            : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }

 private:
  HMODULE module_;  // kept for the life of the process
};

}  // namespace orvane::platform::windows
