#include "sim/default_memory.h"

#include "core/config/default_images.h"

namespace orvane::sim {

// A fresh mouse holds the factory configuration: default image 1.
Memory DefaultMemory() { return config::DefaultImage(1); }

}  // namespace orvane::sim
