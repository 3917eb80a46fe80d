// A request to the emulated driver's device, as any client may send it over
// its socket: the message, the control request inside it, and the store's
// answer into a buffer of the length the request asks for.
#include <vector>

#include "platform/linux/virtual_hid_wire.h"
#include "sim/driver_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orvane;
  static sim::DriverStore store;
  const auto request = platform::wire::ParseRequest(std::span<const uint8_t>(data, size));
  if (!request) return 0;
  const auto control = platform::wire::ParseDriverControl(request->payload);
  if (!control) return 0;
  std::vector<uint8_t> out(control->out_length, 0);
  store.Control(control->code, control->in, out);
  return 0;
}
