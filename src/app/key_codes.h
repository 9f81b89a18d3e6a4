// The key code a key press gives the game, as the keyboard's virtual key
// codes number them: the digit keys of the main keyboard are 49..57 whatever
// the modifiers, the keypad's digits 96..105.
#pragma once

class QKeyEvent;

namespace trimbol::app {

int VirtualKeyCode(const QKeyEvent& event);

// The same, saying whether the event's native scan codes are X keycodes
// (as on X11 and Wayland), where Shift+1 arrives as "!" and only the scan
// code tells the digit key.
int VirtualKeyCode(const QKeyEvent& event, bool scanCodesAreXKeycodes);

}  // namespace trimbol::app
