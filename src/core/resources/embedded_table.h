#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// The table the build generates from resources/ (tools/embed_resources).
namespace orvane::resources {

struct EmbeddedResource {
  std::string_view name;
  const uint8_t* data;
  size_t size;
};

std::span<const EmbeddedResource> EmbeddedResources();

}  // namespace orvane::resources
