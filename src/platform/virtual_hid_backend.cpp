#include "platform/virtual_hid_backend.h"

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "platform/unix_socket.h"
#include "platform/virtual_hid_wire.h"

namespace orvane::platform {

namespace {

using Clock = std::chrono::steady_clock;

class VirtualHidConnection : public HidConnection {
 public:
  explicit VirtualHidConnection(UnixSocket socket) : socket_(std::move(socket)) {}

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

  bool Gone() const override { return gone_; }

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

  // Sends one request and waits, within one call's time, for the answer that
  // carries its sequence number. Answers to earlier requests that come late
  // are dropped on the way; no answer in time is a failed call.
  std::optional<wire::Answer> Exchange(wire::Op op, std::span<const uint8_t> payload) {
    if (gone_) return std::nullopt;
    const uint32_t sequence = ++last_sequence_;
    const auto deadline =
        Clock::now() + std::chrono::milliseconds(VirtualHidBackend::kCallTimeoutMs);
    if (!Settled(socket_.Send(wire::EncodeRequest(op, sequence, payload), TimeLeft(deadline)))) {
      return std::nullopt;
    }
    std::vector<uint8_t> message;
    for (;;) {
      const int left = TimeLeft(deadline);
      if (left <= 0) return std::nullopt;
      const SocketIo io = socket_.Receive(message, wire::kMaxMessage, left);
      if (io == SocketIo::kError) continue;  // an oversized message: not an answer
      if (!Settled(io)) return std::nullopt;
      const auto answer = wire::ParseAnswer(message);
      if (answer && answer->sequence == sequence) return answer;
    }
  }

  // True when the call went through; notes a peer that has gone.
  bool Settled(SocketIo io) {
    if (io == SocketIo::kClosed) gone_ = true;
    return io == SocketIo::kOk;
  }

  static int TimeLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
  }

  UnixSocket socket_;
  uint32_t last_sequence_ = 0;
  bool gone_ = false;
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
  std::vector<std::string> paths;
  if (!wire::CheckRuntimeFolder(folder_).trusted) return paths;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
    if (entry.path().extension() == wire::kSocketSuffix && entry.is_socket(error)) {
      paths.push_back(entry.path().string());
    }
  }
  // Directory order is arbitrary; a stable order keeps "the last match wins"
  // meaningful between polls.
  std::sort(paths.begin(), paths.end());
  return paths;
}

std::unique_ptr<HidConnection> VirtualHidBackend::Open(const std::string& path) {
  // Only devices of our own trusted folder, whatever path we are handed.
  const std::string prefix = folder_ + "/";
  if (path.rfind(prefix, 0) != 0 || path.find('/', prefix.size()) != std::string::npos ||
      !wire::CheckRuntimeFolder(folder_).trusted) {
    return nullptr;
  }
  UnixSocket socket = UnixSocket::Connect(path);
  if (!socket.Valid()) return nullptr;
  return std::make_unique<VirtualHidConnection>(std::move(socket));
}

}  // namespace orvane::platform
