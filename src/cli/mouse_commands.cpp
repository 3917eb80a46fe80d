#include "cli/mouse_commands.h"

#include <algorithm>

#include "cli/image_dump.h"
#include "cli/printing_ui.h"
#include "core/app/device_stack.h"
#include "core/app/language_table.h"
#include "core/app/page_set.h"
#include "core/app/page_settings.h"
#include "core/device/hid_discovery.h"
#include "core/macro/macro_slots.h"
#include "platform/atomic_file.h"
#include "platform/file_read.h"

namespace orvane::cli {

using namespace orvane::device;

namespace {

// The program's state for one command: the mouse opened as the poll opens
// it, the no-device default loaded, the sessions ready.
class Session {
 public:
  explicit Session(CommandContext& context)
      : context_(context),
        ui_(context.err),
        org_(app::ShippedOrgSettings()),
        language_(app::ShippedLanguage(1)),
        device_(context.pacer, ui_, org_, context.exe_dir, context.driver),
        pages_(
            device_, org_, [this](std::string_view key) { return language_.Text(key); },
            [this] { return Naming(); }, org_.path.empty() ? context.exe_dir : org_.path,
            context.exe_dir, context.pointer) {
    pages_.fire.LoadGunKeys();
    pages_.pointer.Read();
    device_.sessions.InitNoDevice();
    uint32_t version = kWantedVersion;
    if (!OpenMouse(context.backend, device_.link, kMouseVendorId, kMouseProductId, version)) {
      ui_.ShowMessage(Message::kStr020, {});
    }
  }

  bool Opened() const { return device_.link.HandleValid(); }
  DeviceSessions& sessions() { return device_.sessions; }
  const DeviceSessions& sessions() const { return device_.sessions; }
  const config::Configuration& configuration() const { return device_.configuration; }
  const DeviceLink& link() const { return device_.link; }
  app::PageSet& pages() { return pages_; }
  const PrintingUi& ui() const { return ui_; }

  // Exit status for an outcome; says what went wrong when the program's own
  // message did not.
  int Finish(SessionOutcome outcome) {
    if (outcome == SessionOutcome::kDone) return 0;
    if (!ui_.Shown()) std::fprintf(context_.err, "%s\n", Describe(outcome));
    return 1;
  }

 private:
  static const char* Describe(SessionOutcome outcome) {
    switch (outcome) {
      case SessionOutcome::kNotWritten:
        return "not written: the mouse does not take a stored configuration";
      default: return OutcomeName(outcome);
    }
  }

  // Buttons are named in the first language, with the mouse's macro names.
  config::NamingContext Naming() {
    config::NamingContext naming;
    naming.text = [this](std::string_view key) { return language_.Text(key); };
    naming.eeprom_mode = org_.EepromMode();
    naming.macro_names = macro::ReadAndRefreshMacro(device_.configuration, slots_);
    if (!naming.eeprom_mode) pages_.AddDriverMacroNames(naming);
    pages_.AddGunKeys(naming);
    return naming;
  }

