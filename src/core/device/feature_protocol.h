#pragma once

#include <array>
#include <cstdint>

// The mouse's one feature report and its command set.
namespace orvane::device {

using ReportBuffer = std::array<uint8_t, 8>;
using ChunkBuffer = std::array<uint8_t, 7>;

constexpr uint8_t kReportId = 4;
constexpr int kFeatureReportLength = 8;
constexpr int kMemorySize = 2048;
constexpr int kChunkBytes = 6;

// Reply byte 7.
constexpr uint8_t kNoAnswerYet = 0x00;
constexpr uint8_t kAcknowledged = 0xCC;

enum Command : uint8_t {
  CmdOpen = 0x01,
  CmdClose = 0x02,
  CmdStatus = 0x03,
  CmdReadStart = 0x04,
  CmdReadNext = 0x05,
  CmdWriteStart = 0x06,
  CmdWriteNext = 0x07,
  CmdSystemReload = 0x08,
  CmdSetState = 0x09,
  CmdDriverLink = 0x81,
};

// CmdStatus without parameters answers these.
constexpr uint8_t kStatusSignature = 0xAA;
constexpr uint8_t kStatusMemReadyBit = 0x04;
constexpr uint8_t kStatusDriverBit = 0x20;
// CmdStatus with these two parameters asks the driver-mode question.
constexpr uint8_t kDriverStatusParam1 = 0x5A;
constexpr uint8_t kDriverStatusParam2 = 0xD9;

// Chip codes in status byte 3 and the ChipType each one gives.
constexpr uint8_t kChipCode90 = 0x35;
constexpr uint8_t kChipCode99 = 0x75;
constexpr uint8_t kChipCode98 = 0xFD;

// Chunks of 6 bytes a block of `length` bytes moves in.
constexpr int ChunkCount(int length) { return length / kChunkBytes + (length % kChunkBytes > 0); }

}  // namespace orvane::device
