#include "platform/linux/virtual_driver_backend.h"

#include <algorithm>

#include "platform/linux/virtual_hid_wire.h"
#include "platform/linux/wire_client.h"

namespace orvane::platform {

namespace {

constexpr int kPathTimeoutMs = 100;

class VirtualDriverDevice : public DriverDevice {
 public:
  explicit VirtualDriverDevice(UnixSocket socket)
      : client_(std::move(socket), wire::kAnswerHeader + wire::kMaxDriverData) {}

  bool Control(uint32_t code, std::span<const uint8_t> in, std::span<uint8_t> out) override {
    if (in.size() > wire::kMaxDriverData || out.size() > wire::kMaxDriverData) return false;
    const auto answer =
        client_.Exchange(wire::Op::kDriverControl,
                         wire::DriverControlPayload(code, static_cast<uint32_t>(out.size()), in),
                         VirtualDriverBackend::kCallTimeoutMs);
    if (!answer || !answer->ok || answer->payload.size() != out.size()) return false;
    std::copy(answer->payload.begin(), answer->payload.end(), out.begin());
    return true;
  }

 private:
  WireClient client_;
};

// The device path a driver socket stands for; empty when it does not say.
std::string DevicePathOf(const std::string& socket_path) {
  UnixSocket socket = UnixSocket::Connect(socket_path);
  if (!socket.Valid()) return {};
  WireClient client(std::move(socket), wire::kMaxMessage);
  const auto answer = client.Exchange(wire::Op::kDriverPath, {}, kPathTimeoutMs);
  if (!answer || !answer->ok) return {};
  return std::string(answer->payload.begin(), answer->payload.end());
}

}  // namespace

VirtualDriverBackend::VirtualDriverBackend(std::string folder)
    : folder_(folder.empty() ? wire::RuntimeFolder() : std::move(folder)) {
  while (folder_.size() > 1 && folder_.back() == '/')
    folder_.pop_back();
}

std::vector<std::string> VirtualDriverBackend::InterfacePaths() {
  sockets_.clear();
  std::vector<std::string> paths;
  for (const std::string& socket : wire::PublishedSockets(folder_, wire::kDriverSocketSuffix)) {
    const std::string path = DevicePathOf(socket);
    if (path.empty()) continue;  // a stale socket, or not a driver
    sockets_[path] = socket;
    paths.push_back(path);
  }
  return paths;
}

std::unique_ptr<DriverDevice> VirtualDriverBackend::Open(const std::string& path) {
  const auto found = sockets_.find(path);
  if (found == sockets_.end() || !wire::PublishedHere(folder_, found->second)) return nullptr;
  UnixSocket socket = UnixSocket::Connect(found->second);
  if (!socket.Valid()) return nullptr;
  return std::make_unique<VirtualDriverDevice>(std::move(socket));
}

std::unique_ptr<DriverBackend> MakeSystemDriverBackend() {
  return std::make_unique<VirtualDriverBackend>();
}

}  // namespace orvane::platform
