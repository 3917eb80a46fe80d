#pragma once

#include <string>

#include "platform/hid_backend.h"

namespace orvane::platform {

// HID interfaces published as sockets by the mouse emulator. A socket file
// whose owner has gone (a stale file) is listed but cannot be opened. The
// folder is used only when it is trusted (see wire::CheckRuntimeFolder).
class VirtualHidBackend : public HidBackend {
 public:
  // As long as one feature report may take on a real device; an emulator
  // that has not answered by then is not answering.
  static constexpr int kCallTimeoutMs = 40;

  // `folder` empty: the per-user runtime folder.
  explicit VirtualHidBackend(std::string folder = {});

  std::vector<std::string> Enumerate() override;
  std::unique_ptr<HidConnection> Open(const std::string& path) override;

  const std::string& Folder() const { return folder_; }
  // Why the folder is ignored; empty when it is used or does not exist.
  std::string FolderProblem() const;

 private:
  std::string folder_;
};

}  // namespace orvane::platform
