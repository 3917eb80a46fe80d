#include "core/pages/fire_page.h"

#include <algorithm>

#include "core/macro/macro_library.h"
#include "core/pages/number_box.h"

namespace orvane::pages {

namespace {

constexpr NumberBox kColourBox{0, 255};
constexpr NumberBox kOffsetBox{-128, 127};
constexpr int kLastBurstCount = 255;

int Signed(uint8_t byte) { return byte < 0x80 ? byte : byte - 256; }

fire::FireField FieldOf(FireEdit edit) {
  switch (edit) {
    case FireEdit::kCount: return fire::FireField::kCount;
    case FireEdit::kX: return fire::FireField::kX;
    case FireEdit::kY: return fire::FireField::kY;
    default: return fire::FireField::kDelay;
  }
}

size_t Index(FireEdit edit) { return static_cast<size_t>(edit); }

// A slot scanned into a row, with its Y offset and colour beside it.
FireRowState ScanRow(config::Configuration& config, int slot, bool sets_pointer_type,
                     fire::FireParamPositions& positions) {
  FireRowState row;
  row.slot = slot;
  const fire::FireRow scanned = fire::ScanFireSlot(config, slot, sets_pointer_type, positions);
  const fire::FireParamPos& found = positions[static_cast<size_t>(slot - 1)];
  row.release_stop = scanned.release_stop;
  row.texts = {std::to_string(scanned.count), std::to_string(scanned.x), std::to_string(scanned.y),
               std::to_string(Signed(config::GetFireYOffset(config.data, slot))),
               std::to_string(scanned.delay_ms)};
  row.editable = {found.count > 0, found.x > 0, found.y > 0, true, found.delay > 0};
  row.colour = config::GetFireColour(config.data, slot);
  return row;
}

}  // namespace

FirePage::FirePage(config::Configuration& config, device::DeviceSessions& sessions,
                   ButtonPage& buttons, fire::GunKeyList& gun_keys, Context context)
    : config_(config),
      sessions_(sessions),
      buttons_(buttons),
      context_(std::move(context)),
      gun_keys_(gun_keys) {
  ImageShown();
}

void FirePage::ImageShown() {
  Rescan();
  RebuildEngineer();
  RebuildBurst();
}

void FirePage::LoadGunKeys() {
  gun_keys_.Load(context_.gun_key_file);
  GunKeysChanged();
}

int FirePage::SlotOfRow(int row) const {
  const std::vector<int> slots = fire::GunSlots(state_.gun);
  return row >= 1 && row <= static_cast<int>(slots.size()) ? slots[static_cast<size_t>(row - 1)]
                                                           : 0;
}

void FirePage::Open(int profile, int button) {
  profile_ = profile;
  button_ = button;
  SelectGun(1);
}

void FirePage::SelectGun(int gun) {
  if (gun < 1 || gun > kGuns) return;
  state_.gun = gun;
  Rescan();
}

// Select gun g: every row at its zeros, then each of the gun's slots scanned
// into its row, with the slot's Y offset and colour beside it.
void FirePage::Rescan() {
  const int gun = state_.gun;
  state_.rows = static_cast<int>(fire::GunSlots(gun).size());
  state_.mode_images = {gun == 6, gun == 6, gun == 7, gun == 7, gun == 7};
  for (int r = 1; r <= 3; ++r) {
    const int slot = SlotOfRow(r);
    state_.row[static_cast<size_t>(r - 1)] =
        slot == 0 ? FireRowState{} : ScanRow(config_, slot, gun >= 6, positions_);
  }
}

FireRowState FirePage::RowOf(int gun, int row) const {
  const std::vector<int> slots = fire::GunSlots(gun);
  if (row < 1 || row > static_cast<int>(slots.size())) return {};
  // Scanning may set a pointer type: a look at another gun changes nothing.
  config::Configuration scratch = config_;
  fire::FireParamPositions positions{};
  return ScanRow(scratch, slots[static_cast<size_t>(row - 1)], false, positions);
}

void FirePage::RefreshRowTables() {
  for (FireRowState& row : state_.row) {
    if (row.slot == 0) continue;
    row.texts[Index(FireEdit::kYOffset)] =
        std::to_string(Signed(config::GetFireYOffset(config_.data, row.slot)));
    row.colour = config::GetFireColour(config_.data, row.slot);
  }
}

void FirePage::RebuildEngineer() {
  for (int slot = 1; slot <= fire::kFireSlots; ++slot) {
    const config::Rgb colour = config::GetFireColour(config_.data, slot);
    const size_t at = static_cast<size_t>(slot - 1);
    state_.colours[at] = {std::to_string(colour.r), std::to_string(colour.g),
                          std::to_string(colour.b)};
    state_.y_offsets[at] = std::to_string(Signed(config::GetFireYOffset(config_.data, slot)));
  }
}

std::string FirePage::TypeParameter(int row_number, FireEdit edit, const std::string& typed) {
  if (row_number < 1 || row_number > state_.rows) return typed;
  FireRowState& row = state_.row[static_cast<size_t>(row_number - 1)];
  std::string& shown = row.texts[Index(edit)];
  // An event the slot does not hold has no byte to write: the edit keeps
  // showing what the slot holds.
  if (!row.editable[Index(edit)]) return shown;
  std::string text = typed;
  if (edit == FireEdit::kYOffset) {
    const int y =
        static_cast<int>(config::ParseDecimal(row.texts[Index(FireEdit::kY)]).value_or(0));
    fire::WriteFireYOffset(config_, row.slot, text, y);
  } else {
    fire::WriteFireParameter(config_, row.slot, FieldOf(edit), text, positions_,
                             &row.texts[Index(FireEdit::kYOffset)]);
  }
  shown = text;
  RebuildEngineer();
  return shown;
}

void FirePage::PickColour(int row_number, config::Rgb colour) {
  if (row_number < 1 || row_number > state_.rows) return;
  FireRowState& row = state_.row[static_cast<size_t>(row_number - 1)];
  config::SetFireColour(config_.data, row.slot, colour);
  row.colour = colour;
  RebuildEngineer();
}

void FirePage::ToggleReleaseStop(int row_number) {
  if (row_number < 1 || row_number > state_.rows) return;
  FireRowState& row = state_.row[static_cast<size_t>(row_number - 1)];
  row.release_stop = !row.release_stop;
  fire::SetFireReleaseStop(config_, row.slot, row.release_stop);
}

std::optional<std::string> FirePage::BindGun(int profile, int button, int gun) {
  const std::string code = fire::GunPresetCode(gun, context_.gun6_num, context_.gun7_num);
  if (code.empty()) return "There are seven guns, 1 to 7.";
  return buttons_.AssignCode(profile, button, code);
}

std::optional<int> FirePage::GunOfCode(const std::string& code) const {
  for (int gun = 1; gun <= kGuns; ++gun) {
    if (fire::GunPresetCode(gun, context_.gun6_num, context_.gun7_num) == code) return gun;
  }
  return std::nullopt;
}

void FirePage::CopySlotsToBlock() {
  std::copy(config_.FireSlots.begin(), config_.FireSlots.end(), config_.FireMacroBlock.begin());
}

std::optional<std::string> FirePage::Confirm() {
  // The Left Click rule first: a refused binding sends nothing either.
  if (profile_ != 0) {
    if (auto refused = BindGun(profile_, button_, state_.gun)) return refused;
  }
  CopySlotsToBlock();
  return WriteOutcome(sessions_.WriteFireMacros(true));
}

std::optional<std::string> FirePage::WriteOutcome(device::SessionOutcome outcome) const {
  // A session that failed has said why; a chip without the memory for fire
  // macros takes nothing, which the user is told rather than left to guess.
  if (outcome == device::SessionOutcome::kNotWritten) {
    return "The mouse's chip does not take fire macros: nothing was sent to it.";
  }
  return std::nullopt;
}

std::string FirePage::TypeColour(int slot, int channel, const std::string& typed) {
  if (slot < 1 || slot > fire::kFireSlots || channel < 0 || channel > 2) return typed;
  std::string& shown = state_.colours[static_cast<size_t>(slot - 1)][static_cast<size_t>(channel)];
  shown = kColourBox.Typed(shown, typed);
  if (const auto value = kColourBox.Value(shown)) {
    config::Rgb colour = config::GetFireColour(config_.data, slot);
    uint8_t* parts[3] = {&colour.r, &colour.g, &colour.b};
    *parts[channel] = static_cast<uint8_t>(*value);
    config::SetFireColour(config_.data, slot, colour);
    RefreshRowTables();
  }
  return shown;
}

std::string FirePage::TypeYOffset(int slot, const std::string& typed) {
  if (slot < 1 || slot > fire::kFireSlots) return typed;
  std::string& shown = state_.y_offsets[static_cast<size_t>(slot - 1)];
  shown = kOffsetBox.Typed(shown, typed);
  if (const auto value = kOffsetBox.Value(shown)) {
    config::SetFireYOffset(config_.data, slot, std::to_string(*value));
    RefreshRowTables();
  }
  return shown;
}

void FirePage::GunKeysChanged() {
  state_.gun_keys = gun_keys_.ListLines();
  const int count = static_cast<int>(state_.gun_keys.size());
  if (state_.gun_key_selected >= count) state_.gun_key_selected = count - 1;
  // Buttons bound to gun keys are named by their place in the list.
  buttons_.LanguageChanged();
}

std::optional<std::string> FirePage::SaveGunKeys() {
  std::string error;
  if (gun_keys_.Save(context_.gun_key_file, &error)) return std::nullopt;
  return "The gun-key list was not saved: " + error;
}

std::optional<std::string> FirePage::AddGunKey() {
  if (gun_keys_.Count() >= fire::GunKeyList::kEntries) return std::nullopt;
  if (state_.first_slot > state_.last_slot) {
    return "A gun key's first fire macro cannot come after its last one.";
  }
  if (!gun_keys_.Add(state_.first_slot, state_.last_slot)) return std::nullopt;
  auto message = SaveGunKeys();
  GunKeysChanged();
  state_.gun_key_selected = static_cast<int>(state_.gun_keys.size()) - 1;
  return message;
}

std::optional<std::string> FirePage::DeleteGunKey() {
  if (state_.gun_key_selected < 0) return std::nullopt;
  const std::optional<int> next = gun_keys_.Delete(state_.gun_key_selected);
  state_.gun_key_selected = next.value_or(-1);
  auto message = SaveGunKeys();
  GunKeysChanged();
  return message;
}

void FirePage::SelectGunKey(int item) {
  const auto slots = gun_keys_.Select(item);
  if (!slots) return;
  state_.gun_key_selected = item;
  state_.first_slot = slots->first;
  state_.last_slot = slots->second;
}

std::optional<std::string> FirePage::AssignGunKey(int item) {
  const MenuTarget target = buttons_.State().menu;
  buttons_.CloseMenu();
  const auto code = gun_keys_.CodeOfItem(item);
  if (!code || target.kind != MenuTarget::Kind::kEngineerButton) return std::nullopt;
  return buttons_.AssignCode(target.profile, target.button, *code);
}

std::optional<std::string> FirePage::ImportBlock(const std::string& path) {
  const auto bytes = macro::ReadFileBytes(path, config::kFireMacroBlock.length);
  if (!bytes) return "The fire macros were not imported: " + path + " cannot be read.";
  // Every slot of the result must be one the mouse can play, or nothing is
  // taken.
  const fire::BlockImport import = fire::ImportFireBlock(config_.FireMacroBlock, *bytes);
  if (!import.bad_slots.empty()) {
    std::string bad;
    for (const int slot : import.bad_slots)
      bad += (bad.empty() ? "" : ", ") + std::to_string(slot);
    return "The fire macros were not imported: fire macro " + bad +
           " of the file is not a sealed fire macro.";
  }
  const auto& block = import.block;
  config_.FireMacroBlock = block;
  // The slots the page edits follow, or the next Confirm would send the old
  // ones over the import.
  std::copy_n(block.begin(), config_.FireSlots.size(), config_.FireSlots.begin());
  Rescan();
  return WriteOutcome(sessions_.WriteFireMacros(false));
}

void FirePage::RebuildBurst() {
  const config::FireBurst burst = config::GetFireBurst(config_.data);
  FireBurstState& shown = state_.burst;
  shown.continuous = burst.continuous;
  shown.count_item = burst.continuous ? kBurstItems - 1 : burst.shot_count - 1;
  shown.repeat_text = burst.continuous ? "3" : std::to_string(burst.shot_count);
  shown.interval_text = std::to_string(burst.interval);
}

// The last item of the count list is how the engineer view shows continuous
// fire, so choosing it means continuous fire; any other item is a count.
void FirePage::ChooseBurstItem(int item) {
  if (item < 0 || item >= kBurstItems) return;
  config::FireBurst burst = config::GetFireBurst(config_.data);
  burst.continuous = item == kBurstItems - 1;
  if (!burst.continuous) burst.shot_count = item + 1;
  config::SetFireBurst(config_.data, burst);
  RebuildBurst();
}

// A typed count stays a count: 256 and more is 255 shots, never the
// continuous marker.
std::string FirePage::TypeRepeat(const std::string& typed) {
  config::FireBurst burst = config::GetFireBurst(config_.data);
  if (burst.continuous) return state_.burst.repeat_text;
  constexpr NumberBox kRepeatBox{0, 1'000'000};
  std::string text = typed.empty() ? "2" : kRepeatBox.Typed(state_.burst.repeat_text, typed);
  const int count = std::clamp(kRepeatBox.Value(text).value_or(2), 1, kLastBurstCount);
  if (std::to_string(count) != text) text = std::to_string(count);
  burst.shot_count = count;
  config::SetFireBurst(config_.data, burst);
  RebuildBurst();
  return state_.burst.repeat_text = text;
}

std::string FirePage::TypeInterval(const std::string& typed, bool engineer) {
  constexpr NumberBox kIntervalBox{0, 255};
  std::string text = typed.empty() ? (engineer ? "100" : "0")
                                   : kIntervalBox.Typed(state_.burst.interval_text, typed);
  config::FireBurst burst = config::GetFireBurst(config_.data);
  burst.interval = static_cast<uint8_t>(kIntervalBox.Value(text).value_or(0));
  config::SetFireBurst(config_.data, burst);
  RebuildBurst();
  return state_.burst.interval_text = text;
}

void FirePage::ToggleContinuous() {
  config::FireBurst burst = config::GetFireBurst(config_.data);
  burst.continuous = !burst.continuous;
  // Off again, the repeat edit keeps the "3" that continuous fire showed.
  if (!burst.continuous) burst.shot_count = 3;
  config::SetFireBurst(config_.data, burst);
  RebuildBurst();
}

}  // namespace orvane::pages
