#include "core/pages/macro_library_page.h"

#include <algorithm>

#include "platform/atomic_file.h"

namespace orvane::pages {

namespace {

constexpr const char* kDriverLibraryFile = "Driver_Macro.bin";

macro::MacroName NameFrom(std::span<const uint8_t> record) {
  macro::MacroName name{};
  std::copy_n(record.begin(), std::min(record.size(), name.size()), name.begin());
  return name;
}

size_t RecordBytes(bool eeprom_mode) {
  return eeprom_mode ? macro::kRecordBytes : macro::kBlockBytes;
}

}  // namespace

LibraryEntry EntryFromRecord(std::span<const uint8_t> record, bool eeprom_mode) {
  LibraryEntry entry;
  entry.name = NameFrom(record);
  entry.rest.assign(RecordBytes(eeprom_mode) - macro::kNameBytes, 0);
  if (record.size() > macro::kNameBytes) {
    const auto rest = record.subspan(macro::kNameBytes);
    std::copy_n(rest.begin(), std::min(rest.size(), entry.rest.size()), entry.rest.begin());
  }
  return entry;
}

std::vector<LibraryEntry> RecordsOf(std::span<const uint8_t> bytes, bool eeprom_mode) {
  const size_t size = RecordBytes(eeprom_mode);
  const size_t most =
      eeprom_mode ? MacroLibraryPage::kEepromEntries : MacroLibraryPage::kDriverEntries;
  std::vector<LibraryEntry> records;
  for (size_t i = 0; i < std::min(bytes.size() / size, most); ++i)
    records.push_back(EntryFromRecord(bytes.subspan(i * size, size), eeprom_mode));
  return records;
}

std::optional<macro::DecodedStoredMacro> DecodeEntry(const LibraryEntry& entry, bool eeprom_mode) {
  if (eeprom_mode) {
    macro::MacroBody body{};
    std::copy_n(entry.rest.begin(), std::min(entry.rest.size(), body.size()), body.begin());
    return macro::DecodeMacroBody(body);
  }
  macro::DriverBlock block{};
  std::copy(entry.name.begin(), entry.name.end(), block.begin());
  std::copy_n(entry.rest.begin(), std::min(entry.rest.size(), block.size() - macro::kNameBytes),
              block.begin() + macro::kNameBytes);
  return macro::DecodeDriverBlock(block);
}

MacroLibraryPage::MacroLibraryPage(Context context) : context_(std::move(context)) {}

size_t MacroLibraryPage::EntryBytes() const { return RecordBytes(context_.eeprom_mode); }

size_t MacroLibraryPage::Capacity() const {
  return context_.eeprom_mode ? kEepromEntries : kDriverEntries;
}

macro::LibraryLoad MacroLibraryPage::Load() {
  entries_.clear();
  macro::LibraryLoad load;
  if (context_.eeprom_mode) {
    macro::MacroLibrary library;
    load = macro::CheckPCMacro(context_.folder, library);
    // Entries are contiguous: a record without a name holds none.
    for (size_t i = 0; i < kEepromEntries; ++i) {
      if (macro::NameIsEmpty(library.names[i])) continue;
      entries_.push_back({library.names[i], {library.bodies[i].begin(), library.bodies[i].end()}});
    }
  } else {
    std::vector<macro::DriverBlock> blocks;
    load = macro::CheckDriverPCMacro(context_.folder, blocks);
    for (const macro::DriverBlock& block : blocks)
      entries_.push_back(EntryFromRecord(block, false));
  }
  state_.selected = -1;
  loaded_ = true;
  Rebuild();
  return load;
}

void MacroLibraryPage::ShowList() { Rebuild(); }

void MacroLibraryPage::Select(int index) {
  state_.selected = index >= 0 && static_cast<size_t>(index) < entries_.size() ? index : -1;
  Rebuild();
}

std::optional<int> MacroLibraryPage::Find(const std::string& name) const {
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (macro::DecodeMacroName(entries_[i].name) == name) return static_cast<int>(i);
  }
  return std::nullopt;
}

