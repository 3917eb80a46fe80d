#pragma once

#include <string>

#include "platform/hid_backend.h"

namespace orvane::platform {

// HID interfaces published as sockets by the mouse emulator. A socket file
// whose owner has gone (a stale file) is listed but cannot be opened.
class VirtualHidBackend : public HidBackend {
 public:
  // `folder` empty: the per-user runtime folder.
  explicit VirtualHidBackend(std::string folder = {});

  std::vector<std::string> Enumerate() override;
  std::unique_ptr<HidConnection> Open(const std::string& path) override;

  const std::string& Folder() const { return folder_; }

 private:
  std::string folder_;
};

}  // namespace orvane::platform
