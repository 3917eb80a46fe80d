#include "core/device/write_runs.h"

#include "core/device/feature_protocol.h"

namespace orvane::device {

namespace {

int Chunks(int bytes) { return (bytes + kChunkBytes - 1) / kChunkBytes; }

}  // namespace

std::vector<config::Region> ChangedRuns(const config::Image& held, const config::Image& wanted) {
  std::vector<config::Region> runs;
  const int size = static_cast<int>(wanted.size());
  for (int at = 0; at < size;) {
    if (held[at] == wanted[at]) {
      ++at;
      continue;
    }
    int end = at;
    while (end < size && held[end] != wanted[end])
      ++end;
    const int length = end - at;
    if (!runs.empty()) {
      config::Region& last = runs.back();
      const int joined = end - last.address;
      // One start and the chunks of both, against the chunks of one block.
      if (Chunks(joined) <= Chunks(last.length) + 1 + Chunks(length)) {
        last.length = static_cast<uint16_t>(joined);
        at = end;
        continue;
      }
    }
    runs.push_back({static_cast<uint16_t>(at), static_cast<uint16_t>(length)});
    at = end;
  }
  return runs;
}

}  // namespace orvane::device
