#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "core/device/busy_indicator.h"
#include "core/device/feature_protocol.h"
#include "platform/hid_backend.h"
#include "platform/pacer.h"

namespace orvane::device {

// The opened mouse: its handle and the acknowledged transactions over its
// feature report. Owns ReportBuf and ChunkBuf and the status values the last
// identify left behind. Used from the user-interface thread only.
class DeviceLink {
 public:
  explicit DeviceLink(platform::Pacer& pacer) : pacer_(pacer) {}

  // Takes over an opened mouse (replacing, and so closing, any earlier one).
  void Attach(std::unique_ptr<platform::HidConnection> handle, std::string path, uint32_t vid,
              uint32_t pid, int feature_len);
  // DevHandle = -1: every later operation fails at once without a HID call.
  void Invalidate();

  bool HandleValid() const { return handle_ != nullptr; }
  // How many times a mouse was attached: a new number is another opening,
  // perhaps of another mouse.
  uint64_t Attachments() const { return attachments_; }
  const std::string& DevPath() const { return path_; }
  uint32_t DevVID() const { return vid_; }
  uint32_t DevPID() const { return pid_; }
  int FeatureLen() const { return feature_len_; }
  platform::HidConnection* DevHandle() const { return handle_.get(); }

  void SetBusyIndicator(BusyIndicator* busy) { busy_ = busy; }

  bool FeatureSet();
  bool FeatureGet();
  // HID calls that failed on a valid handle since the link was made. A block
  // transfer in which one fails stops: the mouse may or may not have carried
  // out the request, so it no longer knows where the transfer stands.
  uint64_t FailedCalls() const { return failed_calls_; }

  // The exclusive use of the mouse for one session, waiting up to `wait_ms`
  // while another program holds it. False when it stayed busy.
  bool LockExclusive(int wait_ms);
  void UnlockExclusive();

  bool DevCmd(uint8_t command, uint8_t p1 = 0, uint8_t p2 = 0, uint8_t p3 = 0, uint8_t p4 = 0);
  // One CmdReadNext; ChunkBuf holds reply bytes 1..7, or 0xFF bytes when no
  // acknowledgement came. Returns whether it was acknowledged.
  bool DevReadNext();
  bool DevWriteNext(std::span<const uint8_t, kChunkBytes> data);

  // Reads `length` bytes at `address` into the front of `destination`. False
  // when the read start is not acknowledged or a HID call failed on the way
  // (the rest is then not read); an unanswered chunk reads 0xFF and is
  // counted in `unanswered_chunks` when the caller asks.
  bool DevReadBlock(uint16_t address, uint16_t length, std::span<uint8_t> destination, bool show,
                    int* unanswered_chunks = nullptr);
  // False when the write start is not acknowledged or a HID call failed on
  // the way (the rest is then not written).
  bool DevWriteBlock(uint16_t address, uint16_t length, std::span<const uint8_t> source);

  // Takes MemReady and ChipType from a status reply in ReportBuf.
  void TakeStatusReply();
  bool StatusSignatureOk() const { return report_buf_[1] == kStatusSignature; }

  const ReportBuffer& ReportBuf() const { return report_buf_; }
  const ChunkBuffer& ChunkBuf() const { return chunk_buf_; }
  bool MemReady() const { return mem_ready_; }
  uint8_t ChipType() const { return chip_type_; }
  void SetMemReady(bool ready) { mem_ready_ = ready; }
  void SetChipType(uint8_t chip_type) { chip_type_ = chip_type; }

 private:
  struct Pacing {
    int after_send_ms;
    int after_empty_reply_ms;
    // A chunk request is not sent again after a call gave up: the mouse may
    // have carried it out, and a second one would move to the next chunk.
    bool once_after_failed_call = false;
  };
  // Fills ReportBuf with the request, then sends and fetches with up to five
  // attempts of up to five fetches each; true when acknowledged.
  bool Transact(const ReportBuffer& request, Pacing pacing);
  // A HID call failed: counted, and a device that has gone is let go of, so
  // every later operation fails at once.
  void CallFailed();
  void ShowBusy();

  platform::Pacer& pacer_;
  BusyIndicator* busy_ = nullptr;
  std::unique_ptr<platform::HidConnection> handle_;
  std::string path_;
  uint32_t vid_ = 0;
  uint32_t pid_ = 0;
  int feature_len_ = 0;
  ReportBuffer report_buf_{};
  ChunkBuffer chunk_buf_{};
  bool mem_ready_ = false;
  uint8_t chip_type_ = 0;
  uint64_t failed_calls_ = 0;
  uint64_t attachments_ = 0;
  bool locked_ = false;
};

}  // namespace orvane::device