  CommandContext& context_;
  PrintingUi ui_;
  app::OrgSettings org_;
  app::LanguageTable language_;
  macro::BaseMacros slots_;  // for naming only: what the mouse's slots are called
  app::DeviceStack device_;
  app::PageSet pages_;
};

// What `info` can say about the identity: only identifiers actually read
// tell whether this program may configure the mouse.
std::string Acceptance(const Session& session, SessionOutcome outcome) {
  if (session.ui().ids()) return outcome == SessionOutcome::kIdentityMismatch ? "no" : "yes";
  switch (outcome) {
    case SessionOutcome::kMemoryNotReady:
      return "cannot tell: the mouse's memory is not ready, so its identifiers cannot be read";
    case SessionOutcome::kBusy: return "cannot tell: another program is using the mouse";
    case SessionOutcome::kNotDriverMouse: return "no: the mouse does not serve the driver";
    case SessionOutcome::kNoDriver: return "cannot tell: the mouse's driver was not found";
    case SessionOutcome::kDone: return "yes";
    case SessionOutcome::kReadFailed: return "cannot tell: the identifiers could not be read";
    default: return "cannot tell: the mouse did not answer its session as expected";
  }
}

// Names the checked sections of a loaded image that failed their checks, or
// nothing when every section was written as loaded.
std::string RepairedSections(const Session& session) {
  std::string names;
  for (const auto& name : session.sessions().RepairedSections())
    names += (names.empty() ? "" : ", ") + name;
  return names;
}

void ReportWrite(const Session& session, const std::string& what, std::FILE* out) {
  // The driver's store has no read-back: say only what was handed over.
  if (!session.sessions().EepromMode()) {
    std::fprintf(out, "wrote %s to the driver\n", what.c_str());
    return;
  }
  const std::string repaired = RepairedSections(session);
  if (repaired.empty()) {
    std::fprintf(out, "wrote %s, verified by read-back\n", what.c_str());
  } else {
    std::fprintf(out,
                 "wrote %s, verified by read-back, but these sections failed their checks and "
                 "the mouse got built-in values instead: %s\n",
                 what.c_str(), repaired.c_str());
  }
}

}  // namespace

int InfoCommand(CommandContext& context) {
  Session session(context);
  if (!session.Opened()) return 1;
  const SessionOutcome outcome = session.sessions().ReadDevInfo();
  const DeviceLink& link = session.link();
  std::fprintf(context.out, "interface: %s\nvendor: %04X\nproduct: %04X\n", link.DevPath().c_str(),
               link.DevVID(), link.DevPID());
  if (!session.sessions().EepromMode()) {
    std::fprintf(context.out, "mode: driver\n");
  } else if (outcome != SessionOutcome::kSilentStop && outcome != SessionOutcome::kBusy) {
    std::fprintf(context.out, "memory: %s\nchip type: %02X\n",
                 link.MemReady() ? "ready" : "not ready", link.ChipType());
  }
  if (const auto ids = session.ui().ids()) {
    std::fprintf(context.out, "maker id: %u\nproduct id: %u\n", ids->first, ids->second);
  }
  std::fprintf(context.out, "accepted: %s\n", Acceptance(session, outcome).c_str());
  return session.Finish(outcome);
}

int ReadCommand(CommandContext& context, const std::string& file) {
  Session session(context);
  if (!session.Opened()) return 1;
  const SessionOutcome outcome = session.sessions().ReadDevInfo();
  if (outcome != SessionOutcome::kDone) return session.Finish(outcome);
  if (!session.sessions().EepromMode()) {
    // The driver's store, as the program saves a profile.
    const SessionOutcome saved = session.sessions().SaveProfileFile(file);
    if (saved == SessionOutcome::kDone) {
      std::fprintf(context.out, "read %u bytes of the driver's store into %s\n",
                   unsigned{kDriverProfileBytes}, file.c_str());
    }
    return session.Finish(saved);
  }
  std::string error;
  if (!util::WriteFileAtomically(file, session.configuration().DevImage, &error)) {
    std::fprintf(context.err, "%s\n", error.c_str());
    return 1;
  }
  std::fprintf(context.out, "read 2048 bytes into %s\n", file.c_str());
  return 0;
}

int WriteCommand(CommandContext& context, const std::string& file) {
  // A file that cannot be written to the mouse is refused before the mouse
  // is touched.
  config::Image image{};
  std::string error;
  // A driver's store file is checked by the load itself, before anything is sent.
  const bool driver_mode = !app::ShippedOrgSettings().EepromMode();
  if (const auto read = driver_mode ? util::FileRead::kOk : util::ReadExactFile(file, image, error);
      read != util::FileRead::kOk) {
    std::fprintf(
        context.err, "%s\n",
        read == util::FileRead::kMissing ? (file + ": no such file").c_str() : error.c_str());
    return 1;
  }
  Session session(context);
  if (!session.Opened()) return 1;
  // As in the program: the mouse is read when it is found, then the file is
  // loaded in its place and written.
  SessionOutcome outcome = session.sessions().ReadDevInfo();
  if (outcome == SessionOutcome::kDone) outcome = session.sessions().LoadProfile(file);
  if (outcome == SessionOutcome::kDone) ReportWrite(session, file, context.out);
  return session.Finish(outcome);
}

int LoadCommand(CommandContext& context, int n) {
  Session session(context);
  if (!session.Opened()) return 1;
  const SessionOutcome outcome = session.sessions().LoadStoredConfiguration(n);
  if (outcome == SessionOutcome::kDone) {
    ReportWrite(session, "stored configuration " + std::to_string(n), context.out);
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

int GetCommand(CommandContext& context, const std::vector<std::string>& names) {
  const auto known = app::SettingNames();
  for (const auto& name : names) {
    if (std::find(known.begin(), known.end(), name) == known.end()) {
      std::fprintf(context.err, "no setting is called '%s'\n", name.c_str());
      return 1;
    }
  }
  Session session(context);
  if (!session.Opened()) return 1;
  const SessionOutcome outcome = session.sessions().ReadDevInfo();
  if (outcome != SessionOutcome::kDone) return session.Finish(outcome);
  for (const auto& name : names.empty() ? app::SettingNames() : names) {
    std::string value;
    app::GetSetting(session.pages(), name, value);
    std::fprintf(context.out, "%s=%s\n", name.c_str(), value.c_str());
  }
  return 0;
}

int SetCommand(CommandContext& context, const std::vector<std::string>& assignments) {
  Session session(context);
  if (!session.Opened()) return 1;
  SessionOutcome outcome = session.sessions().ReadDevInfo();
  if (outcome != SessionOutcome::kDone) return session.Finish(outcome);
  // Every change first, as the pages would make them; one refusal and
  // nothing at all is written.
  for (const auto& assignment : assignments) {
    const auto equals = assignment.find('=');
    const std::string name = assignment.substr(0, equals);
    const std::string value = equals == std::string::npos ? "" : assignment.substr(equals + 1);
    const app::SetResult result = app::SetSetting(session.pages(), name, value);
    if (result.status == app::SetStatus::kDone) continue;
    std::fprintf(context.err, "%s\n",
                 result.status == app::SetStatus::kRefused
                     ? result.message.c_str()
                     : (name + ": " + result.message + "; nothing written").c_str());
    return 1;
  }
  outcome = session.sessions().DownloadParameter();
  if (outcome == SessionOutcome::kDone) ReportWrite(session, "the settings", context.out);
  return session.Finish(outcome);
}

}  // namespace orvane::cli

namespace orvane::cli {

int FireImportCommand(CommandContext& context, const std::string& file) {
  Session session(context);
  if (!session.Opened()) return 1;
  const SessionOutcome outcome = session.sessions().ReadDevInfo();
  if (outcome != SessionOutcome::kDone) return session.Finish(outcome);
  if (const auto message = session.pages().fire.ImportBlock(file)) {
    std::fprintf(context.err, "%s\n", message->c_str());
    return 1;
  }
  // The import's own session has printed any failure.
  if (session.ui().Shown()) return 1;
  std::fprintf(context.out, "imported the fire macros of %s, verified by read-back\n",
               file.c_str());
  return 0;
}

}  // namespace orvane::cli
