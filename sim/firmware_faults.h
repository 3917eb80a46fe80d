#pragma once

#include <cstdint>
#include <map>
#include <set>

namespace orvane::sim {

// How often a fault strikes: the next `times` requests, or always.
struct FaultCount {
  static constexpr int kAlways = -1;
  int times = 0;

  bool Strikes() {
    if (times == kAlways) return true;
    if (times > 0) {
      --times;
      return true;
    }
    return false;
  }
};

struct Refusal {
  uint8_t byte = 0xEE;  // reply byte 7: neither 0 (no answer yet) nor 0xCC
  FaultCount count;
};

// Misbehaviour the emulated mouse can be told to show.
struct FirmwareFaults {
  // Requests of a command that are ignored: never carried out, never answered.
  std::map<uint8_t, FaultCount> no_answer;
  // Requests of a command that are refused with a reply byte.
  std::map<uint8_t, Refusal> refuse;
  // Fetches that find no answer yet before each reply appears.
  int empty_replies_before_answer = 0;
  // Bytes that always read back this value whatever is written.
  std::map<uint16_t, uint8_t> sticky;
  // Read chunks the mouse never answers: every Nth chunk served since start
  // (0 = off) and chunk positions within each block read.
  int lose_every_nth_read_chunk = 0;
  std::set<int> lose_read_chunks_at;
  // The mouse disappears when this many requests have been carried out
  // (-1 = never).
  int64_t unplug_after_requests = -1;
  // Fetches that fail as a HID call that gives up does, the mouse staying
  // there: `failed_fetches` of them once this many requests were carried out
  // (-1 = never). The request before was carried out; its reply is lost.
  int64_t fail_fetches_after_requests = -1;
  int failed_fetches = 0;
  // The emulator stops answering for `stall_ms` after this many feature
  // requests, then answers everything that came meanwhile, late (0 = never).
  int stall_ms = 0;
  int64_t stall_after_requests = 100;
};

}  // namespace orvane::sim
