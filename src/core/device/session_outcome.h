#pragma once

#include "core/app/messages.h"

namespace orvane::device {

using app::Language1Text;
using app::Message;

enum class SessionOutcome {
  kDone,              // read, or written and verified
  kNoDevice,          // no mouse open: Str020
  kSilentStop,        // the mouse did not acknowledge its session or answered oddly
  kIdentityMismatch,  // maker/product identifiers not accepted: Str107
  kMemoryNotReady,    // the mouse's memory may not be used: Str020, handle dropped
  kNotWritten,        // session closed normally without writing (memory or chip)
  kReadFailed,        // the memory read did not complete: Str109, nothing taken
  kWriteFailed,       // a write or read-back did not complete: Str109
  kBytesDidNotStick,  // bytes still differ after three repair passes: Str109
  kFileError,         // a file could not be read or written
  kNoMouseImage,      // nothing read from this mouse yet, so nothing to write: Str109
  kBusy,              // another program has a session with the mouse: kMouseBusyText
  kNotDriverMouse,    // driver mode: the mouse does not serve the driver: Str020
  kNoDriver,          // driver mode: no driver device of the mouse's link number: Str020
};

// Shown when another program keeps the mouse for longer than a session waits.
constexpr const char* kMouseBusyText = "The mouse is busy: another program is using it.";
// How long a session waits for another program's session to end.
constexpr int kBusyWaitMs = 3000;

const char* OutcomeName(SessionOutcome outcome);

}  // namespace orvane::device
