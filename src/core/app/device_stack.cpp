#include "core/app/device_stack.h"

#include "core/app/ini_table.h"
#include "core/app/layout_keys.h"
#include "core/config/default_images.h"
#include "core/resources/resources.h"

namespace orvane::app {

OrgSettings ShippedOrgSettings() { return ReadOrgSettings(IniTable::Parse(EmbeddedText("org"))); }

device::SessionSettings SessionSettingsFor(const OrgSettings& org, const std::string& exe_dir) {
  device::SessionSettings settings;
  settings.expected_maker_id = config::ExpectedMakerId();
  settings.expected_product_id = config::ExpectedProductId();
  settings.reserve_maker_id = static_cast<uint8_t>(org.reserve_maker_id);
  settings.reserve_product_id = static_cast<uint8_t>(org.reserve_product_id);
  settings.macro_path = org.path;
  settings.exe_dir = exe_dir;
  settings.eeprom_mode = org.EepromMode();
  return settings;
}

}  // namespace orvane::app
