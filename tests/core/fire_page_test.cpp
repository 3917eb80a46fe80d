// The fire macro page over an emulated mouse: presets, parameter edits,
// Confirm, the block import, the gun-key list and the Fire key's burst.
#include "core/pages/fire_page.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/app/language_table.h"
#include "core/macro/macro_storage.h"
#include "core/session_fixture.h"

namespace orvane::pages {
namespace {

using Bytes = std::vector<uint8_t>;
using device::SessionOutcome;
using testing::SessionFixture;

std::string English(std::string_view key) {
  static const app::LanguageTable table = app::ShippedLanguage(1);
  return table.Text(key);
}

// Repeat 5 times: press, X 3, Y 16, wait 16 ms, Y 32, wait 40 ms, release.
const Bytes kGun = {0xFD, 0x04, 0xA1, 0xFB, 0x03, 0xFA, 0x10, 0xFE,
                    0x02, 0xFA, 0x20, 0xFE, 0x05, 0x21, 0xFC};

// A sealed slot of 24 bytes.
Bytes Slot(const Bytes& events, uint8_t flag = 1) {
  Bytes slot(fire::kSlotBytes, 0);
  slot[0] = flag;
  slot[1] = static_cast<uint8_t>(events.size() + 1);
  std::copy(events.begin(), events.end(), slot.begin() + 2);
  slot[events.size() + 2] = macro::MacroChecksum(std::span(slot).subspan(1, events.size() + 1));
  return slot;
}

void PutSlot(config::Image& image, int slot, const Bytes& bytes) {
  std::copy(bytes.begin(), bytes.end(), image.begin() + 0x500 + 24 * (slot - 1));
}

// The mouse holds kGun in every slot but 9, which holds only a click, and
// the page has read it.
struct FireFixture {
  FireFixture() {
    for (int slot = 1; slot <= 10; ++slot) {
      PutSlot(f.mouse.firmware->memory(), slot, slot == 9 ? Slot({0xA1, 0x21}) : Slot(kGun));
    }
    EXPECT_EQ(f.sessions.ReadDevInfo(), SessionOutcome::kDone);
  }
  ButtonPage::Context ButtonContext() {
    ButtonPage::Context context;
    context.text = English;
    context.naming = [] {
      config::NamingContext naming;
      naming.text = English;
      return naming;
    };
    return context;
  }
  const config::Image& Memory() const { return f.mouse.firmware->memory(); }
  Bytes MemoryAt(size_t address, size_t length) const {
    return Bytes(Memory().begin() + address, Memory().begin() + address + length);
  }
  std::string WriteFile(const std::string& name, const Bytes& bytes) {
    const std::string path = (f.folder / name).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    return path;
  }

