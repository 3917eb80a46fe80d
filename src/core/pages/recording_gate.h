#pragma once

namespace orvane::pages {

// One recording at a time in the whole program: the macro page and the fire
// editor hear the same desktop, and each must know a recording is its own.
class RecordingGate {
 public:
  // False while another recorder holds the gate.
  bool Take(const void* recorder) {
    if (holder_ != nullptr && holder_ != recorder) return false;
    holder_ = recorder;
    return true;
  }
  void Give(const void* recorder) {
    if (holder_ == recorder) holder_ = nullptr;
  }
  bool Taken() const { return holder_ != nullptr; }

 private:
  const void* holder_ = nullptr;
};

}  // namespace orvane::pages
