#include "core/device/device_link.h"

#include <algorithm>

namespace orvane::device {

namespace {

constexpr int kAttempts = 5;
constexpr int kFetchesPerAttempt = 5;

uint8_t Low(uint16_t value) { return static_cast<uint8_t>(value & 0xFF); }
uint8_t High(uint16_t value) { return static_cast<uint8_t>(value >> 8); }

}  // namespace

void DeviceLink::Attach(std::unique_ptr<platform::HidConnection> handle, std::string path,
                        uint32_t vid, uint32_t pid, int feature_len) {
  handle_ = std::move(handle);
  ++attachments_;
  path_ = std::move(path);
  vid_ = vid;
  pid_ = pid;
  feature_len_ = feature_len;
}

void DeviceLink::Invalidate() {
  UnlockExclusive();
  handle_.reset();
  path_.clear();
  vid_ = 0;
  pid_ = 0;
}

bool DeviceLink::FeatureSet() {
  if (!handle_) return false;
  // FeatureLen is 8 for every mouse we open; never hand out more than ReportBuf holds.
  const auto length = static_cast<size_t>(std::clamp(feature_len_, 0, kFeatureReportLength));
  const bool ok = handle_->SetFeature(std::span<const uint8_t>(report_buf_.data(), length));
  if (!ok) CallFailed();
  return ok;
}

bool DeviceLink::FeatureGet() {
  if (!handle_) return false;
  const auto length = static_cast<size_t>(std::clamp(feature_len_, 0, kFeatureReportLength));
  const bool ok = handle_->GetFeature(std::span<uint8_t>(report_buf_.data(), length));
  // A fetch that failed brought no answer. Without this, the request's own
  // byte 7 (a data byte of CmdWriteNext) could pass for an acknowledgement
  // from a mouse that has gone.
  if (!ok) {
    report_buf_[7] = kNoAnswerYet;
    CallFailed();
  }
  return ok;
}

void DeviceLink::CallFailed() {
  ++failed_calls_;
  if (handle_ && handle_->Gone()) Invalidate();
}

bool DeviceLink::LockExclusive(int wait_ms) {
  if (!handle_) return false;
  if (locked_) return true;
  constexpr int kRetryMs = 50;
  for (int waited = 0;; waited += kRetryMs) {
    if (handle_->TryLockExclusive()) return locked_ = true;
    if (!handle_ || handle_->Gone() || waited >= wait_ms) return false;
    pacer_.Sleep(kRetryMs);
    pacer_.ProcessMessages();
    if (!handle_) return false;
  }
}

void DeviceLink::UnlockExclusive() {
  if (locked_ && handle_) handle_->UnlockExclusive();
  locked_ = false;
}

bool DeviceLink::Transact(const ReportBuffer& request, Pacing pacing) {
  const uint64_t failed_before = failed_calls_;
  for (int attempt = 0; attempt < kAttempts && handle_; ++attempt) {
    if (pacing.once_after_failed_call && failed_calls_ != failed_before) return false;
    report_buf_ = request;
    // A request that did not go out has no answer to fetch: what a fetch
    // would find is the previous command's reply.
    const bool sent = FeatureSet();
    pacer_.Sleep(pacing.after_send_ms);
    if (!sent) continue;
    for (int fetch = 0; fetch < kFetchesPerAttempt; ++fetch) {
      // A fetch that failed ends the attempt: waiting for more fetches to
      // fail would outlast the pauses the protocol allows a command.
      if (!FeatureGet() || report_buf_[7] != kNoAnswerYet) break;
      pacer_.Sleep(pacing.after_empty_reply_ms);
    }
    if (report_buf_[7] == kAcknowledged) return true;
  }
  return false;
}

bool DeviceLink::DevCmd(uint8_t command, uint8_t p1, uint8_t p2, uint8_t p3, uint8_t p4) {
  if (!handle_) return false;
  return Transact({kReportId, command, p1, p2, p3, p4, 0, 0}, {10, 10});
}

bool DeviceLink::DevReadNext() {
  chunk_buf_.fill(0xFF);
  if (!handle_) return false;
  if (!Transact({kReportId, CmdReadNext, 0, 0, 0, 0, 0, 0}, {5, 5, true})) return false;
  std::copy(report_buf_.begin() + 1, report_buf_.end(), chunk_buf_.begin());
  pacer_.ProcessMessages();
  return true;
}

bool DeviceLink::DevWriteNext(std::span<const uint8_t, kChunkBytes> data) {
  if (!handle_) return false;
  return Transact({kReportId, CmdWriteNext, data[0], data[1], data[2], data[3], data[4], data[5]},
                  {10, 5, true});
}

void DeviceLink::ShowBusy() {
  if (busy_ != nullptr) busy_->ShowBusy();
  pacer_.ProcessMessages();
}

bool DeviceLink::DevReadBlock(uint16_t address, uint16_t length, std::span<uint8_t> destination,
                              bool show, int* unanswered_chunks) {
  if (unanswered_chunks != nullptr) *unanswered_chunks = 0;
  if (length > destination.size()) return false;
  std::fill_n(destination.begin(), length, 0xFF);
  if (!DevCmd(CmdReadStart, Low(address), High(address), Low(length), High(length))) return false;
  const int chunks = ChunkCount(length);
  const uint64_t failed_before = failed_calls_;
  for (int i = 0; i < chunks; ++i) {
    if (show) ShowBusy();
    const bool answered = DevReadNext();
    if (failed_calls_ != failed_before) {
      if (unanswered_chunks != nullptr) *unanswered_chunks += chunks - i;
      return false;
    }
    if (!answered && unanswered_chunks != nullptr) ++*unanswered_chunks;
    const int offset = i * kChunkBytes;
    const int count = std::min(kChunkBytes, length - offset);
    std::copy_n(chunk_buf_.begin(), count, destination.begin() + offset);
    pacer_.ProcessMessages();
  }
  return true;
}

bool DeviceLink::DevWriteBlock(uint16_t address, uint16_t length, std::span<const uint8_t> source) {
  if (length > source.size()) return false;
  chunk_buf_.fill(0xFF);
  if (!DevCmd(CmdWriteStart, Low(address), High(address), Low(length), High(length))) return false;
  const int chunks = ChunkCount(length);
  const uint64_t failed_before = failed_calls_;
  for (int i = 0; i < chunks; ++i) {
    if (failed_calls_ != failed_before || !handle_) return false;
    ShowBusy();
    // The staging bytes are not cleared between chunks: the tail of a short
    // last chunk carries what the chunk before it held.
    const int offset = i * kChunkBytes;
    const int count = std::min(kChunkBytes, length - offset);
    std::copy_n(source.begin() + offset, count, chunk_buf_.begin());
    pacer_.ProcessMessages();
    DevWriteNext(std::span<const uint8_t, kChunkBytes>(chunk_buf_.data(), kChunkBytes));
  }
  return failed_calls_ == failed_before;
}

void DeviceLink::TakeStatusReply() {
  mem_ready_ = (report_buf_[2] & kStatusMemReadyBit) != 0;
  switch (report_buf_[3]) {
    case kChipCode90: chip_type_ = 0x90; break;
    case kChipCode99: chip_type_ = 0x99; break;
    case kChipCode98: chip_type_ = 0x98; break;
    default: break;  // other codes leave ChipType as it was
  }
}

}  // namespace orvane::device
