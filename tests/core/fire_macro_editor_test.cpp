// The hidden fire macro editor: its own lines, compiled into the slot at
// every change, and recording left clicks with their timing.
#include "core/pages/fire_macro_editor.h"

#include <gtest/gtest.h>

#include "core/app/language_table.h"
#include "core/fire/fire_macros.h"
#include "core/library_fixture.h"

namespace orvane::pages {
namespace {

using macro::DelayMode;
using macro::MouseButton;
using macro::RecordedInput;
using Lines = macro::MacroLines;

using testing::English;

RecordedInput Left(bool down, uint32_t ms) {
  return {down ? RecordedInput::Kind::kButtonDown : RecordedInput::Kind::kButtonUp,
          static_cast<int>(MouseButton::kLeft), ms};
}

struct EditorFixture {
  EditorFixture() {
    // Slot 2: press, Y 16, 40 ms, release; stop on release.
    const uint8_t slot[24] = {1, 7, 0xA1, 0xFA, 0x10, 0xFE, 0x05, 0x21};
    std::copy(std::begin(slot), std::end(slot), config.FireSlots.begin() + 24);
    fire::SealFireSlot(config, 2);
    editor.Show();
  }
  config::Configuration config;
  RecordingGate gate;
  FireMacroEditor editor{config, English, &gate};
};

TEST(FireMacroEditor, ASlotBecomesLinesAndEveryChangeIsCompiledBack) {
  EditorFixture x;
  FireMacroEditor& editor = x.editor;
  editor.SelectSlot(2);
  EXPECT_EQ(editor.State().lines,
            (Lines{"00", "1 LeftKey CODE:00A1", "5 FA10", "0 40", "2 LeftKey CODE:0021"}));
  EXPECT_EQ(editor.State().compiled.substr(0, 4), "0107");
  // A press goes with its release.
  editor.SelectRow(0);
  EXPECT_EQ(editor.DeleteRow(), std::nullopt);
  EXPECT_EQ(editor.State().lines, (Lines{"00", "5 FA10", "0 40"}));
  // A repeat of 10 is stored as 9, as the macro editor stores it.
  editor.SelectRow(0);
  editor.OpenInsert();
  editor.ChooseInsert(FireInsertChoice::kRepeatStartBefore);
  EXPECT_EQ(editor.TypeInsertBox(FireInsertChoice::kRepeatStartBefore, "10"), "10");
  EXPECT_EQ(editor.InsertOk(), std::nullopt);
  EXPECT_EQ(editor.State().lines[1], "7 FD09");
  // A delay of 0 ms is FE 00.
  editor.SelectRow(2);
  editor.OpenInsert();
  editor.ChooseInsert(FireInsertChoice::kDelayAfter);
  editor.TypeInsertBox(FireInsertChoice::kDelayAfter, "0");
  editor.InsertOk();
  const auto slot = fire::FireSlot(x.config, 2);
  EXPECT_EQ(std::vector<uint8_t>(slot.begin(), slot.begin() + 10),
            (std::vector<uint8_t>{1, 9, 0xFD, 0x09, 0xFA, 0x10, 0xFE, 0x05, 0xFE, 0x00}));
  EXPECT_EQ(fire::CheckFireSlot(slot), fire::SlotCheck::kSealed);
}

TEST(FireMacroEditor, ReleaseChoiceReachesTheSlotAndItsPointerType) {
  EditorFixture x;
  x.editor.SelectSlot(2);
  x.editor.ChooseRelease(false);
  EXPECT_EQ(x.config.FireSlots[24], 0);
  EXPECT_EQ(x.config.data.FirePointerTable[3], 0x0B);
  x.editor.ChooseRelease(true);
  EXPECT_EQ(x.config.FireSlots[24], 1);
  EXPECT_EQ(x.config.data.FirePointerTable[3], 0x0E);
}

TEST(FireMacroEditor, AChangeThatDoesNotFitIsRefusedAndTheSlotKept) {
  EditorFixture x;
  x.editor.SelectSlot(2);
  const auto before = x.config.FireSlots;
  x.editor.SelectRow(1);
  x.editor.OpenInsert();
  x.editor.ChooseInsert(FireInsertChoice::kDelayBefore);
  x.editor.TypeInsertBox(FireInsertChoice::kDelayBefore, "2040");
  for (int i = 0; i < 7; ++i) {
    x.editor.OpenInsert();
    x.editor.ChooseInsert(FireInsertChoice::kDelayBefore);
    EXPECT_EQ(x.editor.InsertOk(), std::nullopt) << i;  // 7 + 14 = 21 event bytes
  }
  const auto full = x.config.FireSlots;
  x.editor.OpenInsert();
  x.editor.ChooseInsert(FireInsertChoice::kDelayBefore);
  EXPECT_EQ(x.editor.InsertOk(), English("Str103"));
  EXPECT_EQ(x.config.FireSlots, full);
  EXPECT_NE(full, before);
  EXPECT_EQ(x.config.FireSlots[48], 0) << "slot 3 untouched";
}

TEST(FireMacroEditor, RecordingTakesLeftClicksWithTheirTiming) {
  EditorFixture x;
  FireMacroEditor& editor = x.editor;
  editor.SelectSlot(2);
  editor.ChooseDelayMode(DelayMode::kRecord);
  ASSERT_TRUE(editor.StartRecording());
  editor.SelectSlot(3);
  EXPECT_EQ(editor.State().slot, 2) << "the slot list is shut while recording";
  editor.Feed(Left(true, 1000));
  editor.Feed(Left(false, 1000));
  editor.Feed({RecordedInput::Kind::kButtonDown, static_cast<int>(MouseButton::kRight), 2000});
  editor.Feed({RecordedInput::Kind::kKeyDown, 65, 2500});
  editor.Feed(Left(true, 4000));
  editor.Feed(Left(false, 4000));
  EXPECT_EQ(editor.State().lines,
            (Lines{"10", "1 LeftKey CODE:00A1", "2 LeftKey CODE:0021", "0 2040", "0 960",
                   "1 LeftKey CODE:00A1", "2 LeftKey CODE:0021"}));
  EXPECT_EQ(fire::CheckFireSlot(fire::FireSlot(x.config, 2)), fire::SlotCheck::kSealed)
      << "compiled as it records";
  editor.StopRecording();
  // A pause of more than 10.2 s counts as 10.2 s.
  ASSERT_TRUE(editor.StartRecording());
  editor.Feed(Left(true, 0));
  editor.Feed(Left(false, 60000));
  EXPECT_EQ(std::count(editor.State().lines.begin(), editor.State().lines.end(), "0 2040"), 5);
  editor.Hide();
  EXPECT_FALSE(editor.State().recording) << "Confirm and Cancel end a recording";
  EXPECT_FALSE(x.gate.Taken());
}

TEST(FireMacroEditor, OneRecordingAtATimeInTheProgram) {
  EditorFixture x;
  testing::Library library;
  MacroEditor macros(*library.page, English, &x.gate);
  library.Add({"Burst"});
  library.page->Select(*library.page->Find("Burst"));
  macros.EntrySelected();
  x.editor.SelectSlot(2);
  ASSERT_TRUE(x.editor.StartRecording());
  EXPECT_FALSE(macros.StartRecording());
  x.editor.StopRecording();
  ASSERT_TRUE(macros.StartRecording());
  EXPECT_FALSE(x.editor.StartRecording());
  macros.StopRecording();
  EXPECT_TRUE(x.editor.StartRecording());
}

}  // namespace
}  // namespace orvane::pages
