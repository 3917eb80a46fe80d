#pragma once

#include <poll.h>

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/linux/unix_socket.h"
#include "platform/linux/virtual_hid_wire.h"
#include "sim/driver_store.h"
#include "sim/mouse_collections.h"
#include "sim/mouse_firmware.h"

namespace orvane::sim {

// Publishes the collections of one emulated mouse as sockets in the virtual
// device folder, so that any program of the user finds them beside the real
// HID devices. Publishing is plugging in; Stop() or the firmware unplugging
// itself removes the sockets again.
//
// One client at a time has a session with the mouse: the one that locked it,
// or else the one that sent CmdOpen, until it unlocks, sends CmdClose, leaves
// or stays silent for kSessionIdle. Feature requests of other clients wait
// until then. No client can hold up the others: answers are sent without
// blocking, and a client that lets kMaxQueuedAnswers pile up is dropped.
class SocketPublisher {
 public:
  static constexpr size_t kMaxQueuedAnswers = 64;
  static constexpr std::chrono::milliseconds kSessionIdle{2000};
  static constexpr std::chrono::milliseconds kAcceptBackoff{100};

  SocketPublisher(std::string folder, std::string device_name, MouseHardware hardware,
                  std::shared_ptr<MouseFirmware> firmware);
  ~SocketPublisher();
  SocketPublisher(const SocketPublisher&) = delete;
  SocketPublisher& operator=(const SocketPublisher&) = delete;

  // Before Publish: the vendor driver's device is published too, as
  // `device_path` over `store`; `store_written` runs after every write
  // request and may refuse it (the store could not be kept).
  void AttachDriver(std::shared_ptr<DriverStore> store, std::string device_path,
                    std::function<bool()> store_written);

  // Creates the sockets; a stale socket file left by a dead emulator is
  // replaced, a live one is an error.
  bool Publish(std::string& error);
  // Answers requests until Stop() or until the firmware unplugs itself, then
  // removes the sockets.
  void Serve();
  // Safe from another thread and from a signal handler.
  void Stop();

  std::vector<std::string> SocketPaths() const;

 private:
  using Clock = std::chrono::steady_clock;
  struct Listener {
    Collection collection;
    std::string path;
    platform::UnixSocket socket;
    bool driver = false;
  };
  struct Client {
    uint64_t id;
    const Collection* collection;  // none for a client of the driver's device
    platform::UnixSocket socket;
    std::deque<std::vector<uint8_t>> outbox;
    std::optional<platform::wire::Request> waiting;  // held until another's session ends
  };

  std::vector<pollfd> PollSet(Clock::time_point now) const;
  int PollTimeout(Clock::time_point now) const;
  void AcceptClients(Listener& listener);
  // False when the client is to be dropped.
  bool ReadClient(Client& client);
  bool FlushClient(Client& client);
  // Answers one request, or holds it while another client's session runs.
  void Handle(Client& client, platform::wire::Request request);
  std::vector<uint8_t> Answer(Client& client, const platform::wire::Request& request);
  // A feature request to the configuration collection: part of a session.
  bool Feature(const Client& client, const platform::wire::Request& request) const;
  std::vector<uint8_t> DriverAnswer(const platform::wire::Request& request);
  bool Listen(const std::string& path, Collection collection, bool driver, std::string& error);
  void StartSession(const Client& client, bool locked);
  void NoteSession(const Client& client, uint8_t command);
  void EndSessionIfIdle(Clock::time_point now);
  // Requests held for another client's session, once it is over.
  void ServeWaiting();
  void Drop(size_t index);
  void Unpublish();

  std::string folder_;
  std::string device_name_;
  MouseHardware hardware_;
  std::shared_ptr<MouseFirmware> firmware_;
  std::shared_ptr<DriverStore> driver_;
  std::string driver_path_;
  std::function<bool()> driver_written_;
  std::vector<Listener> listeners_;
  std::vector<Client> clients_;
  uint64_t next_client_id_ = 1;
  uint64_t session_owner_ = 0;   // client id; 0: no session
  bool session_locked_ = false;  // held by a lock rather than by CmdOpen
  Clock::time_point session_activity_{};
  Clock::time_point accept_paused_until_{};
  Clock::time_point stalled_until_{};
  int64_t feature_requests_ = 0;
  bool stalled_once_ = false;
  int stop_pipe_[2] = {-1, -1};
};

}  // namespace orvane::sim
