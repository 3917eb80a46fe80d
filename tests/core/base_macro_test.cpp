// Importing a base-macro file: checked, then straight into the mouse.
#include <gtest/gtest.h>

#include "core/macro/base_macro_file.h"
#include "core/session_fixture.h"

namespace orvane::macro {
namespace {

using device::SessionOutcome;
using testing::SessionFixture;

// Slots 1 to 4: "Burst" with the events A1 21 in slot 2, the rest empty.
std::vector<uint8_t> BaseMacroFile() {
  std::vector<uint8_t> file(kBaseMacroFileBytes, 0);
  const MacroName name = EncodeMacroName("Burst");
  std::copy(name.begin(), name.end(), file.begin() + kSlotBytes);
  MacroBody body{};
  EXPECT_TRUE(EncodeMacroBody({"00", "1 LeftKey CODE:00A1", "2 LeftKey CODE:0021"}, false, body));
  std::copy(body.begin(), body.end(), file.begin() + kSlotBytes + kNameBytes);
  return file;
}

TEST(BaseMacroFile, OnlyWholeCheckedSlotsAreTaken) {
  std::string why;
  std::vector<uint8_t> file = BaseMacroFile();
  file.resize(2000, 0x77);  // what follows the four slots is not looked at
  ASSERT_TRUE(ReadBaseMacroFile(file, why));
  EXPECT_FALSE(ReadBaseMacroFile(std::span(file).first(1023), why));
  EXPECT_NE(why.find("1023"), std::string::npos);
  file[kSlotBytes + kNameBytes + 3] ^= 0x01;  // a changed event byte
  EXPECT_FALSE(ReadBaseMacroFile(file, why));
  EXPECT_EQ(why, "macro slot 2 of the file is damaged");
  file = BaseMacroFile();
  file[3 * kSlotBytes + kNameBytes + 1] = 250;  // a length past the body
  EXPECT_FALSE(ReadBaseMacroFile(file, why));
}

TEST(BaseMacroFile, WrittenToTheMouseAndReadBack) {
  SessionFixture f;
  ASSERT_EQ(f.sessions.ReadDevInfo(), SessionOutcome::kDone);
  std::string why;
  const auto slots = ReadBaseMacroFile(BaseMacroFile(), why);
  ASSERT_TRUE(slots);
  ASSERT_EQ(f.sessions.ImportBaseMacros(*slots), SessionOutcome::kDone);
  const auto& memory = f.mouse.firmware->memory();
  EXPECT_TRUE(std::equal(slots->begin(), slots->end(), memory.begin() + 0x100));
  EXPECT_TRUE(std::equal(slots->begin(), slots->end(), f.config.DevImage.begin() + 0x100));
  EXPECT_TRUE(f.ui.Restored());
}

TEST(BaseMacroFile, AnotherChipKeepsItsSlots) {
  SessionFixture f;
  f.mouse.firmware->identity().chip_code = 0x35;
  ASSERT_EQ(f.sessions.ReadDevInfo(), SessionOutcome::kDone);
  const auto before = f.mouse.firmware->memory();
  std::string why;
  EXPECT_EQ(f.sessions.ImportBaseMacros(*ReadBaseMacroFile(BaseMacroFile(), why)),
            SessionOutcome::kNotWritten);
  EXPECT_EQ(f.mouse.firmware->memory(), before);
}

}  // namespace
}  // namespace orvane::macro
