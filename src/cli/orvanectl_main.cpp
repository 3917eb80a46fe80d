// orvanectl: the mouse from the command line, for scripts, backups and support.
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/device_commands.h"
#include "platform/composite_hid_backend.h"
#include "platform/real_pacer.h"

namespace {

std::atomic<bool> g_stop{false};

void OnStopSignal(int) { g_stop = true; }

int Usage(std::FILE* out) {
  std::fputs(
      "Usage: orvanectl COMMAND\n"
      "  list                 the HID interfaces found, and which is the mouse\n"
      "  watch [--ticks N]    follow the mouse coming and going as the program does\n",
      out);
  return out == stdout ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  auto backend = orvane::platform::MakeSystemHidBackend();
  if (command == "list" && argc == 2) return orvane::cli::ListInterfaces(*backend, stdout);
  if (command == "watch") {
    int ticks = 0;
    if (argc == 4 && std::string(argv[2]) == "--ticks") {
      ticks = std::atoi(argv[3]);
      if (ticks <= 0) return Usage(stderr);
    } else if (argc != 2) {
      return Usage(stderr);
    }
    std::signal(SIGINT, OnStopSignal);
    std::signal(SIGTERM, OnStopSignal);
    orvane::platform::RealPacer pacer;
    return orvane::cli::WatchDevice(*backend, pacer, ticks, g_stop, stdout);
  }
  if (command == "--help" || command == "help") return Usage(stdout);
  return Usage(stderr);
}
