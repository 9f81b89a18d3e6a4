// The scenario runner as a program: whole scenarios against expected JSON,
// and its handling of bad input.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "test_support.h"

namespace trimbol::test {
namespace {

struct ToolRun {
  int status;
  std::string out;
};

ToolRun RunTool(const std::string& script) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("trimbol-scenario-" + std::to_string(::testing::UnitTest::GetInstance()
                                                              ->random_seed()) +
                     "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  std::ofstream(path) << script;
  const std::string command = std::string(TRIMBOL_SCENARIO_TOOL) + " " + path.string() + " 2>&1";
  ToolRun run{-1, {}};
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) run.out.append(buffer, n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  std::filesystem::remove(path);
  return run;
}

TEST(ScenarioToolTest, ReportsTheStartUpState) {
  const ToolRun run = RunTool("# nothing happens\n\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "{\"board\":[0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0],\"current\":0,"
            "\"players\":4,\"wins\":[0,0,0,0],\"ended\":0,\"sound\":0,\"autostart\":1,"
            "\"animation\":1,\"automode\":[0,0,0,0],\"intelligence\":[0,0,0,0],"
            "\"hover\":[0,0,0],\"clicked\":[0,0,0],\"last_y\":0,\"random_state\":22695478,"
            "\"timer1\":true,\"timer2\":false,\"timer3\":false,\"animation_frame\":0,"
            "\"animated_piece\":0,\"status\":\"Строка состояния\","
            "\"scores\":[\"0\",\"0\",\"0\",\"0\"],\"events\":[]}\n");
}

TEST(ScenarioToolTest, ReplaysAPersonsMoveAndAMenuOpening) {
  const ToolRun run = RunTool(
      "sound 1\n"
      "newgame\n"
      "move 535 155   # layer 2, column 1, row 2\n"
      "click\n"
      "tick1\n"
      "menu\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "{\"board\":[0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,0,0,0],\"current\":2,"
            "\"players\":4,\"wins\":[0,0,0,0],\"ended\":0,\"sound\":1,\"autostart\":1,"
            "\"animation\":1,\"automode\":[0,0,0,0],\"intelligence\":[0,0,0,0],"
            "\"hover\":[2,1,2],\"clicked\":[2,1,2],\"last_y\":155,"
            "\"random_state\":15280068559548884271,"
            "\"timer1\":true,\"timer2\":false,\"timer3\":true,\"animation_frame\":0,"
            "\"animated_piece\":1,\"status\":\"Ход ноликов\","
            "\"scores\":[\"0\",\"0\",\"0\",\"0\"],\"events\":[\"effect Zvon.wav\","
            "\"timer1 start\",\"draw\",\"anim 1\",\"draw\",\"effect hlop.wav\",\"draw\","
            "\"effect stuk.wav\"]}\n");
}

TEST(ScenarioToolTest, AMissingJingleKeepsTheWinAndTheRestart) {
  const ToolRun run = RunTool(
      "sound 1\nanimation 0\nplayers 2\nmissing ПобКрест.wav\nnewgame\n"
      "move 35 35\nclick\nmove 35 95\nclick\nmove 95 35\nclick\n"
      "move 95 95\nclick\nmove 155 35\nclick\ntick1\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("\"wins\":[1,0,0,0]"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\"draw\",\"timer1 stop\",\"result ПобКрест.wav\","
                         "\"error ПобКрест.wav\",\"message   Крестики победили  \","
                         "\"effect Zvon.wav\",\"timer1 start\",\"draw\",\"effect hlop.wav\","
                         "\"draw\",\"effect prut.wav\",\"draw\"]"),
            std::string::npos)
      << run.out;
  // Noughts, to move in the new game, took the clicked cell in the same click.
  EXPECT_NE(run.out.find("\"board\":[0,0,0,0,0,0,2,0,"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\"status\":\"Ход крестиков\""), std::string::npos);
}

TEST(ScenarioToolTest, RejectsBadLinesNamingThem) {
  const std::pair<std::string, std::string> cases[] = {
      {"newgame\nmove 1\n", "line 2"},       {"auto 5 1\n", "line 1"},
      {"intel 1 4\n", "line 1"},             {"\n\nplayers 1\n", "line 3"},
      {"sound 2\n", "line 1"},               {"jump\n", "line 1"},
      {"key 70000\n", "line 1"},             {"move 10 ten\n", "line 1"},
      {"click now\n", "line 1"},             {"move 99999999999 0\n", "line 1"},
      {"missing\n", "line 1"},              {"auto 0 1\n", "line 1"},
      {"intel 5 0\n", "line 1"},            {"auto 1 -1\n", "line 1"},
  };
  for (const auto& [script, where] : cases) {
    const ToolRun run = RunTool(script);
    EXPECT_EQ(run.status, 2) << script;
    EXPECT_NE(run.out.find(where), std::string::npos) << script << " -> " << run.out;
    EXPECT_EQ(run.out.find("{\"board\""), std::string::npos) << "no report after a bad line";
  }
}

TEST(ScenarioToolTest, MessagesSayWhatIsWrongWithTheWholeWord) {
  const std::pair<std::string, std::string> cases[] = {
      {"players 99999999999999999999\n",
       "trimbol-scenario: line 1: '99999999999999999999' is out of range 2..4\n"},
      {"players -99999999999999999999\n",
       "trimbol-scenario: line 1: '-99999999999999999999' is out of range 2..4\n"},
      {"players 3x\n", "trimbol-scenario: line 1: '3x' is not a whole number\n"},
      {std::string("new\0game\n", 9), "trimbol-scenario: line 1: unknown action 'new\\x00game'\n"},
  };
  for (const auto& [script, message] : cases) {
    const ToolRun run = RunTool(script);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, message);
  }
}

TEST(ScenarioJsonTest, EscapesWhatJsonCannotHoldAndKeepsUtf8) {
  EXPECT_EQ(JsonString("Ход \"x\"\\y\n\t\x01\x1f"), "\"Ход \\\"x\\\"\\\\y\\n\\t\\u0001\\u001f\"");
  EXPECT_EQ(JsonString(std::string("a\0b", 3)), "\"a\\u0000b\"");
}

// Line numbers past 2^31 stay right instead of overflowing.
TEST(ScenarioToolTest, CountsLinesBeyondTwoToTheThirtyFirst) {
  Scenario scenario;
  try {
    scenario.Apply("jump", 3'000'000'000ULL);
    ADD_FAILURE() << "no error";
  } catch (const ScenarioError& error) {
    EXPECT_EQ(error.line(), 3'000'000'000ULL);
    EXPECT_STREQ(error.what(), "line 3000000000: unknown action 'jump'");
  }
}

TEST(ScenarioToolTest, AnInputItCannotReadIsAnErrorNotAnEmptyGame) {
  for (const std::string& input : {std::filesystem::temp_directory_path().string(), std::string("/no/such/file")}) {
    const std::string command = std::string(TRIMBOL_SCENARIO_TOOL) + " " + input + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[512] = {};
    const std::string out(buffer, fread(buffer, 1, sizeof buffer, pipe));
    const int raw = pclose(pipe);
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 2) << input;
    EXPECT_TRUE(out.starts_with("trimbol-scenario: cannot ")) << out;
  }
}

}  // namespace
}  // namespace trimbol::test