  SessionFixture f;
  ButtonPage buttons{f.config, ButtonContext()};
  fire::GunKeyList gun_keys;
  FirePage page{f.config,
                f.sessions,
                buttons,
                gun_keys,
                {English, 2, 3, (f.folder / fire::GunKeyList::kFileName).string()}};
};

TEST(FirePage, GunsShowTheirSlotsRows) {
  FireFixture x;
  FirePage& page = x.page;
  page.SelectGun(1);
  EXPECT_EQ(page.State().rows, 1);
  const FireRowState& row = page.State().row[0];
  EXPECT_EQ(row.slot, 1);
  EXPECT_EQ(row.texts, (std::array<std::string, 5>{"5", "3", "32", "0", "40"}));
  EXPECT_TRUE(row.release_stop);
  EXPECT_EQ(row.colour, (config::Rgb{0xFF, 0, 0}));
  page.SelectGun(6);
  EXPECT_EQ(page.State().rows, 2);
  EXPECT_EQ(page.State().mode_images, (std::array<bool, 5>{true, true, false, false, false}));
  EXPECT_EQ(page.State().row[1].slot, 7);
  page.SelectGun(7);
  EXPECT_EQ(page.State().rows, 3);
  // Slot 9 holds no parameters: its edits have nothing to write.
  EXPECT_EQ(page.State().row[1].editable, (std::array<bool, 5>{false, false, false, true, false}));
  EXPECT_EQ(page.TypeParameter(2, FireEdit::kCount, "7"), "0");
  EXPECT_EQ(x.f.config.FireSlots[24 * 8], 1) << "the release flag is not written as a count";
}

TEST(FirePage, EditsWriteTheScannedBytesAndSealTheSlot) {
  FireFixture x;
  FirePage& page = x.page;
  page.SelectGun(2);
  struct Case {
    FireEdit edit;
    const char* typed;
    const char* shown;
    int at;  // byte of slot 2
    int byte;
  };
  for (const Case c :
       {Case{FireEdit::kCount, "256", "256", 3, 255}, Case{FireEdit::kCount, "0", "1", 3, 0},
        Case{FireEdit::kX, "-", "-", 6, 3},  // still typing: nothing written
        Case{FireEdit::kX, "-7", "-7", 6, 0xF9}, Case{FireEdit::kDelay, "2040", "2040", 14, 255},
        Case{FireEdit::kDelay, "15", "15", 14, 1}, Case{FireEdit::kY, "200", "127", 12, 127}}) {
    EXPECT_EQ(page.TypeParameter(1, c.edit, c.typed), c.shown) << c.typed;
    const auto slot = fire::FireSlot(x.f.config, 2);
    EXPECT_EQ(slot[c.at], c.byte) << c.typed;
    EXPECT_EQ(fire::CheckFireSlot(slot), fire::SlotCheck::kSealed) << c.typed;
  }
  // The offset is kept so that Y + offset stays a signed byte, and is
  // written with its complement, where the engineer view shows it too.
  page.TypeParameter(1, FireEdit::kY, "120");
  EXPECT_EQ(page.TypeParameter(1, FireEdit::kYOffset, "20"), "7");
  EXPECT_EQ(x.f.config.data.FireYOffsetTable[2], 7);
  EXPECT_EQ(x.f.config.data.FireYOffsetTable[3], 248);
  EXPECT_EQ(page.State().y_offsets[1], "7");
  EXPECT_EQ(page.TypeParameter(1, FireEdit::kYOffset, "-100"), "-100");
  EXPECT_EQ(x.f.config.data.FireYOffsetTable[2], 156);
  EXPECT_EQ(x.f.config.data.FireYOffsetTable[3], 99);
  // A Y change sets the offset back to 0, pair and engineer text alike.
  page.TypeParameter(1, FireEdit::kY, "10");
  EXPECT_EQ(page.State().row[0].texts[3], "0");
  EXPECT_EQ(x.f.config.data.FireYOffsetTable[2], 0);
  EXPECT_EQ(x.f.config.data.FireYOffsetTable[3], 255);
  EXPECT_EQ(page.State().y_offsets[1], "0");
}

TEST(FirePage, ConfirmBindsTheGunAndSendsTheFireMacrosVerified) {
  FireFixture x;
  FirePage& page = x.page;
  page.Open(1, 3);
  page.SelectGun(6);
  page.TypeParameter(2, FireEdit::kCount, "9");
  page.TypeParameter(1, FireEdit::kYOffset, "-5");
  page.PickColour(2, {1, 2, 3});
  page.ToggleReleaseStop(1);
  EXPECT_EQ(page.Confirm(), std::nullopt);
  EXPECT_EQ(x.buttons.State().codes[0][2], "0C0607") << "Gun6_Num 2";
  const config::DataBuf& data = x.f.config.data;
  EXPECT_EQ(x.MemoryAt(0x080, 30),
            Bytes(data.FirePointerTable.begin(), data.FirePointerTable.end()));
  EXPECT_EQ(x.MemoryAt(0x0B0, 20),
            Bytes(data.FireYOffsetTable.begin(), data.FireYOffsetTable.end()));
  EXPECT_EQ(x.MemoryAt(0x0D0, 30), Bytes(data.FireColorTable.begin(), data.FireColorTable.end()));
  EXPECT_EQ(x.MemoryAt(0x500, 240),
            Bytes(x.f.config.FireSlots.begin(), x.f.config.FireSlots.end()));
  EXPECT_EQ(x.Memory()[0x500 + 24 * 6 + 3], 8) << "slot 7's count";
  EXPECT_EQ(x.Memory()[0x080 + 15], 0x0B) << "slot 6 plays to its end";
  EXPECT_EQ(x.Memory()[0x0B0 + 10], 0xFB);
  EXPECT_EQ(x.Memory()[0x0B0 + 11], 0x04);
  EXPECT_TRUE(x.f.ui.Restored());
}

TEST(FirePage, TheLastLeftClickIsKeptAndNothingIsSent) {
  FireFixture x;
  const auto before = x.Memory();
  x.page.Open(1, 1);  // button 1 is the only Left Click
  x.page.TypeParameter(1, FireEdit::kCount, "9");
  EXPECT_EQ(x.page.Confirm(), English("Str108"));
  EXPECT_EQ(x.Memory(), before);
  EXPECT_EQ(x.buttons.State().codes[0][0], "010100");
}

TEST(FirePage, AnImportReplacesTheSlotsOnlyWhenEverySlotIsSealed) {
  FireFixture x;
  Bytes block(256, 0);
  const Bytes gun = Slot({0xFD, 0x09, 0xA1, 0xFA, 0x22, 0xFE, 0x03, 0x21, 0xFC}, 0);
  std::copy(gun.begin(), gun.end(), block.begin() + 24 * 3);
  block[250] = 0x77;  // past the slots: carried as it is
  EXPECT_EQ(x.page.ImportBlock(x.WriteFile("block.bin", block)), std::nullopt);
  EXPECT_EQ(x.MemoryAt(0x500, 256), block);
  // The page edits what was imported, and Confirm sends it, not the old slots.
  x.page.SelectGun(4);
  EXPECT_EQ(x.page.State().row[0].texts[0], "10");
  EXPECT_EQ(x.page.Confirm(), std::nullopt);
  EXPECT_EQ(x.MemoryAt(0x500, 256), block);

  Bytes damaged = block;
  damaged[24 * 3 + 4] ^= 1;    // slot 4's Y changed under its checksum
  damaged[24 * 7 + 1] = 0xFF;  // slot 8: a length past the slot
  const auto before = x.Memory();
  const auto slots = x.f.config.FireSlots;
  EXPECT_EQ(x.page.ImportBlock(x.WriteFile("damaged.bin", damaged)),
            "The fire macros were not imported: fire macro 4, 8 of the file is not a sealed "
            "fire macro.");
  EXPECT_EQ(x.Memory(), before);
  EXPECT_EQ(x.f.config.FireSlots, slots);
  // A short file fills only what it holds.
  EXPECT_EQ(x.page.ImportBlock(x.WriteFile("short.bin", Bytes(24, 0))), std::nullopt);
  EXPECT_EQ(x.Memory()[0x501], 0);
  EXPECT_EQ(x.MemoryAt(0x500 + 72, 24), gun);
}

TEST(FirePage, AnErasedSlotIsEmpty) {
  FireFixture x;
  auto slot = fire::FireSlot(x.f.config, 5);
  std::fill(slot.begin(), slot.end(), 0xFF);
  slot[0] = 1;
  const auto next = x.f.config.FireSlots[24 * 5];
  x.page.SelectGun(5);
  EXPECT_EQ(x.page.State().row[0].texts[0], "0");
  fire::SealFireSlot(x.f.config, 5);
  EXPECT_EQ(x.f.config.FireSlots[24 * 5], next) << "nothing written past the slot";
  EXPECT_EQ(fire::CheckFireSlot(slot), fire::SlotCheck::kBad);
}

TEST(FirePage, GunKeysCountFromTheirFile) {
  FireFixture x;
  // Entry 2 names no slots that exist, entry 4 runs backwards: not taken.
  x.WriteFile(fire::GunKeyList::kFileName, {0x0C, 1, 2, 0x0C, 0, 11, 0x0C, 3, 3, 0x0C, 5, 4});
  x.page.LoadGunKeys();
  EXPECT_EQ(x.page.State().gun_keys, (std::vector<std::string>{"Fire Macro1", "Fire Macro3"}));
  x.page.ChooseFirstSlot(6);
  x.page.ChooseLastSlot(5);
  EXPECT_TRUE(x.page.AddGunKey().has_value()) << "first after last is refused";
  x.page.ChooseLastSlot(8);
  EXPECT_EQ(x.page.AddGunKey(), std::nullopt);
  EXPECT_EQ(x.page.GunKeys().Strings()[1], "0C0608") << "the first free entry, not entry 0";
  fire::GunKeyList saved;
  saved.Load((x.f.folder / fire::GunKeyList::kFileName).string());
  EXPECT_EQ(saved.Strings()[0], "0C0102");
  EXPECT_EQ(saved.Strings()[1], "0C0608");
  EXPECT_EQ(saved.Strings()[2], "0C0303");
  for (int more = 0; more < 10; ++more)
    x.page.AddGunKey();
  EXPECT_EQ(x.page.GunKeys().Count(), 10) << "an eleventh does nothing";
  // LB_Script: a gun key into the engineer key whose menu is open.
  x.buttons.OpenMenuForEngineerButton(204);
  EXPECT_EQ(x.page.AssignGunKey(1), std::nullopt);
  EXPECT_EQ(x.buttons.State().codes[1][3], "0C0608");
}

TEST(FirePage, ABurstCountNeverBecomesContinuousAndZeroSurvives) {
  FireFixture x;
  FirePage& page = x.page;
  EXPECT_EQ(page.TypeRepeat("256"), "255");
  EXPECT_EQ(x.f.config.data.FireKey[2], 254);
  EXPECT_FALSE(page.State().burst.continuous);
  EXPECT_EQ(page.TypeRepeat("0"), "1");
  EXPECT_EQ(page.TypeRepeat(""), "2");
  EXPECT_EQ(page.State().burst.count_item, 1);
  EXPECT_EQ(page.TypeInterval("0", true), "0");
  // Collected, written and read again, 0 stays 0.
  ASSERT_EQ(x.f.sessions.Btn_Apply_0Click(), SessionOutcome::kDone);
  ASSERT_EQ(x.f.sessions.Btn_Read_0Click(), SessionOutcome::kDone);
  EXPECT_EQ(page.State().burst.interval_text, "0");
  page.ChooseBurstItem(FirePage::kBurstItems - 1);
  EXPECT_TRUE(page.State().burst.continuous);
  EXPECT_EQ(x.f.config.data.FireKey[2], 255);
  page.ToggleContinuous();
  EXPECT_FALSE(page.State().burst.continuous);
  EXPECT_EQ(page.State().burst.repeat_text, "3");
}

}  // namespace
}  // namespace orvane::pages
