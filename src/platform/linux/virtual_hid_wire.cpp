#include "platform/linux/virtual_hid_wire.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace orvane::platform::wire {

namespace {

void PutU16(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value & 0xFF));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
  PutU16(out, static_cast<uint16_t>(value & 0xFFFF));
  PutU16(out, static_cast<uint16_t>(value >> 16));
}

uint16_t GetU16(std::span<const uint8_t> in, size_t at) {
  return static_cast<uint16_t>(in[at] | (in[at + 1] << 8));
}

uint32_t GetU32(std::span<const uint8_t> in, size_t at) {
  return GetU16(in, at) | (static_cast<uint32_t>(GetU16(in, at + 2)) << 16);
}

std::string ModeText(mode_t mode) {
  char text[8];
  std::snprintf(text, sizeof(text), "%04o", static_cast<unsigned>(mode & 07777));
  return text;
}

}  // namespace

std::vector<uint8_t> EncodeRequest(Op op, uint32_t sequence, std::span<const uint8_t> payload) {
  std::vector<uint8_t> out{static_cast<uint8_t>(op)};
  PutU32(out, sequence);
  out.insert(out.end(), payload.begin(), payload.end());
  return out;
}

std::optional<Request> ParseRequest(std::span<const uint8_t> message) {
  if (message.size() < kRequestHeader) return std::nullopt;
  return Request{static_cast<Op>(message[0]),
                 GetU32(message, 1),
                 {message.begin() + kRequestHeader, message.end()}};
}

std::vector<uint8_t> EncodeAnswer(uint32_t sequence, bool ok, std::span<const uint8_t> payload) {
  std::vector<uint8_t> out;
  PutU32(out, sequence);
  out.push_back(ok ? 1 : 0);
  out.insert(out.end(), payload.begin(), payload.end());
  return out;
}

std::optional<Answer> ParseAnswer(std::span<const uint8_t> message) {
  if (message.size() < kAnswerHeader || message[4] > 1) return std::nullopt;
  return Answer{
      GetU32(message, 0), message[4] == 1, {message.begin() + kAnswerHeader, message.end()}};
}

std::vector<std::string> PublishedSockets(const std::string& folder, const char* suffix) {
  std::vector<std::string> paths;
  if (!CheckRuntimeFolder(folder).trusted) return paths;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.path().extension() == suffix && entry.is_socket(error)) {
      paths.push_back(entry.path().string());
    }
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

bool PublishedHere(const std::string& folder, const std::string& path) {
  const std::string prefix = folder + "/";
  return path.rfind(prefix, 0) == 0 && path.find('/', prefix.size()) == std::string::npos &&
         CheckRuntimeFolder(folder).trusted;
}

std::vector<uint8_t> DriverControlPayload(uint32_t code, uint32_t out_length,
                                          std::span<const uint8_t> in) {
  std::vector<uint8_t> out;
  PutU32(out, code);
  PutU32(out, out_length);
  out.insert(out.end(), in.begin(), in.end());
  return out;
}

std::optional<DriverControl> ParseDriverControl(std::span<const uint8_t> payload) {
  if (payload.size() < 8 || payload.size() - 8 > kMaxDriverData) return std::nullopt;
  DriverControl control{
      GetU32(payload, 0), GetU32(payload, 4), {payload.begin() + 8, payload.end()}};
  if (control.out_length > kMaxDriverData) return std::nullopt;
  return control;
}

std::vector<uint8_t> DescriptionPayload(const Description& description) {
  std::vector<uint8_t> out;
  PutU16(out, description.attributes.vendor_id);
  PutU16(out, description.attributes.product_id);
  PutU16(out, description.attributes.version);
  PutU16(out, description.feature_length);
  return out;
}

std::optional<Description> ParseDescription(std::span<const uint8_t> payload) {
  if (payload.size() != 8) return std::nullopt;
  Description description;
  description.attributes = {GetU16(payload, 0), GetU16(payload, 2), GetU16(payload, 4)};
  description.feature_length = GetU16(payload, 6);
  return description;
}

std::vector<uint8_t> GetFeaturePayload(size_t length, uint8_t report_id) {
  return {static_cast<uint8_t>(length), report_id};
}

std::string RuntimeFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && runtime[0] != '\0') return std::string(runtime) + "/orvane-mouse";
  return "/tmp/orvane-mouse-" + std::to_string(getuid());
}

FolderTrust CheckRuntimeFolder(const std::string& folder) {
  struct stat info {};
  if (lstat(folder.c_str(), &info) != 0) return {};
  FolderTrust trust{true, false, {}};
  if (S_ISLNK(info.st_mode)) {
    trust.why = folder + " is a symbolic link";
  } else if (!S_ISDIR(info.st_mode)) {
    trust.why = folder + " is not a directory";
  } else if (info.st_uid != getuid()) {
    trust.why = folder + " belongs to user " + std::to_string(info.st_uid);
  } else if ((info.st_mode & 07777) != 0700) {
    trust.why = folder + " has mode " + ModeText(info.st_mode) + ", not 0700";
  } else {
    trust.trusted = true;
  }
  return trust;
}

bool EnsureRuntimeFolder(const std::string& folder, std::string& error) {
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
    error = "cannot create " + folder + ": " + std::strerror(errno);
    return false;
  }
  FolderTrust trust = CheckRuntimeFolder(folder);
  struct stat info {};
  // Our own folder that others may enter is closed, not refused: an older
  // emulator or a umask may have left it open.
  if (!trust.trusted && lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
      info.st_uid == getuid() && chmod(folder.c_str(), 0700) == 0) {
    trust = CheckRuntimeFolder(folder);
  }
  if (!trust.trusted) error = "will not use the device folder: " + trust.why;
  return trust.trusted;
}

bool ValidDeviceName(const std::string& name) {
  if (name.empty() || name.size() > 40 || name[0] == '.') return false;
  for (const char c : name) {
    const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                         (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
    if (!allowed) return false;
  }
  return true;
}

}  // namespace orvane::platform::wire
