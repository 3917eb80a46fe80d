#include "platform/linux/linux_pointer_settings.h"

#include <X11/Xlib.h>
#include <gio/gio.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/atomic_file.h"
#include "platform/program_folders.h"

namespace orvane::platform {

namespace {

constexpr const char* kGnomeMouseSchema = "org.gnome.desktop.peripherals.mouse";
// GDesktopPointerAccelProfile.
constexpr int kGnomeAccelFlat = 1;
constexpr int kGnomeAccelAdaptive = 2;

std::string DefaultFile() {
  const std::string folder = UserDataFolder();
  return folder.empty() ? std::string() : folder + "pointer-settings.ini";
}

// The folders down to the file's, created for the user alone where missing.
void MakeFolders(const std::string& file) {
  for (size_t slash = file.find('/', 1); slash != std::string::npos;
       slash = file.find('/', slash + 1)) {
    mkdir(file.substr(0, slash).c_str(), 0700);
  }
}

bool RunningGnome() {
  const char* desktop = std::getenv("XDG_CURRENT_DESKTOP");
  return desktop != nullptr && std::string(desktop).find("GNOME") != std::string::npos;
}

}  // namespace

// What the running desktop offers: the X display's pointer control, and
// GNOME's mouse settings. Speed and precision meet in one X setting, so the
// last of each is kept.
class LinuxPointerSettings::Desktop {
 public:
  Desktop() : display_(XOpenDisplay(nullptr)) {
    if (!RunningGnome()) return;
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    GSettingsSchema* schema = source != nullptr
                                  ? g_settings_schema_source_lookup(source, kGnomeMouseSchema, TRUE)
                                  : nullptr;
    if (schema == nullptr) return;
    g_settings_schema_unref(schema);
    gnome_ = g_settings_new(kGnomeMouseSchema);
  }
  ~Desktop() {
    if (display_ != nullptr) XCloseDisplay(display_);
    if (gnome_ != nullptr) {
      g_settings_sync();
      g_object_unref(gnome_);
    }
  }
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  bool SetSpeed(int sensitivity) {
    sensitivity_ = sensitivity;
    const bool gnome = Gnome([&] {
      const double speed = std::clamp((sensitivity - 10) / 10.0, -1.0, 1.0);
      g_settings_set_double(gnome_, "speed", speed);
    });
    return PushPointerControl() || gnome;
  }
  bool SetAcceleration(int threshold1, int speed) {
    threshold1_ = threshold1;
    accelerated_ = speed != 0;
    const bool gnome = Gnome([&] {
      g_settings_set_enum(gnome_, "accel-profile",
                          accelerated_ ? kGnomeAccelAdaptive : kGnomeAccelFlat);
    });
    return PushPointerControl() || gnome;
  }
  bool SetDoubleClick(int milliseconds) {
    return Gnome([&] { g_settings_set_int(gnome_, "double-click", milliseconds); });
  }

 private:
  template <typename Change>
  bool Gnome(Change change) {
    if (gnome_ == nullptr) return false;
    change();
    g_settings_sync();
    return true;
  }

  bool PushPointerControl() {
    if (display_ == nullptr) return false;
    const int numerator = std::max(1, (accelerated_ ? 2 : 1) * sensitivity_);
    const int threshold = accelerated_ ? std::max(0, threshold1_) : 0;
    XChangePointerControl(display_, True, True, numerator, 10, threshold);
    XSync(display_, False);
    return true;
  }

  Display* display_;
  GSettings* gnome_ = nullptr;
  int sensitivity_ = 10;
  int threshold1_ = 0;
  bool accelerated_ = false;
};

LinuxPointerSettings::LinuxPointerSettings(std::string file)
    : file_(file.empty() ? DefaultFile() : std::move(file)) {}

// The desktop is asked only when something is to be put in force: reading
// the settings needs no display.
LinuxPointerSettings::Desktop& LinuxPointerSettings::TheDesktop() {
  if (!desktop_) desktop_ = std::make_unique<Desktop>();
  return *desktop_;
}

LinuxPointerSettings::~LinuxPointerSettings() = default;

void LinuxPointerSettings::Load() {
  values_.clear();
  std::ifstream in(file_);
  std::string line;
  std::string section;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    const size_t equals = line.find('=');
    if (section.empty() || equals == std::string::npos) continue;
    values_[section][line.substr(0, equals)] = line.substr(equals + 1);
  }
}

void LinuxPointerSettings::Save() {
  std::ostringstream text;
  for (const auto& [key, names] : values_) {
    text << '[' << key << "]\n";
    for (const auto& [name, value] : names)
      text << name << '=' << value << '\n';
  }
  const std::string bytes = text.str();
  MakeFolders(file_);
  write_error_.clear();
  util::WriteFileAtomically(file_,
                            std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()),
                            &write_error_);
}

bool LinuxPointerSettings::HasKey(const std::string& key) {
  return key == kMouseKey || key == kDesktopKey;
}

std::optional<std::string> LinuxPointerSettings::Get(const std::string& key,
                                                     const std::string& name) {
  // The file as it is now: orvanectl or another window may have changed it.
  Load();
  const auto section = values_.find(key);
  if (section == values_.end()) return std::nullopt;
  const auto value = section->second.find(name);
  if (value == section->second.end()) return std::nullopt;
  return value->second;
}

void LinuxPointerSettings::Set(const std::string& key, const std::string& name,
                               const std::string& value) {
  if (!HasKey(key)) return;
  Load();  // what others wrote since stays
  values_[key][name] = value;
  Save();
}

Applied LinuxPointerSettings::ApplySpeed(int sensitivity) {
  return TheDesktop().SetSpeed(sensitivity) ? Applied::kYes : Applied::kNotHere;
}

Applied LinuxPointerSettings::ApplyAcceleration(int threshold1, int /*threshold2*/, int speed) {
  return TheDesktop().SetAcceleration(threshold1, speed) ? Applied::kYes : Applied::kNotHere;
}

Applied LinuxPointerSettings::ApplyDoubleClickTime(int milliseconds) {
  return TheDesktop().SetDoubleClick(milliseconds) ? Applied::kYes : Applied::kNotHere;
}

Applied LinuxPointerSettings::ApplyWheelLines(int /*lines*/) { return Applied::kNotHere; }

std::unique_ptr<PointerSettings> MakeSystemPointerSettings() {
  return std::make_unique<LinuxPointerSettings>();
}

}  // namespace orvane::platform
