#include "core/pages/macro_library_page.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/library_fixture.h"
#include "core/macro/macro_storage.h"

namespace orvane::pages {
namespace {

using testing::kExists;
using testing::Library;

TEST(MacroLibraryPage, NewRenameDeleteAndTheFileFollows) {
  Library l;
  l.Add({"One", "Two", "Three"});
  EXPECT_EQ(l.page->State().selected, 2);
  EXPECT_EQ(l.page->AddEntry("Two"), kExists);
  l.page->Select(1);
  EXPECT_EQ(l.page->RenameSelected("Two"), kExists) << "its own name too";
  EXPECT_EQ(l.page->RenameSelected("Deux"), std::nullopt);
  EXPECT_EQ(l.Reloaded(), (std::vector<std::string>{"One", "Deux", "Three"}));
  l.page->Select(0);
  ASSERT_EQ(l.page->DeleteSelected(), std::nullopt);
  EXPECT_EQ(l.page->State().selected, 0) << "entry 0 of the rest";
  EXPECT_EQ(l.Reloaded(), (std::vector<std::string>{"Deux", "Three"}));
  EXPECT_EQ(l.File("Macro.bin").size(), macro::kLibraryFileBytes);
  l.page->DeleteSelected();
  l.page->DeleteSelected();
  EXPECT_EQ(l.page->State().selected, -1);
  EXPECT_TRUE(l.Reloaded().empty());
}

TEST(MacroLibraryPage, AHundredEntriesFillTheLibrary) {
  Library l;
  for (int i = 0; i < 99; ++i)
    ASSERT_EQ(l.page->AddEntry("m" + std::to_string(i)), std::nullopt);
  l.page->Select(0);
  const auto one = l.page->ExportSelected();
  ASSERT_TRUE(l.page->DeleteSelected() == std::nullopt && l.page->AddEntry("x") == std::nullopt);
  EXPECT_TRUE(l.page->ImportOne(*one).has_value()) << "the 100th place is the page's";
  EXPECT_TRUE(l.page->State().can_add);
  ASSERT_EQ(l.page->AddEntry("hundred"), std::nullopt);
  EXPECT_FALSE(l.page->State().can_add);
  EXPECT_EQ(l.page->AddEntry("more"), std::nullopt);
  EXPECT_EQ(l.page->State().names.size(), 100u);
  l.page->DeleteSelected();
  EXPECT_TRUE(l.page->State().can_add);
}

TEST(MacroLibraryPage, ExportAndImportOne) {
  Library l;
  l.Add({"Reload"});
  const auto file = l.page->ExportSelected();
  ASSERT_TRUE(file);
  EXPECT_EQ(file->size(), 256u);
  const auto before = l.File("Macro.bin");
  EXPECT_EQ(l.page->ImportOne(*file), kExists);
  EXPECT_EQ(l.File("Macro.bin"), before);
  EXPECT_EQ(l.page->ImportOne(std::vector<uint8_t>(256, 0)), "The file holds no macro name.");
  // A short file is an entry whose missing bytes are zero.
  auto renamed = macro::EncodeMacroName("Short");
  ASSERT_EQ(l.page->ImportOne(std::vector<uint8_t>(renamed.begin(), renamed.end())), std::nullopt);
  EXPECT_EQ(l.Reloaded(), (std::vector<std::string>{"Reload", "Short"}));
}

// Import All keeps names unique and present, and says what it left out.
TEST(MacroLibraryPage, ImportAllSkipsEmptyAndDuplicateNames) {
  Library l;
  l.Add({"Old1", "Old2", "Old3"});
  std::vector<uint8_t> file;
  const auto record = [&](const std::string& name, uint8_t body_byte) {
    const auto encoded = macro::EncodeMacroName(name);
    file.insert(file.end(), encoded.begin(), encoded.end());
    std::vector<uint8_t> body(macro::kBodyBytes, 0);
    body[1] = body_byte;
    file.insert(file.end(), body.begin(), body.end());
  };
  record("A", 0);
  record("", 3);  // a macro nobody could pick
  record("A", 0);
  record("", 0);  // an unused record
  const ImportAllResult result = l.page->ImportAll(file);
  EXPECT_EQ(result.imported, 1);
  EXPECT_EQ(result.skipped, (std::vector<std::string>{"(a macro without a name)", "A"}));
  // The file reached all three old records.
  EXPECT_EQ(l.Reloaded(), (std::vector<std::string>{"A"}));
  EXPECT_EQ(l.page->State().names, (std::vector<std::string>{"A"}));
  // A file of one record: the records it does not reach keep their entries,
  // and the entries stay contiguous and unique.
  l.Add({"B", "C"});
  file.clear();
  record("C", 0);
  const ImportAllResult again = l.page->ImportAll(file);
  EXPECT_EQ(again.skipped, (std::vector<std::string>{"C"}));
  EXPECT_EQ(l.Reloaded(), (std::vector<std::string>{"C", "B"}));
}

TEST(MacroLibraryPage, DriverModeBlocks) {
  Library l(false);
  l.Add({"D1"});
  const auto one = l.page->ExportSelected();
  ASSERT_TRUE(one);
  EXPECT_EQ(one->size(), 2048u);
  std::vector<uint8_t> file(5000, 0);
  for (const auto& [at, name] :
       {std::pair<size_t, const char*>{0, "B1"}, {2048, "B2"}, {4096, "B3"}}) {
    const auto encoded = macro::EncodeMacroName(name);
    std::copy(encoded.begin(), encoded.end(), file.begin() + static_cast<long>(at));
  }
  EXPECT_EQ(l.page->ImportAll(file).imported, 2) << "the last 904 bytes are no block";
  EXPECT_EQ(l.Reloaded(false), (std::vector<std::string>{"B1", "B2"}));
  EXPECT_EQ(l.File("Driver_Macro.bin").size(), 4096u);
  EXPECT_EQ(l.page->ImportOne(*one), std::nullopt);
  EXPECT_EQ(l.page->ImportOne(*one), kExists);
}

// A selected entry shows its lines; an empty one shows none.
TEST(MacroLibraryPage, SelectingAnEntryDecodesIt) {
  Library l;
  l.Add({"Click"});
  macro::MacroBody body{};
  ASSERT_TRUE(
      macro::EncodeMacroBody({"00", "1 LeftKey CODE:00A1", "2 LeftKey CODE:0021"}, true, body));
  std::vector<uint8_t> file(l.page->Entry(0).name.begin(), l.page->Entry(0).name.end());
  file.insert(file.end(), body.begin(), body.end());
  l.page->DeleteSelected();
  ASSERT_EQ(l.page->ImportOne(file), std::nullopt);
  l.page->Select(0);
  EXPECT_EQ(l.page->State().macro.lines.size(), 3u);
  EXPECT_TRUE(l.page->State().release_flag);
  l.Add({"Empty"});
  EXPECT_TRUE(l.page->State().macro.lines.empty());
}

TEST(MacroLibraryPage, AFailedSaveSaysSo) {
  Library l;
  std::filesystem::remove_all(l.folder);
  const auto message = l.page->AddEntry("Lost");
  ASSERT_TRUE(message);
  EXPECT_NE(message->find("could not be saved"), std::string::npos);
}

}  // namespace
}  // namespace orvane::pages
