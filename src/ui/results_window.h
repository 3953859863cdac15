#pragma once

// The results window, frmOutput: the quick displays printed line by line in
// a fixed-pitch font, and the rebar table in its grid. The text can be
// selected, copied and scrolled; copying all of it gives the lines, each
// ending in a line break.

#include <QPlainTextEdit>
#include <QTableWidget>

#include "platform/results_sink.h"
#include "ui/window_support.h"

namespace kestal::ui {

// Window sizes are given in twips, 15 to a pixel.
inline constexpr int kTwipsPerPixel = 15;

class ResultsWindow : public ToolWindow, public ResultsSink {
 public:
  explicit ResultsWindow(QWidget* owner = nullptr);

  void Prepare(int heightTwips, int widthTwips) override;
  void Print(const std::string& line) override;
  void Hide() override;
  void ShowGrid(const std::vector<std::vector<std::string>>& rows, int heightTwips,
                int widthTwips) override;
  void ShowGridAsIs(int heightTwips, int widthTwips) override;
  void SetTitle(const std::string& title) override;
  void Rewrite(const std::vector<std::string>& lines) override;
  void ShowNote(const std::string& line) override;
  bool Showing() const override { return isVisible(); }

 private:
  // Clears the text, shows either the text or the grid, sizes the window,
  // centres it and shows it.
  void Open(bool grid, int heightTwips, int widthTwips);

  QPlainTextEdit* text_;
  QTableWidget* grid_;
};

}  // namespace kestal::ui
