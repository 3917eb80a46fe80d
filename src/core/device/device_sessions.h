#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/config/data_buf.h"
#include "core/device/device_link.h"
#include "core/device/driver_session.h"
#include "core/device/image_observer.h"
#include "core/device/live_state.h"
#include "core/device/session_outcome.h"
#include "core/device/session_ui.h"
#include "platform/pacer.h"

namespace orvane::device {

struct SessionSettings {
  uint8_t expected_maker_id = 255;
  uint8_t expected_product_id = 255;
  uint8_t reserve_maker_id = 0;
  uint8_t reserve_product_id = 0;
  std::string macro_path;  // folder of the files read by fixed name; empty: exe_dir
  std::string exe_dir;     // the program's folder, with a trailing separator
  // False in driver mode: the configuration lives in the vendor driver's
  // store, and the mouse only applies the live state.
  bool eeprom_mode = true;
};

// A driver-mode profile file: the store from address 0 up to the end of
// the last block a 16-bit macro pointer reaches (256 + 32 x 2048 bytes).
constexpr uint32_t kDriverProfileBytes = 65792;
// The shortest store file taken: the profile files of earlier versions.
constexpr uint32_t kDriverProfileMinBytes = 40960;

// The read and write sessions over the opened mouse, and the operations
// built on them. Each returns its outcome after showing, through the UI, what
// the user is to see.
class DeviceSessions {
 public:
  DeviceSessions(DeviceLink& link, config::Configuration& config, SessionUi& ui,
                 platform::Pacer& pacer, SessionSettings settings,
                 platform::DriverBackend* driver = nullptr);

  // Every page controller listens to the images shown and written.
  void AddObserver(ImageObserver* observer) { observers_.push_back(observer); }

  // The no-device state's data: default image 1, distributed.
  void InitNoDevice();

  // Reading.
  SessionOutcome ReadDevInfo();
  SessionOutcome Btn_Read_0Click();

  // Writing.
  SessionOutcome Btn_Apply_0Click();
  SessionOutcome Btn_Confirm_0Click();
  SessionOutcome DownloadParameter();
  SessionOutcome WriteImageVerified();
  SessionOutcome MemoToDataBuf_OnClick();
  SessionOutcome TLDefaultParameter(const std::string& file_name);
  // Btn_Confirm1_1Click .. Btn_Confirm3_1Click: stored configuration 1..3.
  SessionOutcome LoadStoredConfiguration(int n);
  SessionOutcome Btn_DefaultClick();

  // Profile files. `chosen` is the name from the save dialog.
  SessionOutcome SaveProfile(const std::string& chosen);
  // The same into exactly `file`.
  SessionOutcome SaveProfileFile(const std::string& file);
  SessionOutcome LoadProfile(const std::string& path);
  // Btn_ImportBaseMacroClick: 1024 checked bytes of macro slots 1 to 4 into
  // the image and, on a 0x98 chip, into the mouse, verified by read-back.
  SessionOutcome ImportBaseMacros(std::span<const uint8_t> slots);
  // The fire page's Confirm: FirePointerTable, FireYOffsetTable,
  // FireColorTable and FireMacroBlock into the image and, on a 0x98 chip,
  // into the mouse, verified by read-back; `with_tables` false sends the
  // block alone (the engineer's import).
  SessionOutcome WriteFireMacros(bool with_tables);

  // Driver mode.
  bool EepromMode() const { return settings_.eeprom_mode; }
  void SetLiveStatePages(LiveStatePages* pages) { live_state_ = pages; }
  // DriverMacros: the driver's macro table as last read, with the blocks
  // assigned since.
  driver_macros::DriverMacros& DriverMacros() { return driver_macros_; }
  const driver_macros::DriverMacros& DriverMacros() const { return driver_macros_; }
  const DrvState& LiveState() const { return drv_state_; }
  // The restore-defaults and stored-configuration loads: a whole-store
  // file of fixed name into the driver, then the store read back.
  SessionOutcome TLDefaultDriverParameter(const std::string& file_name);
  // Unplugged: the driver device is let go of.
  void DriverUnplugged();

