#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "core/app/language_table.h"
#include "core/pages/macro_library_page.h"

namespace orvane::testing {

inline std::string English(std::string_view key) {
  static const app::LanguageTable table = app::ShippedLanguage(1);
  return table.Text(key);
}

inline const std::string kExists = "This macro already exists";

// A library page over a folder of its own, starting from the factory library.
struct Library {
  explicit Library(bool eeprom = true) {
    folder = std::filesystem::temp_directory_path() /
             ("orvane-macro-page-" + std::to_string(getpid()) + (eeprom ? "-e" : "-d"));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    page = std::make_unique<pages::MacroLibraryPage>(
        pages::MacroLibraryPage::Context{English, folder.string() + "/", eeprom});
    EXPECT_TRUE(page->Load().ok);
    page->ShowList();
  }
  ~Library() { std::filesystem::remove_all(folder); }
  std::vector<uint8_t> File(const char* name) const {
    std::ifstream in(folder / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // A fresh page reading the same folder: what the file kept.
  std::vector<std::string> Reloaded(bool eeprom = true) const {
    pages::MacroLibraryPage again({English, folder.string() + "/", eeprom});
    again.Load();
    return again.State().names;
  }
  void Add(std::initializer_list<const char*> names) {
    for (const char* name : names)
      ASSERT_EQ(page->AddEntry(name), std::nullopt) << name;
  }

  std::filesystem::path folder;
  std::unique_ptr<pages::MacroLibraryPage> page;
};

}  // namespace orvane::testing
