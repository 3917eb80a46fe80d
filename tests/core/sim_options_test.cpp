#include "sim/sim_options.h"

#include <gtest/gtest.h>

#include "core/device/feature_protocol.h"

namespace orvane::sim {
namespace {

using namespace orvane::device;

std::optional<SimOptions> Parse(std::vector<std::string> args, std::string* error = nullptr) {
  std::string message;
  auto options = ParseSimOptions(args, message);
  if (error != nullptr) *error = message;
  return options;
}

TEST(SimOptions, DefaultsAreAWellBehavedMouse) {
  const auto options = Parse({});
  ASSERT_TRUE(options);
  EXPECT_EQ(options->identity.chip_code, 0xFD);
  EXPECT_EQ(options->identity.signature, 0xAA);
  EXPECT_TRUE(options->identity.mem_ready);
  EXPECT_EQ(options->hardware.version, 0x0104);
  EXPECT_TRUE(options->faults.sticky.empty());
  EXPECT_TRUE(options->faults.no_answer.empty());
  EXPECT_EQ(options->faults.unplug_after_requests, -1);
}

TEST(SimOptions, ParsesEveryOption) {
  const auto options = Parse({"--memory",
                              "/tmp/m.bin",
                              "--driver-store",
                              "/tmp/d.bin",
                              "--chip",
                              "35",
                              "--sticky",
                              "0xD0=0x00",
                              "--sticky",
                              "100=7",
                              "--lose-read-chunks",
                              "50",
                              "--no-ack",
                              "write-start",
                              "--no-ack",
                              "81",
                              "--mem-not-ready",
                              "--signature",
                              "0x55",
                              "--link",
                              "1A2B",
                              "--open-reply",
                              "A5",
                              "--refuse",
                              "status=01",
                              "--empty-replies",
                              "3",
                              "--unplug-after",
                              "40",
                              "--version",
                              "0103",
                              "--no-driver",
                              "--led-type",
                              "80",
                              "--name",
                              "left"});
  ASSERT_TRUE(options);
  EXPECT_EQ(options->memory_file, "/tmp/m.bin");
  EXPECT_EQ(options->driver_store_file, "/tmp/d.bin");
  EXPECT_EQ(options->identity.chip_code, 0x35);
  EXPECT_EQ(options->faults.sticky, (std::map<uint16_t, uint8_t>{{0xD0, 0x00}, {100, 7}}));
  EXPECT_EQ(options->faults.lose_every_nth_read_chunk, 50);
  EXPECT_EQ(options->faults.no_answer.at(CmdWriteStart).times, FaultCount::kAlways);
  EXPECT_EQ(options->faults.no_answer.at(CmdDriverLink).times, FaultCount::kAlways);
  EXPECT_FALSE(options->identity.mem_ready);
  EXPECT_EQ(options->identity.signature, 0x55);
  EXPECT_EQ(options->identity.driver_link, 0x1A2B);
  EXPECT_EQ(options->identity.open_reply, 0xA5);
  EXPECT_EQ(options->faults.refuse.at(CmdStatus).byte, 0x01);
  EXPECT_EQ(options->faults.empty_replies_before_answer, 3);
  EXPECT_EQ(options->faults.unplug_after_requests, 40);
  EXPECT_EQ(options->hardware.version, 0x0103);
  EXPECT_FALSE(options->identity.driver_capable);
  EXPECT_EQ(options->identity.led_type_bits, 0x80);
  EXPECT_EQ(options->device_name, "left");
}

TEST(SimOptions, RejectsBadValuesWithAReason) {
  const std::vector<std::vector<std::string>> bad = {
      {"--chip"},
      {"--chip", "1FF"},
      {"--chip", "zz"},
      {"--sticky", "0xD0"},
      {"--sticky", "2048=1"},
      {"--sticky", "0x10=256"},
      {"--no-ack", "jump"},
      {"--refuse", "status=CC"},
      {"--refuse", "status=0"},
      {"--lose-read-chunks", "-1"},
      {"--link", "10000"},
      {"--memory", ""},
      {"--driver-store", ""},
      {"--frobnicate"},
      {"stray"},
  };
  for (const auto& args : bad) {
    std::string error;
    EXPECT_FALSE(Parse(args, &error)) << args[0];
    EXPECT_FALSE(error.empty()) << args[0];
  }
}

TEST(SimOptions, HelpListsTheOptions) {
  const auto options = Parse({"--help"});
  ASSERT_TRUE(options);
  EXPECT_TRUE(options->help);
  for (const char* option : {"--memory", "--chip", "--sticky", "--lose-read-chunks", "--no-ack",
                             "--mem-not-ready", "--signature", "--link", "--driver-store"}) {
    EXPECT_NE(SimUsage().find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace orvane::sim
