#pragma once

#include <string>

namespace orvane::platform {

// The folder the running program was started from, with a trailing
// separator; "./" when the system cannot say. Files read or written by
// fixed name (the macro library, stored configurations) live there.
std::string ProgramFolder();

// The current user's folder for this program's own settings, created on
// demand, with a trailing separator; empty when there is none to be had.
std::string UserDataFolder();

}  // namespace orvane::platform
