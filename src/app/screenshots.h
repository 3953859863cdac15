#pragma once

// Pictures of every window for a look at the layout: `kestal --screenshots
// DIR [FILE]` opens each window in turn, saves it as DIR/NAME.png and ends.

#include <QString>

namespace kestal {
class Platform;
}

namespace kestal::ui {
class HelpWindow;
class MainWindow;
class ResultsWindow;

// Takes the pictures; false when one could not be saved.
bool TakeScreenshots(MainWindow& main, ResultsWindow& results, HelpWindow& help,
                     const QString& folder, const QString& inputFile);

}  // namespace kestal::ui
