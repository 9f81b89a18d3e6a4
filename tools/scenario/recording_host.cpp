// Recording host: outside effects as text.
#include "recording_host.h"

#include "engine/file_error.h"
#include "engine/tables.h"

namespace trimbol {

RecordingHost::RecordingHost(const GameState* state) : state_(state) {
  // The captions of the window's layout.
  for (auto item : ScoreItems) captions_.emplace(item, "0");
  for (const auto& items : AutoModeItems) {
    for (int i = 0; i < 3; ++i) captions_.emplace(items[i], i == 0 ? "+Выкл" : AutoModeWords[i]);
  }
  for (const auto& items : IntelligenceItems) {
    for (int i = 0; i < 3; ++i) captions_.emplace(items[i], i == 0 ? "+Нет" : IntelligenceWords[i]);
  }
}

void RecordingHost::DrawBoard(const Board& board) {
  lastDrawn_ = board;
  events_.emplace_back("draw");
}

void RecordingHost::DrawFrame(const std::string& file, int x, int y) {
  events_.push_back("frame " + file + " " + std::to_string(x) + " " + std::to_string(y));
  if (missing_.count(file)) throw FileError(file, "Cannot open file " + file);
}

void RecordingHost::Play(const char* player, const std::string& file) {
  events_.push_back(player + (" " + file));
  if (missing_.count(file)) throw FileError(file, "Couldn't open " + file);
}

void RecordingHost::ShowMessage(const std::string& text) { events_.push_back("message " + text); }

void RecordingHost::StartTimer(TimerId timer) {
  timers_[Slot(timer)] = true;
  if (timer == TimerId::Status) events_.emplace_back("timer1 start");
  if (timer == TimerId::Animation) {
    events_.push_back("anim " + std::to_string(state_ ? state_->AnimatedPiece : 0));
  }
}

void RecordingHost::StopTimer(TimerId timer) {
  timers_[Slot(timer)] = false;
  if (timer == TimerId::Status) events_.emplace_back("timer1 stop");
}

void RecordingHost::SetCaption(std::string_view item, std::string_view caption) {
  captions_[std::string(item)] = caption;
}

std::string RecordingHost::Caption(const std::string& item) const {
  auto it = captions_.find(item);
  return it == captions_.end() ? std::string() : it->second;
}

void RecordingHost::ReportError(const std::exception& error) {
  const auto* fileError = dynamic_cast<const FileError*>(&error);
  events_.push_back("error " + (fileError ? fileError->file() : std::string(error.what())));
}

}  // namespace trimbol
