#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <span>

#include "sim/firmware_faults.h"

namespace orvane::sim {

using Memory = std::array<uint8_t, 2048>;

// What the mouse says about itself; everything here is the firmware's own
// choice, fixed per emulated mouse.
struct FirmwareIdentity {
  uint8_t open_reply = 0xA6;      // CmdOpen reply byte 1
  uint8_t signature = 0xAA;       // CmdStatus reply byte 1
  bool mem_ready = true;          // CmdStatus reply byte 2 bit 2
  uint8_t chip_code = 0xFD;       // CmdStatus reply byte 3
  bool driver_capable = true;     // byte 2 bit 5 in both status replies
  uint8_t led_type_bits = 0xC0;   // driver status reply byte 3 bits 6..7
  uint16_t driver_link = 0x1A2B;  // CmdDriverLink reply
};

// The mouse's controller as seen through its 8-byte feature report with id 4:
// a request is carried out when it is set, and its reply waits to be fetched.
class MouseFirmware {
 public:
  explicit MouseFirmware(FirmwareIdentity identity = {}, FirmwareFaults faults = {});

  // The HID calls. False when the device is gone or the report is not ours.
  bool SetFeature(std::span<const uint8_t> report);
  bool GetFeature(std::span<uint8_t> report);

  bool Unplugged() const { return unplugged_; }
  void Unplug() { unplugged_ = true; }

  Memory& memory() { return memory_; }
  const Memory& memory() const { return memory_; }
  FirmwareIdentity& identity() { return identity_; }
  FirmwareFaults& faults() { return faults_; }

  // Kept so tests can see what the host sent.
  const std::array<uint8_t, 4>& State() const { return state_; }
  uint64_t RequestsOf(uint8_t command) const { return requests_[command]; }
  uint64_t Requests() const { return total_requests_; }
  const std::array<uint8_t, 8>& LastRequest() const { return last_request_; }
  bool SessionOpen() const { return session_open_; }

  // Called after a block write has changed the memory (the emulator program
  // keeps its memory file current with it). When it returns false the
  // memory could not be kept, and the mouse unplugs itself.
  void SetMemoryChanged(std::function<bool()> callback) { memory_changed_ = std::move(callback); }
  // Called when the host set the live state (the driver keeps it).
  void SetStateChanged(std::function<void(const std::array<uint8_t, 4>&)> callback) {
    state_changed_ = std::move(callback);
  }

 private:
  using Reply = std::array<uint8_t, 8>;

  bool Execute(const Reply& request, Reply& reply);
  bool ReadNext(Reply& reply);
  bool WriteNext(const Reply& request);
  bool StartTransfer(const Reply& request, uint16_t& address, uint16_t& remaining);
  bool ChunkIsLost();

  FirmwareIdentity identity_;
  FirmwareFaults faults_;
  Memory memory_{};
  Reply reply_{};
  Reply last_request_{};
  int empty_fetches_left_ = 0;
  bool unplugged_ = false;
  bool session_open_ = false;
  std::array<uint8_t, 4> state_{};
  std::function<void(const std::array<uint8_t, 4>&)> state_changed_;
  std::array<uint64_t, 256> requests_{};
  uint64_t total_requests_ = 0;
  uint16_t read_address_ = 0;
  uint16_t read_remaining_ = 0;
  int read_chunk_index_ = 0;
  uint64_t read_chunks_served_ = 0;
  int silent_read_requests_ = 0;
  uint16_t write_address_ = 0;
  uint16_t write_remaining_ = 0;
  bool write_changed_memory_ = false;
  std::function<bool()> memory_changed_;
};

}  // namespace orvane::sim
