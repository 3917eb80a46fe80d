#include "sim/sim_options.h"

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <map>

#include "core/device/feature_protocol.h"
#include "platform/linux/virtual_hid_wire.h"

namespace orvane::sim {

namespace {

using namespace orvane::device;

// Accepts "FD", "0xFD" for hex options and "208", "0xD0" for plain numbers.
std::optional<unsigned long> ParseNumber(const std::string& text, int base, unsigned long max) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const unsigned long value = std::strtoul(text.c_str(), &end, base);
  if (errno != 0 || end == text.c_str() || *end != '\0' || text[0] == '-' || value > max) {
    return std::nullopt;
  }
  return value;
}

std::optional<uint8_t> ParseCommand(const std::string& text) {
  static const std::map<std::string, uint8_t> kNames = {
      {"open", CmdOpen},
      {"close", CmdClose},
      {"status", CmdStatus},
      {"read-start", CmdReadStart},
      {"read-next", CmdReadNext},
      {"write-start", CmdWriteStart},
      {"write-next", CmdWriteNext},
      {"reload", CmdSystemReload},
      {"set-state", CmdSetState},
      {"driver-link", CmdDriverLink},
  };
  if (const auto named = kNames.find(text); named != kNames.end()) return named->second;
  if (const auto code = ParseNumber(text, 16, 0xFF)) return static_cast<uint8_t>(*code);
  return std::nullopt;
}

class Parser {
 public:
  Parser(const std::vector<std::string>& args, std::string& error) : args_(args), error_(error) {}

  std::optional<SimOptions> Run() {
    for (index_ = 0; index_ < args_.size(); ++index_) {
      if (!ParseOne(args_[index_])) return std::nullopt;
    }
    return options_;
  }

 private:
  bool ParseOne(const std::string& option) {
    if (option == "--help" || option == "-h") return Flag(options_.help, true);
    if (option == "--mem-not-ready") return Flag(options_.identity.mem_ready, false);
    if (option == "--no-driver") return Flag(options_.identity.driver_capable, false);
    std::string value;
    if (!Value(option, value)) return false;
    if (option == "--memory") return Text(option, value, options_.memory_file);
    if (option == "--driver-store") return Text(option, value, options_.driver_store_file);
    if (option == "--name") {
      // The name becomes part of a socket path: it must not leave the folder.
      if (!platform::wire::ValidDeviceName(value)) return Bad(option, value);
      return Text(option, value, options_.device_name);
    }
    if (option == "--chip") return Hex(option, value, options_.identity.chip_code);
    if (option == "--signature") return Hex(option, value, options_.identity.signature);
    if (option == "--open-reply") return Hex(option, value, options_.identity.open_reply);
    if (option == "--led-type") return Hex(option, value, options_.identity.led_type_bits);
    if (option == "--link") return Hex(option, value, options_.identity.driver_link);
    if (option == "--version") return Hex(option, value, options_.hardware.version);
    if (option == "--sticky") return Sticky(option, value);
    if (option == "--no-ack") return NoAck(option, value);
    if (option == "--refuse") return Refuse(option, value);
    if (option == "--empty-replies") {
      return Count(option, value, options_.faults.empty_replies_before_answer);
    }
    if (option == "--lose-read-chunks") {
      return Count(option, value, options_.faults.lose_every_nth_read_chunk);
    }
    if (option == "--stall-ms") return Count(option, value, options_.faults.stall_ms);
    if (option == "--stall-after") {
      int requests = 0;
      if (!Count(option, value, requests)) return false;
      options_.faults.stall_after_requests = requests;
      return true;
    }
    if (option == "--unplug-after") {
      int requests = 0;
      if (!Count(option, value, requests)) return false;
      options_.faults.unplug_after_requests = requests;
      return true;
    }
    error_ = "unknown option " + option + " (see --help)";
    return false;
  }

  bool Value(const std::string& option, std::string& value) {
    if (option.rfind("--", 0) != 0 || index_ + 1 >= args_.size()) {
      error_ = option.rfind("--", 0) == 0 ? option + " needs a value" : "unexpected " + option;
      return false;
    }
    value = args_[++index_];
    return true;
  }

  static bool Flag(bool& flag, bool value) {
    flag = value;
    return true;
  }

  bool Text(const std::string& option, const std::string& value, std::string& out) {
    if (value.empty()) return Bad(option, value);
    out = value;
    return true;
  }

  bool Bad(const std::string& option, const std::string& value) {
    error_ = "bad value '" + value + "' for " + option;
    return false;
  }