bool MacroLibraryPage::NameTaken(const macro::MacroName& name) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [&](const LibraryEntry& entry) { return entry.name == name; });
}

std::optional<std::string> MacroLibraryPage::AddEntry(const std::string& name) {
  if (name.empty() || entries_.size() >= Capacity()) return std::nullopt;
  if (Find(name)) return context_.text("Str106");
  LibraryEntry entry;
  entry.name = macro::EncodeMacroName(name);
  entry.rest.assign(EntryBytes() - macro::kNameBytes, 0);
  entries_.push_back(std::move(entry));
  state_.selected = static_cast<int>(entries_.size()) - 1;
  return Save();
}

std::optional<std::string> MacroLibraryPage::RenameSelected(const std::string& name) {
  if (name.empty() || state_.selected < 0) return std::nullopt;
  // The entry's own name counts too: renaming to it changes nothing.
  if (Find(name)) return context_.text("Str106");
  entries_[static_cast<size_t>(state_.selected)].name = macro::EncodeMacroName(name);
  return Save();
}

std::optional<std::string> MacroLibraryPage::DeleteSelected() {
  if (state_.selected < 0) return std::nullopt;
  entries_.erase(entries_.begin() + state_.selected);
  state_.selected = entries_.empty() ? -1 : std::max(state_.selected - 1, 0);
  return Save();
}

std::optional<std::string> MacroLibraryPage::ImportOne(std::span<const uint8_t> bytes) {
  // The last place is kept for a macro made on the page, as it always was.
  if (context_.eeprom_mode ? entries_.size() + 1 >= Capacity() : entries_.size() >= Capacity()) {
    return "The macro library is full.";
  }
  LibraryEntry entry =
      EntryFromRecord(bytes.first(std::min(bytes.size(), EntryBytes())), context_.eeprom_mode);
  if (macro::NameIsEmpty(entry.name)) return "The file holds no macro name.";
  if (NameTaken(entry.name)) return context_.text("Str106");
  entries_.push_back(std::move(entry));
  state_.selected = static_cast<int>(entries_.size()) - 1;
  return Save();
}

ImportAllResult MacroLibraryPage::ImportAll(std::span<const uint8_t> bytes) {
  const std::vector<LibraryEntry> records = RecordsOf(bytes, context_.eeprom_mode);
  std::vector<LibraryEntry> taken;
  ImportAllResult result;
  const auto take = [&](LibraryEntry entry) {
    // Unused records are empty; a record with bytes but no name is a macro
    // nobody could pick, and is reported.
    if (macro::NameIsEmpty(entry.name)) {
      const bool holds =
          std::any_of(entry.rest.begin(), entry.rest.end(), [](uint8_t byte) { return byte != 0; });
      if (holds) result.skipped.emplace_back("(a macro without a name)");
      return;
    }
    const bool taken_name = std::any_of(
        taken.begin(), taken.end(), [&](const LibraryEntry& e) { return e.name == entry.name; });
    if (taken_name || taken.size() >= Capacity()) {
      result.skipped.push_back(macro::DecodeMacroName(entry.name));
      return;
    }
    taken.push_back(std::move(entry));
  };
  for (const LibraryEntry& record : records)
    take(record);
  result.imported = static_cast<int>(taken.size());
  // In EEPROM mode the records the file does not reach keep what they held.
  if (context_.eeprom_mode) {
    for (size_t i = records.size(); i < entries_.size(); ++i)
      take(entries_[i]);
  }
  entries_ = std::move(taken);
  state_.selected = -1;
  result.error = Save();
  return result;
}

std::optional<std::vector<uint8_t>> MacroLibraryPage::ExportSelected() const {
  if (state_.selected < 0) return std::nullopt;
  const LibraryEntry& entry = entries_[static_cast<size_t>(state_.selected)];
  std::vector<uint8_t> bytes(entry.name.begin(), entry.name.end());
  bytes.insert(bytes.end(), entry.rest.begin(), entry.rest.end());
  return bytes;
}

