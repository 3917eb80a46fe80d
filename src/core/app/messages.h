#pragma once

namespace orvane::app {

// The messages the program shows, by their language table key.
enum class Message {
  kStr020,  // "Finding the specified device"
  kStr100,  // "Please Connect the USB Device" (with Str101 below it)
  kStr103,  // "Macro bin length out of range"
  kStr104,  // "storage space shortage"
  kStr107,  // "The mouse manufacturer or product id error"
  kStr108,  // "Please keep a Left Key"
  kStr109,  // "Fail"
};

const char* MessageKey(Message message);
// The first language's text: what the command-line tool prints.
const char* Language1Text(Message message);

}  // namespace orvane::app
