#pragma once

namespace orvane::device {

// The messages device work shows, by their language table key.
enum class Message {
  kStr020,  // "Finding the specified device"
  kStr100,  // "Please Connect the USB Device" (with Str101 below it)
  kStr107,  // "The mouse manufacturer or product id error"
  kStr109,  // "Fail"
};

const char* MessageKey(Message message);
// The first language's text: what the command-line tool prints.
const char* Language1Text(Message message);

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
};

const char* OutcomeName(SessionOutcome outcome);

}  // namespace orvane::device
