// "Orvane Fire Macro.bin" as read from disk, then edited.
#include <span>

#include "core/config/action_codes.h"
#include "core/fire/gun_key_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orvane;
  fire::GunKeyList list;
  list.LoadBytes(std::span<const uint8_t>(data, size));
  config::NamingContext naming;
  naming.text = [](std::string_view) { return std::string(); };
  naming.gun_key_list_loaded = true;
  naming.gun_key_list = list.Strings();
  for (const auto& code : list.Strings())
    config::GetNameByCode(code, naming);
  list.ListLines();
  list.Select(size > 30 ? data[30] % 12 : 0);
  list.Delete(size > 31 ? data[31] % 12 : 0);
  list.Add(size > 32 ? data[32] % 12 : 1, 10);
  return 0;
}
