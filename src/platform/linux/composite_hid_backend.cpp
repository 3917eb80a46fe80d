#include "platform/linux/composite_hid_backend.h"

#include "platform/linux/hidapi_backend.h"
#include "platform/linux/virtual_hid_backend.h"

namespace orvane::platform {

std::vector<std::string> CompositeHidBackend::Enumerate() {
  std::vector<std::string> paths;
  owner_of_path_.clear();
  for (const auto& backend : backends_) {
    for (auto& path : backend->Enumerate()) {
      owner_of_path_.emplace(path, backend.get());
      paths.push_back(std::move(path));
    }
  }
  return paths;
}

std::unique_ptr<HidConnection> CompositeHidBackend::Open(const std::string& path) {
  if (const auto owner = owner_of_path_.find(path); owner != owner_of_path_.end()) {
    return owner->second->Open(path);
  }
  for (const auto& backend : backends_) {
    if (auto connection = backend->Open(path)) return connection;
  }
  return nullptr;
}

std::unique_ptr<HidBackend> MakeSystemHidBackend() {
  auto backend = std::make_unique<CompositeHidBackend>();
  backend->Add(std::make_unique<HidapiBackend>());
  backend->Add(std::make_unique<VirtualHidBackend>());
  return backend;
}

std::string SystemHidNotice() {
  const std::string problem = VirtualHidBackend().FolderProblem();
  return problem.empty() ? problem : "virtual devices ignored: " + problem;
}

}  // namespace orvane::platform
