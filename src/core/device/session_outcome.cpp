#include "core/device/session_outcome.h"

namespace orvane::device {

const char* MessageKey(Message message) {
  switch (message) {
    case Message::kStr020: return "Str020";
    case Message::kStr100: return "Str100";
    case Message::kStr107: return "Str107";
    case Message::kStr109: return "Str109";
  }
  return "";
}

const char* Language1Text(Message message) {
  switch (message) {
    case Message::kStr020: return "Finding the specified device";
    case Message::kStr100:
      return "Please Connect the USB Device\r\rPlease check your device is attached to USB port";
    case Message::kStr107: return "The mouse manufacturer or product id error";
    case Message::kStr109: return "Fail";
  }
  return "";
}

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
  }
  return "";
}

}  // namespace orvane::device
