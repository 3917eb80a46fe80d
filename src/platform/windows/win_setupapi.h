#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace orvane::platform::windows {

// The device paths of the present interfaces of one device interface class,
// in SetupAPI's enumeration order. "SetupApi.dll" is loaded on first use;
// where it cannot be, there are no paths.
std::vector<std::string> DeviceInterfacePaths(const GUID& interface_class);

// Opens a device path as the mouse and the driver are opened: no access
// rights asked for (enough for attributes, feature reports and buffered
// requests), shared for reading and writing. INVALID_HANDLE_VALUE when it
// cannot be opened.
HANDLE OpenDevicePath(const std::string& path);

}  // namespace orvane::platform::windows
