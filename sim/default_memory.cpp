#include "sim/default_memory.h"

namespace orvane::sim {

// Zeros until the project's default configuration image exists.
Memory DefaultMemory() { return Memory{}; }

}  // namespace orvane::sim