  template <typename T>
  bool Hex(const std::string& option, const std::string& value, T& out) {
    const auto number = ParseNumber(value, 16, static_cast<unsigned long>(T(~T(0))));
    if (!number) return Bad(option, value);
    out = static_cast<T>(*number);
    return true;
  }

  bool Count(const std::string& option, const std::string& value, int& out) {
    const auto number = ParseNumber(value, 10, 1'000'000'000);
    if (!number) return Bad(option, value);
    out = static_cast<int>(*number);
    return true;
  }

  bool Sticky(const std::string& option, const std::string& value) {
    const auto equals = value.find('=');
    if (equals == std::string::npos) return Bad(option, value);
    const auto address = ParseNumber(value.substr(0, equals), 0, kMemorySize - 1);
    const auto byte = ParseNumber(value.substr(equals + 1), 0, 0xFF);
    if (!address || !byte) return Bad(option, value);
    options_.faults.sticky[static_cast<uint16_t>(*address)] = static_cast<uint8_t>(*byte);
    return true;
  }

  bool NoAck(const std::string& option, const std::string& value) {
    const auto command = ParseCommand(value);
    if (!command) return Bad(option, value);
    options_.faults.no_answer[*command].times = FaultCount::kAlways;
    return true;
  }

  // COMMAND or COMMAND=BYTE
  bool Refuse(const std::string& option, const std::string& value) {
    const auto equals = value.find('=');
    const auto command = ParseCommand(value.substr(0, equals));
    Refusal refusal;
    refusal.count.times = FaultCount::kAlways;
    if (equals != std::string::npos) {
      const auto byte = ParseNumber(value.substr(equals + 1), 16, 0xFF);
      if (!byte || *byte == kNoAnswerYet || *byte == kAcknowledged) return Bad(option, value);
      refusal.byte = static_cast<uint8_t>(*byte);
    }
    if (!command) return Bad(option, value);
    options_.faults.refuse[*command] = refusal;
    return true;
  }

  const std::vector<std::string>& args_;
  std::string& error_;
  size_t index_ = 0;
  SimOptions options_;
};

}  // namespace

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args,
                                          std::string& error) {
  return Parser(args, error).Run();
}

std::string SimUsage() {
  return R"(Usage: orvane-mouse-sim [OPTION]...
Emulates the Orvane Gaming Mouse: publishes its HID interfaces (vendor 2E71,
product 0D45) as virtual devices until stopped. Stopping it (Ctrl-C, SIGTERM)
unplugs the mouse.

  --memory FILE          initial memory (2048 bytes); every change is written
                         back, so a restart keeps the mouse's settings. A
                         missing file is created.
  --driver-store FILE    also publish the vendor driver's device, its store
                         (102400 bytes) kept in FILE like --memory; a missing
                         file starts from the default configuration
  --chip HEX             chip code in the status reply (default FD; 35, 75)
  --signature HEX        status signature byte (default AA)
  --mem-not-ready        status says the memory may not be used
  --open-reply HEX       CmdOpen reply byte 1 (default A6; A5)
  --no-driver            status bit 5 clear (driver mode refused)
  --led-type HEX         LED type bits of the driver status (default C0)
  --link HEX             driver link number (default 1A2B)
  --version HEX          the collections' version number (default 0104)
  --sticky ADDR=VALUE    the byte at ADDR always reads back VALUE (repeatable;
                         decimal or 0x-prefixed numbers)
  --lose-read-chunks N   every Nth read chunk is never answered
  --no-ack COMMAND       COMMAND is never acknowledged (repeatable)
  --refuse COMMAND[=HEX] COMMAND is always refused (reply byte 7 HEX, default EE)
  --empty-replies K      K empty replies before every answer
  --unplug-after N       the mouse unplugs itself after N requests
  --stall-ms MS          after --stall-after feature requests (default 100)
                         the emulator answers nothing for MS milliseconds,
                         then answers everything that came meanwhile, late
  --stall-after N        when the stall begins
  --name NAME            name of the published device (default orvane-mouse;
                         letters, digits, '-', '_', '.')
  --help                 this text

COMMAND is open, close, status, read-start, read-next, write-start,
write-next, reload, set-state, driver-link or a hex command code.
Devices appear in $XDG_RUNTIME_DIR/orvane-mouse (or /tmp/orvane-mouse-UID),
a folder of mode 0700 that must belong to you; a --memory file that cannot
be kept current stops the emulator with status 1.
)";
}

}  // namespace orvane::sim
