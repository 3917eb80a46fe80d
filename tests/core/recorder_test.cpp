#include "core/macro/recorder.h"

#include <gtest/gtest.h>

#include "core/macro/macro_storage.h"

namespace orvane::macro {
namespace {

using Kind = RecordedInput::Kind;
constexpr int kA = 'A';
constexpr int kB = 'B';
constexpr int kShift = 16;

// Feeds events and keeps every line, as the page would.
struct Session {
  explicit Session(RecorderSettings settings = {}) : recorder(settings) {}
  void Key(bool down, int vk, uint32_t t) { Add({down ? Kind::kKeyDown : Kind::kKeyUp, vk, t}); }
  void Button(bool down, MouseButton b, uint32_t t) {
    Add({down ? Kind::kButtonDown : Kind::kButtonUp, static_cast<int>(b), t});
  }
  void Add(const RecordedInput& input) {
    for (std::string& line : recorder.Feed(input))
      lines.push_back(std::move(line));
  }
  Recorder recorder;
  MacroLines lines;
};

// A pressed, 300 ms, released, 3 s, B pressed.
TEST(Recorder, RecordDelayBetweenKeys) {
  Session s;
  s.Key(true, kA, 1000);
  s.Key(false, kA, 1300);
  s.Key(true, kB, 4300);
  EXPECT_EQ(s.lines,
            (MacroLines{"1 A CODE:8204", "0 300", "2 A CODE:0204", "0 3000", "1 B CODE:8205"}));
}

TEST(Recorder, AutoRepeatIsDroppedButAPressAfterAnotherKeysReleaseIsNot) {
  Session s({DelayMode::kNone});
  s.Key(true, kA, 0);
  s.Key(true, kA, 30);  // auto-repeat
  s.Key(true, kA, 60);
  s.Key(true, kB, 90);  // B while A is down
  s.Key(false, kB, 120);
  s.Key(true, kA, 150);  // A's next repeat comes as a first press
  EXPECT_EQ(s.lines,
            (MacroLines{"1 A CODE:8204", "1 B CODE:8205", "2 B CODE:0205", "1 A CODE:8204"}));
}

// 12 s after the previous event: a click waits five lines of 2040 ms, a key
// one line of 10200 ms.
TEST(Recorder, LongGapsAreCapped) {
  Session s;
  s.Key(true, kA, 100);
  s.Button(true, MouseButton::kRight, 12100);
  EXPECT_EQ(s.lines, (MacroLines{"1 A CODE:8204", "0 2040", "0 2040", "0 2040", "0 2040", "0 2040",
                                 "1 RightKey CODE:00A2"}));
  s.Key(false, kA, 24100);
  EXPECT_EQ(s.lines.back(), "2 A CODE:0204");
  EXPECT_EQ(s.lines[s.lines.size() - 2], "0 10200");
}

TEST(Recorder, DefaultAndNoDelay) {
  Session d({DelayMode::kDefault, 50});
  d.Key(true, kA, 0);
  d.Button(true, MouseButton::kLeft, 5000);
  d.Key(false, kA, 9000);
  EXPECT_EQ(d.lines,
            (MacroLines{"1 A CODE:8204", "0 50", "1 LeftKey CODE:00A1", "0 50", "2 A CODE:0204"}));
  EXPECT_EQ(HeaderLine(DelayMode::kDefault, 50), "0150");
  EXPECT_EQ(HeaderLine(DelayMode::kRecord, 50), "10");
  EXPECT_EQ(HeaderLine(DelayMode::kNone, 50), "00");
  Session n({DelayMode::kNone});
  n.Key(true, kA, 0);
  n.Key(false, kA, 5000);
  EXPECT_EQ(n.lines, (MacroLines{"1 A CODE:8204", "2 A CODE:0204"}));
}

TEST(Recorder, ModifiersAndKeyNames) {
  EXPECT_EQ(KeyLine(true, kShift), "1 Shift CODE:8102");
  EXPECT_EQ(KeyLine(false, 17), "2 Ctrl CODE:0101");
  EXPECT_EQ(KeyLine(true, 92), "1 Right Windows CODE:8180");
  EXPECT_EQ(KeyLine(true, 255), "");
  Session s;
  s.Key(true, 255, 0);
  EXPECT_TRUE(s.lines.empty());
}

// Clicks on the record buttons are the user's commands; a right click there
// is recorded.
TEST(Recorder, LeftClicksOverTheRecordButtonsAreNotRecorded) {
  Session s({DelayMode::kNone});
  s.recorder.SetLeftClickMasked(true);
  s.Button(true, MouseButton::kLeft, 0);
  s.Button(false, MouseButton::kLeft, 10);
  s.Button(true, MouseButton::kRight, 20);
  s.Button(false, MouseButton::kRight, 30);
  EXPECT_EQ(s.lines, (MacroLines{"1 RightKey CODE:00A2", "2 RightKey CODE:0022"}));
}

// Typing with Shift held while the budget fills: presses stop being taken,
// but every recorded press keeps room for its release, so the macro ends
// with nothing held and fits its form.
TEST(Recorder, AFullRecordingStillReleasesWhatItPressed) {
  for (const DelayMode mode : {DelayMode::kRecord, DelayMode::kDefault, DelayMode::kNone}) {
    for (const size_t capacity : {size_t{220}, size_t{2012}}) {
      Session s({mode, 50, capacity});
      uint32_t t = 0;
      s.Key(true, kShift, t += 700);
      for (int i = 0; i < 600; ++i) {
        s.Key(true, 'A' + i % 26, t += 700);
        s.Button(true, MouseButton::kMiddle, t += 3000);
        s.Button(false, MouseButton::kMiddle, t += 20);
        s.Key(false, 'A' + i % 26, t += 900);
      }
      EXPECT_TRUE(s.recorder.Full());
      s.Key(false, kShift, t += 12000);
      EXPECT_EQ(s.lines.back(), "2 Shift CODE:0102") << capacity;
      EXPECT_LE(s.recorder.Used(), capacity);
      EXPECT_EQ(EncodeEventLines([&] {
                  MacroLines all{"10"};
                  all.insert(all.end(), s.lines.begin(), s.lines.end());
                  return all;
                }())
                    .size(),
                s.recorder.Used());
      MacroBody body{};
      if (capacity == 220) {
        MacroLines all{HeaderLine(mode, 50)};
        all.insert(all.end(), s.lines.begin(), s.lines.end());
        EXPECT_TRUE(EncodeMacroBody(all, false, body));
      }
      // A press after filling up is not taken.
      s.Key(true, kB, t += 100);
      EXPECT_NE(s.lines.back(), "1 B CODE:8205");
    }
  }
}

// With no delays a press is taken while its release still fits: four bytes.
TEST(Recorder, NoDelayReservesFourBytes) {
  Session s({DelayMode::kNone, 50, 220});
  int presses = 0;
  for (uint32_t t = 0; t < 400; t += 2) {
    const size_t before = s.lines.size();
    s.Key(true, 'A' + static_cast<int>(t / 2 % 26), t);
    if (s.lines.size() > before) ++presses;
    s.Key(false, 'A' + static_cast<int>(t / 2 % 26), t + 1);
  }
  EXPECT_EQ(presses, 55);  // 55 x 4 = 220
  EXPECT_TRUE(s.recorder.StopWanted());
}

}  // namespace
}  // namespace orvane::macro
