#pragma once

#include <cstdio>
#include <string>

#include "platform/hid_backend.h"
#include "platform/pacer.h"

namespace orvane::cli {

struct CommandContext {
  platform::HidBackend& backend;
  platform::Pacer& pacer;
  std::FILE* out;
  std::FILE* err;
  std::string exe_dir;  // with a trailing separator
};

// Each opens the mouse, runs the program's own session and returns the exit
// status: 0 on success, 1 on any failure (after printing the program's
// message for it).
int InfoCommand(CommandContext& context);
int ReadCommand(CommandContext& context, const std::string& file);
int WriteCommand(CommandContext& context, const std::string& file);
int LoadCommand(CommandContext& context, int n);
int DumpCommand(CommandContext& context, bool json);

}  // namespace orvane::cli
