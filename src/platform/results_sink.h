#pragma once

// The results window as the commands see it: a quick display prepares it
// (size in twips, grid hidden, cleared, shown), prints its lines, and hides it
// again when a calculation fails.

#include <string>
#include <vector>

namespace kestal {

class ResultsSink {
 public:
  virtual ~ResultsSink() = default;

  // Sets the window's height and width (twips), hides the grid, clears the
  // text and shows the window.
  virtual void Prepare(int heightTwips, int widthTwips) = 0;
  // Prints one line below the last (the caller supplies the five leading
  // spaces); an empty string prints an empty line.
  virtual void Print(const std::string& line) = 0;
  virtual void Hide() = 0;
  // Clears the window, shows the grid with these rows instead of text, at the
  // given size (twips), and shows the window.
  virtual void ShowGrid(const std::vector<std::vector<std::string>>& rows, int heightTwips,
                        int widthTwips) = 0;
  // Clears the window and shows the grid at the given size with the rows it
  // already holds (the rebar table under a unit system that has no table). A
  // sink that keeps no grid between calls shows an empty one.
  virtual void ShowGridAsIs(int heightTwips, int widthTwips) {
    ShowGrid({}, heightTwips, widthTwips);
  }
  // Replaces the text the window shows by these lines (each with its five
  // leading spaces), leaving the window where it is and at its size.
  virtual void Rewrite(const std::vector<std::string>& lines) = 0;
  // Clears the window to one line of text that says why it shows no results,
  // broken where the window is too narrow for it.
  virtual void ShowNote(const std::string& line) { Rewrite({line}); }
  // Whether the window is shown now.
  virtual bool Showing() const = 0;
  // The window's title, which names the unit system of the numbers it shows.
  // A sink without a title ignores it.
  virtual void SetTitle(const std::string& title) { (void)title; }
};

}  // namespace kestal
