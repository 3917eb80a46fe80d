#include "sim/socket_publisher.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "platform/virtual_hid_wire.h"

namespace orvane::sim {

namespace wire = platform::wire;

SocketPublisher::SocketPublisher(std::string folder, std::string device_name,
                                 MouseHardware hardware, std::shared_ptr<MouseFirmware> firmware)
    : folder_(std::move(folder)),
      device_name_(std::move(device_name)),
      hardware_(hardware),
      firmware_(std::move(firmware)) {
  if (pipe2(stop_pipe_, O_CLOEXEC | O_NONBLOCK) != 0) stop_pipe_[0] = stop_pipe_[1] = -1;
}

SocketPublisher::~SocketPublisher() {
  Unpublish();
  for (int fd : stop_pipe_) {
    if (fd >= 0) close(fd);
  }
}

bool SocketPublisher::Publish(std::string& error) {
  if (stop_pipe_[0] < 0) {
    error = "cannot create the stop pipe";
    return false;
  }
  if (!wire::EnsureRuntimeFolder(folder_)) {
    error = "cannot use the device folder " + folder_;
    return false;
  }
  for (const Collection& collection : MouseCollections(hardware_)) {
    const std::string path =
        folder_ + "/" + device_name_ + "-" + collection.name + wire::kSocketSuffix;
    if (platform::UnixSocket::Connect(path, 200).Valid()) {
      error = "another emulator already publishes " + path;
      Unpublish();
      return false;
    }
    unlink(path.c_str());  // a stale socket left by an emulator that died
    platform::UnixSocket socket = platform::UnixSocket::Listen(path);
    if (!socket.Valid()) {
      error = "cannot listen at " + path;
      Unpublish();
      return false;
    }
    listeners_.push_back({collection, path, std::move(socket)});
  }
  return true;
}

std::vector<std::string> SocketPublisher::SocketPaths() const {
  std::vector<std::string> paths;
  for (const Listener& listener : listeners_)
    paths.push_back(listener.path);
  return paths;
}

void SocketPublisher::Stop() {
  const char byte = 1;
  if (stop_pipe_[1] >= 0) (void)!write(stop_pipe_[1], &byte, 1);
}

void SocketPublisher::Serve() {
  while (!firmware_->Unplugged()) {
    std::vector<pollfd> fds{{stop_pipe_[0], POLLIN, 0}};
    for (const Listener& listener : listeners_)
      fds.push_back({listener.socket.Fd(), POLLIN, 0});
    for (const Client& client : clients_)
      fds.push_back({client.socket.Fd(), POLLIN, 0});
    if (poll(fds.data(), fds.size(), -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (fds[0].revents != 0) break;
    // Clients first: accepting appends to the list the indices refer to.
    for (size_t i = clients_.size(); i-- > 0;) {
      const short events = fds[1 + listeners_.size() + i].revents;
      if (events != 0 && !AnswerClient(clients_[i])) clients_.erase(clients_.begin() + i);
    }
    for (size_t i = 0; i < listeners_.size(); ++i) {
      if (fds[1 + i].revents != 0) AcceptClients(listeners_[i]);
    }
  }
  Unpublish();
}

void SocketPublisher::AcceptClients(Listener& listener) {
  for (;;) {
    const int fd = accept4(listener.socket.Fd(), nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) return;  // EAGAIN: no more waiting
    clients_.push_back({&listener.collection, platform::UnixSocket(fd)});
  }
}

bool SocketPublisher::AnswerClient(Client& client) {
  std::vector<uint8_t> request;
  if (!client.socket.Receive(request, wire::kMaxMessage)) return false;
  return client.socket.Send(AnswerRequest(*client.collection, request));
}

std::vector<uint8_t> SocketPublisher::AnswerRequest(const Collection& collection,
                                                    std::span<const uint8_t> request) {
  if (request.empty()) return wire::Answer(false);
  switch (static_cast<wire::Op>(request[0])) {
    case wire::Op::kDescribe:
      return wire::DescribeAnswer(
          {collection.attributes, static_cast<uint16_t>(collection.feature_length)});
    case wire::Op::kSetFeature:
      return wire::Answer(CollectionSetFeature(collection, *firmware_, request.subspan(1)));
    case wire::Op::kGetFeature: {
      if (request.size() != 3) return wire::Answer(false);
      std::vector<uint8_t> report(request[1], 0);
      if (!report.empty()) report[0] = request[2];
      const bool ok = CollectionGetFeature(collection, *firmware_, report);
      return ok ? wire::Answer(true, report) : wire::Answer(false);
    }
  }
  return wire::Answer(false);
}

void SocketPublisher::Unpublish() {
  clients_.clear();
  for (const Listener& listener : listeners_)
    unlink(listener.path.c_str());
  listeners_.clear();
}

}  // namespace orvane::sim
