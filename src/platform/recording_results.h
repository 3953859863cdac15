#pragma once

// A results window for tests: records each preparation and its size, the
// lines printed since the last preparation, whether the window is visible and
// the grid it shows.

#include <string>
#include <utility>
#include <vector>

#include "platform/results_sink.h"

namespace kestal {

class RecordingResults : public ResultsSink {
 public:
  using Grid = std::vector<std::vector<std::string>>;

  void Prepare(int heightTwips, int widthTwips) override;
  void Print(const std::string& line) override;
  void Hide() override;
  void ShowGrid(const Grid& rows, int heightTwips, int widthTwips) override;
  void ShowGridAsIs(int heightTwips, int widthTwips) override;
  void Rewrite(const std::vector<std::string>& lines) override;
  bool Showing() const override { return visible_; }

  // Every Prepare as (height, width), in order.
  const std::vector<std::pair<int, int>>& prepares() const { return prepares_; }
  int prepareCount() const { return static_cast<int>(prepares_.size()); }
  // Size of the window now (twips), 0 x 0 before the first show.
  int height() const { return height_; }
  int width() const { return width_; }
  // Lines printed since the window was last cleared.
  const std::vector<std::string>& lines() const { return lines_; }
  // Every Print since the sink was made, across clearings.
  int printCount() const { return printCount_; }
  bool visible() const { return visible_; }
  int hideCount() const { return hideCount_; }
  bool gridShown() const { return gridShown_; }
  int gridShowCount() const { return gridShowCount_; }
  // What the grid holds: kept across text displays, replaced by ShowGrid.
  const Grid& gridRows() const { return grid_; }

 private:
  void Clear(int heightTwips, int widthTwips);

  std::vector<std::pair<int, int>> prepares_;
  int height_ = 0;
  int width_ = 0;
  std::vector<std::string> lines_;
  int printCount_ = 0;
  bool visible_ = false;
  int hideCount_ = 0;
  bool gridShown_ = false;
  int gridShowCount_ = 0;
  Grid grid_;
};

}  // namespace kestal
