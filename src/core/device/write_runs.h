#pragma once

#include <vector>

#include "core/config/data_buf.h"

namespace orvane::device {

// The block writes that bring a mouse holding `held` to `wanted`: the runs of
// differing bytes, with two runs joined where the bytes between them cost
// no more chunks than a block write of its own would (its CmdWriteStart
// takes as long as a chunk). Nothing when the two are equal.
std::vector<config::Region> ChangedRuns(const config::Image& held, const config::Image& wanted);

}  // namespace orvane::device
