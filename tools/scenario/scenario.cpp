// Scenario parsing, replay and the JSON report.
#include "scenario.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <istream>
#include <ostream>
#include <sstream>
#include <vector>

#include "engine/file_error.h"

namespace trimbol {

namespace {

std::vector<std::string_view> Split(std::string_view line) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
    size_t j = i;
    while (j < line.size() && line[j] != ' ' && line[j] != '\t' && line[j] != '\r') ++j;
    if (j > i) words.push_back(line.substr(i, j - i));
    i = j;
  }
  return words;
}

// A word of the input in quotes, for a message: bytes that would not show
// (a NUL would even end the message) are written as \xNN.
std::string Quoted(std::string_view word) {
  std::string out = "'";
  for (unsigned char c : word) {
    if (c < 0x20 || c == 0x7F) {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02X", c);
      out += escape;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "'";
}

class LineReader {
 public:
  LineReader(std::vector<std::string_view> words, std::uint64_t number)
      : words_(std::move(words)), number_(number) {}

  void Expect(size_t arguments) const {
    if (words_.size() != arguments + 1) {
      Fail(Quoted(words_[0]) + " takes " + std::to_string(arguments) +
           " argument" + (arguments == 1 ? "" : "s"));
    }
  }
  int Int(size_t index, long long low, long long high) const {
    const std::string_view word = words_[index];
    long long value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    const bool whole = end == word.data() + word.size();
    if (!whole || (ec != std::errc() && ec != std::errc::result_out_of_range)) {
      Fail(Quoted(word) + " is not a whole number");
    }
    if (ec == std::errc::result_out_of_range || value < low || value > high) {
      Fail(Quoted(word) + " is out of range " + std::to_string(low) + ".." + std::to_string(high));
    }
    return static_cast<int>(value);
  }
  [[noreturn]] void Fail(const std::string& what) const { throw ScenarioError(number_, what); }

 private:
  std::vector<std::string_view> words_;
  std::uint64_t number_;
};

}  // namespace

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
          out += buffer;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + '"';
}

namespace {

template <typename Range>
void AppendIntArray(std::string& out, const Range& values) {
  out += '[';
  bool first = true;
  for (auto value : values) {
    if (!first) out += ',';
    first = false;
    out += std::to_string(value);
  }
  out += ']';
}

template <typename Range>
void AppendStringArray(std::string& out, const Range& values) {
  out += '[';
  bool first = true;
  for (const auto& value : values) {
    if (!first) out += ',';
    first = false;
    out += JsonString(value);
  }
  out += ']';
}

}  // namespace

template <typename Handler>
void Scenario::Dispatch(Handler handler) {
  try {
    handler();
  } catch (const FileError& error) {
    host_.ReportError(error);
  }
}

