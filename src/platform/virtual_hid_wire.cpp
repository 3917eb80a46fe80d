#include "platform/virtual_hid_wire.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace orvane::platform::wire {

namespace {

void PutU16(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value & 0xFF));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

uint16_t GetU16(std::span<const uint8_t> in, size_t at) {
  return static_cast<uint16_t>(in[at] | (in[at + 1] << 8));
}

}  // namespace

std::vector<uint8_t> DescribeRequest() { return {static_cast<uint8_t>(Op::kDescribe)}; }

std::vector<uint8_t> DescribeAnswer(const Description& description) {
  std::vector<uint8_t> out{1};
  PutU16(out, description.attributes.vendor_id);
  PutU16(out, description.attributes.product_id);
  PutU16(out, description.attributes.version);
  PutU16(out, description.feature_length);
  return out;
}

std::optional<Description> ParseDescribeAnswer(std::span<const uint8_t> message) {
  if (message.size() != 9 || message[0] != 1) return std::nullopt;
  Description description;
  description.attributes = {GetU16(message, 1), GetU16(message, 3), GetU16(message, 5)};
  description.feature_length = GetU16(message, 7);
  return description;
}

std::vector<uint8_t> SetFeatureRequest(std::span<const uint8_t> report) {
  std::vector<uint8_t> out{static_cast<uint8_t>(Op::kSetFeature)};
  out.insert(out.end(), report.begin(), report.end());
  return out;
}

std::vector<uint8_t> GetFeatureRequest(size_t length, uint8_t report_id) {
  return {static_cast<uint8_t>(Op::kGetFeature), static_cast<uint8_t>(length), report_id};
}

std::vector<uint8_t> Answer(bool ok, std::span<const uint8_t> payload) {
  std::vector<uint8_t> out{static_cast<uint8_t>(ok ? 1 : 0)};
  out.insert(out.end(), payload.begin(), payload.end());
  return out;
}

std::string RuntimeFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && runtime[0] != '\0') return std::string(runtime) + "/orvane-mouse";
  return "/tmp/orvane-mouse-" + std::to_string(getuid());
}

bool EnsureRuntimeFolder(const std::string& folder) {
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
  struct stat info {};
  // Another user's folder under /tmp must not be trusted with our devices.
  return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid();
}

}  // namespace orvane::platform::wire
