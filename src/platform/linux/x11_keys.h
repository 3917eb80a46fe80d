#pragma once

#include <cstdint>

namespace orvane::platform {

// The virtual-key code of an X keysym (the unshifted symbol of a key), or 0
// for a key the tables have no code for. Both Shift, Ctrl and Alt keys give
// the one code of their kind; the keypad gives its digits, as with Num Lock.
int VirtualKeyOfKeysym(uint32_t keysym);

// X's mouse buttons: 1 left, 2 middle, 3 right, 8 back, 9 forward. The
// button number the recorder uses (0 left .. 4 backward), or -1 for the
// wheel and the rest.
int MouseButtonOfX(int x_button);

}  // namespace orvane::platform
