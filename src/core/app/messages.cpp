#include "core/app/messages.h"

namespace orvane::app {

const char* MessageKey(Message message) {
  switch (message) {
    case Message::kStr020: return "Str020";
    case Message::kStr100: return "Str100";
    case Message::kStr103: return "Str103";
    case Message::kStr104: return "Str104";
    case Message::kStr107: return "Str107";
    case Message::kStr108: return "Str108";
    case Message::kStr109: return "Str109";
  }
  return "";
}

const char* Language1Text(Message message) {
  switch (message) {
    case Message::kStr020: return "Finding the specified device";
    case Message::kStr100:
      return "Please Connect the USB Device\r\rPlease check your device is attached to USB port";
    case Message::kStr103: return "Macro bin length out of range";
    case Message::kStr104: return "storage space shortage";
    case Message::kStr107: return "The mouse manufacturer or product id error";
    case Message::kStr108: return "Please keep a Left Key";
    case Message::kStr109: return "Fail";
  }
  return "";
}

}  // namespace orvane::app
