#include "core/device/session_outcome.h"

namespace orvane::device {

const char* OutcomeName(SessionOutcome outcome) {
  switch (outcome) {
    case SessionOutcome::kDone: return "done";
    case SessionOutcome::kNoDevice: return "no device";
    case SessionOutcome::kSilentStop: return "the mouse did not answer its session";
    case SessionOutcome::kIdentityMismatch: return "identifiers not accepted";
    case SessionOutcome::kMemoryNotReady: return "memory not ready";
    case SessionOutcome::kNotWritten: return "not written";
    case SessionOutcome::kReadFailed: return "read failed";
    case SessionOutcome::kWriteFailed: return "write failed";
    case SessionOutcome::kBytesDidNotStick: return "bytes did not stick";
    case SessionOutcome::kFileError: return "file error";
    case SessionOutcome::kNoMouseImage: return "nothing read from the mouse yet";
    case SessionOutcome::kBusy: return "busy";
    case SessionOutcome::kNotDriverMouse: return "the mouse does not serve the driver";
    case SessionOutcome::kNoDriver: return "the mouse's driver was not found";
  }
  return "";
}

}  // namespace orvane::device
