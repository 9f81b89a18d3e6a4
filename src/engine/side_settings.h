// How each side is played: by whom, and how well the computer plays it.
#pragma once

namespace trimbol {

// A person places by clicking; a half side is the computer, moving once at
// a click; a computer side answers every click.
enum class AutoMode { kPerson, kHalf, kComputer };

// None places at random; weak completes its own lines; strong also blocks
// the others'; master plays as well as the game allows.
enum class Strength { kNone, kWeak, kStrong, kMaster };

}  // namespace trimbol
