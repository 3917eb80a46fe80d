#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "core/config/data_buf.h"

// The ten fire macros: 24-byte slots in FireSlots, the parameters the fire
// page scans out of them and writes back, and the gun presets.
namespace orvane::fire {

constexpr int kFireSlots = 10;
constexpr size_t kSlotBytes = 24;
constexpr size_t kMaxSlotEvents = 21;

// Where the last scan of a slot found each parameter's operand byte; 0 when
// the slot holds no such event.
struct FireParamPos {
  int count = 0;
  int x = 0;
  int y = 0;
  int delay = 0;
};
using FireParamPositions = std::array<FireParamPos, kFireSlots>;

// One parameter row as the page shows it.
struct FireRow {
  bool release_stop = false;
  int count = 0;
  int x = 0;
  int y = 0;
  int delay_ms = 0;
};

// Slot 1..10 of FireSlots.
std::span<uint8_t, kSlotBytes> FireSlot(config::Configuration& config, int slot);

// ScanFireSlot. `sets_pointer_type` (guns 6 and 7) also writes the slot's
// FirePointerTable type byte from its release flag.
FireRow ScanFireSlot(config::Configuration& config, int slot, bool sets_pointer_type,
                     FireParamPositions& positions);

enum class FireField { kCount, kX, kY, kDelay };
enum class FireWrite {
  kWritten,
  kLeftAlone,  // a lone "-": the user is still typing
  kNotFound,   // the slot holds no such event: nothing is written
};
// A parameter edit of slot 1..10: `text` is corrected in place, the byte the
// scan found is written and the slot re-sealed. For kY, `y_offset_text` is
// set to "0" and the slot's Y offset byte with it.
FireWrite WriteFireParameter(config::Configuration& config, int slot, FireField field,
                             std::string& text, const FireParamPositions& positions,
                             std::string* y_offset_text);
// The Y offset edit of slot 1..10, kept so that Y + offset stays a signed byte.
FireWrite WriteFireYOffset(config::Configuration& config, int slot, std::string& text, int y);

// FireMacro1Checksum .. FireMacro10Checksum. A slot whose L leaves no room
// for its checksum inside the slot (0xFF in erased memory) is not sealed.
void SealFireSlot(config::Configuration& config, int slot);

// What a slot's bytes hold: nothing, a sealed fire macro, or bytes the mouse
// must not be given as one (a length past the slot, a wrong checksum, a
// release flag other than 0 or 1).
enum class SlotCheck { kEmpty, kSealed, kBad };
SlotCheck CheckFireSlot(std::span<const uint8_t, kSlotBytes> slot);
// The largest L whose checksum byte still lies inside the slot.
constexpr size_t kMaxSlotLength = kSlotBytes - 2;

// A fire macro block file over the block it replaces: the file's bytes (a
// short file fills only what it holds) and the slots (1..10) of the result
// that the mouse must not be given; the block is taken only when none is.
struct BlockImport {
  std::array<uint8_t, 256> block{};
  std::vector<int> bad_slots;
};
BlockImport ImportFireBlock(const std::array<uint8_t, 256>& current, std::span<const uint8_t> file);
// The release-stop toggle: byte 0 of the slot and its pointer type byte.
void SetFireReleaseStop(config::Configuration& config, int slot, bool stop_on_release);

// The seven gun presets.
int ClampGun6Num(int value);
int ClampGun7Num(int value);
std::string GunPresetCode(int gun, int gun6_num, int gun7_num);
const char* GunNameKey(int gun);
std::vector<int> GunSlots(int gun);

}  // namespace orvane::fire
