#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/app/device_stack.h"
#include "core/app/org_settings.h"
#include "core/pages/button_page.h"
#include "core/pages/dpi_page.h"
#include "core/pages/lighting_page.h"

namespace orvane::app {

// Every page's controller over one configuration, each listening to the
// sessions. The window and orvanectl build theirs here, so a page's rules
// hold the same on screen and on the command line.
struct PageSet {
  using TextLookup = std::function<std::string(std::string_view key)>;
  using NamingSource = std::function<config::NamingContext()>;

  PageSet(DeviceStack& device, const OrgSettings& org, TextLookup text, NamingSource naming)
      : text(text),
        buttons(device.configuration, {text, naming, org.gd_enable}),
        dpi(device.configuration, text, org.dpi_count),
        lighting(device.configuration) {
    device.sessions.AddObserver(&buttons);
    device.sessions.AddObserver(&dpi);
    device.sessions.AddObserver(&lighting);
  }

  // A new language: every name the pages show follows.
  void LanguageChanged() {
    buttons.LanguageChanged();
    dpi.LanguageChanged();
  }

  TextLookup text;  // the language the pages name things in
  pages::ButtonPage buttons;
  pages::DpiPage dpi;
  pages::LightingPage lighting;
};

}  // namespace orvane::app
