// Recording on Windows: keys and buttons pressed through the system's input reach
// the recording through the window thread's messages, in order, and stop
// reaching it when the recording stops.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/input_capture.h"

namespace orvane::platform {
namespace {

void PumpFor(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  MSG message;
  while (GetTickCount() < end) {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
      DispatchMessageA(&message);
    Sleep(5);
  }
}

void Press(DWORD down, DWORD up, DWORD data = 0) {
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = down;
  inputs[1].mi.dwFlags = up;
  inputs[0].mi.mouseData = inputs[1].mi.mouseData = data;
  SendInput(2, inputs, sizeof(INPUT));
}

void Type(WORD key) {
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[1].ki.wVk = key;
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
}

TEST(WinInputCapture, KeysAndButtonsReachTheRecordingInOrderWhileItRuns) {
  std::string why;
  auto capture = MakeSystemInputCapture(&why);
  ASSERT_NE(capture, nullptr) << why;
  EXPECT_TRUE(capture->SeesWholeDesktop());
  EXPECT_EQ(capture->WakeDescriptor(), -1);
  std::vector<std::pair<CapturedInput::Kind, int>> seen;
  ASSERT_TRUE(capture->Start(
      [&](const CapturedInput& input) { seen.emplace_back(input.kind, input.code); }));
  Press(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  PumpFor(200);
  Type('A');
  PumpFor(200);
  Press(MOUSEEVENTF_XDOWN, MOUSEEVENTF_XUP, XBUTTON1);
  PumpFor(300);
  using Kind = CapturedInput::Kind;
  const std::vector<std::pair<Kind, int>> expected = {{Kind::kButtonDown, 1}, {Kind::kButtonUp, 1},
                                                      {Kind::kKeyDown, 'A'},  {Kind::kKeyUp, 'A'},
                                                      {Kind::kButtonDown, 4}, {Kind::kButtonUp, 4}};
  EXPECT_EQ(seen, expected);
  capture->Stop();
  Press(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  PumpFor(200);
  EXPECT_EQ(seen, expected);
  // A second recording starts afresh.
  seen.clear();
  ASSERT_TRUE(capture->Start(
      [&](const CapturedInput& input) { seen.emplace_back(input.kind, input.code); }));
  Press(MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
  PumpFor(500);
  EXPECT_EQ(seen,
            (std::vector<std::pair<Kind, int>>{{Kind::kButtonDown, 2}, {Kind::kButtonUp, 2}}));
  capture->Stop();
}

}  // namespace
}  // namespace orvane::platform
