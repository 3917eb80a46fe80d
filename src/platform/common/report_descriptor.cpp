#include "platform/common/report_descriptor.h"

#include <algorithm>
#include <map>
#include <vector>

namespace orvane::platform {

namespace {

struct GlobalState {
  uint32_t report_size = 0;
  uint32_t report_count = 0;
  uint8_t report_id = 0;
};

constexpr uint8_t kItemTypeMain = 0;
constexpr uint8_t kItemTypeGlobal = 1;
constexpr uint8_t kTagFeature = 0xB;
constexpr uint8_t kTagReportSize = 0x7;
constexpr uint8_t kTagReportId = 0x8;
constexpr uint8_t kTagReportCount = 0x9;
constexpr uint8_t kTagPush = 0xA;
constexpr uint8_t kTagPop = 0xB;
constexpr uint8_t kLongItemPrefix = 0xFE;

uint32_t ReadItemData(std::span<const uint8_t> data) {
  uint32_t value = 0;
  for (size_t i = 0; i < data.size(); ++i)
    value |= static_cast<uint32_t>(data[i]) << (8 * i);
  return value;
}

void ApplyGlobal(uint8_t tag, uint32_t value, GlobalState& state, std::vector<GlobalState>& stack) {
  switch (tag) {
    case kTagReportSize: state.report_size = value; break;
    case kTagReportId: state.report_id = static_cast<uint8_t>(value); break;
    case kTagReportCount: state.report_count = value; break;
    case kTagPush: stack.push_back(state); break;
    case kTagPop:
      if (!stack.empty()) {
        state = stack.back();
        stack.pop_back();
      }
      break;
    default: break;
  }
}

}  // namespace

int FeatureReportLengthFromDescriptor(std::span<const uint8_t> descriptor) {
  GlobalState state;
  std::vector<GlobalState> stack;
  std::map<uint8_t, uint64_t> feature_bits;  // per report id
  size_t pos = 0;
  while (pos < descriptor.size()) {
    const uint8_t prefix = descriptor[pos];
    if (prefix == kLongItemPrefix) {
      if (pos + 1 >= descriptor.size()) break;
      pos += 3 + descriptor[pos + 1];  // prefix, size, long tag, data
      continue;
    }
    static constexpr uint8_t kSizes[4] = {0, 1, 2, 4};
    const size_t size = kSizes[prefix & 0x03];
    if (pos + 1 + size > descriptor.size()) break;  // a truncated item ends the walk
    const uint32_t value = ReadItemData(descriptor.subspan(pos + 1, size));
    const uint8_t type = (prefix >> 2) & 0x03;
    const uint8_t tag = prefix >> 4;
    if (type == kItemTypeGlobal) {
      ApplyGlobal(tag, value, state, stack);
    } else if (type == kItemTypeMain && tag == kTagFeature) {
      feature_bits[state.report_id] +=
          static_cast<uint64_t>(state.report_size) * state.report_count;
    }
    pos += 1 + size;
  }
  uint64_t longest = 0;
  for (const auto& [id, bits] : feature_bits)
    longest = std::max(longest, bits);
  if (longest == 0) return 0;
  return static_cast<int>(std::min<uint64_t>((longest + 7) / 8 + 1, 65535));
}

}  // namespace orvane::platform
