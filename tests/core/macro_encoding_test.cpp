#include <gtest/gtest.h>

#include "core/macro/macro_lines.h"
#include "core/macro/macro_storage.h"

namespace orvane::macro {
namespace {

using Bytes = std::vector<uint8_t>;

MacroLines Lines(std::initializer_list<const char*> events) {
  MacroLines lines = {"00"};
  lines.insert(lines.end(), events.begin(), events.end());
  return lines;
}

TEST(MacroEncoding, LinesToEventBytes) {
  struct Case {
    MacroLines lines;
    Bytes bytes;
  };
  const std::vector<Case> cases = {
      {Lines({"1 LeftKey CODE:00A1", "0 2041", "2 LeftKey CODE:0021"}),
       {0xA1, 0xFE, 0xFF, 0xFE, 0x00, 0x21}},
      {Lines({"0 0"}), {0xFE, 0x00}},
      {Lines({"0 2040"}), {0xFE, 0xFF}},
      {Lines({"0 4100"}), {0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0x02}},
      {Lines({"0 100", "0 200"}), {0xFE, 0x0C, 0xFE, 0x19}},
      {Lines({"0 abc"}), {0xFE, 0x00}},
      {Lines({"3 FBF4", "5 FA0C", "7 FD05", "8 00FC"}), {0xFB, 0xF4, 0xFA, 0x0C, 0xFD, 0x05, 0xFC}},
      {Lines({"1 Ctrl CODE:8101", "1 A CODE:8204", "2 A CODE:0204", "2 Ctrl CODE:0101"}),
       {0x81, 0x01, 0x82, 0x04, 0x02, 0x04, 0x01, 0x01}},
      {Lines({"1 Backward CODE:00B0", "2 Backward CODE:0030"}), {0xB0, 0x30}},
      {{"01 50"}, {}},  // the header alone
  };
  for (const Case& c : cases)
    EXPECT_EQ(EncodeEventLines(c.lines), c.bytes) << c.lines.back();
}

TEST(MacroEncoding, EventBytesToLines) {
  struct Case {
    Bytes bytes;
    std::vector<std::string> lines;  // without the header
  };
  const Bytes five_long(10, 0xFF);
  const std::vector<Case> cases = {
      {{0xFE, 0x00}, {"0 0"}},
      {{0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF}, {"0 10200"}},
      {{0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF},
       {"0 10200", "0 2040"}},
      {{0xFE, 0x0C, 0xFE, 0x19}, {"0 296"}},
      {{0xFB, 0xF4, 0xFA, 0x0C, 0xFB, 0x7F}, {"4 FBF4", "5 FA0C", "3 FB7F"}},
      {{0x82, 0x04, 0x02, 0x04}, {"1 A CODE:8204", "2 A CODE:0204"}},
      {{0x81, 0x80, 0x01, 0x80}, {"1 Right Windows CODE:8180", "2 Right Windows CODE:0180"}},
      {{0xA4, 0x24, 0xFD, 0x03, 0xFC},
       {"1 MiddleKey CODE:00A4", "2 MiddleKey CODE:0024", "7 FD03", "8 00FC"}},
      // Decoding ends at the first byte that is no event, or a cut-off one.
      {{0xA1, 0x77, 0x21}, {"1 LeftKey CODE:00A1"}},
      {{0xA1, 0x81, 0x03}, {"1 LeftKey CODE:00A1"}},
      {{0xA1, 0xFB}, {"1 LeftKey CODE:00A1"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecodeEventBytes(c.bytes, true), c.lines) << c.lines.front();
  }
  EXPECT_EQ(DecodeEventBytes(Bytes{0xFE, 0x01, 0xFE, 0x02}, false),
            (std::vector<std::string>{"0 8", "0 16"}));
}

TEST(MacroEncoding, HeaderFromTheFirstFourDelays) {
  struct Case {
    std::vector<std::string> events;
    std::string header;
    DelayMode mode;
  };
  const std::vector<Case> cases = {
      {{"0 48", "3 FB01", "0 48", "0 48", "0 48", "0 96"}, "0148", DelayMode::kDefault},
      {{"0 48", "0 48", "0 48"}, "10", DelayMode::kRecord},
      {{"3 FB01"}, "00", DelayMode::kNone},
      {{"0 0", "0 0"}, "00", DelayMode::kNone},
      {{"0 8", "0 16", "0 8", "0 8"}, "10", DelayMode::kRecord},
  };
  for (const Case& c : cases) {
    const DecodedMacro decoded = WithHeader(c.events);
    EXPECT_EQ(decoded.lines.front(), c.header);
    EXPECT_EQ(decoded.delay_mode, c.mode) << c.header;
    EXPECT_EQ(decoded.lines.size(), c.events.size() + 1);
  }
  EXPECT_EQ(WithHeader({"0 48", "0 48", "0 48", "0 48"}).default_delay_ms, 48);

  // Through a body: four delays of 50 reopen in default-delay mode (as 48,
  // the 8 ms steps the mouse counts in); three reopen in record-delay mode.
  const MacroLines four = Lines({"1 A CODE:8204", "0 50", "2 A CODE:0204", "0 50", "1 A CODE:8204",
                                 "0 50", "2 A CODE:0204", "0 50"});
  MacroBody body{};
  ASSERT_TRUE(EncodeMacroBody(four, false, body));
  const auto reopened = DecodeMacroBody(body);
  ASSERT_TRUE(reopened);
  EXPECT_EQ(reopened->macro.delay_mode, DelayMode::kDefault);
  EXPECT_EQ(reopened->macro.lines.front(), "0148");
  MacroLines three = four;
  three.pop_back();
  ASSERT_TRUE(EncodeMacroBody(three, false, body));
  EXPECT_EQ(DecodeMacroBody(body)->macro.delay_mode, DelayMode::kRecord);
}

TEST(MacroStorage, BodyAndBlockLayouts) {
  const MacroLines clicks = Lines({"1 LeftKey CODE:00A1", "2 LeftKey CODE:0021"});
  MacroBody body;
  body.fill(0x77);
  ASSERT_TRUE(EncodeMacroBody(clicks, false, body));
  const Bytes body_start = {0x00, 0x03, 0xA1, 0x21, 0x9F};
  EXPECT_TRUE(std::equal(body_start.begin(), body_start.end(), body.begin()));
  EXPECT_TRUE(std::all_of(body.begin() + 5, body.end(), [](uint8_t b) { return b == 0; }));

  DriverBlock block;
  block.fill(0x77);
  ASSERT_TRUE(EncodeDriverBlock(clicks, true, block));
  const Bytes block_start = {0x01, 0x00, 0x03, 0xA1, 0x21, 0xFE};
  EXPECT_TRUE(std::equal(block_start.begin(), block_start.end(), block.begin() + 32));
  EXPECT_EQ(block[0], 0x77) << "the name is not touched";
  EXPECT_EQ(block[38], 0x00);

  const auto decoded = DecodeDriverBlock(block);
  ASSERT_TRUE(decoded);
  EXPECT_TRUE(decoded->release_flag);
  EXPECT_EQ(decoded->macro.lines, (MacroLines{"00", "1 LeftKey CODE:00A1", "2 LeftKey CODE:0021"}));
  const auto from_body = DecodeMacroBody(body);
  ASSERT_TRUE(from_body);
  EXPECT_EQ(from_body->macro.lines, decoded->macro.lines);

  MacroLines long_lines = {"00"};
  for (int i = 0; i < 150; ++i)
    long_lines.push_back("3 FB01");
  ASSERT_TRUE(EncodeDriverBlock(long_lines, false, block));
  EXPECT_EQ(block[33], 0x01);
  EXPECT_EQ(block[34], 0x2D);  // N = 301

  EXPECT_TRUE(EncodeMacroBody({"00"}, true, body));
  EXPECT_TRUE(std::all_of(body.begin(), body.end(), [](uint8_t b) { return b == 0; }));
  EXPECT_FALSE(DecodeMacroBody(body));  // L = 0: unused
}

// Lists longer than the form holds are refused and the stored macro stays.
TEST(MacroStorage, TooLongIsRefusedWithoutWriting) {
  const auto moves = [](int count) {
    MacroLines lines = {"00"};
    for (int i = 0; i < count; ++i)
      lines.push_back("3 FB01");
    return lines;
  };
  const auto with_tail = [](MacroLines lines, const char* line) {
    lines.push_back(line);
    return lines;
  };
  MacroBody body;
  body.fill(0x33);
  const MacroBody before = body;
  EXPECT_FALSE(EncodeMacroBody(with_tail(moves(111), "8 00FC"), false, body));  // 223 bytes
  EXPECT_EQ(body, before);
  EXPECT_FALSE(EncodeMacroBody(moves(111), false, body));  // 222 bytes
  EXPECT_EQ(body, before);
  ASSERT_TRUE(EncodeMacroBody(with_tail(moves(110), "8 00FC"), false, body));  // 221 bytes
  EXPECT_EQ(body[1], 222);
  EXPECT_TRUE(CheckMacroBody(body));

  // A typed delay of any size is refused as too long, without first
  // building billions of delay events.
  EXPECT_FALSE(EncodeMacroBody({"00", "0 111111111111111111"}, false, body));
  EXPECT_FALSE(EncodeMacroBody({"00", "0 123456789012345678901234567890"}, false, body));
  EXPECT_EQ(body[1], 222);

  DriverBlock block{};
  EXPECT_FALSE(EncodeDriverBlock({"00", "0 111111111111111111"}, false, block));
  EXPECT_FALSE(EncodeDriverBlock(with_tail(moves(1006), "8 00FC"), false, block));  // 2013
  EXPECT_EQ(block, DriverBlock{});
  ASSERT_TRUE(EncodeDriverBlock(moves(1006), false, block));  // 2012
  EXPECT_EQ(block[33] << 8 | block[34], 2013);
}

// Lengths read from files and devices never lead outside the buffer.
TEST(MacroStorage, DecodersStayInsideTheirBuffers) {
  MacroBody body{};
  body[1] = 250;
  std::fill(body.begin() + 2, body.end(), 0xA1);
  const auto decoded = DecodeMacroBody(body);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->macro.lines.size(), 1u + 222u);

  DriverBlock block{};
  block[33] = 0xFF;
  block[34] = 0xFE;
  std::fill(block.begin() + 35, block.end(), 0x21);
  const auto from_block = DecodeDriverBlock(block);
  ASSERT_TRUE(from_block);
  EXPECT_EQ(from_block->macro.lines.size(), 1u + 2013u);
  block[33] = 0xFF;
  block[34] = 0xFF;
  EXPECT_FALSE(DecodeDriverBlock(block));
  body[1] = 0xFF;
  EXPECT_FALSE(DecodeMacroBody(body));
}

TEST(MacroStorage, CheckMacroBodyZeroesABadChecksum) {
  MacroBody body{};
  ASSERT_TRUE(EncodeMacroBody(Lines({"1 LeftKey CODE:00A1"}), true, body));
  EXPECT_TRUE(CheckMacroBody(body));
  EXPECT_EQ(body[0], 1);
  body[2] = 0xA2;
  EXPECT_FALSE(CheckMacroBody(body));
  EXPECT_EQ(body, MacroBody{});
}

TEST(MacroNames, Utf16HighByteFirst) {
  const MacroName recoil = EncodeMacroName("Recoil");
  EXPECT_EQ(recoil[0], 0x00);
  EXPECT_EQ(recoil[1], 'R');
  EXPECT_EQ(recoil[11], 'l');
  EXPECT_EQ(recoil[12], 0);
  for (const std::string name : {"Recoil", "压枪宏", "a\xF0\x9F\x98\x80z", ""}) {
    EXPECT_EQ(DecodeMacroName(EncodeMacroName(name)), name);
  }
  EXPECT_EQ(EncodeMacroName("压")[0], 0x53);
  EXPECT_EQ(EncodeMacroName("压")[1], 0x8B);
  EXPECT_EQ(DecodeMacroName(EncodeMacroName("ABCDEFGHIJKLMNOPQRST")), "ABCDEFGHIJKLMNOP");
  EXPECT_TRUE(NameIsEmpty(EncodeMacroName("")));
  EXPECT_EQ(DecodeMacroName(EncodeMacroName("\xFF"
                                            "x")),
            "\xEF\xBF\xBD"
            "x");
  MacroName lone{};
  lone[0] = 0xD8;  // a high surrogate with nothing after it
  EXPECT_EQ(DecodeMacroName(lone), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace orvane::macro