  // True once DataBuf holds this mouse's configuration (or one the user
  // loaded on purpose) rather than the no-device default.
  bool HoldsMouseImage() const { return holds_mouse_image_; }
  int LastWriteRepairPasses() const { return last_repair_passes_; }
  // Whether the next verified write may send only what differs from what
  // this mouse was last found to hold.
  bool KnowsMouseMemory() const;
  // The checked sections of the last loaded image that failed their checks
  // and were shown and written with built-in values.
  const std::vector<std::string>& RepairedSections() const { return repaired_sections_; }
  const SessionSettings& settings() const { return settings_; }

 private:
  friend class DeviceWork;
  enum class Opened { kYes, kNo, kBusy };
  // The mouse locked for this program, CmdOpen, then CmdStatus with its
  // signature; MemReady and ChipType taken. Anything but kYes leaves the
  // mouse unlocked; kBusy has told the user.
  Opened OpenSession();
  // CmdSystemReload, CmdClose, and the lock given back.
  void CloseSession();
  SessionOutcome NotOpened(Opened opened);
  // The mouse's whole memory into `read`, after its session and identifiers
  // were accepted; `before_read` runs just before the memory is read.
  SessionOutcome ReadMouseMemory(config::Image& read, const std::function<void()>& before_read);
  // The maker and product pair of the default image or the reserve pair.
  bool IdentityAccepted(uint8_t maker, uint8_t product) const;
  // Why a profile image may not be loaded into this mouse; nothing when it may.
  std::optional<std::string> ProfileImageRefused(const config::Image& image) const;
  SessionOutcome DriverReadDevInfo();
  SessionOutcome DownloadDriverParameter();
  // A whole-store file into the driver, its live state sent to the mouse,
  // then the store read back.
  SessionOutcome LoadDriverFile(const std::string& path);
  SessionOutcome SaveDriverProfile(const std::string& file);
  // The driver device of this mouse, opened when it is not yet; the mouse
  // locked for this program meanwhile.
  bool DriverReady();
  SessionOutcome ReadFailed(const std::string& why);
  SessionOutcome WriteInSession(bool needs_chip_98);
  // Regions of DevImage written alone and read back, in one session.
  SessionOutcome WriteRegionsVerified(std::span<const config::Region> regions, const char* what);
  SessionOutcome RepairPasses(config::Image& read_back);
  SessionOutcome WriteFailed(const std::string& why);
  bool ReadBack(config::Image& read_back, std::string& why);
  // What this mouse holds, as a complete read or a verified write found it;
  // forgotten whenever that may no longer be so.
  void KnowMouseMemory(const config::Image& memory);
  void ForgetMouseMemory() { known_memory_.reset(); }
  // Why a block transfer that returned false did not complete.
  std::string TransferFailure(const char* what, uint64_t failed_calls_before) const;
  std::string FixedFilePath(const std::string& file_name) const;
  void WaitWithMessages();
  void ImageShown();

  // What the user is to see: at once when no device work is under way,
  // else once it is over and the busy window is gone.
  void Say(Message message, const std::string& detail = {});
  void SayProblem(const std::string& what);

  struct Pending {
    bool problem = false;
    Message message = Message::kStr109;
    std::string text;
  };

  DeviceLink& link_;
  config::Configuration& config_;
  SessionUi& ui_;
  platform::Pacer& pacer_;
  SessionSettings settings_;
  std::vector<ImageObserver*> observers_;
  bool holds_mouse_image_ = false;
  int last_repair_passes_ = 0;
  std::vector<std::string> repaired_sections_;
  int work_depth_ = 0;
  std::vector<Pending> pending_;
  struct KnownMemory {
    uint64_t attachment;  // of the link: another opening is another mouse
    config::Image bytes;
  };
  std::optional<KnownMemory> known_memory_;
  std::optional<DriverSession> driver_;  // when the program has a driver backend
  LiveStatePages* live_state_ = nullptr;
  DrvState drv_state_{};
  driver_macros::DriverMacros driver_macros_;
};

// Device work: DevTimer stopped, the UI locked and the busy window shown for
// as long as it lives, all three undone at its end (only the outermost of
// nested ones acts), and then the messages the work produced.
class DeviceWork {
 public:
  explicit DeviceWork(DeviceSessions& sessions);
  ~DeviceWork();
  DeviceWork(const DeviceWork&) = delete;
  DeviceWork& operator=(const DeviceWork&) = delete;

 private:
  DeviceSessions& sessions_;
};

}  // namespace orvane::device
