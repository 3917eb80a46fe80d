#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "platform/driver_backend.h"
#include "platform/hid_backend.h"
#include "platform/pacer.h"
#include "platform/pointer_settings.h"

namespace orvane::cli {

struct CommandContext {
  platform::HidBackend& backend;
  platform::Pacer& pacer;
  std::FILE* out;
  std::FILE* err;
  std::string exe_dir;                           // with a trailing separator
  platform::DriverBackend* driver = nullptr;     // the vendor driver's devices (driver mode)
  platform::PointerSettings* pointer = nullptr;  // the user's pointer settings
};

// Each opens the mouse, runs the program's own session and returns the exit
// status: 0 on success, 1 on any failure (after printing the program's
// message for it).
int InfoCommand(CommandContext& context);
int ReadCommand(CommandContext& context, const std::string& file);
int WriteCommand(CommandContext& context, const std::string& file);
int LoadCommand(CommandContext& context, int n);
int DumpCommand(CommandContext& context, bool json);
// The pages' settings by name: `get` prints NAME=VALUE lines (all when no
// name is given); `set` applies NAME=VALUE changes as the pages would and
// writes once, or writes nothing when one is refused or unknown.
int GetCommand(CommandContext& context, const std::vector<std::string>& names);
int SetCommand(CommandContext& context, const std::vector<std::string>& assignments);
// `fire import FILE`: a fire macro block, checked slot by slot, into the
// mouse as the engineer page's import sends it.
int FireImportCommand(CommandContext& context, const std::string& file);

}  // namespace orvane::cli
