#include "platform/virtual_hid_backend.h"

#include <algorithm>
#include <filesystem>

#include "platform/unix_socket.h"
#include "platform/virtual_hid_wire.h"

namespace orvane::platform {

namespace {

// Long enough for a busy emulator, short enough that a hung one cannot
// freeze the program for more than a moment.
constexpr int kTimeoutMs = 1000;

class VirtualHidConnection : public HidConnection {
 public:
  explicit VirtualHidConnection(UnixSocket socket) : socket_(std::move(socket)) {}

  std::optional<HidAttributes> Attributes() override {
    if (!Describe()) return std::nullopt;
    return description_->attributes;
  }

  int FeatureReportLength() override { return Describe() ? description_->feature_length : 0; }

  bool SetFeature(std::span<const uint8_t> report) override {
    std::vector<uint8_t> answer;
    return Exchange(wire::SetFeatureRequest(report), answer) && answer.size() == 1 &&
           answer[0] == 1;
  }

  bool GetFeature(std::span<uint8_t> report) override {
    if (report.empty() || report.size() > 255) return false;
    std::vector<uint8_t> answer;
    if (!Exchange(wire::GetFeatureRequest(report.size(), report[0]), answer)) return false;
    if (answer.size() != report.size() + 1 || answer[0] != 1) return false;
    std::copy(answer.begin() + 1, answer.end(), report.begin());
    return true;
  }

 private:
  bool Describe() {
    if (!description_) {
      std::vector<uint8_t> answer;
      if (Exchange(wire::DescribeRequest(), answer)) {
        description_ = wire::ParseDescribeAnswer(answer);
      }
    }
    return description_.has_value();
  }

  bool Exchange(const std::vector<uint8_t>& request, std::vector<uint8_t>& answer) {
    return socket_.Send(request) && socket_.Receive(answer, wire::kMaxMessage);
  }

  UnixSocket socket_;
  std::optional<wire::Description> description_;
};

}  // namespace

VirtualHidBackend::VirtualHidBackend(std::string folder)
    : folder_(folder.empty() ? wire::RuntimeFolder() : std::move(folder)) {}

std::vector<std::string> VirtualHidBackend::Enumerate() {
  std::vector<std::string> paths;
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
  UnixSocket socket = UnixSocket::Connect(path, kTimeoutMs);
  if (!socket.Valid()) return nullptr;
  return std::make_unique<VirtualHidConnection>(std::move(socket));
}

}  // namespace orvane::platform
