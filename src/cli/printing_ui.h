#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "core/device/session_ui.h"

namespace orvane::cli {

// The window's part of a session on the command line: messages go to the
// error stream in the first language, the identifiers read are kept, and
// the rest has nothing to show here.
class PrintingUi : public device::SessionUi {
 public:
  explicit PrintingUi(std::FILE* err) : err_(err) {}

  void ShowMessage(device::Message message, const std::string& detail) override {
    std::fprintf(err_, "%s\n", device::Language1Text(message));
    if (!detail.empty()) std::fprintf(err_, "%s\n", detail.c_str());
    shown_ = true;
  }
  void ShowProblem(const std::string& what) override {
    std::fprintf(err_, "%s\n", what.c_str());
    shown_ = true;
  }
  void ShowReadIdentifiers(uint8_t maker, uint8_t product) override { ids_ = {maker, product}; }

  // Whether a message was printed since the last Reset.
  bool Shown() const { return shown_; }
  // The maker and product identifiers, when they were read.
  std::optional<std::pair<uint8_t, uint8_t>> ids() const { return ids_; }
  void Reset() {
    shown_ = false;
    ids_.reset();
  }

 private:
  std::FILE* err_;
  bool shown_ = false;
  std::optional<std::pair<uint8_t, uint8_t>> ids_;
};

}  // namespace orvane::cli
