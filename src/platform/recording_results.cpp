#include "platform/recording_results.h"

namespace kestal {

void RecordingResults::Clear(int heightTwips, int widthTwips) {
  height_ = heightTwips;
  width_ = widthTwips;
  lines_.clear();
  visible_ = true;
}

void RecordingResults::Prepare(int heightTwips, int widthTwips) {
  prepares_.emplace_back(heightTwips, widthTwips);
  Clear(heightTwips, widthTwips);
  gridShown_ = false;
}

void RecordingResults::Print(const std::string& line) {
  lines_.push_back(line);
  ++printCount_;
}

void RecordingResults::Rewrite(const std::vector<std::string>& lines) {
  lines_ = lines;
  printCount_ += static_cast<int>(lines.size());
  gridShown_ = false;
  visible_ = true;
}

void RecordingResults::Hide() {
  visible_ = false;
  ++hideCount_;
}

void RecordingResults::ShowGrid(const Grid& rows, int heightTwips, int widthTwips) {
  grid_ = rows;
  ShowGridAsIs(heightTwips, widthTwips);
}

void RecordingResults::ShowGridAsIs(int heightTwips, int widthTwips) {
  Clear(heightTwips, widthTwips);
  gridShown_ = true;
  ++gridShowCount_;
}

}  // namespace kestal
