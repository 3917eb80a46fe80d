// The pointer settings on Windows: the current user's registry under
// HKEY_CURRENT_USER, and SystemParametersInfoA to put them in force at once.
#include <windows.h>

#include <memory>
#include <string>

#include "platform/pointer_settings.h"

namespace orvane::platform {

namespace {

// An existing key of the current user, opened for reading and writing; a
// missing key is never created.
class RegistryKey {
 public:
  explicit RegistryKey(const std::string& path) {
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key_) !=
        ERROR_SUCCESS) {
      key_ = nullptr;
    }
  }
  ~RegistryKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  bool Open() const { return key_ != nullptr; }
  std::optional<std::string> Get(const std::string& name) const {
    if (key_ == nullptr) return std::nullopt;
    char text[64] = {};
    DWORD size = sizeof(text) - 1;
    DWORD type = 0;
    if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text),
                         &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
      return std::nullopt;
    }
    return std::string(text);
  }
  void Set(const std::string& name, const std::string& value) const {
    if (key_ == nullptr) return;
    RegSetValueExA(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
  }

 private:
  HKEY key_ = nullptr;
};

void SetMouseSpeed(UINT ui_param, int sensitivity) {
  SystemParametersInfoA(SPI_SETMOUSESPEED, ui_param,
                        reinterpret_cast<PVOID>(static_cast<INT_PTR>(sensitivity)),
                        SPIF_SENDCHANGE);
}

int MouseSpeed() {
  int speed = 0;
  SystemParametersInfoA(SPI_GETMOUSESPEED, 0, &speed, 0);
  return speed;
}

class WinPointerSettings : public PointerSettings {
 public:
  bool HasKey(const std::string& key) override { return RegistryKey(key).Open(); }
  std::optional<std::string> Get(const std::string& key, const std::string& name) override {
    return RegistryKey(key).Get(name);
  }
  void Set(const std::string& key, const std::string& name, const std::string& value) override {
    RegistryKey(key).Set(name, value);
  }

  // The results of the system calls are not otherwise looked at: Windows
  // applies every one of them.
  Applied ApplySpeed(int sensitivity) override {
    // Windows takes the speed in pvParam; wine reads it from uiParam. When
    // the first way did not take, the second is tried.
    SetMouseSpeed(0, sensitivity);
    if (MouseSpeed() != sensitivity) SetMouseSpeed(static_cast<UINT>(sensitivity), sensitivity);
    return Applied::kYes;
  }
  Applied ApplyAcceleration(int threshold1, int threshold2, int speed) override {
    int values[3] = {threshold1, threshold2, speed};
    SystemParametersInfoA(SPI_SETMOUSE, 0, values, SPIF_SENDCHANGE);
    return Applied::kYes;
  }
  Applied ApplyDoubleClickTime(int milliseconds) override {
    SystemParametersInfoA(SPI_SETDOUBLECLICKTIME, static_cast<UINT>(milliseconds), nullptr,
                          SPIF_SENDCHANGE);
    return Applied::kYes;
  }
  Applied ApplyWheelLines(int lines) override {
    // -1 is WHEEL_PAGESCROLL: a screen at a time.
    SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, static_cast<UINT>(lines), nullptr,
                          SPIF_UPDATEINIFILE);
    return Applied::kYes;
  }
};

}  // namespace

std::unique_ptr<PointerSettings> MakeSystemPointerSettings() {
  return std::make_unique<WinPointerSettings>();
}

}  // namespace orvane::platform
