#pragma once

// The code parameters window, frmStress: the code criteria and material
// constants under an explanatory drawing. A value typed here goes into the
// record at once and nothing else is recomputed.

#include <functional>

#include "model/problem.h"
#include "model/units.h"
#include "ui/window_support.h"

namespace kestal::ui {

class CodeParametersWindow : public ToolWindow {
 public:
  // `edited` runs after each value typed here.
  CodeParametersWindow(Problem& p, const ToolTips& tips, std::function<void()> edited,
                       QWidget* owner);

  // Writes the eleven boxes and their tool tips from the record.
  void Refresh();
  // Writes the four boxes of the values derived from f'c.
  void RefreshDerivedMaterials();

 private:
  Problem& p_;
  const ToolTips& tips_;
};

}  // namespace kestal::ui
