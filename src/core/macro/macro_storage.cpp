#include "core/macro/macro_storage.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "core/util/unicode.h"

namespace orvane::macro {

namespace {

// Offsets inside a driver block.
constexpr size_t kBlockFlag = 32;
constexpr size_t kBlockLength = 33;
constexpr size_t kBlockEvents = 35;

DecodedStoredMacro Decoded(std::span<const uint8_t> events, bool flag) {
  return {WithHeader(DecodeEventBytes(events, /*merge_delays=*/true)), flag};
}

}  // namespace

uint8_t MacroChecksum(std::span<const uint8_t> bytes) {
  return static_cast<uint8_t>((std::accumulate(bytes.begin(), bytes.end(), 0u) & 0xFF) ^ 0x5A);
}

bool EncodeMacroBody(const MacroLines& lines, bool release_flag, MacroBody& body) {
  const std::vector<uint8_t> events = EncodeEventLines(lines);
  if (events.size() > kMaxBodyEvents) return false;
  body.fill(0);
  if (events.empty()) return true;
  body[0] = release_flag ? 1 : 0;
  body[1] = static_cast<uint8_t>(events.size() + 1);
  std::copy(events.begin(), events.end(), body.begin() + 2);
  const size_t length = events.size() + 1;
  body[length + 1] = MacroChecksum(std::span<const uint8_t>(body).subspan(1, length));
  return true;
}

bool EncodeDriverBlock(const MacroLines& lines, bool release_flag, DriverBlock& block) {
  const std::vector<uint8_t> events = EncodeEventLines(lines);
  if (events.size() > kMaxBlockEvents) return false;
  std::fill(block.begin() + kBlockFlag, block.end(), 0);
  if (events.empty()) return true;
  const size_t n = events.size() + 1;
  block[kBlockFlag] = release_flag ? 1 : 0;
  block[kBlockLength] = static_cast<uint8_t>(n >> 8);
  block[kBlockLength + 1] = static_cast<uint8_t>(n & 0xFF);
  std::copy(events.begin(), events.end(), block.begin() + kBlockEvents);
  // The checksum covers the two length bytes and all but the last event byte.
  block[kBlockLength + n + 1] =
      MacroChecksum(std::span<const uint8_t>(block).subspan(kBlockLength, n));
  return true;
}

std::optional<DecodedStoredMacro> DecodeMacroBody(std::span<const uint8_t, kBodyBytes> body) {
  const size_t length = body[1];
  if (length == 0 || length == 0xFF) return std::nullopt;
  const size_t last = std::min(length, kBodyBytes - 1);  // events are bytes 2..L
  const auto events = last >= 2 ? body.subspan(2, last - 1) : std::span<const uint8_t>();
  return Decoded(events, body[0] == 1);
}

std::optional<DecodedStoredMacro> DecodeDriverBlock(std::span<const uint8_t, kBlockBytes> block) {
  const uint8_t high = block[kBlockLength];
  const uint8_t low = block[kBlockLength + 1];
  if ((high == 0 && low == 0) || (high == 0xFF && low == 0xFF)) return std::nullopt;
  const size_t n = static_cast<size_t>(high << 8 | low);
  const size_t end = std::min(kBlockLength + n, kBlockBytes - 1);  // last event at 33 + N
  const auto events = end >= kBlockEvents ? block.subspan(kBlockEvents, end - kBlockEvents + 1)
                                          : std::span<const uint8_t>();
  return Decoded(events, block[kBlockFlag] == 1);
}

bool CheckMacroBody(MacroBody& body) {
  const size_t length = body[1];
  const bool valid =
      length + 1 < kBodyBytes &&
      MacroChecksum(std::span<const uint8_t>(body).subspan(1, length)) == body[length + 1];
  if (!valid) body.fill(0);
  return valid;
}

MacroName EncodeMacroName(const std::string& utf8) {
  MacroName name{};
  std::vector<uint16_t> units = util::Utf8ToUtf16(utf8);
  units.resize(std::min(units.size(), kNameCharacters));
  for (size_t i = 0; i < units.size(); ++i) {
    name[2 * i] = static_cast<uint8_t>(units[i] >> 8);
    name[2 * i + 1] = static_cast<uint8_t>(units[i] & 0xFF);
  }
  return name;
}

std::string DecodeMacroName(std::span<const uint8_t, kNameBytes> name) {
  std::vector<uint16_t> units;
  for (size_t i = 0; i < kNameCharacters; ++i) {
    const auto unit = static_cast<uint16_t>(name[2 * i] << 8 | name[2 * i + 1]);
    if (unit == 0) break;  // the first zero unit ends the name
    units.push_back(unit);
  }
  return util::Utf16ToUtf8(units);
}

bool NameIsEmpty(std::span<const uint8_t, kNameBytes> name) { return name[0] == 0 && name[1] == 0; }

}  // namespace orvane::macro
