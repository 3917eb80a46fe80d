#pragma once

#include "core/config/image_layout.h"

namespace orvane::config {

// Embedded default image 1, 2 or 3; image 1 when `n` is out of range.
const Image& DefaultImage(int n);

// The maker and product identifiers of default image 1: the first pair of
// identifiers the program accepts.
uint8_t ExpectedMakerId();
uint8_t ExpectedProductId();

}  // namespace orvane::config
