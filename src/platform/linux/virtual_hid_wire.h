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
//
// Every request carries a sequence number that its answer repeats, so a
// client that gave up waiting can tell a late answer to an earlier request
// from the answer to the request it is waiting for.
namespace orvane::platform::wire {

enum class Op : uint8_t {
  kDescribe = 'D',    // -> ok, vendor(2), product(2), version(2), feature length(2)
  kSetFeature = 'S',  // report bytes -> ok
  kGetFeature = 'G',  // length(1), report id(1) -> ok, report bytes
  kLock = 'L',        // -> ok when this client now holds the device alone
  kUnlock = 'U',      // -> ok
  // The vendor driver's device, published beside the mouse's interfaces.
  kDriverPath = 'P',     // -> ok, the driver device's path (its link number inside)
  kDriverControl = 'C',  // code(4), output length(4), input bytes -> ok, output bytes
};

constexpr size_t kMaxMessage = 260;
// A driver request carries at most a whole store (102400 bytes) and the
// driver's own 8-byte header.
constexpr size_t kMaxDriverData = 102400 + 8;

constexpr size_t kRequestHeader = 5;  // op, sequence (4, low byte first)
constexpr size_t kAnswerHeader = 5;   // sequence (4), ok
constexpr size_t kMaxDriverMessage = kRequestHeader + 8 + kMaxDriverData;

struct Request {
  Op op = Op::kDescribe;
  uint32_t sequence = 0;
  std::vector<uint8_t> payload;
};

struct Answer {
  uint32_t sequence = 0;
  bool ok = false;
  std::vector<uint8_t> payload;
};

struct Description {
  HidAttributes attributes;
  uint16_t feature_length = 0;
};

std::vector<uint8_t> EncodeRequest(Op op, uint32_t sequence, std::span<const uint8_t> payload = {});
// Nothing for a message too short to carry the header.
std::optional<Request> ParseRequest(std::span<const uint8_t> message);

std::vector<uint8_t> EncodeAnswer(uint32_t sequence, bool ok,
                                  std::span<const uint8_t> payload = {});
std::optional<Answer> ParseAnswer(std::span<const uint8_t> message);

std::vector<uint8_t> DescriptionPayload(const Description& description);
std::optional<Description> ParseDescription(std::span<const uint8_t> payload);

// A driver control request: the code, how many bytes the answer is to
// carry, and the input bytes.
struct DriverControl {
  uint32_t code = 0;
  uint32_t out_length = 0;
  std::vector<uint8_t> in;
};
std::vector<uint8_t> DriverControlPayload(uint32_t code, uint32_t out_length,
                                          std::span<const uint8_t> in);
// Nothing for a payload too short, or one that asks for more than a driver
// request carries.
std::optional<DriverControl> ParseDriverControl(std::span<const uint8_t> payload);

// Payload of a get-feature request.
std::vector<uint8_t> GetFeaturePayload(size_t length, uint8_t report_id);

// Folder in which virtual devices appear: $XDG_RUNTIME_DIR/orvane-mouse, or
// /tmp/orvane-mouse-UID when the runtime folder is not set.
std::string RuntimeFolder();

// Whether a program of this user may trust the folder with its devices: a
// real directory (not a symlink) owned by the user and closed to everyone
// else (mode 0700). Anyone can create a folder under /tmp first.
struct FolderTrust {
  bool exists = false;
  bool trusted = false;
  std::string why;  // when it exists but is not trusted
};
FolderTrust CheckRuntimeFolder(const std::string& folder);

// For the emulator: creates the folder (mode 0700) if needed and closes a
// folder of ours that others could enter. False, with the reason, for a
// symlink, something that is not a directory or a folder of someone else.
bool EnsureRuntimeFolder(const std::string& folder, std::string& error);

// A device name the emulator may publish under: no path separators, no
// leading dot, printable, short enough for a socket path.
bool ValidDeviceName(const std::string& name);

// The sockets of the trusted `folder` whose names end in `suffix`, in a
// stable order (directory order is arbitrary; "the last match wins" must
// mean the same between polls). None when the folder is not trusted.
std::vector<std::string> PublishedSockets(const std::string& folder, const char* suffix);
// Whether `path` names a socket right inside the trusted `folder`: only
// devices of our own folder are opened, whatever path we are handed.
bool PublishedHere(const std::string& folder, const std::string& path);

constexpr const char* kSocketSuffix = ".hid";
constexpr const char* kDriverSocketSuffix = ".drv";

}  // namespace orvane::platform::wire
