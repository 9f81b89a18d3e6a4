// Scenario parsing, replay and the JSON report.
#include "scenario.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <istream>
#include <optional>
#include <ostream>
#include <vector>

#include <nlohmann/json.hpp>

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
  std::string_view Word(size_t index) const { return words_[index]; }
  [[noreturn]] void Fail(const std::string& what) const { throw ScenarioError(number_, what); }

 private:
  std::vector<std::string_view> words_;
  std::uint64_t number_;
};

}  // namespace

std::string JsonString(std::string_view text) {
  return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

namespace {

// One action of the scenario language: its word, how many arguments it
// takes, and what it does with them. The arguments are all read before the
// game is touched, so a bad line changes nothing.
struct Action {
  std::string_view word;
  size_t arguments;
  void (*run)(Game& game, RecordingHost& host, const LineReader& in);
};

Side SideArgument(const LineReader& in, size_t index) { return Side(in.Int(index, 1, kSideCount)); }

template <GameTimer timer, void (Game::*handler)()>
void Tick(Game& game, RecordingHost& host, const LineReader&) {
  if (host.IsTimerRunning(timer)) (game.*handler)();
}

template <void (Game::*handler)()>
void Command(Game& game, RecordingHost&, const LineReader&) {
  (game.*handler)();
}

template <void (Game::*handler)(bool)>
void Switch(Game& game, RecordingHost&, const LineReader& in) {
  (game.*handler)(in.Int(1, 0, 1) == 1);
}

constexpr Action kActions[] = {
    {"newgame", 0, Command<&Game::StartNewGame>},
    {"move", 2,
     [](Game& game, RecordingHost&, const LineReader& in) {
       const int x = in.Int(1, INT32_MIN, INT32_MAX), y = in.Int(2, INT32_MIN, INT32_MAX);
       game.PointerMoved(x, y);
     }},
    {"click", 0, Command<&Game::Clicked>},
    {"enter", 3,
     [](Game& game, RecordingHost&, const LineReader& in) {
       const Cell cell{in.Int(1, 0, 2), in.Int(2, 0, 2), in.Int(3, 0, 2)};
       game.ClickCell(cell);
     }},
    {"tick1", 0, Tick<GameTimer::kStatus, &Game::StatusTick>},
    {"tick2", 0, Tick<GameTimer::kRedraw, &Game::RedrawTick>},
    {"tick3", 0, Tick<GameTimer::kAnimation, &Game::AnimationTick>},
    {"menu", 0, Command<&Game::MenuOpening>},
    {"auto", 2,
     [](Game& game, RecordingHost&, const LineReader& in) {
       const Side side = SideArgument(in, 1);
       game.SetAutoMode(side, static_cast<AutoMode>(in.Int(2, 0, 2)));
     }},
    {"intel", 2,
     [](Game& game, RecordingHost&, const LineReader& in) {
       const Side side = SideArgument(in, 1);
       game.SetStrength(side, static_cast<Strength>(in.Int(2, 0, 3)));
     }},
    {"fullauto", 0, Command<&Game::FullAutomation>},
    {"preset1", 0, Command<&Game::PresetOnePlayer>},
    {"preset2", 0, Command<&Game::PresetTwoPlayers>},
    {"sound", 1, Switch<&Game::SetSound>},
    {"autostart", 1, Switch<&Game::SetAutoStart>},
    {"animation", 1, Switch<&Game::SetAnimation>},
    {"players", 1, [](Game& game, RecordingHost&, const LineReader& in) { game.SetSidesInPlay(in.Int(1, 2, kSideCount)); }},
    {"checkbox", 0, Command<&Game::ToggleConstantRedraw>},
    // Key codes are 16-bit.
    {"key", 1, [](Game& game, RecordingHost&, const LineReader& in) { game.KeyPressed(in.Int(1, 0, 65535)); }},
    {"missing", 1, [](Game&, RecordingHost& host, const LineReader& in) { host.SetMissing(std::string(in.Word(1))); }},
    {"undo", 0, Command<&Game::Undo>},
    {"hint", 0, Command<&Game::Hint>},
    {"decisive", 0, Command<&Game::ShowDecisiveMove>},
};

// The report gives the settings by their numbers: 0 a person, 1 half, 2
// the computer; 0 none, 1 weak, 2 strong, 3 master.
template <typename Enum>
std::array<int, kSideCount> Numbers(const PerSide<Enum>& values) {
  std::array<int, kSideCount> numbers{};
  std::ranges::transform(values, numbers.begin(), [](Enum value) { return static_cast<int>(value); });
  return numbers;
}

int NumberOf(const std::optional<Side>& side) { return side ? side->number() : 0; }

std::array<int, 3> Coordinates(Cell cell) { return {cell.layer, cell.column, cell.row}; }

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
  const auto action = std::ranges::find(kActions, words[0], &Action::word);
  if (action == std::end(kActions)) in.Fail("unknown action " + Quoted(words[0]));
  in.Expect(action->arguments);
  Dispatch([&] { action->run(game_, host_, in); });
}

std::string Scenario::Json() const {
  const GameState& s = game_.state();
  nlohmann::ordered_json report;
  report["board"] = s.board;
  report["current"] = NumberOf(s.toMove);
  report["players"] = s.sidesInPlay;
  report["wins"] = s.winCount.values();
  report["ended"] = static_cast<int>(s.gameEnded);
  report["sound"] = static_cast<int>(s.soundOn);
  report["autostart"] = static_cast<int>(s.autoStartOn);
  report["animation"] = static_cast<int>(s.animationOn);
  report["automode"] = Numbers(s.autoMode);
  report["intelligence"] = Numbers(s.strength);
  report["hover"] = Coordinates(s.hover);
  report["clicked"] = Coordinates(s.clicked);
  report["last_y"] = s.lastPointerY;
  report["random_state"] = s.random.state();
  report["timer1"] = host_.IsTimerRunning(GameTimer::kStatus);
  report["timer2"] = host_.IsTimerRunning(GameTimer::kRedraw);
  report["timer3"] = host_.IsTimerRunning(GameTimer::kAnimation);
  report["animation_frame"] = s.animationFrame;
  report["animated_piece"] = NumberOf(s.animatedSide);
  report["status"] = host_.status();
  report["scores"] = host_.scores().values();
  report["events"] = host_.events();
  // Replacing a byte that is not UTF-8 beats failing the whole report.
  return report.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
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
