// orvanectl: the mouse from the command line, for scripts, backups and support.
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/device_commands.h"
#include "cli/macro_commands.h"
#include "cli/mouse_commands.h"
#include "platform/hid_backend.h"
#include "platform/pointer_settings.h"
#include "platform/program_folders.h"
#include "platform/real_pacer.h"

namespace {

std::atomic<bool> g_stop{false};

void OnStopSignal(int) { g_stop = true; }

int Usage(std::FILE* out) {
  std::fputs(
      "Usage: orvanectl COMMAND\n"
      "  list                 the HID interfaces found, and which is the mouse\n"
      "  info                 the mouse's identity, chip and identifiers\n"
      "  read FILE            the mouse's 2048-byte memory into FILE\n"
      "  write FILE           FILE (a 2048-byte image) into the mouse, verified\n"
      "  load N               stored configuration N (1..3) into the mouse, verified\n"
      "  dump [--json]        the mouse's configuration, decoded\n"
      "  watch [--ticks N]    follow the mouse coming and going as the program does\n"
      "  get [NAME...]        the pages' settings as NAME=VALUE lines\n"
      "  set NAME=VALUE...    change settings as the pages would, then write once\n"
      "  macro list | show NAME | import FILE | export NAME FILE\n"
      "                       the PC macro library\n"
      "  fire import FILE     a fire macro block (256 bytes) into the mouse, verified\n"
      "Names: button.P.K (profile 1-2, button 1-9; a function's name, code:XXXXXX,\n"
      "macro:NAME or fire:G), aim (0-11), switch.*, dpi.*, light.*, fire.*,\n"
      "pointer.*, engineer.* (all listed by get).\n"
      "Exits with 0 on success and 1 on any failure; writes only with write, load, set and fire "
      "import.\n",
      out);
  return out == stdout ? 0 : 1;
}

int PositiveNumber(const char* text) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  return *end == '\0' && value > 0 && value < 1'000'000 ? static_cast<int>(value) : 0;
}

int Watch(orvane::cli::CommandContext& context, const std::vector<std::string>& args) {
  int ticks = 0;
  if (args.size() == 2 && args[0] == "--ticks") {
    ticks = PositiveNumber(args[1].c_str());
    if (ticks == 0) return Usage(stderr);
  } else if (!args.empty()) {
    return Usage(stderr);
  }
  std::signal(SIGINT, OnStopSignal);
  std::signal(SIGTERM, OnStopSignal);
  return orvane::cli::WatchDevice(context.backend, context.pacer, ticks, g_stop, context.exe_dir,
                                  context.out, context.err);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace orvane::cli;
  const std::string command = argc > 1 ? argv[1] : "";
  const std::vector<std::string> args(argv + std::min(argc, 2), argv + argc);
  if (command == "--help" || command == "help") return Usage(stdout);
  auto backend = orvane::platform::MakeSystemHidBackend();
  orvane::platform::RealPacer pacer;
  auto driver = orvane::platform::MakeSystemDriverBackend();
  auto pointer = orvane::platform::MakeSystemPointerSettings();
  CommandContext context{
      *backend,     pacer,        stdout, stderr, orvane::platform::ProgramFolder(),
      driver.get(), pointer.get()};
  if (command == "list" && args.empty()) {
    return ListInterfaces(*backend, orvane::platform::SystemHidNotice(), stdout);
  }
  if (command == "info" && args.empty()) return InfoCommand(context);
  if (command == "read" && args.size() == 1) return ReadCommand(context, args[0]);
  if (command == "write" && args.size() == 1) return WriteCommand(context, args[0]);
  if (command == "load" && args.size() == 1) {
    const int n = PositiveNumber(args[0].c_str());
    if (n < 1 || n > 3) return Usage(stderr);
    return LoadCommand(context, n);
  }
  if (command == "dump" && (args.empty() || (args.size() == 1 && args[0] == "--json"))) {
    return DumpCommand(context, !args.empty());
  }
  if (command == "watch") return Watch(context, args);
  if (command == "get") return GetCommand(context, args);
  if (command == "set" && !args.empty()) return SetCommand(context, args);
  if (command == "macro") return MacroCommand(context, args);
  if (command == "fire" && args.size() == 2 && args[0] == "import") {
    return FireImportCommand(context, args[1]);
  }
  return Usage(stderr);
}
