#include "platform/linux/x11_keys.h"

#include <gtest/gtest.h>

#include "core/config/key_tables.h"

namespace orvane::platform {
namespace {

// Keysyms of a US keyboard and the virtual keys the key tables name.
TEST(X11Keys, KeysymsBecomeVirtualKeys) {
  struct Case {
    uint32_t keysym;
    int virtual_key;
    const char* name;  // as the key tables call it
  };
  for (const Case c :
       {Case{'a', 'A', "A"}, Case{'z', 'Z', "Z"}, Case{'7', '7', "7"}, Case{0xffe1, 16, "Shift"},
        Case{0xffe2, 16, "Shift"}, Case{0xffe3, 17, "Ctrl"}, Case{0xffe9, 18, "Alt"},
        Case{0xffeb, 91, "Left Windows"}, Case{0xffec, 92, "Right Windows"},
        Case{0xff0d, 13, nullptr}, Case{0xffbe, 112, nullptr}, Case{0xffc9, 123, nullptr},
        Case{0xff95, 103, nullptr}, Case{0x20, 32, nullptr}, Case{0x1008ff12, 173, nullptr},
        Case{0x12345, 0, nullptr}}) {
    EXPECT_EQ(VirtualKeyOfKeysym(c.keysym), c.virtual_key) << std::hex << c.keysym;
    if (c.name != nullptr) {
      EXPECT_EQ(config::GetKeyNameByIndex(config::GetKeyIndexByVK(c.virtual_key)), c.name);
    }
  }
}

// Every key the table maps is one the key tables know.
TEST(X11Keys, EveryMappedKeyIsInTheKeyTables) {
  for (uint32_t keysym = 0; keysym < 0x10000; ++keysym) {
    const int vk = VirtualKeyOfKeysym(keysym);
    if (vk != 0) {
      EXPECT_NE(config::GetKeyIndexByVK(vk), 0) << std::hex << keysym << std::dec << " " << vk;
    }
  }
}

TEST(X11Keys, MouseButtons) {
  EXPECT_EQ(MouseButtonOfX(1), 0);
  EXPECT_EQ(MouseButtonOfX(3), 1);
  EXPECT_EQ(MouseButtonOfX(2), 2);
  EXPECT_EQ(MouseButtonOfX(9), 3);
  EXPECT_EQ(MouseButtonOfX(8), 4);
  for (const int wheel : {4, 5, 6, 7, 0, 10})
    EXPECT_EQ(MouseButtonOfX(wheel), -1);
}

}  // namespace
}  // namespace orvane::platform
