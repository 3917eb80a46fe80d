#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/hid_backend.h"

// The emulator publishes each HID interface of a virtual device as a Unix
// socket (SOCK_SEQPACKET, one message per request and per answer). This is the
// one place where both ends learn the messages.
namespace orvane::platform::wire {

enum class Op : uint8_t {
  kDescribe = 'D',    // -> ok, vendor(2), product(2), version(2), feature length(2)
  kSetFeature = 'S',  // report bytes -> ok
  kGetFeature = 'G',  // length(1), report id(1) -> ok, report bytes
};

constexpr size_t kMaxMessage = 260;

struct Description {
  HidAttributes attributes;
  uint16_t feature_length = 0;
};

std::vector<uint8_t> DescribeRequest();
std::vector<uint8_t> DescribeAnswer(const Description& description);
std::optional<Description> ParseDescribeAnswer(std::span<const uint8_t> message);

std::vector<uint8_t> SetFeatureRequest(std::span<const uint8_t> report);
std::vector<uint8_t> GetFeatureRequest(size_t length, uint8_t report_id);
// Answers to set and get: an ok byte, then any reply bytes.
std::vector<uint8_t> Answer(bool ok, std::span<const uint8_t> payload = {});

// Folder in which virtual devices appear: $XDG_RUNTIME_DIR/orvane-mouse, or a
// private folder under /tmp when the runtime folder is not set.
std::string RuntimeFolder();
// Creates the folder (mode 0700) if needed; false when it cannot exist.
bool EnsureRuntimeFolder(const std::string& folder);

constexpr const char* kSocketSuffix = ".hid";

}  // namespace orvane::platform::wire
