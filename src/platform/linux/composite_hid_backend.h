#pragma once

#include <map>
#include <memory>
#include <vector>

#include "platform/hid_backend.h"

namespace orvane::platform {

// The union of several backends, walked in order: discovery sees real and
// virtual devices side by side.
class CompositeHidBackend : public HidBackend {
 public:
  void Add(std::unique_ptr<HidBackend> backend) { backends_.push_back(std::move(backend)); }

  std::vector<std::string> Enumerate() override;
  std::unique_ptr<HidConnection> Open(const std::string& path) override;

 private:
  std::vector<std::unique_ptr<HidBackend>> backends_;
  std::map<std::string, HidBackend*> owner_of_path_;
};

}  // namespace orvane::platform
