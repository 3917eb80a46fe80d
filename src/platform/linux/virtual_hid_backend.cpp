#include "platform/linux/virtual_hid_backend.h"

#include <algorithm>

#include "platform/linux/unix_socket.h"
#include "platform/linux/virtual_hid_wire.h"
#include "platform/linux/wire_client.h"

namespace orvane::platform {

namespace {

class VirtualHidConnection : public HidConnection {
 public:
  explicit VirtualHidConnection(UnixSocket socket)
      : client_(std::move(socket), wire::kMaxMessage) {}

  std::optional<HidAttributes> Attributes() override {
    if (!Describe()) return std::nullopt;
    return description_->attributes;
  }

  int FeatureReportLength() override { return Describe() ? description_->feature_length : 0; }

  bool SetFeature(std::span<const uint8_t> report) override {
    const auto answer = Exchange(wire::Op::kSetFeature, report);
    return answer && answer->ok && answer->payload.empty();
  }

  bool GetFeature(std::span<uint8_t> report) override {
    if (report.empty() || report.size() > 255) return false;
    const auto answer =
        Exchange(wire::Op::kGetFeature, wire::GetFeaturePayload(report.size(), report[0]));
    if (!answer || !answer->ok || answer->payload.size() != report.size()) return false;
    std::copy(answer->payload.begin(), answer->payload.end(), report.begin());
    return true;
  }

  bool Gone() const override { return client_.Gone(); }

  bool TryLockExclusive() override {
    const auto answer = Exchange(wire::Op::kLock, {});
    return answer && answer->ok;
  }

  void UnlockExclusive() override { Exchange(wire::Op::kUnlock, {}); }

 private:
  bool Describe() {
    if (!description_) {
      if (const auto answer = Exchange(wire::Op::kDescribe, {}); answer && answer->ok) {
        description_ = wire::ParseDescription(answer->payload);
      }
    }
    return description_.has_value();
  }

  std::optional<wire::Answer> Exchange(wire::Op op, std::span<const uint8_t> payload) {
    return client_.Exchange(op, payload, VirtualHidBackend::kCallTimeoutMs);
  }

  WireClient client_;
  std::optional<wire::Description> description_;
};

}  // namespace

VirtualHidBackend::VirtualHidBackend(std::string folder)
    : folder_(folder.empty() ? wire::RuntimeFolder() : std::move(folder)) {
  while (folder_.size() > 1 && folder_.back() == '/')
    folder_.pop_back();
}

std::string VirtualHidBackend::FolderProblem() const {
  return wire::CheckRuntimeFolder(folder_).why;
}

std::vector<std::string> VirtualHidBackend::Enumerate() {
  return wire::PublishedSockets(folder_, wire::kSocketSuffix);
}

std::unique_ptr<HidConnection> VirtualHidBackend::Open(const std::string& path) {
  if (!wire::PublishedHere(folder_, path)) return nullptr;
  UnixSocket socket = UnixSocket::Connect(path);
  if (!socket.Valid()) return nullptr;
  return std::make_unique<VirtualHidConnection>(std::move(socket));
}

}  // namespace orvane::platform
