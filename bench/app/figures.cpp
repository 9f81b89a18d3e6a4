// Measures the shell's figures on the built game, offscreen: one DrawBoard,
// one click that plays a whole all-On game, and start-up to the window
// shown. Not a test: run build/bench/app/app_figures from the run folder.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QTest>
#include <unistd.h>

#include "app/main_window.h"
#include "media/media_players.h"

namespace {

using Clock = std::chrono::steady_clock;

// Seconds since boot at which this process started.
double ProcessStartSeconds() {
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), {});
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  for (int i = 3; i <= 22; ++i) fields >> field;  // field 22: start time in clock ticks
  return std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double UptimeSeconds() {
  std::ifstream uptime("/proc/uptime");
  double seconds = 0;
  uptime >> seconds;
  return seconds;
}

struct Silent : trimbol::app::MessageBoxes {
  void ShowMessage(QWidget*, const QString&) override {}
  void ShowError(QWidget*, const QString&) override {}
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  trimbol::media::MediaPlayers media;
  Silent boxes;
  trimbol::app::MainWindow form(media, &boxes);
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;
  std::printf("start to window shown: %.0f ms (clock tick resolution)\n",
              (UptimeSeconds() - ProcessStartSeconds()) * 1000);

  trimbol::Board board{};
  for (int i = 0; i < trimbol::kCells; ++i) board[i] = static_cast<trimbol::PieceCode>(i % 5);
  constexpr int kDraws = 2000;
  auto start = Clock::now();
  for (int i = 0; i < kDraws; ++i) form.surface().DrawBoard(board);
  const double drawUs = std::chrono::duration<double, std::micro>(Clock::now() - start).count() / kDraws;
  start = Clock::now();
  for (int i = 0; i < 200; ++i) form.repaint();
  const double paintUs = std::chrono::duration<double, std::micro>(Clock::now() - start).count() / 200;
  std::printf("DrawBoard: %.1f us; a full repaint of the window: %.1f us\n", drawUs, paintUs);

  form.game().FullAutomation();
  std::vector<double> clicks;
  int moves = 0;
  for (int game = 0; game < 200; ++game) {
    form.game().StartNewGame();
    start = Clock::now();
    form.game().Clicked();
    clicks.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    const auto& cells = form.game().state().board;
    moves += static_cast<int>(std::count_if(cells.begin(), cells.end(), [](auto c) { return c != 0; }));
  }
  std::printf("all-On click (whole game, its redraws, autostart): median %.3f ms, max %.3f ms "
              "over %zu clicks\n", Median(clicks), *std::max_element(clicks.begin(), clicks.end()),
              clicks.size());
  return moves > 0 ? 0 : 1;
}
