#include "core/resources/resources.h"

#include "core/resources/embedded_table.h"

namespace orvane::resources {

std::optional<std::span<const uint8_t>> FindResource(std::string_view name) {
  for (const EmbeddedResource& resource : EmbeddedResources()) {
    if (resource.name == name) return std::span<const uint8_t>(resource.data, resource.size);
  }
  return std::nullopt;
}

}  // namespace orvane::resources
