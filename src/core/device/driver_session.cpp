#include "core/device/driver_session.h"

#include <algorithm>

#include "core/config/parameter_fields.h"
#include "core/config/section_checks.h"

namespace orvane::device {

namespace {

constexpr uint8_t kOpenForRead = 0xA6;
constexpr uint8_t kOpenForFile = 0xA5;
constexpr uint32_t kFireKeyRequestBytes = 13;  // 2 zero bytes, then FireKey

const char* LedTypeOfStatus(uint8_t byte3) {
  switch (byte3 & 0xC0) {
    case 0x00: return "SyncLED";
    case 0x40: return "BreLED";
    case 0x80: return "RBLED";
    default: return "MCULED";
  }
}

// The 18 codes of both profiles.
std::vector<config::ActionCode> ProfileCodes(const config::DataBuf& data) {
  std::vector<config::ActionCode> codes;
  for (size_t at = 0; at + 3 <= 54; at += 3)
    codes.push_back({data.ProfileKeys[at], data.ProfileKeys[at + 1], data.ProfileKeys[at + 2]});
  return codes;
}

// The rapid-fire key is stored 0E00F0 while its fire is continuous and
// 0600F0 otherwise; the pages know it by the one code.
void SetFireKeyCodes(config::DataBuf& data, uint8_t type) {
  for (size_t at = 0; at + 3 <= 54; at += 3) {
    const bool fire_key = (data.ProfileKeys[at] == 0x06 || data.ProfileKeys[at] == 0x0E) &&
                          data.ProfileKeys[at + 1] == 0x00 && data.ProfileKeys[at + 2] == 0xF0;
    if (fire_key) data.ProfileKeys[at] = type;
  }
}

template <size_t N>
bool ReadInto(platform::DriverDevice& device, uint32_t address, std::array<uint8_t, N>& into) {
  const auto bytes = DrvRead(device, address, N);
  if (!bytes) return false;
  std::copy(bytes->begin(), bytes->end(), into.begin());
  return true;
}

}  // namespace

DriverIdentify DriverSession::Identify(std::string& led_type) {
  if (!link_.DevCmd(CmdOpen)) return DriverIdentify::kSilentStop;
  if (link_.ReportBuf()[1] != kOpenForRead) return DriverIdentify::kNotThisMouse;
  if (!link_.DevCmd(CmdStatus) || !link_.StatusSignatureOk()) return DriverIdentify::kSilentStop;
  if (!link_.DevCmd(CmdStatus, kDriverStatusParam1, kDriverStatusParam2)) {
    return DriverIdentify::kSilentStop;
  }
  if ((link_.ReportBuf()[2] & kStatusDriverBit) == 0) return DriverIdentify::kNotThisMouse;
  led_type = LedTypeOfStatus(link_.ReportBuf()[3]);
  if (!link_.DevCmd(CmdClose)) return DriverIdentify::kSilentStop;
  return DriverIdentify::kServesTheDriver;
}

bool DriverSession::OpenDriverDevice() {
  // The device of an earlier read is let go of before another is opened.
  device_.reset();
  if (!link_.DevCmd(CmdDriverLink)) return false;
  const auto link = static_cast<uint16_t>(link_.ReportBuf()[1] << 8 | link_.ReportBuf()[2]);
  device_ = OpenDriver(backend_, link);
  return device_ != nullptr;
}

std::optional<DriverStoreImage> DriverSession::ReadStore(const config::DataBuf& current) {
  if (!device_) return std::nullopt;
  DriverStoreImage image{current, {}, {}};
  config::DataBuf& data = image.data;
  std::array<uint8_t, kFireKeyRequestBytes> fire_key{};
  const auto state = DrvGetState(*device_);
  if (!state || !ReadInto(*device_, kDrvParameterA, data.ParameterA) ||
      !ReadInto(*device_, kDrvParameterB, data.ParameterB) ||
      !ReadInto(*device_, kDrvProfileKeys, data.ProfileKeys) ||
      !ReadInto(*device_, kDrvFireKey, fire_key)) {
    return std::nullopt;
  }
  image.state = *state;
  config::CheckParameterASection(data);
  config::CheckParameterBSection(data);
  config::CheckProfileSection(data);
  std::copy(fire_key.begin() + 2, fire_key.end(), data.FireKey.begin());
  SetFireKeyCodes(data, 0x06);
  const uint32_t length = driver_macros::DriverTableReadLength(ProfileCodes(data));
  if (length > 0) {
    const auto blocks = DrvRead(*device_, kDrvMacroBlocks, length);
    if (!blocks) return std::nullopt;
    image.macros = driver_macros::DriverTableBlocks(*blocks);
  }
  return image;
}

bool DriverSession::SendState(const DrvState& state, bool from_file) {
  if (!link_.DevCmd(CmdOpen)) return false;
  if (link_.ReportBuf()[1] != (from_file ? kOpenForFile : kOpenForRead)) return false;
  if (!link_.DevCmd(CmdStatus) || !link_.StatusSignatureOk()) return false;
  bool sent = false;
  if (link_.DevCmd(CmdStatus, kDriverStatusParam1, kDriverStatusParam2)) {
    sent = link_.DevCmd(CmdSetState, state[0], state[1], state[2], from_file ? 0 : state[3]);
  }
  link_.DevCmd(CmdClose);
  return sent;
}

bool DriverSession::WriteStore(const config::DataBuf& data, const DrvState& state,
                               const driver_macros::DriverMacros& macros) {
  if (!device_) return false;
  config::DataBuf out = data;
  SetFireKeyCodes(out, config::GetFireBurst(out).continuous ? 0x0E : 0x06);
  config::SealSection(out.ProfileKeys);
  config::SealSection(out.ParameterA);
  // The driver keeps FireKey without its checksum.
  out.FireKey[10] = 0;
  std::array<uint8_t, kFireKeyRequestBytes> fire_key{};
  std::copy(out.FireKey.begin(), out.FireKey.end(), fire_key.begin() + 2);
  const std::vector<uint8_t> blocks = driver_macros::DriverTableBytes(macros);
  SendState(state, false);
  bool written = DrvWrite(*device_, kDrvParameterB, out.ParameterB);
  written = DrvWrite(*device_, kDrvParameterA, out.ParameterA) && written;
  written = DrvWrite(*device_, kDrvFireKey, fire_key) && written;
  written = DrvWrite(*device_, kDrvProfileKeys, out.ProfileKeys) && written;
  // An empty table is written too (the header alone): the driver learns
  // that no block is in use.
  written = DrvWrite(*device_, kDrvMacroBlocks, blocks) && written;
  return written;
}

std::optional<std::vector<uint8_t>> DriverSession::ReadDump(uint32_t length) {
  if (!device_ || length < kDrvStateInDump + 4) return std::nullopt;
  const auto state = DrvGetState(*device_);
  auto dump = DrvRead(*device_, 0, length);
  if (!state || !dump) return std::nullopt;
  std::copy(state->begin(), state->end(), dump->begin() + kDrvStateInDump);
  return dump;
}

bool DriverSession::WriteDump(std::span<const uint8_t> bytes) {
  return device_ && DrvWrite(*device_, 0, bytes);
}

}  // namespace orvane::device
