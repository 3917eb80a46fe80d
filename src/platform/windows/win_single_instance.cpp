#include <windows.h>

#include "platform/single_instance.h"

namespace orvane::platform {

bool RaiseRunningInstance(const char* caption) {
  const HWND window = FindWindowA(nullptr, caption);
  if (window == nullptr) return false;
  ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(window);
  return true;
}

}  // namespace orvane::platform
