#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/config/action_codes.h"
#include "core/config/data_buf.h"
#include "core/macro/macro_storage.h"

// The mouse's six macro slots (a 32-byte name and a 224-byte body each) and
// how a library macro is given one when it is assigned to a button.
namespace orvane::macro {

constexpr int kSlotCount = 6;
constexpr size_t kSlotBytes = kNameBytes + kBodyBytes;
constexpr std::array<uint16_t, kSlotCount> kSlotAddresses = {0x100, 0x200, 0x300,
                                                             0x400, 0x600, 0x700};

// BaseMacroNames and BaseMacroBodies.
struct BaseMacros {
  std::array<MacroName, kSlotCount> names{};
  std::array<MacroBody, kSlotCount> bodies{};
};

// ReadAndRefreshMacro: the slots from the configuration's slot copies, bodies
// 1 to 4 checked (CheckMacroContentBuf). Returns the names for LB_MacroName.
std::vector<std::string> ReadAndRefreshMacro(const config::Configuration& config, BaseMacros& base);
// RefreshBaseMacroBuf: the slots back into the slot copies and DevImage.
void RefreshBaseMacroBuf(const BaseMacros& base, config::Configuration& config);

// The 18 action codes of both key modes, key mode 1 first.
std::array<config::ActionCode, 18> ProfileCodes(const config::DataBuf& data);
void SetProfileCode(config::DataBuf& data, int key_mode, int button,
                    const config::ActionCode& code);

// The slot a library macro named `name` goes to: 1.., or one past the last
// slot when there is no room. FindBaseMacroCount looks at all six slots,
// FindBaseMacroIndex at slots 1 to 4.
int FindBaseMacroCount(const config::DataBuf& data, const BaseMacros& base, const MacroName& name);
int FindBaseMacroIndex(const config::DataBuf& data, const BaseMacros& base, const MacroName& name);

// LB_NameClick: the library entry assigned to button 1..9 of a key mode.
struct MacroAssignment {
  bool engineer_page = false;  // engineer buttons reach slots 1 to 4 only
  int key_mode = 1;
  int button = 1;
  // The captions of the nine buttons of the group, and the "Left Click" text.
  std::array<std::string, 9> captions;
  std::string left_click_caption;
};

struct AssignResult {
  enum class Kind { kAssigned, kNoRoom, kKeptLeftClick } kind = Kind::kNoRoom;
  int slot = 0;         // kAssigned
  std::string code;     // the button's code afterwards (kAssigned, kKeptLeftClick)
  std::string caption;  // the button's caption afterwards
};

AssignResult LB_NameClick(const MacroAssignment& assignment, const MacroName& name,
                          const MacroBody& body, config::Configuration& config, BaseMacros& base);

}  // namespace orvane::macro
