#pragma once

#include <string>
#include <vector>

#include "cli/mouse_commands.h"

namespace orvane::cli {

// `orvanectl macro ...`: the PC macro library, as the macro page keeps it
// ("Macro.bin" beside the program, or in the product's Path):
//   list                 the names, one per line
//   show NAME            the macro's event lines, header first
//   import FILE          an export of one macro, or of a whole library
//   export NAME FILE     one macro into FILE
// Returns the exit status; the library file changes only on success.
int MacroCommand(CommandContext& context, const std::vector<std::string>& args);

}  // namespace orvane::cli
