// The key code a key press gives the game's key handler, as the keyboard's
// virtual key codes number them: the digit keys of the main keyboard are
// 49..57 whatever the modifiers, the keypad's digits 96..105.
#pragma once

class QKeyEvent;

namespace trimbol::app {

int KeyDownCode(const QKeyEvent& event);

}  // namespace trimbol::app
