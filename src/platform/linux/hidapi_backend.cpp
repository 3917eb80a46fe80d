#include "platform/linux/hidapi_backend.h"

#include <fcntl.h>
#include <hidapi/hidapi.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include <fstream>
#include <iterator>

#include "platform/common/report_descriptor.h"

namespace orvane::platform {

namespace {

// hidapi 0.13 cannot hand out the report descriptor; hidraw publishes it in
// sysfs, readable without privileges. "/dev/hidraw3" -> its descriptor file.
std::vector<uint8_t> ReadDescriptorFromSysfs(const std::string& path) {
  const auto slash = path.find_last_of('/');
  const std::string node = slash == std::string::npos ? path : path.substr(slash + 1);
  if (node.rfind("hidraw", 0) != 0) return {};
  std::ifstream file("/sys/class/hidraw/" + node + "/device/report_descriptor", std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> ReadReportDescriptor(hid_device* device, const std::string& path) {
#if HID_API_VERSION >= HID_API_MAKE_VERSION(0, 14, 0)
  std::vector<uint8_t> buffer(HID_API_MAX_REPORT_DESCRIPTOR_SIZE);
  const int size = hid_get_report_descriptor(device, buffer.data(), buffer.size());
  if (size > 0) {
    buffer.resize(static_cast<size_t>(size));
    return buffer;
  }
#else
  (void)device;
#endif
  return ReadDescriptorFromSysfs(path);
}

class HidapiConnection : public HidConnection {
 public:
  HidapiConnection(hid_device* device, std::string path)
      : device_(device), path_(std::move(path)) {}
  ~HidapiConnection() override {
    UnlockExclusive();
    hid_close(device_);
  }

  std::optional<HidAttributes> Attributes() override {
    const hid_device_info* info = hid_get_device_info(device_);
    if (info == nullptr) return std::nullopt;
    return HidAttributes{info->vendor_id, info->product_id, info->release_number};
  }

  int FeatureReportLength() override {
    if (feature_length_ < 0) {
      feature_length_ = FeatureReportLengthFromDescriptor(ReadReportDescriptor(device_, path_));
    }
    return feature_length_;
  }

  bool SetFeature(std::span<const uint8_t> report) override {
    return Done(hid_send_feature_report(device_, report.data(), report.size()));
  }

  bool GetFeature(std::span<uint8_t> report) override {
    return Done(hid_get_feature_report(device_, report.data(), report.size()));
  }

  bool Gone() const override { return gone_; }

  // An advisory lock on the device node, which every program of ours takes
  // for a session. A node we cannot open a second time is used unlocked.
  bool TryLockExclusive() override {
    if (lock_fd_ < 0) lock_fd_ = open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (lock_fd_ < 0) return true;
    return flock(lock_fd_, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
  }

  void UnlockExclusive() override {
    if (lock_fd_ < 0) return;
    close(lock_fd_);  // releases the lock
    lock_fd_ = -1;
  }

 private:
  // hidraw answers ENODEV once the device is unplugged, and its node goes.
  bool Done(int result) {
    if (result >= 0) return true;
    if (errno == ENODEV || errno == ESHUTDOWN || access(path_.c_str(), F_OK) != 0) gone_ = true;
    return false;
  }

  hid_device* device_;
  std::string path_;
  int feature_length_ = -1;
  int lock_fd_ = -1;
  bool gone_ = false;
};

}  // namespace

// hid_init is idempotent; hid_exit is left to process end so that several
// backends in one process never pull hidapi from under each other.
HidapiBackend::HidapiBackend() { hid_init(); }

std::vector<std::string> HidapiBackend::Enumerate() {
  std::vector<std::string> paths;
  hid_device_info* list = hid_enumerate(0, 0);
  for (const hid_device_info* info = list; info != nullptr; info = info->next) {
    if (info->path != nullptr) paths.emplace_back(info->path);
  }
  hid_free_enumeration(list);
  return paths;
}

std::unique_ptr<HidConnection> HidapiBackend::Open(const std::string& path) {
  hid_device* device = hid_open_path(path.c_str());
  if (device == nullptr) return nullptr;
  return std::make_unique<HidapiConnection>(device, path);
}

}  // namespace orvane::platform
