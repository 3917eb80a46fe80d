#include "sim/mouse_firmware.h"

#include <algorithm>

#include "core/device/feature_protocol.h"

namespace orvane::sim {

using namespace orvane::device;

namespace {

constexpr uint8_t kRefused = 0xEE;
// The host gives a chunk five attempts; a lost chunk stays silent that long
// and is then passed over, so the next chunk answers the next request.
constexpr int kHostAttemptsPerChunk = 5;

uint16_t Word(uint8_t low, uint8_t high) { return static_cast<uint16_t>(low | (high << 8)); }

}  // namespace

MouseFirmware::MouseFirmware(FirmwareIdentity identity, FirmwareFaults faults)
    : identity_(identity), faults_(std::move(faults)) {}

bool MouseFirmware::SetFeature(std::span<const uint8_t> report) {
  if (unplugged_) return false;
  if (report.size() != kFeatureReportLength || report[0] != kReportId) return false;
  if (faults_.unplug_after_requests >= 0 &&
      total_requests_ >= static_cast<uint64_t>(faults_.unplug_after_requests)) {
    unplugged_ = true;
    return false;
  }
  Reply request;
  std::copy(report.begin(), report.end(), request.begin());
  const uint8_t command = request[1];
  last_request_ = request;
  ++total_requests_;
  ++requests_[command];
  reply_ = {kReportId, 0, 0, 0, 0, 0, 0, kNoAnswerYet};
  empty_fetches_left_ = faults_.empty_replies_before_answer;
  if (faults_.no_answer[command].Strikes()) return true;
  if (auto refusal = faults_.refuse.find(command);
      refusal != faults_.refuse.end() && refusal->second.count.Strikes()) {
    reply_[7] = refusal->second.byte;
    return true;
  }
  if (command == CmdReadNext && read_remaining_ > 0 && ChunkIsLost()) return true;
  reply_[7] = Execute(request, reply_) ? kAcknowledged : kRefused;
  return true;
}

bool MouseFirmware::GetFeature(std::span<uint8_t> report) {
  if (unplugged_) return false;
  if (report.size() != kFeatureReportLength || report[0] != kReportId) return false;
  if (faults_.fail_fetches_after_requests >= 0 && faults_.failed_fetches > 0 &&
      total_requests_ >= static_cast<uint64_t>(faults_.fail_fetches_after_requests)) {
    --faults_.failed_fetches;
    return false;
  }
  if (empty_fetches_left_ > 0) {
    --empty_fetches_left_;
    std::fill(report.begin() + 1, report.end(), 0);
    return true;
  }
  std::copy(reply_.begin(), reply_.end(), report.begin());
  return true;
}

bool MouseFirmware::Execute(const Reply& request, Reply& reply) {
  switch (request[1]) {
    case CmdOpen:
      session_open_ = true;
      reply[1] = identity_.open_reply;
      return true;
    case CmdClose: session_open_ = false; return true;
    case CmdStatus: {
      const uint8_t driver_bit = identity_.driver_capable ? kStatusDriverBit : 0;
      reply[1] = identity_.signature;
      if (request[2] == kDriverStatusParam1 && request[3] == kDriverStatusParam2) {
        reply[2] = driver_bit;
        reply[3] = identity_.led_type_bits & 0xC0;
      } else {
        reply[2] =
            static_cast<uint8_t>((identity_.mem_ready ? kStatusMemReadyBit : 0) | driver_bit);
        reply[3] = identity_.chip_code;
      }
      return true;
    }
    case CmdReadStart:
      read_chunk_index_ = 0;
      silent_read_requests_ = 0;
      return StartTransfer(request, read_address_, read_remaining_);
    case CmdReadNext: return ReadNext(reply);
    case CmdWriteStart:
      write_changed_memory_ = false;
      return StartTransfer(request, write_address_, write_remaining_);
    case CmdWriteNext: return WriteNext(request);
    case CmdSystemReload: return true;
    case CmdSetState:
      std::copy(request.begin() + 2, request.begin() + 6, state_.begin());
      if (state_changed_) state_changed_(state_);
      return true;
    case CmdDriverLink:
      reply[1] = static_cast<uint8_t>(identity_.driver_link >> 8);
      reply[2] = static_cast<uint8_t>(identity_.driver_link & 0xFF);
      return true;
    default: return false;
  }
}

bool MouseFirmware::StartTransfer(const Reply& request, uint16_t& address, uint16_t& remaining) {
  const uint16_t start = Word(request[2], request[3]);
  const uint16_t length = Word(request[4], request[5]);
  if (length == 0 || start + length > kMemorySize) {
    remaining = 0;
    return false;
  }
  address = start;
  remaining = length;
  return true;
}

bool MouseFirmware::ChunkIsLost() {
  const int every = faults_.lose_every_nth_read_chunk;
  const bool lost = faults_.lose_read_chunks_at.count(read_chunk_index_) > 0 ||
                    (every > 0 && (read_chunks_served_ + 1) % static_cast<uint64_t>(every) == 0);
  if (!lost) return false;
  if (++silent_read_requests_ >= kHostAttemptsPerChunk) {
    // The host has given up on this chunk and will ask for the next one.
    silent_read_requests_ = 0;
    const uint16_t skipped = std::min<uint16_t>(kChunkBytes, read_remaining_);
    read_address_ += skipped;
    read_remaining_ -= skipped;
    ++read_chunk_index_;
    ++read_chunks_served_;
  }
  return true;
}

bool MouseFirmware::ReadNext(Reply& reply) {
  if (read_remaining_ == 0) return false;
  const uint16_t count = std::min<uint16_t>(kChunkBytes, read_remaining_);
  for (uint16_t i = 0; i < count; ++i) {
    const uint16_t address = read_address_ + i;
    const auto sticky = faults_.sticky.find(address);
    reply[1 + i] = sticky != faults_.sticky.end() ? sticky->second : memory_[address];
  }
  read_address_ += count;
  read_remaining_ -= count;
  ++read_chunk_index_;
  ++read_chunks_served_;
  silent_read_requests_ = 0;
  return true;
}

bool MouseFirmware::WriteNext(const Reply& request) {
  if (write_remaining_ == 0) return false;
  const uint16_t count = std::min<uint16_t>(kChunkBytes, write_remaining_);
  for (uint16_t i = 0; i < count; ++i) {
    const uint16_t address = write_address_ + i;
    if (faults_.sticky.count(address) > 0) continue;  // this cell never takes a new value
    if (memory_[address] != request[2 + i]) {
      memory_[address] = request[2 + i];
      write_changed_memory_ = true;
    }
  }
  write_address_ += count;
  write_remaining_ -= count;
  if (write_remaining_ == 0 && write_changed_memory_ && memory_changed_ && !memory_changed_()) {
    // The memory could not be kept: a mouse that lost its settings must not
    // go on answering as if it held them.
    unplugged_ = true;
  }
  return true;
}

}  // namespace orvane::sim
