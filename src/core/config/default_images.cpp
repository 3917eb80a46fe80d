#include "core/config/default_images.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/resources/resources.h"

namespace orvane::config {

namespace {

Image LoadImage(int n) {
  Image image{};
  const auto bytes = resources::FindResource("TesselData_Cfg" + std::to_string(n));
  if (bytes) std::copy_n(bytes->begin(), std::min(bytes->size(), image.size()), image.begin());
  return image;
}

}  // namespace

const Image& DefaultImage(int n) {
  static const std::array<Image, 3> images = {LoadImage(1), LoadImage(2), LoadImage(3)};
  return images[static_cast<size_t>(n >= 1 && n <= 3 ? n - 1 : 0)];
}

uint8_t ExpectedMakerId() { return DefaultImage(1)[kIdentifiers.address]; }

uint8_t ExpectedProductId() { return DefaultImage(1)[kIdentifiers.address + 1]; }

}  // namespace orvane::config
