#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/driver_macros/driver_macros.h"
#include "core/macro/macro_library.h"
#include "core/macro/macro_lines.h"
#include "core/macro/macro_storage.h"
#include "core/pages/dpi_page.h"

namespace orvane::pages {

// One entry of the PC macro library: its name and what follows the name in
// its record (the 224-byte body in EEPROM mode, the rest of the 2048-byte
// block in driver mode). Byte 0 of either is the release flag.
struct LibraryEntry {
  macro::MacroName name{};
  std::vector<uint8_t> rest;
};

// The bytes of one entry in its file format (256 or 2048), read as far as
// `record` goes; the rest is zero.
LibraryEntry EntryFromRecord(std::span<const uint8_t> record, bool eeprom_mode);
// The whole records of an export of the library (at most the library's size).
std::vector<LibraryEntry> RecordsOf(std::span<const uint8_t> bytes, bool eeprom_mode);
// The entry's events: nothing for an entry whose length says unused.
std::optional<macro::DecodedStoredMacro> DecodeEntry(const LibraryEntry& entry, bool eeprom_mode);

// What the library's views show: the names of LB_PCMacroName and LB_Name in
// entry order, the entry selected, and its event lines.
struct MacroLibraryState {
  std::vector<std::string> names;
  int selected = -1;
  macro::DecodedMacro macro;  // MacroLines of the selected entry
  bool release_flag = false;  // 1: "Stop until the key release"
  bool can_add = true;        // the two New buttons
};

// What an Import All took and what it left out.
struct ImportAllResult {
  int imported = 0;
  std::vector<std::string> skipped;  // names left out: empty or already taken
  std::optional<std::string> error;  // the library file could not be written
};

// The PC macro library of the macro page: entries kept contiguous, named
// uniquely, saved whole (atomically) after every change. Both storage modes:
// "Macro.bin" of 100 records, or "Driver_Macro.bin" of blocks.
class MacroLibraryPage {
 public:
  static constexpr size_t kEepromEntries = macro::kLibraryEntries;
  static constexpr size_t kDriverEntries = 9999;

  struct Context {
    TextLookup text;
    std::string folder;  // where the library file lives, with a trailing separator
    bool eeprom_mode = true;
    // Driver mode: the driver's macro table, whose blocks follow their
    // library namesakes at every save of the library.
    driver_macros::DriverMacros* driver_table = nullptr;
  };

  explicit MacroLibraryPage(Context context);

  // CheckPCMacro / CheckDriverPCMacro.
  macro::LibraryLoad Load();
  // RefreshPCMacroName: the lists show the library (after a read).
  void ShowList();

  // LB_PCMacroNameClick: nothing selected for an index outside the list.
  void Select(int index);
  // The apply-name operation of the name dialog, for a new entry or the
  // selected one. Returns the message to show ("This macro already exists").
  std::optional<std::string> AddEntry(const std::string& name);
  std::optional<std::string> RenameSelected(const std::string& name);
  std::optional<std::string> DeleteSelected();
  // Import One: an export of one entry. Import All: an export of the whole
  // library; names that are empty or taken are skipped.
  std::optional<std::string> ImportOne(std::span<const uint8_t> bytes);
  ImportAllResult ImportAll(std::span<const uint8_t> bytes);
  // Export One (the selected entry) and Export All, in their file formats.
  std::optional<std::vector<uint8_t>> ExportSelected() const;
  std::vector<uint8_t> ExportAll() const;

  // The selected entry's events from the editor (EncodeMacroBody or
  // EncodeDriverBlock), then the library saved. Nothing is stored when the
  // events do not fit the entry ("Macro bin length out of range").
  struct Stored {
    bool stored = false;
    std::optional<std::string> message;
  };
  Stored StoreSelected(const macro::MacroLines& lines, bool release_flag);
  // The release option, stored in the selected entry and saved at once.
  std::optional<std::string> SetReleaseFlag(bool stop_on_release);
  // The event bytes the selected entry holds.
  size_t SelectedEventBytes() const;

  // The entry named `name`, by exact text.
  std::optional<int> Find(const std::string& name) const;
  const LibraryEntry& Entry(int index) const { return entries_.at(static_cast<size_t>(index)); }
  // The entry's body, for a mouse slot (EEPROM mode).
  macro::MacroBody BodyOf(int index) const;
  // Driver mode: an entry as the 2048-byte block the driver plays.
  macro::DriverBlock BlockOf(int index) const;
  size_t EntryBytes() const;  // of an entry's record: 256 or 2048
  const MacroLibraryState& State() const { return state_; }
  bool Loaded() const { return loaded_; }
  bool EepromMode() const { return context_.eeprom_mode; }

 private:
  size_t Capacity() const;
  bool NameTaken(const macro::MacroName& name) const;
  std::optional<std::string> Save();
  void Rebuild();

  Context context_;
  std::vector<LibraryEntry> entries_;
  MacroLibraryState state_;
  bool loaded_ = false;
};

}  // namespace orvane::pages
