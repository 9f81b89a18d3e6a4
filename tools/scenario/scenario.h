// Replays a scenario, one action a line, through the game with a recording
// host, and reports the outcome as one JSON object.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/game.h"
#include "recording_host.h"

namespace trimbol {

// A line that is not a valid action.
class ScenarioError : public std::runtime_error {
 public:
  ScenarioError(std::uint64_t line, const std::string& what)
      : std::runtime_error("line " + std::to_string(line) + ": " + what), line_(line) {}
  std::uint64_t line() const { return line_; }

 private:
  std::uint64_t line_;
};

class Scenario {
 public:
  Scenario() : game_(host_) { host_.Watch(&game_.state()); }

  // Applies one line; blank lines and # comments do nothing. Throws
  // ScenarioError for a malformed line or a value out of range.
  void Apply(std::string_view line, std::uint64_t lineNumber);
  std::string Json() const;

  Game& game() { return game_; }
  RecordingHost& host() { return host_; }

 private:
  // Runs one handler the way the window does: a failure ends the handler
  // and is reported, and play goes on.
  template <typename Handler>
  void Dispatch(Handler handler);

  RecordingHost host_;
  Game game_;
};

// `text` as a JSON string, quotes included; UTF-8 passes unchanged.
std::string JsonString(std::string_view text);

// Reads all lines from in, prints the JSON to out; on a bad line or a read
// error prints the message to err and returns 2, otherwise returns 0.
int RunScenario(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace trimbol
