#include "core/driver_macros/driver_macros.h"

#include <gtest/gtest.h>

namespace orvane::driver_macros {
namespace {

using config::ActionCode;

DriverBlock NamedBlock(const std::string& name, uint8_t flag, uint8_t fill) {
  DriverBlock block{};
  const auto encoded = macro::EncodeMacroName(name);
  std::copy(encoded.begin(), encoded.end(), block.begin());
  block[32] = flag;
  std::fill(block.begin() + 33, block.end(), fill);
  return block;
}

const std::array<std::string, 9> kCaptions = {"Left Click", "Right Click", "Middle Click",
                                              "Back",       "Forward",     "DPI Loop",
                                              "Profile",    "Desktop",     "LED ON/OFF"};

TEST(DriverMacros, ReadLengthFromTheLargestReference) {
  struct Case {
    std::vector<ActionCode> codes;
    uint32_t length;
  };
  const std::vector<Case> cases = {
      {{{0x01, 0x01, 0x00}}, 0},
      {{{0x06, 0x00, 0xF0}}, 0},
      {{{0x06, 0x00, 0x20}}, 2048},
      {{{0x06, 0x01, 0x20}}, 2048},
      {{{0x06, 0x08, 0x20}}, 4096},
      {{{0x0E, 0x01, 0x20}, {0x06, 0x09, 0x20}, {0x06, 0x00, 0xF0}}, 4096},
      {{{0x06, 0xF9, 0x20}}, 32 * 2048},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DriverTableReadLength(c.codes), c.length);
}

TEST(DriverMacros, AssignmentByName) {
  DriverMacros macros;
  const DriverBlock burst = NamedBlock("Burst", 0, 0x11);
  const DriverAssignment first = AssignDriverMacro(macros, burst, kCaptions, 4, "Left Click");
  EXPECT_EQ(first.kind, DriverAssignment::Kind::kAssigned);
  EXPECT_EQ(first.code, "060120");
  EXPECT_EQ(first.caption, "Burst");
  EXPECT_EQ(AssignDriverMacro(macros, burst, kCaptions, 5, "Left Click").code, "060120");
  EXPECT_EQ(macros.size(), 1u) << "one macro on two buttons is one block";
  const DriverAssignment second =
      AssignDriverMacro(macros, NamedBlock("Hold", 1, 0x22), kCaptions, 6, "Left Click");
  EXPECT_EQ(second.code, "0E0920");
  EXPECT_EQ(second.block, 1);
  EXPECT_EQ(AssignDriverMacro(macros, burst, kCaptions, 1, "Left Click").kind,
            DriverAssignment::Kind::kKeptLeftClick);
  EXPECT_EQ(macros.size(), 2u);
}

TEST(DriverMacros, BlocksPastThePointersReachAreRefused) {
  DriverMacros macros;
  for (int k = 0; k < kAddressableBlocks; ++k) {
    ASSERT_EQ(AssignDriverMacro(macros, NamedBlock("M" + std::to_string(k), 0, 1), kCaptions, 2,
                                "Left Click")
                  .kind,
              DriverAssignment::Kind::kAssigned);
  }
  EXPECT_EQ(AssignDriverMacro(macros, NamedBlock("M31", 0, 1), kCaptions, 2, "Left Click").code,
            "06F920");
  EXPECT_EQ(
      AssignDriverMacro(macros, NamedBlock("One more", 0, 1), kCaptions, 2, "Left Click").kind,
      DriverAssignment::Kind::kNoRoom);
  EXPECT_EQ(macros.size(), 32u);
}

TEST(DriverMacros, RefreshAndTransfer) {
  DriverMacros macros = {NamedBlock("A", 0, 0x01), NamedBlock("B", 0, 0x02)};
  RefreshDriverWriteMacro(macros, {NamedBlock("B", 1, 0x09), NamedBlock("B", 0, 0x07)});
  EXPECT_EQ(macros[0][40], 0x01);
  EXPECT_EQ(macros[1][32], 1);
  EXPECT_EQ(macros[1][40], 0x09);

  const std::vector<uint8_t> buffer = DriverTableWriteBuffer(macros);
  ASSERT_EQ(buffer.size(), 8u + 4096u);
  EXPECT_EQ(std::vector<uint8_t>(buffer.begin(), buffer.begin() + 8),
            (std::vector<uint8_t>{0x00, 0x01, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00}));
  EXPECT_EQ(DriverTableWriteBuffer({}).size(), 8u);
  const DriverMacros parsed = ParseDriverTable(buffer);
  EXPECT_EQ(parsed, macros);
  EXPECT_TRUE(ParseDriverTable(std::vector<uint8_t>(8 + 2047)).empty());
}

}  // namespace
}  // namespace orvane::driver_macros
