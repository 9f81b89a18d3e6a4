// Recording host: outside effects as text.
#include "recording_host.h"

#include "engine/board_geometry.h"
#include "engine/file_error.h"

namespace trimbol {

void RecordingHost::ShowBoard(const Board& board) {
  lastShown_ = board;
  events_.emplace_back("draw");
}

void RecordingHost::ShowAnimationFrame(std::string_view file, Cell cell) {
  const geometry::Point at = geometry::CellOrigin(cell);
  events_.push_back("frame " + std::string(file) + " " + std::to_string(at.x) + " " + std::to_string(at.y));
  ThrowIfMissing(file, "Cannot open file ");
}

void RecordingHost::PlaySound(SoundPlayer player, std::string_view file) {
  static constexpr const char* kNames[] = {"music ", "effect ", "result "};
  events_.push_back(kNames[static_cast<int>(player)] + std::string(file));
  ThrowIfMissing(file, "Couldn't open ");
}

void RecordingHost::ThrowIfMissing(std::string_view file, const char* failure) const {
  if (missing_.contains(file)) throw FileError(std::string(file), failure + std::string(file));
}

void RecordingHost::AnnounceResult(std::string_view message) { events_.push_back("message " + std::string(message)); }

void RecordingHost::StartTimer(GameTimer timer) {
  timers_[Slot(timer)] = true;
  if (timer == GameTimer::kStatus) events_.emplace_back("timer1 start");
  if (timer == GameTimer::kAnimation) {
    const int side = state_ && state_->animatedSide ? state_->animatedSide->number() : 0;
    events_.push_back("anim " + std::to_string(side));
  }
}

void RecordingHost::StopTimer(GameTimer timer) {
  timers_[Slot(timer)] = false;
  if (timer == GameTimer::kStatus) events_.emplace_back("timer1 stop");
}

namespace {
std::string Coordinates(Cell cell) {
  return std::to_string(cell.layer) + " " + std::to_string(cell.column) + " " + std::to_string(cell.row);
}
}  // namespace

void RecordingHost::ShowHint(Cell cell, const HintReason& reason) {
  events_.push_back("hint " + Coordinates(cell));
  hintReasons_.push_back(reason);
}

void RecordingHost::ShowDecisiveMove(const PlacedPiece& move, int number) {
  events_.push_back("decisive " + std::to_string(number) + " " + std::to_string(move.side.number()) + " " +
                    Coordinates(move.cell));
}

void RecordingHost::ReportError(const std::exception& error) {
  const auto* fileError = dynamic_cast<const FileError*>(&error);
  events_.push_back("error " + (fileError ? fileError->file() : std::string(error.what())));
}

}  // namespace trimbol