void Scenario::Apply(std::string_view text, std::uint64_t lineNumber) {
  if (const size_t hash = text.find('#'); hash != std::string_view::npos) text = text.substr(0, hash);
  const std::vector<std::string_view> words = Split(text);
  if (words.empty()) return;
  const LineReader in(words, lineNumber);
  const std::string_view action = words[0];
  Game& g = game_;

  auto tick = [&](GameTimer timer, void (Game::*handler)()) {
    in.Expect(0);
    if (host_.IsTimerRunning(timer)) Dispatch([&] { (g.*handler)(); });
  };
  auto simple = [&](void (Game::*handler)()) {
    in.Expect(0);
    Dispatch([&] { (g.*handler)(); });
  };
  auto setting = [&](void (Game::*handler)(int), long long low, long long high) {
    in.Expect(1);
    const int value = in.Int(1, low, high);
    Dispatch([&] { (g.*handler)(value); });
  };
  auto sideSetting = [&](void (Game::*handler)(int, int)) {
    in.Expect(2);
    const int side = in.Int(1, 1, 4), value = in.Int(2, 0, 2);
    Dispatch([&] { (g.*handler)(side, value); });
  };

  if (action == "newgame") {
    simple(&Game::StartNewGame);
  } else if (action == "move") {
    in.Expect(2);
    const int x = in.Int(1, INT32_MIN, INT32_MAX), y = in.Int(2, INT32_MIN, INT32_MAX);
    Dispatch([&] { g.PointerMoved(x, y); });
  } else if (action == "click") {
    simple(&Game::Clicked);
  } else if (action == "enter") {
    in.Expect(3);
    const Cell cell{in.Int(1, 0, 2), in.Int(2, 0, 2), in.Int(3, 0, 2)};
    Dispatch([&] { g.ClickCell(cell); });
  } else if (action == "tick1") {
    tick(GameTimer::kStatus, &Game::StatusTick);
  } else if (action == "tick2") {
    tick(GameTimer::kRedraw, &Game::RedrawTick);
  } else if (action == "tick3") {
    tick(GameTimer::kAnimation, &Game::AnimationTick);
  } else if (action == "menu") {
    simple(&Game::MenuOpening);
  } else if (action == "auto") {
    sideSetting(&Game::SetAutoMode);
  } else if (action == "intel") {
    sideSetting(&Game::SetIntelligence);
  } else if (action == "fullauto") {
    simple(&Game::FullAutomation);
  } else if (action == "preset1") {
    simple(&Game::PresetOnePlayer);
  } else if (action == "preset2") {
    simple(&Game::PresetTwoPlayers);
  } else if (action == "sound") {
    setting(&Game::SetSound, 0, 1);
  } else if (action == "autostart") {
    setting(&Game::SetAutoStart, 0, 1);
  } else if (action == "animation") {
    setting(&Game::SetAnimation, 0, 1);
  } else if (action == "players") {
    setting(&Game::SetPlayerCount, 2, 4);
  } else if (action == "checkbox") {
    simple(&Game::ToggleConstantRedraw);
  } else if (action == "key") {
    setting(&Game::KeyPressed, 0, 65535);  // key codes are 16-bit
  } else if (action == "missing") {
    in.Expect(1);
    host_.SetMissing(std::string(words[1]));
  } else {
    in.Fail("unknown action " + Quoted(action));
  }
}

std::string Scenario::Json() const {
  const GameState& s = game_.state();
  std::string out = "{\"board\":";
  AppendIntArray(out, s.board);
  out += ",\"current\":" + std::to_string(s.currentPlayer);
  out += ",\"players\":" + std::to_string(s.playerCount);
  out += ",\"wins\":";
  AppendIntArray(out, s.winCount);
  out += ",\"ended\":" + std::to_string(s.gameEnded);
  out += ",\"sound\":" + std::to_string(s.soundOn);
  out += ",\"autostart\":" + std::to_string(s.autoStartOn);
  out += ",\"animation\":" + std::to_string(s.animationOn);
  out += ",\"automode\":";
  AppendIntArray(out, s.autoMode);
  out += ",\"intelligence\":";
  AppendIntArray(out, s.intelligence);
  out += ",\"hover\":";
  AppendIntArray(out, std::array{s.hover.layer, s.hover.column, s.hover.row});
  out += ",\"clicked\":";
  AppendIntArray(out, std::array{s.clicked.layer, s.clicked.column, s.clicked.row});
  out += ",\"last_y\":" + std::to_string(s.lastPointerY);
  out += ",\"random_state\":" + std::to_string(s.randomState);
  auto flag = [](bool on) { return on ? "true" : "false"; };
  out += std::string(",\"timer1\":") + flag(host_.IsTimerRunning(GameTimer::kStatus));
  out += std::string(",\"timer2\":") + flag(host_.IsTimerRunning(GameTimer::kRedraw));
  out += std::string(",\"timer3\":") + flag(host_.IsTimerRunning(GameTimer::kAnimation));
  out += ",\"animation_frame\":" + std::to_string(s.animationFrame);
  out += ",\"animated_piece\":" + std::to_string(s.animatedPiece);
  out += ",\"status\":";
  out += JsonString(host_.status());
  out += ",\"scores\":";
  AppendStringArray(out, host_.scores());
  out += ",\"events\":";
  AppendStringArray(out, host_.events());
  out += "}";
  return out;
}

int RunScenario(std::istream& in, std::ostream& out, std::ostream& err) {
  Scenario scenario;
  std::string line;
  std::uint64_t number = 0;
  try {
    while (std::getline(in, line)) scenario.Apply(line, ++number);
  } catch (const ScenarioError& error) {
    err << "trimbol-scenario: " << error.what() << '\n';
    return 2;
  }
  // A read error also ends the loop; it must not pass for the end of input.
  if (in.bad()) {
    err << "trimbol-scenario: cannot read the input after line " << number << '\n';
    return 2;
  }
  out << scenario.Json() << '\n';
  return 0;
}

}  // namespace trimbol
