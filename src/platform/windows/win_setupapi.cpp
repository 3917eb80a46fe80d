// SetupAPI, loaded at run time: the program starts (and finds no devices)
// on a system where it is missing.
#include "platform/windows/win_setupapi.h"

// windows.h first: SetupAPI's header needs its types.
#include <setupapi.h>

#include "platform/windows/win_library.h"

namespace orvane::platform::windows {

namespace {

struct SetupApi {
  decltype(&SetupDiGetClassDevsA) get_class_devs = nullptr;
  decltype(&SetupDiEnumDeviceInterfaces) enum_interfaces = nullptr;
  decltype(&SetupDiGetDeviceInterfaceDetailA) get_detail = nullptr;
  decltype(&SetupDiDestroyDeviceInfoList) destroy_list = nullptr;

  bool Loaded() const { return get_class_devs && enum_interfaces && get_detail && destroy_list; }
};

const SetupApi& Api() {
  static const SetupApi api = [] {
    SetupApi loaded;
    const RunTimeLibrary library("SetupApi.dll");
    library.Find("SetupDiGetClassDevsA", loaded.get_class_devs);
    library.Find("SetupDiEnumDeviceInterfaces", loaded.enum_interfaces);
    library.Find("SetupDiGetDeviceInterfaceDetailA", loaded.get_detail);
    library.Find("SetupDiDestroyDeviceInfoList", loaded.destroy_list);
    return loaded;
  }();
  return api;
}

// The path of the interface at `index`: the first call learns the detail's
// size, the second reads it. Empty when that fails; `more` is false past
// the last interface.
std::string InterfacePath(HDEVINFO set, const GUID& interface_class, DWORD index, bool& more) {
  const SetupApi& api = Api();
  SP_DEVICE_INTERFACE_DATA data{};
  data.cbSize = sizeof(data);
  more = api.enum_interfaces(set, nullptr, &interface_class, index, &data) != FALSE;
  if (!more) return {};
  DWORD size = 0;
  api.get_detail(set, &data, nullptr, 0, &size, nullptr);
  if (GetLastError() != ERROR_INSUFFICIENT_BUFFER ||
      size <= sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)) {
    return {};
  }
  std::vector<char> buffer(size + 1, '\0');
  auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer.data());
  detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
  if (!api.get_detail(set, &data, detail, size, nullptr, nullptr)) return {};
  return detail->DevicePath;
}

}  // namespace

std::vector<std::string> DeviceInterfacePaths(const GUID& interface_class) {
  std::vector<std::string> paths;
  const SetupApi& api = Api();
  if (!api.Loaded()) return paths;
  const HDEVINFO set =
      api.get_class_devs(&interface_class, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (set == INVALID_HANDLE_VALUE) return paths;
  bool more = true;
  for (DWORD index = 0; more; ++index) {
    std::string path = InterfacePath(set, interface_class, index, more);
    if (!path.empty()) paths.push_back(std::move(path));
  }
  api.destroy_list(set);
  return paths;
}

HANDLE OpenDevicePath(const std::string& path) {
  return CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                     nullptr);
}

}  // namespace orvane::platform::windows
