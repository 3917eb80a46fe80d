// Driver blocks and the driver's table answer.
#include <algorithm>
#include <vector>

#include "core/driver_macros/driver_macros.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orvane;
  macro::DriverBlock block{};
  std::copy_n(data, std::min(size, block.size()), block.begin());
  if (const auto decoded = macro::DecodeDriverBlock(block)) {
    macro::DriverBlock again{};
    macro::EncodeDriverBlock(decoded->macro.lines, decoded->release_flag, again);
  }
  const auto table = driver_macros::ParseDriverTable(std::span<const uint8_t>(data, size));
  std::vector<config::ActionCode> codes;
  for (size_t i = 0; i + 3 <= std::min<size_t>(size, 54); i += 3)
    codes.push_back({data[i], data[i + 1], data[i + 2]});
  driver_macros::DriverTableReadLength(codes);
  return 0;
}
