#include "core/pages/macro_editor.h"

#include <gtest/gtest.h>

#include "core/library_fixture.h"

namespace orvane::pages {
namespace {

using macro::MacroLines;
using testing::English;
using testing::Library;

// A library entry "M" holding `lines`, selected, and its editor.
struct Editor {
  explicit Editor(const MacroLines& lines) {
    l.Add({"M"});
    editor.EntrySelected();
    if (lines.size() > 1) {
      EXPECT_TRUE(l.page->StoreSelected(lines, false).stored);
      l.page->Select(0);
      editor.EntrySelected();
    }
  }
  // The lines the library file holds for the entry.
  MacroLines Stored() const {
    MacroLibraryPage again({English, l.folder.string() + "/", true});
    again.Load();
    again.Select(0);
    return again.State().macro.lines;
  }
  Library l;
  MacroEditor editor{*l.page, English};
};

const MacroLines kTyping = {
    "00", "1 A CODE:8204", "1 B CODE:8205", "2 B CODE:0205", "2 A CODE:0204", "7 FD03", "8 00FC"};

TEST(MacroEditor, DeletingPressesReleasesAndTheRest) {
  struct Case {
    int row;
    MacroLines left;
    int selected;
  };
  for (const Case& c : {
           Case{0, {"00", "1 B CODE:8205", "2 B CODE:0205", "7 FD03", "8 00FC"}, 0},
           Case{3, {"00", "1 B CODE:8205", "2 B CODE:0205", "7 FD03", "8 00FC"}, 1},
           Case{2, {"00", "1 A CODE:8204", "2 A CODE:0204", "7 FD03", "8 00FC"}, 0},
           Case{
               4,
               {"00", "1 A CODE:8204", "1 B CODE:8205", "2 B CODE:0205", "2 A CODE:0204", "8 00FC"},
               3},
       }) {
    Editor e(kTyping);
    e.editor.SelectRow(c.row);
    EXPECT_EQ(e.editor.DeleteRow(), std::nullopt);
    EXPECT_EQ(e.editor.State().lines, c.left) << c.row;
    EXPECT_EQ(e.editor.State().selected_row, c.selected) << c.row;
    EXPECT_EQ(e.Stored(), c.left) << "the library file follows";
  }
  // A press whose key no later line names goes alone.
  Editor e({"00", "1 A CODE:8204", "1 B CODE:8205"});
  e.editor.SelectRow(0);
  e.editor.DeleteRow();
  EXPECT_EQ(e.editor.State().lines, (MacroLines{"00", "1 B CODE:8205"}));
}

TEST(MacroEditor, InsertingMovesRepeatsAndDelays) {
  Editor e(kTyping);
  e.editor.SelectRow(0);
  e.editor.OpenInsert();
  e.editor.ChooseInsert(InsertChoice::kXFront);
  EXPECT_EQ(e.editor.TypeInsertBox(InsertChoice::kXFront, "-12"), "-12");
  EXPECT_EQ(e.editor.InsertOk(), std::nullopt);
  EXPECT_EQ(e.editor.State().lines[1], "4 FBF4");
  EXPECT_EQ(RowText("4 FBF4"), "X-Axis  -12");
  EXPECT_FALSE(e.editor.State().insert_open);
  e.editor.OpenInsert();
  e.editor.ChooseInsert(InsertChoice::kRepeatStart);
  e.editor.TypeInsertBox(InsertChoice::kRepeatStart, "10");
  e.editor.InsertOk();
  EXPECT_EQ(e.editor.State().lines[1], "7 FD09");
  EXPECT_EQ(RowText("7 FD09"), "Rep-Start  10");
  e.editor.OpenInsert();
  e.editor.ChooseInsert(InsertChoice::kDelayBack);
  e.editor.TypeInsertBox(InsertChoice::kDelayBack, "120");
  e.editor.InsertOk();
  EXPECT_EQ(e.editor.State().lines[2], "0 120");
  EXPECT_EQ(e.editor.State().selected_row, 1);
  EXPECT_EQ(e.Stored()[1], "7 FD09");
  EXPECT_EQ(RowText("3 FB00"), "X-Axis  0");
  EXPECT_EQ(RowText("0 120"), "120 ms");
  EXPECT_EQ(RowText("2 LeftKey CODE:0021"), "LeftKey");
}

TEST(MacroEditor, EditingThroughTheDialogs) {
  Editor e({"00", "1 A CODE:8204", "0 300", "2 A CODE:0204", "5 FA0C"});
  e.editor.SelectRow(0);
  EXPECT_EQ(e.editor.KindOfSelectedRow(), EditKind::kPress);
  e.editor.ApplyKey(16);  // Shift, as a plain key
  EXPECT_EQ(e.editor.State().lines[1], "1 Shift CODE:82E1");
  e.editor.SelectRow(1);
  EXPECT_EQ(MacroEditor::kDelayBox.Typed("", "3000"), "2040");
  e.editor.ApplyNumber("2040");
  EXPECT_EQ(e.editor.State().lines[2], "0 2040");
  e.editor.SelectRow(3);
  EXPECT_EQ(e.editor.KindOfSelectedRow(), EditKind::kMoveY);
  e.editor.ApplyNumber("-1");
  EXPECT_EQ(e.editor.State().lines[4], "6 FAFF");
  EXPECT_EQ(e.editor.ApplyNumber(""), std::nullopt);
  EXPECT_EQ(e.Stored()[4], "6 FAFF");
}

// Number boxes take digits and a leading minus where negatives are allowed;
// anything else changes nothing.
TEST(MacroEditor, NumberBoxes) {
  struct Case {
    NumberBox box;
    const char* previous;
    const char* typed;
    const char* shown;
  };
  for (const Case& c :
       {Case{MacroEditor::kMoveBox, "12", "12-", "12"}, Case{MacroEditor::kMoveBox, "1", "-", "-"},
        Case{MacroEditor::kMoveBox, "-", "-2", "-2"},
        Case{MacroEditor::kMoveBox, "12", "-200", "-128"},
        Case{MacroEditor::kMoveBox, "12", "300", "127"},
        Case{MacroEditor::kMoveBox, "12", "1-2", "12"},
        Case{MacroEditor::kDelayBox, "50", "-5", "50"},
        Case{MacroEditor::kDelayBox, "50", "abc", "50"},
        Case{MacroEditor::kDelayBox, "50", "99999999999999", "2040"},
        Case{MacroEditor::kRepeatBox, "10", "0", "1"},
        Case{MacroEditor::kRepeatBox, "10", "", ""}}) {
    EXPECT_EQ(c.box.Typed(c.previous, c.typed), c.shown) << c.typed;
  }
  EXPECT_EQ(MacroEditor::kMoveBox.Value("-"), std::nullopt);
  EXPECT_EQ(MacroEditor::kMoveBox.Value("-128"), -128);
}

// The release option is stored in the entry and saved at once.
TEST(MacroEditor, TheReleaseOptionIsSavedAtOnce) {
  Editor e(kTyping);
  EXPECT_EQ(e.editor.ChooseRelease(true), std::nullopt);
  MacroLibraryPage again({English, e.l.folder.string() + "/", true});
  again.Load();
  again.Select(0);
  EXPECT_TRUE(again.State().release_flag);
}

TEST(MacroEditor, RecordingIntoTheSelectedEntry) {
  Editor e({});
  e.editor.ChooseDelayMode(macro::DelayMode::kNone);
  ASSERT_TRUE(e.editor.StartRecording());
  using Kind = macro::RecordedInput::Kind;
  e.editor.Feed({Kind::kKeyDown, 'A', 10});
  e.editor.Feed({Kind::kButtonDown, 1, 20});
  e.editor.Feed({Kind::kButtonUp, 1, 30});
  e.editor.Feed({Kind::kKeyUp, 'A', 40});
  EXPECT_EQ(e.editor.StopRecording(), std::nullopt);
  const MacroLines recorded = {"00", "1 A CODE:8204", "1 RightKey CODE:00A2",
                               "2 RightKey CODE:0022", "2 A CODE:0204"};
  EXPECT_EQ(e.editor.State().lines, recorded);
  EXPECT_EQ(e.Stored(), recorded);
}

// Insert recording puts the keys before the selected row; Cancel drops them.
TEST(MacroEditor, InsertRecordingAndCancel) {
  Editor e(kTyping);
  e.editor.SelectRow(2);
  e.editor.OpenInsert();
  e.editor.ChooseInsert(InsertChoice::kKeyFront);
  e.editor.ChooseInsertDelayMode(macro::DelayMode::kNone);
  ASSERT_TRUE(e.editor.StartInsertRecording());
  using Kind = macro::RecordedInput::Kind;
  e.editor.Feed({Kind::kKeyDown, 'C', 10});
  e.editor.Feed({Kind::kKeyUp, 'C', 20});
  e.editor.StopInsertRecording();
  EXPECT_EQ(e.editor.State().lines[3], "1 C CODE:8206");
  EXPECT_EQ(e.editor.State().lines[4], "2 C CODE:0206");
  EXPECT_EQ(e.editor.State().lines[5], "2 B CODE:0205");
  e.editor.InsertCancel();
  EXPECT_EQ(e.editor.State().lines, kTyping);
  EXPECT_EQ(e.editor.State().selected_row, 2);
  // OK after an insert recording that heard nothing adds no row.
  e.editor.OpenInsert();
  e.editor.ChooseInsert(InsertChoice::kKeyBack);
  ASSERT_TRUE(e.editor.StartInsertRecording());
  e.editor.StopInsertRecording();
  EXPECT_EQ(e.editor.InsertOk(), std::nullopt);
  EXPECT_EQ(e.editor.State().lines, kTyping);
}

// An edit that would not fit the entry is refused and changes nothing.
TEST(MacroEditor, AnEditPastTheEntrysRoomIsRefused) {
  MacroLines full = {"00"};
  for (int i = 0; i < 55; ++i) {
    full.push_back("1 A CODE:8204");
    full.push_back("2 A CODE:0204");
  }
  Editor e(full);
  e.editor.SelectRow(0);
  e.editor.OpenInsert();
  e.editor.ChooseInsert(InsertChoice::kRepeatStart);  // two bytes past 220: 222
  EXPECT_EQ(e.editor.InsertOk(), "Macro bin length out of range");
  EXPECT_EQ(e.editor.State().lines, full);
  EXPECT_EQ(e.Stored(), full);
}

}  // namespace
}  // namespace orvane::pages
