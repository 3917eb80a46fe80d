// The vendor driver's devices on Windows: the interfaces of the driver's
// class, opened with CreateFile and asked with
// DeviceIoControl (buffered, no overlapped I/O).
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/driver_backend.h"
#include "platform/windows/win_setupapi.h"

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

class WinDriverBackend : public DriverBackend {
 public:
  std::vector<std::string> InterfacePaths() override {
    return windows::DeviceInterfacePaths(kDriverInterfaceClass);
  }

  std::unique_ptr<DriverDevice> Open(const std::string& path) override {
    // No access rights are asked for: the driver's requests are "any access".
    const HANDLE handle = windows::OpenDevicePath(path);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<WinDriverDevice>(handle);
  }
};

}  // namespace

std::unique_ptr<DriverBackend> MakeSystemDriverBackend() {
  return std::make_unique<WinDriverBackend>();
}

}  // namespace orvane::platform
