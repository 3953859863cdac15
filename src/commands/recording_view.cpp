#include "commands/recording_view.h"

namespace kestal {

void RecordingView::RefreshMainWindow() {
  ++mainRefreshes_;
}

void RecordingView::RefreshTSteelArea() {
  ++tSteelRefreshes_;
}

ProblemOption RecordingView::SelectedOption() const {
  return selected_;
}

void RecordingView::SetStatusPanel(int panel, const std::string& text) {
  panels_[panel] = text;
  statusWrites_.emplace_back(panel, text);
}

std::string RecordingView::statusPanel(int panel) const {
  const auto it = panels_.find(panel);
  return it == panels_.end() ? std::string() : it->second;
}

}  // namespace kestal
