// The vendor driver's devices on Windows: the interfaces of the driver's
// class through SetupAPI, opened with CreateFile and asked with
// DeviceIoControl (buffered, no overlapped I/O).
#include <windows.h>
// windows.h first: SetupAPI's header needs its types.
#include <setupapi.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/driver_backend.h"

namespace orvane::platform {

namespace {

// {5B1E7C2A-9D04-4F3B-A6C1-3E8F20D7B914}
constexpr GUID kDriverInterfaceClass = {
    0x5B1E7C2A, 0x9D04, 0x4F3B, {0xA6, 0xC1, 0x3E, 0x8F, 0x20, 0xD7, 0xB9, 0x14}};

class WinDriverDevice : public DriverDevice {
 public:
  explicit WinDriverDevice(HANDLE handle) : handle_(handle) {}
  ~WinDriverDevice() override { CloseHandle(handle_); }
  WinDriverDevice(const WinDriverDevice&) = delete;
  WinDriverDevice& operator=(const WinDriverDevice&) = delete;

  bool Control(uint32_t code, std::span<const uint8_t> in, std::span<uint8_t> out) override {
    // DeviceIoControl takes a non-const input buffer; the driver's buffered
    // requests may answer in the very buffer they were given, so the input
    // is copied rather than cast.
    std::vector<uint8_t> input(in.begin(), in.end());
    DWORD returned = 0;
    return DeviceIoControl(handle_, code, input.empty() ? nullptr : input.data(),
                           static_cast<DWORD>(input.size()), out.empty() ? nullptr : out.data(),
                           static_cast<DWORD>(out.size()), &returned, nullptr) != FALSE;
  }

 private:
  HANDLE handle_;
};

// The device path of the interface at `index`; empty when there is none or
// its detail cannot be had.
std::string InterfacePath(HDEVINFO set, DWORD index, bool& more) {
  SP_DEVICE_INTERFACE_DATA data{};
  data.cbSize = sizeof(data);
  more = SetupDiEnumDeviceInterfaces(set, nullptr, &kDriverInterfaceClass, index, &data) != FALSE;
  if (!more) return {};
  DWORD size = 0;
  SetupDiGetDeviceInterfaceDetailA(set, &data, nullptr, 0, &size, nullptr);
  if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)) return {};
  std::vector<uint8_t> buffer(size);
  auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer.data());
  detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
  if (!SetupDiGetDeviceInterfaceDetailA(set, &data, detail, size, nullptr, nullptr)) return {};
  return detail->DevicePath;
}

class WinDriverBackend : public DriverBackend {
 public:
  std::vector<std::string> InterfacePaths() override {
    std::vector<std::string> paths;
    const HDEVINFO set = SetupDiGetClassDevsA(&kDriverInterfaceClass, nullptr, nullptr,
                                              DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE) return paths;
    bool more = true;
    for (DWORD index = 0; more; ++index) {
      std::string path = InterfacePath(set, index, more);
      if (!path.empty()) paths.push_back(std::move(path));
    }
    SetupDiDestroyDeviceInfoList(set);
    return paths;
  }

  std::unique_ptr<DriverDevice> Open(const std::string& path) override {
    // No access rights are asked for: the driver's requests are "any access".
    const HANDLE handle = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<WinDriverDevice>(handle);
  }
};

}  // namespace

std::unique_ptr<DriverBackend> MakeSystemDriverBackend() {
  return std::make_unique<WinDriverBackend>();
}

}  // namespace orvane::platform
