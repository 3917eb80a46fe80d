#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace orvane::resources {

// The tables, images and pictures built into the program, by resource name
// ("TesselData_Cfg1"). Nothing when the name is unknown.
std::optional<std::span<const uint8_t>> FindResource(std::string_view name);

}  // namespace orvane::resources
