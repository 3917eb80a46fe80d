#include "cli/mouse_commands.h"

#include <optional>

#include "cli/image_dump.h"
#include "core/config/default_images.h"
#include "core/device/device_sessions.h"
#include "core/device/hid_discovery.h"
#include "core/util/atomic_file.h"

namespace orvane::cli {

using namespace orvane::device;

namespace {

// Messages go to the error stream in the first language; the rest of the
// window's part has nothing to show here.
class PrintingUi : public SessionUi {
 public:
  explicit PrintingUi(std::FILE* err) : err_(err) {}
  void ShowMessage(Message message) override {
    std::fprintf(err_, "%s\n", Language1Text(message));
    shown_ = true;
  }
  void ShowProblem(const std::string& what) override {
    std::fprintf(err_, "%s\n", what.c_str());
    shown_ = true;
  }
  void ShowReadIdentifiers(uint8_t maker, uint8_t product) override { ids_ = {maker, product}; }

  bool Shown() const { return shown_; }
  std::optional<std::pair<uint8_t, uint8_t>> ids() const { return ids_; }

 private:
  std::FILE* err_;
  bool shown_ = false;
  std::optional<std::pair<uint8_t, uint8_t>> ids_;
};

// The program's state for one command: the mouse opened as the poll opens
// it, the no-device default loaded, the sessions ready.
class Session {
 public:
  explicit Session(CommandContext& context)
      : context_(context),
        link_(context.pacer),
        ui_(context.err),
        sessions_(link_, config_, ui_, context.pacer, Settings(context)) {
    sessions_.InitNoDevice();
    uint32_t version = kWantedVersion;
    if (!OpenMouse(context.backend, link_, kMouseVendorId, kMouseProductId, version)) {
      ui_.ShowMessage(Message::kStr020);
    }
  }

  bool Opened() const { return link_.HandleValid(); }
  DeviceSessions& sessions() { return sessions_; }
  const config::Configuration& configuration() const { return config_; }
  const DeviceLink& link() const { return link_; }
  const PrintingUi& ui() const { return ui_; }

  // Exit status for an outcome; says what went wrong when the program's own
  // message did not.
  int Finish(SessionOutcome outcome) {
    if (outcome == SessionOutcome::kDone) return 0;
    if (!ui_.Shown()) std::fprintf(context_.err, "%s\n", Describe(outcome));
    return 1;
  }

 private:
  static SessionSettings Settings(const CommandContext& context) {
    SessionSettings settings;
    settings.expected_maker_id = config::ExpectedMakerId();
    settings.expected_product_id = config::ExpectedProductId();
    settings.exe_dir = context.exe_dir;
    return settings;
  }

  static const char* Describe(SessionOutcome outcome) {
    switch (outcome) {
      case SessionOutcome::kSilentStop: return "the mouse did not answer its session";
      case SessionOutcome::kNotWritten:
        return "not written: the mouse does not take a stored configuration";
      default: return OutcomeName(outcome);
    }
  }

  CommandContext& context_;
  DeviceLink link_;
  PrintingUi ui_;
  config::Configuration config_;
  DeviceSessions sessions_;
};

}  // namespace

int InfoCommand(CommandContext& context) {
  Session session(context);
  if (!session.Opened()) return 1;
  const SessionOutcome outcome = session.sessions().ReadDevInfo();
  const DeviceLink& link = session.link();
  std::fprintf(context.out, "interface: %s\nvendor: %04X\nproduct: %04X\n", link.DevPath().c_str(),
               link.DevVID(), link.DevPID());
  std::fprintf(context.out, "memory: %s\nchip type: %02X\n",
               link.MemReady() ? "ready" : "not ready", link.ChipType());
  if (const auto ids = session.ui().ids()) {
    std::fprintf(context.out, "maker id: %u\nproduct id: %u\n", ids->first, ids->second);
  }
  std::fprintf(context.out, "accepted: %s\n",
               outcome == SessionOutcome::kIdentityMismatch ? "no" : "yes");
  return session.Finish(outcome);
}

int ReadCommand(CommandContext& context, const std::string& file) {
  Session session(context);
  if (!session.Opened()) return 1;
  const SessionOutcome outcome = session.sessions().ReadDevInfo();
  if (outcome != SessionOutcome::kDone) return session.Finish(outcome);
  std::string error;
  if (!util::WriteFileAtomically(file, session.configuration().DevImage, &error)) {
    std::fprintf(context.err, "%s\n", error.c_str());
    return 1;
  }
  std::fprintf(context.out, "read 2048 bytes into %s\n", file.c_str());
  return 0;
}

int WriteCommand(CommandContext& context, const std::string& file) {
  Session session(context);
  if (!session.Opened()) return 1;
  // As in the program: the mouse is read when it is found, then the file is
  // loaded over that image (a short file keeps the rest) and written.
  SessionOutcome outcome = session.sessions().ReadDevInfo();
  if (outcome == SessionOutcome::kDone) outcome = session.sessions().LoadProfile(file);
  if (outcome == SessionOutcome::kDone) {
    std::fprintf(context.out, "wrote %s and verified it\n", file.c_str());
  }
  return session.Finish(outcome);
}

int LoadCommand(CommandContext& context, int n) {
  Session session(context);
  if (!session.Opened()) return 1;
  const SessionOutcome outcome = session.sessions().LoadStoredConfiguration(n);
  if (outcome == SessionOutcome::kDone) {
    std::fprintf(context.out, "stored configuration %d written and verified\n", n);
  }
  return session.Finish(outcome);
}

int DumpCommand(CommandContext& context, bool json) {
  Session session(context);
  if (!session.Opened()) return 1;
  const SessionOutcome outcome = session.sessions().ReadDevInfo();
  if (outcome != SessionOutcome::kDone) return session.Finish(outcome);
  const DumpFields fields = DumpConfiguration(session.configuration().data);
  std::fputs((json ? FormatJson(fields) : FormatText(fields)).c_str(), context.out);
  return 0;
}

}  // namespace orvane::cli
