// The virtual device transport against a peer that misbehaves: answers that
// are too long, empty, late, repeated or for another request. None may crash
// the client, hang it, or be taken for the answer to the request it sent.
#include <gtest/gtest.h>
#include <sys/socket.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "core/device/device_link.h"
#include "platform/linux/unix_socket.h"
#include "platform/linux/virtual_hid_backend.h"
#include "platform/linux/virtual_hid_wire.h"
#include "platform/published_mouse.h"
#include "platform/real_pacer.h"

namespace orvane::platform {
namespace {

using Clock = std::chrono::steady_clock;
using Reply = std::function<void(const UnixSocket&, const wire::Request&, int index)>;

// A device socket whose answers a test scripts: `reply` is called for each
// request, in order, with its index.
class ScriptedPeer {
 public:
  ScriptedPeer(const std::string& path, Reply reply)
      : listener_(UnixSocket::Listen(path)), reply_(std::move(reply)) {
    thread_ = std::thread([this] { Serve(); });
  }
  ~ScriptedPeer() {
    stop_ = true;
    thread_.join();
  }

 private:
  void Serve() {
    UnixSocket client;
    int index = 0;
    std::vector<uint8_t> message;
    while (!stop_) {
      if (!client.Valid()) {
        client = UnixSocket(accept4(listener_.Fd(), nullptr, nullptr, SOCK_CLOEXEC));
        if (!client.Valid()) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        continue;
      }
      const SocketIo io = client.Receive(message, wire::kMaxMessage, 20);
      if (io == SocketIo::kClosed) client = UnixSocket();
      if (io != SocketIo::kOk) continue;
      if (const auto request = wire::ParseRequest(message)) reply_(client, *request, index++);
    }
  }

  UnixSocket listener_;
  Reply reply_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// The reply a well-behaved mouse gives to a get: the report with its last
// byte set to the request's sequence number, so a test sees whose it is.
std::vector<uint8_t> GoodAnswer(const wire::Request& request, uint32_t sequence) {
  std::vector<uint8_t> report(request.payload.empty() ? 0 : request.payload[0], 0);
  if (!report.empty()) report[0] = request.payload[1];
  if (report.size() > 1) report.back() = static_cast<uint8_t>(sequence);
  return wire::EncodeAnswer(sequence, true, report);
}

void Send(const UnixSocket& socket, const std::vector<uint8_t>& message) {
  socket.Send(message, 100);
}

struct Case {
  const char* name;
  Reply first;      // how the first get is answered (the second always well)
  bool first_ok;    // whether the client takes the first answer
  bool gone_after;  // whether the peer counts as gone afterwards
};

TEST(HostilePeer, NoAnswerButItsOwnIsEverTaken) {
  const auto good = [](const UnixSocket& s, const wire::Request& r, int) {
    Send(s, GoodAnswer(r, r.sequence));
  };
  const std::vector<Case> cases = {
      {"answered well", good, true, false},
      {"never answered", [](const UnixSocket&, const wire::Request&, int) {}, false, false},
      {"answered 100 ms late",
       [](const UnixSocket& s, const wire::Request& r, int) {
         std::this_thread::sleep_for(std::chrono::milliseconds(100));
         Send(s, GoodAnswer(r, r.sequence));
       },
       false, false},
      {"answered twice",
       [](const UnixSocket& s, const wire::Request& r, int) {
         Send(s, GoodAnswer(r, r.sequence));
         Send(s, GoodAnswer(r, r.sequence));
       },
       true, false},
      {"answered for the next request first",
       [](const UnixSocket& s, const wire::Request& r, int) {
         Send(s, GoodAnswer(r, r.sequence + 1));
         Send(s, GoodAnswer(r, r.sequence));
       },
       true, false},
      {"an oversized answer",
       [](const UnixSocket& s, const wire::Request& r, int) {
         std::vector<uint8_t> huge = GoodAnswer(r, r.sequence);
         huge.resize(1000, 0xCC);
         Send(s, huge);
       },
       false, false},
      {"an answer of the wrong length",
       [](const UnixSocket& s, const wire::Request& r, int) {
         Send(s, wire::EncodeAnswer(r.sequence, true, std::vector<uint8_t>(3, 0xCC)));
       },
       false, false},
      {"a header cut short",
       [](const UnixSocket& s, const wire::Request& r, int) {
         Send(s, {static_cast<uint8_t>(r.sequence), 0});
       },
       false, false},
      {"an empty message", [](const UnixSocket& s, const wire::Request&, int) { Send(s, {}); },
       false, true},
  };
  const std::string folder = testing::PrivateDeviceFolder("hostile");
  for (size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    const std::string path = folder + "/peer" + std::to_string(i) + ".hid";
    ScriptedPeer peer(path, [&c, good](const UnixSocket& s, const wire::Request& r, int index) {
      (r.op == wire::Op::kGetFeature && index == 0 ? c.first : good)(s, r, index);
    });
    VirtualHidBackend backend(folder);
    auto connection = backend.Open(path);
    ASSERT_NE(connection, nullptr) << c.name;

    std::array<uint8_t, 8> report{4};
    const auto start = Clock::now();
    EXPECT_EQ(connection->GetFeature(report), c.first_ok) << c.name;
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(200)) << c.name;
    if (c.first_ok) {
      EXPECT_EQ(report[7], 1) << c.name << ": the answer to request 1";
    }
    EXPECT_EQ(connection->Gone(), c.gone_after) << c.name;
    if (c.gone_after) continue;

    std::this_thread::sleep_for(std::chrono::milliseconds(150));  // let late answers arrive
    report = {4};
    EXPECT_TRUE(connection->GetFeature(report)) << c.name;
    EXPECT_EQ(report[7], 2) << c.name << ": the second request's own answer";
  }
  std::filesystem::remove_all(folder);
}

// A peer that stays connected but never answers costs each call its time
// limit, so a command with all its attempts keeps to its 300 ms worst case.
TEST(HostilePeer, ASilentPeerCannotHangACommand) {
  const std::string folder = testing::PrivateDeviceFolder("silent");
  const std::string path = folder + "/silent.hid";
  ScriptedPeer peer(path, [](const UnixSocket&, const wire::Request&, int) {});
  VirtualHidBackend backend(folder);
  auto connection = backend.Open(path);
  ASSERT_NE(connection, nullptr);
  RealPacer pacer;
  device::DeviceLink link(pacer);
  link.Attach(std::move(connection), path, 0x2E71, 0x0D45, 8);
  const auto start = Clock::now();
  EXPECT_FALSE(link.DevCmd(device::CmdStatus));
  // Five attempts of one call (40 ms) and one 10 ms pause each: 250 ms, and
  // room for a loaded machine.
  EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(300 + 150));
  EXPECT_TRUE(link.HandleValid()) << "silent is not gone";
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace orvane::platform
