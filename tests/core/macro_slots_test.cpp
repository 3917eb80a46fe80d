#include "core/macro/macro_slots.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "core/macro/macro_library.h"

namespace orvane::macro {
namespace {

using config::ActionCode;

config::DataBuf WithSlotsUsed(const std::set<int>& used) {
  config::DataBuf data;
  int button = 1;
  for (const int slot : used) {
    const uint16_t pointer = config::kSlotPointers[slot - 1];
    const ActionCode code = {static_cast<uint8_t>(button % 2 ? 0x06 : 0x0E),
                             static_cast<uint8_t>(pointer >> 8), static_cast<uint8_t>(pointer)};
    SetProfileCode(data, button > 9 ? 2 : 1, (button - 1) % 9 + 1, code);
    ++button;
  }
  return data;
}

TEST(MacroSlots, ChoosingASlot) {
  struct Case {
    std::set<int> used;
    int six_slots;
    int four_slots;
  };
  const std::vector<Case> cases = {
      {{}, 1, 1},
      {{1, 2}, 3, 3},
      {{2}, 1, 1},
      {{1, 3}, 2, 2},
      {{1, 2, 4}, 3, 3},
      {{1, 2, 3, 5}, 4, 4},
      {{3}, 1, 4},  // the four-slot form's own rule: 3 used and 4 free
      {{1, 2, 3, 4}, 5, 5},
      {{1, 2, 3, 4, 5, 6}, 7, 5},
      // Sets where the rules would name a slot in use: the lowest free one.
      {{3, 4, 5}, 1, 2},
      {{3, 4, 5, 6}, 1, 2},
      {{1, 4, 5, 6}, 2, 2},
  };
  const BaseMacros base;
  const MacroName name = EncodeMacroName("New");
  for (const Case& c : cases) {
    const config::DataBuf data = WithSlotsUsed(c.used);
    const int six = FindBaseMacroCount(data, base, name);
    EXPECT_EQ(six, c.six_slots) << c.used.size();
    EXPECT_EQ(FindBaseMacroIndex(data, base, name), c.four_slots) << c.used.size();
    if (six <= 6) {
      EXPECT_EQ(c.used.count(six), 0u) << "never a slot in use";
    }
  }
}

TEST(MacroSlots, AMacroAlreadyInTheMouseIsReused) {
  BaseMacros base;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    base.names[slot] = EncodeMacroName("Macro " + std::to_string(slot + 1));
  }
  const config::DataBuf all = WithSlotsUsed({1, 2, 3, 4, 5, 6});
  EXPECT_EQ(FindBaseMacroCount(all, base, EncodeMacroName("Macro 4")), 4);
  EXPECT_EQ(FindBaseMacroCount(all, base, EncodeMacroName("Other")), 7);
  base.names[5] = base.names[3];  // two slots of that name: no reuse
  EXPECT_EQ(FindBaseMacroCount(all, base, EncodeMacroName("Macro 4")), 7);
}

struct AssignFixture {
  AssignFixture() {
    assignment.captions = {"Left Click", "Right Click", "Middle Click", "Back",      "Forward",
                           "DPI Loop",   "Profile",     "Desktop",      "LED ON/OFF"};
    assignment.left_click_caption = "Left Click";
    assignment.button = 4;
    EncodeMacroBody({"00", "1 LeftKey CODE:00A1", "2 LeftKey CODE:0021"}, true, body);
  }
  MacroAssignment assignment;
  MacroBody body{};
  MacroName name = EncodeMacroName("Burst");
  config::Configuration config;
  BaseMacros base;
};

TEST(MacroSlots, AssignsTheLibraryMacroToASlotAndTheButton) {
  AssignFixture f;
  const AssignResult result = LB_NameClick(f.assignment, f.name, f.body, f.config, f.base);
  ASSERT_EQ(result.kind, AssignResult::Kind::kAssigned);
  EXPECT_EQ(result.slot, 1);
  EXPECT_EQ(result.code, "0E0121");  // stops on release
  EXPECT_EQ(result.caption, "Burst");
  EXPECT_EQ(ProfileCodes(f.config.data)[3], (ActionCode{0x0E, 0x01, 0x21}));
  EXPECT_TRUE(std::equal(f.name.begin(), f.name.end(), f.config.DevImage.begin() + 0x100));
  EXPECT_TRUE(std::equal(f.body.begin(), f.body.end(), f.config.DevImage.begin() + 0x120));
  EXPECT_EQ(f.config.MacroSlots1To4[0x21], f.body[1]);

  // The slot copies follow DevImage the other way too.
  BaseMacros reread;
  EXPECT_EQ(ReadAndRefreshMacro(f.config, reread)[0], "Burst");
  EXPECT_EQ(reread.bodies[0], f.body);
}

TEST(MacroSlots, NoRoomOrTheLastLeftClickKeepTheButton) {
  AssignFixture f;
  f.config.data = WithSlotsUsed({1, 2, 3, 4, 5, 6});  // buttons 1..6 of key mode 1
  f.assignment.key_mode = 2;
  const auto before = f.config.data;
  EXPECT_EQ(LB_NameClick(f.assignment, f.name, f.body, f.config, f.base).kind,
            AssignResult::Kind::kNoRoom);
  EXPECT_EQ(f.config.data, before);

  AssignFixture g;
  g.assignment.button = 1;  // the only "Left Click" of the group
  const AssignResult kept = LB_NameClick(g.assignment, g.name, g.body, g.config, g.base);
  EXPECT_EQ(kept.kind, AssignResult::Kind::kKeptLeftClick);
  EXPECT_EQ(kept.code, "010100");
  EXPECT_EQ(ProfileCodes(g.config.data)[0], (ActionCode{0x01, 0x01, 0x00}));
  EXPECT_EQ(g.config.DevImage[0x100], 0) << "no slot written";
}

// An engineer-page button reaches slots 1 to 4: with 4 and 6 played, one of
// the free slots 1 to 3 takes the macro.
TEST(MacroSlots, AnEngineerButtonTakesAFreeSlotOfTheFirstFour) {
  AssignFixture f;
  f.config.data = WithSlotsUsed({4, 6});
  f.assignment.key_mode = 2;
  f.assignment.engineer_page = true;
  const AssignResult result = LB_NameClick(f.assignment, f.name, f.body, f.config, f.base);
  ASSERT_EQ(result.kind, AssignResult::Kind::kAssigned);
  EXPECT_EQ(result.slot, 1);
}

TEST(MacroSlots, BodiesOneToFourAreCheckedWhenRead) {
  config::Configuration config;
  MacroBody good{};
  EncodeMacroBody({"00", "3 FB01"}, false, good);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    uint8_t* area = slot < 4 ? config.MacroSlots1To4.data() : config.MacroSlots5To6.data();
    uint8_t* body =
        area + kSlotBytes * static_cast<size_t>(slot < 4 ? slot : slot - 4) + kNameBytes;
    std::copy(good.begin(), good.end(), body);
    body[3] = 0x02;  // damage the event: the checksum no longer matches
  }
  BaseMacros base;
  ReadAndRefreshMacro(config, base);
  EXPECT_EQ(base.bodies[3], MacroBody{});
  EXPECT_EQ(base.bodies[4][3], 0x02) << "slots 5 and 6 are not checked";
}

