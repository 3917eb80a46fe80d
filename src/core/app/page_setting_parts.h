#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/app/page_settings.h"

// Each page's share of the settings by name; page_settings.cpp asks them in
// turn. A getter or setter answers false or nothing for a name not its own.
namespace orvane::app {

void AddDpiSettingNames(std::vector<std::string>& names);
bool GetDpiSetting(const pages::DpiPageState& state, const std::string& name, std::string& value);
std::optional<SetResult> SetDpiSetting(pages::DpiPage& page, const std::string& name,
                                       const std::string& value);

void AddLightingSettingNames(std::vector<std::string>& names);
bool GetLightingSetting(const pages::LightingPageState& state, const std::string& name,
                        std::string& value);
std::optional<SetResult> SetLightingSetting(pages::LightingPage& page, const std::string& name,
                                            const std::string& value);

void AddFireSettingNames(std::vector<std::string>& names);
bool GetFireSetting(const pages::FirePage& page, const std::string& name, std::string& value);
std::optional<SetResult> SetFireSetting(pages::FirePage& page, const std::string& name,
                                        const std::string& value);

void AddPointerSettingNames(std::vector<std::string>& names);
bool GetPointerSetting(const pages::PointerPageState& state, const std::string& name,
                       std::string& value);
std::optional<SetResult> SetPointerSetting(pages::PointerPage& page, const std::string& name,
                                           const std::string& value);

void AddEngineerSettingNames(std::vector<std::string>& names);
bool GetEngineerSetting(const pages::EngineerPageState& state, const std::string& name,
                        std::string& value);
std::optional<SetResult> SetEngineerSetting(pages::EngineerPage& page, const std::string& name,
                                            const std::string& value);

}  // namespace orvane::app
