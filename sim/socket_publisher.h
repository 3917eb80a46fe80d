#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/unix_socket.h"
#include "sim/mouse_collections.h"
#include "sim/mouse_firmware.h"

namespace orvane::sim {

// Publishes the collections of one emulated mouse as sockets in the virtual
// device folder, so that any program of the user finds them beside the real
// HID devices. Publishing is plugging in; Stop() or the firmware unplugging
// itself removes the sockets again.
class SocketPublisher {
 public:
  SocketPublisher(std::string folder, std::string device_name, MouseHardware hardware,
                  std::shared_ptr<MouseFirmware> firmware);
  ~SocketPublisher();
  SocketPublisher(const SocketPublisher&) = delete;
  SocketPublisher& operator=(const SocketPublisher&) = delete;

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
  struct Listener {
    Collection collection;
    std::string path;
    platform::UnixSocket socket;
  };
  struct Client {
    const Collection* collection;
    platform::UnixSocket socket;
  };

  void AcceptClients(Listener& listener);
  // False when the client is to be dropped.
  bool AnswerClient(Client& client);
  std::vector<uint8_t> AnswerRequest(const Collection& collection,
                                     std::span<const uint8_t> request);
  void Unpublish();

  std::string folder_;
  std::string device_name_;
  MouseHardware hardware_;
  std::shared_ptr<MouseFirmware> firmware_;
  std::vector<Listener> listeners_;
  std::vector<Client> clients_;
  int stop_pipe_[2] = {-1, -1};
};

}  // namespace orvane::sim