TEST(MacroLibrary, CreatedFromTheFactoryLibraryAndReadBack) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("orvane-library-" + std::to_string(getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::string prefix = folder.string() + "/";
  MacroLibrary library;
  library.names[0] = EncodeMacroName("stale");
  ASSERT_TRUE(CheckPCMacro(prefix, library).ok);
  EXPECT_EQ(std::filesystem::file_size(folder / "Macro.bin"), kLibraryFileBytes);
  EXPECT_TRUE(NameIsEmpty(library.names[0]));

  library.names[99] = EncodeMacroName("Last");
  ASSERT_TRUE(SaveMacroLibrary(prefix, library, nullptr));
  MacroLibrary loaded;
  ASSERT_TRUE(CheckPCMacro(prefix, loaded).ok);
  EXPECT_EQ(DecodeMacroName(loaded.names[99]), "Last");

  // A short file keeps what the records it does not reach held.
  std::filesystem::resize_file(folder / "Macro.bin", kRecordBytes * 2 + 10);
  MacroLibrary partial;
  partial.names[5] = EncodeMacroName("kept");
  ASSERT_TRUE(CheckPCMacro(prefix, partial).ok);
  EXPECT_EQ(DecodeMacroName(partial.names[5]), "kept");

  std::vector<DriverBlock> blocks;
  CheckDriverPCMacro(prefix, blocks);
  EXPECT_TRUE(blocks.empty());
  std::ofstream(folder / "Driver_Macro.bin", std::ios::binary)
      .write(std::string(2 * kBlockBytes + 100, '\x01').data(), 2 * kBlockBytes + 100);
  CheckDriverPCMacro(prefix, blocks);
  EXPECT_EQ(blocks.size(), 2u);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace orvane::macro
