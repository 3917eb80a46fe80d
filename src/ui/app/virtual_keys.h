#pragma once

class QKeyEvent;

namespace orvane::ui {

// The Windows virtual-key code of a key press, as the key tables take it;
// 0 for a key they have no code for. Only the key itself counts, not the
// character a modifier makes of it.
int VirtualKeyOf(const QKeyEvent& event);

}  // namespace orvane::ui
