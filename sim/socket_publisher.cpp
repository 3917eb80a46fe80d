#include "sim/socket_publisher.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "core/device/driver_channel.h"
#include "core/device/feature_protocol.h"

namespace orvane::sim {

namespace wire = platform::wire;
using platform::SocketIo;

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
  if (!wire::ValidDeviceName(device_name_)) {
    error = "the device name '" + device_name_ +
            "' must be letters, digits, '-', '_' or '.' (not first), at most 40";
    return false;
  }
  if (!wire::EnsureRuntimeFolder(folder_, error)) return false;
  for (const Collection& collection : MouseCollections(hardware_)) {
    const std::string path =
        folder_ + "/" + device_name_ + "-" + collection.name + wire::kSocketSuffix;
    if (!Listen(path, collection, false, error)) return false;
  }
  if (driver_) {
    const std::string path = folder_ + "/" + device_name_ + wire::kDriverSocketSuffix;
    if (!Listen(path, {}, true, error)) return false;
  }
  return true;
}

bool SocketPublisher::Listen(const std::string& path, Collection collection, bool driver,
                             std::string& error) {
  if (platform::UnixSocket::Connect(path).Valid()) {
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
  listeners_.push_back({std::move(collection), path, std::move(socket), driver});
  return true;
}

void SocketPublisher::AttachDriver(std::shared_ptr<DriverStore> store, std::string device_path,
                                   std::function<bool()> store_written) {
  driver_ = std::move(store);
  driver_path_ = std::move(device_path);
  driver_written_ = std::move(store_written);
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
    const auto now = Clock::now();
    EndSessionIfIdle(now);
    if (now >= stalled_until_) ServeWaiting();
    std::vector<pollfd> fds = PollSet(now);
    if (poll(fds.data(), fds.size(), PollTimeout(now)) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (fds[0].revents != 0) break;
    // Clients first: accepting appends to the list the indices refer to.
    for (size_t i = clients_.size(); i-- > 0;) {
      const pollfd& fd = fds[1 + listeners_.size() + i];
      bool keep = true;
      if (fd.revents & POLLOUT) keep = FlushClient(clients_[i]);
      if (keep && (fd.events & POLLIN) && (fd.revents & (POLLIN | POLLHUP | POLLERR))) {
        keep = ReadClient(clients_[i]);
      } else if (keep && (fd.revents & (POLLHUP | POLLERR))) {
        keep = false;  // left while it could not be served: nobody to answer
      }
      if (!keep) Drop(i);
    }
    for (size_t i = 0; i < listeners_.size(); ++i) {
      if (fds[1 + i].revents != 0) AcceptClients(listeners_[i]);
    }
  }
  Unpublish();
}

std::vector<pollfd> SocketPublisher::PollSet(Clock::time_point now) const {
  std::vector<pollfd> fds{{stop_pipe_[0], POLLIN, 0}};
  const short accept = now >= accept_paused_until_ ? POLLIN : 0;
  for (const Listener& listener : listeners_)
    fds.push_back({listener.socket.Fd(), accept, 0});
  const bool stalled = now < stalled_until_;
  for (const Client& client : clients_) {
    short events = client.outbox.empty() ? 0 : POLLOUT;
    if (!stalled && !client.waiting) events |= POLLIN;
    fds.push_back({client.socket.Fd(), events, 0});
  }
  return fds;
}

int SocketPublisher::PollTimeout(Clock::time_point now) const {
  auto wake = Clock::time_point::max();
  if (now < stalled_until_) wake = std::min(wake, stalled_until_);
  if (now < accept_paused_until_) wake = std::min(wake, accept_paused_until_);
  if (session_owner_ != 0) wake = std::min(wake, session_activity_ + kSessionIdle);
  if (wake == Clock::time_point::max()) return -1;
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(wake - now).count();
  return static_cast<int>(std::clamp<int64_t>(left + 1, 0, 60'000));
}

void SocketPublisher::AcceptClients(Listener& listener) {
  for (;;) {
    const int fd = accept4(listener.socket.Fd(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd >= 0) {
      const Collection* collection = listener.driver ? nullptr : &listener.collection;
      clients_.push_back({next_client_id_++, collection, platform::UnixSocket(fd), {}, {}});
      continue;
    }
    if (errno == EINTR || errno == ECONNABORTED) continue;
    // Out of descriptors or memory: the connection stays in the backlog and
    // the listener stays readable, so look again only after a pause.
    if (errno != EAGAIN && errno != EWOULDBLOCK) {
      accept_paused_until_ = Clock::now() + kAcceptBackoff;
    }
    return;
  }
}

bool SocketPublisher::ReadClient(Client& client) {
  std::vector<uint8_t> message;
  const size_t max_size = client.collection ? wire::kMaxMessage : wire::kMaxDriverMessage;
  const SocketIo io = client.socket.Receive(message, max_size);
  if (io == SocketIo::kWouldWait) return true;
  if (io == SocketIo::kError) return true;  // an oversized message: dropped, not answered
  if (io != SocketIo::kOk) return false;
  auto request = wire::ParseRequest(message);
  if (!request) return true;  // without a sequence number there is nothing to answer
  Handle(client, std::move(*request));
  return client.outbox.size() <= kMaxQueuedAnswers && FlushClient(client);
}

bool SocketPublisher::FlushClient(Client& client) {
  while (!client.outbox.empty()) {
    const SocketIo io = client.socket.Send(client.outbox.front());
    if (io == SocketIo::kWouldWait) return true;
    if (io != SocketIo::kOk) return false;
    client.outbox.pop_front();
  }
  return true;
}

void SocketPublisher::ServeWaiting() {
  for (Client& client : clients_) {
    if (!client.waiting || (session_owner_ != 0 && session_owner_ != client.id)) continue;
    auto request = std::move(*client.waiting);
    client.waiting.reset();
    Handle(client, std::move(request));
    FlushClient(client);  // a client that has gone is dropped at its next poll
  }
}

void SocketPublisher::Handle(Client& client, wire::Request request) {
  if (Feature(client, request) && session_owner_ != 0 && session_owner_ != client.id) {
    client.waiting = std::move(request);
    return;
  }
  client.outbox.push_back(Answer(client, request));
  if (Feature(client, request) && firmware_->faults().stall_ms > 0 && !stalled_once_ &&
      ++feature_requests_ >= firmware_->faults().stall_after_requests) {
    stalled_once_ = true;
    stalled_until_ = Clock::now() + std::chrono::milliseconds(firmware_->faults().stall_ms);
  }
}

bool SocketPublisher::Feature(const Client& client, const wire::Request& request) const {
  return client.collection && client.collection->configuration &&
         (request.op == wire::Op::kSetFeature || request.op == wire::Op::kGetFeature);
}

std::vector<uint8_t> SocketPublisher::DriverAnswer(const wire::Request& request) {
  if (request.op == wire::Op::kDriverPath) {
    return wire::EncodeAnswer(request.sequence, true,
                              std::vector<uint8_t>(driver_path_.begin(), driver_path_.end()));
  }
  const auto control = request.op == wire::Op::kDriverControl
                           ? wire::ParseDriverControl(request.payload)
                           : std::nullopt;
  if (!control) return wire::EncodeAnswer(request.sequence, false);
  std::vector<uint8_t> out(control->out_length, 0);
  bool ok = driver_->Control(control->code, control->in, out);
  if (ok && control->code == device::kDrvWrite && driver_written_) ok = driver_written_();
  return ok ? wire::EncodeAnswer(request.sequence, true, out)
            : wire::EncodeAnswer(request.sequence, false);
}

std::vector<uint8_t> SocketPublisher::Answer(Client& client, const wire::Request& request) {
  if (!client.collection) return DriverAnswer(request);
  const Collection& collection = *client.collection;
  const auto& payload = request.payload;
  if (session_owner_ == client.id) session_activity_ = Clock::now();
  switch (request.op) {
    case wire::Op::kDescribe:
      return wire::EncodeAnswer(
          request.sequence, true,
          wire::DescriptionPayload(
              {collection.attributes, static_cast<uint16_t>(collection.feature_length)}));
    case wire::Op::kSetFeature: {
      const bool ok = CollectionSetFeature(collection, *firmware_, payload);
      if (ok && collection.configuration) NoteSession(client, payload[1]);
      return wire::EncodeAnswer(request.sequence, ok);
    }
    case wire::Op::kGetFeature: {
      if (payload.size() != 2) return wire::EncodeAnswer(request.sequence, false);
      std::vector<uint8_t> report(payload[0], 0);
      if (!report.empty()) report[0] = payload[1];
      const bool ok = CollectionGetFeature(collection, *firmware_, report);
      return ok ? wire::EncodeAnswer(request.sequence, true, report)
                : wire::EncodeAnswer(request.sequence, false);
    }
    case wire::Op::kLock: {
      const bool granted = session_owner_ == 0 || session_owner_ == client.id;
      if (granted) StartSession(client, /*locked=*/true);
      return wire::EncodeAnswer(request.sequence, granted);
    }
    case wire::Op::kUnlock:
      if (session_owner_ == client.id) session_owner_ = 0;
      return wire::EncodeAnswer(request.sequence, true);
    case wire::Op::kDriverPath:
    case wire::Op::kDriverControl: break;  // the driver's device only
  }
  return wire::EncodeAnswer(request.sequence, false);
}

void SocketPublisher::StartSession(const Client& client, bool locked) {
  session_owner_ = client.id;
  session_locked_ = locked;
  session_activity_ = Clock::now();
}

void SocketPublisher::NoteSession(const Client& client, uint8_t command) {
  if (command == device::CmdOpen && session_owner_ == 0) StartSession(client, false);
  if (command == device::CmdClose && session_owner_ == client.id && !session_locked_) {
    session_owner_ = 0;
  }
}

void SocketPublisher::EndSessionIfIdle(Clock::time_point now) {
  // A client that opened a session and went quiet (a silent stop sends no
  // CmdClose) must not keep the mouse from everyone else.
  if (session_owner_ != 0 && now - session_activity_ > kSessionIdle) session_owner_ = 0;
}

void SocketPublisher::Drop(size_t index) {
  if (clients_[index].id == session_owner_) session_owner_ = 0;
  clients_.erase(clients_.begin() + static_cast<std::ptrdiff_t>(index));
}

void SocketPublisher::Unpublish() {
  clients_.clear();
  session_owner_ = 0;
  for (const Listener& listener : listeners_)
    unlink(listener.path.c_str());
  listeners_.clear();
}

}  // namespace orvane::sim