macro::DriverBlock MacroLibraryPage::BlockOf(int index) const {
  const LibraryEntry& entry = Entry(index);
  macro::DriverBlock block{};
  std::copy(entry.name.begin(), entry.name.end(), block.begin());
  std::copy_n(entry.rest.begin(), std::min(entry.rest.size(), block.size() - entry.name.size()),
              block.begin() + static_cast<long>(entry.name.size()));
  return block;
}

std::vector<uint8_t> MacroLibraryPage::ExportAll() const {
  std::vector<uint8_t> bytes;
  for (const LibraryEntry& entry : entries_) {
    bytes.insert(bytes.end(), entry.name.begin(), entry.name.end());
    bytes.insert(bytes.end(), entry.rest.begin(), entry.rest.end());
  }
  // "Macro.bin" always holds its 100 records.
  if (context_.eeprom_mode) bytes.resize(macro::kLibraryFileBytes, 0);
  return bytes;
}

MacroLibraryPage::Stored MacroLibraryPage::StoreSelected(const macro::MacroLines& lines,
                                                         bool release_flag) {
  if (state_.selected < 0) return {};
  LibraryEntry& entry = entries_[static_cast<size_t>(state_.selected)];
  if (context_.eeprom_mode) {
    macro::MacroBody body{};
    if (!macro::EncodeMacroBody(lines, release_flag, body)) return {false, context_.text("Str103")};
    entry.rest.assign(body.begin(), body.end());
  } else {
    macro::DriverBlock block{};
    if (!macro::EncodeDriverBlock(lines, release_flag, block)) {
      return {false, context_.text("Str103")};
    }
    entry.rest.assign(block.begin() + macro::kNameBytes, block.end());
  }
  return {true, Save()};
}

std::optional<std::string> MacroLibraryPage::SetReleaseFlag(bool stop_on_release) {
  if (state_.selected < 0) return std::nullopt;
  entries_[static_cast<size_t>(state_.selected)].rest[0] = stop_on_release ? 1 : 0;
  return Save();
}

size_t MacroLibraryPage::SelectedEventBytes() const {
  if (state_.selected < 0) return 0;
  const auto decoded =
      DecodeEntry(entries_[static_cast<size_t>(state_.selected)], context_.eeprom_mode);
  return decoded ? macro::EncodeEventLines(decoded->macro.lines).size() : 0;
}

macro::MacroBody MacroLibraryPage::BodyOf(int index) const {
  macro::MacroBody body{};
  const std::vector<uint8_t>& rest = Entry(index).rest;
  std::copy_n(rest.begin(), std::min(rest.size(), body.size()), body.begin());
  return body;
}

// The library file mirrors the library after every change, written whole.
std::optional<std::string> MacroLibraryPage::Save() {
  Rebuild();
  const std::string file = context_.eeprom_mode ? "Macro.bin" : kDriverLibraryFile;
  std::string error;
  if (!util::WriteFileAtomically(context_.folder + file, ExportAll(), &error)) {
    return "The macro library could not be saved: " + error;
  }
  if (!context_.eeprom_mode && context_.driver_table != nullptr) {
    // RefreshDriverWriteMacro: the mouse plays the edited macro after the
    // next write of the settings.
    std::vector<macro::DriverBlock> blocks;
    for (int i = 0; i < static_cast<int>(entries_.size()); ++i)
      blocks.push_back(BlockOf(i));
    driver_macros::RefreshDriverWriteMacro(*context_.driver_table, blocks);
  }
  return std::nullopt;
}

void MacroLibraryPage::Rebuild() {
  state_.names.clear();
  for (const LibraryEntry& entry : entries_)
    state_.names.push_back(macro::DecodeMacroName(entry.name));
  state_.can_add = entries_.size() < Capacity();
  state_.macro = {};
  if (state_.selected < 0) return;
  const auto decoded =
      DecodeEntry(entries_[static_cast<size_t>(state_.selected)], context_.eeprom_mode);
  if (!decoded) return;
  state_.macro = decoded->macro;
  state_.release_flag = decoded->release_flag;
}

}  // namespace orvane::pages
