// HID on Windows: the interfaces of the HID class through SetupAPI, and
// "HID.dll" (loaded at run time) for attributes, capabilities and feature
// reports.
#include <windows.h>
// windows.h first, then hidusage.h: the HID headers need their types.
#include <hidusage.h>

#include <hidpi.h>
#include <hidsdi.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/hid_backend.h"
#include "platform/windows/win_library.h"
#include "platform/windows/win_setupapi.h"

namespace orvane::platform {

namespace {

// GUID_DEVINTERFACE_HID: the class when HID.dll cannot say.
constexpr GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

struct HidApi {
  decltype(&HidD_GetHidGuid) get_hid_guid = nullptr;
  decltype(&HidD_GetAttributes) get_attributes = nullptr;
  decltype(&HidD_GetPreparsedData) get_preparsed = nullptr;
  decltype(&HidD_FreePreparsedData) free_preparsed = nullptr;
  decltype(&HidP_GetCaps) get_caps = nullptr;
  decltype(&HidD_SetFeature) set_feature = nullptr;
  decltype(&HidD_GetFeature) get_feature = nullptr;

  bool Loaded() const {
    return get_hid_guid && get_attributes && get_preparsed && free_preparsed && get_caps &&
           set_feature && get_feature;
  }
};

const HidApi& Api() {
  static const HidApi api = [] {
    HidApi loaded;
    const windows::RunTimeLibrary library("HID.dll");
    library.Find("HidD_GetHidGuid", loaded.get_hid_guid);
    library.Find("HidD_GetAttributes", loaded.get_attributes);
    library.Find("HidD_GetPreparsedData", loaded.get_preparsed);
    library.Find("HidD_FreePreparsedData", loaded.free_preparsed);
    library.Find("HidP_GetCaps", loaded.get_caps);
    library.Find("HidD_SetFeature", loaded.set_feature);
    library.Find("HidD_GetFeature", loaded.get_feature);
    return loaded;
  }();
  return api;
}

GUID HidClass() {
  const HidApi& api = Api();
  if (!api.get_hid_guid) return kHidInterfaceClass;
  GUID hid_class{};
  api.get_hid_guid(&hid_class);
  return hid_class;
}

// Errors after which the handle will never work again: the device is gone.
bool DeviceGone(DWORD error) {
  return error == ERROR_DEVICE_NOT_CONNECTED || error == ERROR_DEV_NOT_EXIST ||
         error == ERROR_FILE_NOT_FOUND || error == ERROR_INVALID_HANDLE;
}

// A name other programs of this user can see for one device path: the
// mutex that says which program has the mouse for a session.
std::string LockName(const std::string& path) {
  std::string name = "Local\\orvane-mouse-";
  for (const char c : path)
    name += (c == '\\') ? '/' : c;
  return name;
}

class WinHidConnection : public HidConnection {
 public:
  WinHidConnection(HANDLE handle, std::string path) : handle_(handle), path_(std::move(path)) {}
  ~WinHidConnection() override {
    UnlockExclusive();
    if (lock_ != nullptr) CloseHandle(lock_);
    CloseHandle(handle_);
  }
  WinHidConnection(const WinHidConnection&) = delete;
  WinHidConnection& operator=(const WinHidConnection&) = delete;

  std::optional<HidAttributes> Attributes() override {
    HIDD_ATTRIBUTES attributes{};
    attributes.Size = sizeof(attributes);
    if (!Api().get_attributes(handle_, &attributes)) return std::nullopt;
    return HidAttributes{attributes.VendorID, attributes.ProductID, attributes.VersionNumber};
  }

  int FeatureReportLength() override {
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    if (!Api().get_preparsed(handle_, &preparsed)) return 0;
    HIDP_CAPS caps{};  // zero-filled before the query
    const bool ok = Api().get_caps(preparsed, &caps) == HIDP_STATUS_SUCCESS;
    Api().free_preparsed(preparsed);
    return ok ? caps.FeatureReportByteLength : 0;
  }

  bool SetFeature(std::span<const uint8_t> report) override {
    // HidD_SetFeature takes a non-const buffer; it only reads it.
    std::vector<uint8_t> buffer(report.begin(), report.end());
    return Done(Api().set_feature(handle_, buffer.data(), static_cast<ULONG>(buffer.size())));
  }

  bool GetFeature(std::span<uint8_t> report) override {
    return Done(Api().get_feature(handle_, report.data(), static_cast<ULONG>(report.size())));
  }

  bool Gone() const override { return gone_; }

  bool TryLockExclusive() override {
    if (locked_) return true;
    if (lock_ == nullptr) lock_ = CreateMutexA(nullptr, FALSE, LockName(path_).c_str());
    if (lock_ == nullptr) return false;
    const DWORD waited = WaitForSingleObject(lock_, 0);
    // An abandoned mutex: its holder died mid-session; the lock is ours now.
    locked_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    return locked_;
  }

  void UnlockExclusive() override {
    if (locked_) ReleaseMutex(lock_);
    locked_ = false;
  }

 private:
  bool Done(BOOLEAN ok) {
    if (!ok && DeviceGone(GetLastError())) gone_ = true;
    return ok && !gone_;
  }

  HANDLE handle_;
  std::string path_;
  HANDLE lock_ = nullptr;
  bool locked_ = false;
  bool gone_ = false;
};

class WinHidBackend : public HidBackend {
 public:
  std::vector<std::string> Enumerate() override {
    return windows::DeviceInterfacePaths(HidClass());
  }

  std::unique_ptr<HidConnection> Open(const std::string& path) override {
    if (!Api().Loaded()) return nullptr;
    const HANDLE handle = windows::OpenDevicePath(path);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<WinHidConnection>(handle, path);
  }
};

}  // namespace

std::unique_ptr<HidBackend> MakeSystemHidBackend() { return std::make_unique<WinHidBackend>(); }

std::string SystemHidNotice() {
  return Api().Loaded() ? std::string() : "HID.dll could not be loaded: no HID device can be used";
}

}  // namespace orvane::platform
