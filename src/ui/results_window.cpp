#include "ui/results_window.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QMenuBar>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

namespace kestal::ui {

namespace {

// Courier New where it is installed, else the system's fixed-pitch font.
QFont ResultsFont() {
  QFont font = QFontDatabase::families().contains("Courier New")
                   ? QFont("Courier New")
                   : QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSize(8);
  return font;
}

int Pixels(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// Grid sizes of the rebar table, in twips.
constexpr int kValueColumnWidth = 1300;
constexpr int kHeadingRowHeight = 600;
constexpr int kRowHeight = 300;

// The width a heading needs on its two lines, broken at the best blank.
int HeadingWidth(const QFontMetrics& fm, const QString& heading) {
  int best = fm.horizontalAdvance(heading);
  for (int i = heading.indexOf(' '); i >= 0; i = heading.indexOf(' ', i + 1)) {
    best = std::min(best, std::max(fm.horizontalAdvance(heading.left(i)),
                                   fm.horizontalAdvance(heading.mid(i + 1))));
  }
  return best;
}

}  // namespace

ResultsWindow::ResultsWindow(QWidget* owner)
    : ToolWindow("frmOutput", "Program KESTAL Output", owner),
      text_(new QPlainTextEdit),
      grid_(new QTableWidget) {
  auto* menuBar = new QMenuBar;
  QMenu* file = menuBar->addMenu("&File");
  file->setObjectName("mnuFile");
  QAction* close = file->addAction("&Close");
  close->setObjectName("mnuClose");

  setFont(ResultsFont());
  text_->setObjectName("txtOutput");
  text_->setReadOnly(true);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFrameShape(QFrame::NoFrame);

  grid_->setObjectName("grdTable");
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->setWordWrap(true);
  grid_->hide();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setMenuBar(menuBar);
  layout->addWidget(text_);
  layout->addWidget(grid_);

  connect(close, &QAction::triggered, this, &QWidget::hide);
}

void ResultsWindow::Open(bool grid, int heightTwips, int widthTwips) {
  text_->clear();
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setVisible(!grid);
  grid_->setVisible(grid);
  resize(Pixels(widthTwips), Pixels(heightTwips));
  CentreOnScreen(this);
  show();
  raise();
  activateWindow();
  (grid ? static_cast<QWidget*>(grid_) : text_)->setFocus();
}

void ResultsWindow::Prepare(int heightTwips, int widthTwips) {
  Open(false, heightTwips, widthTwips);
}

void ResultsWindow::Print(const std::string& line) {
  QTextCursor end(text_->document());
  end.movePosition(QTextCursor::End);
  end.insertText(ToQt(line) + '\n');
  text_->moveCursor(QTextCursor::Start);
}

void ResultsWindow::ShowNote(const std::string& line) {
  Rewrite({line});
  text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void ResultsWindow::Rewrite(const std::vector<std::string>& lines) {
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QString text;
  for (const std::string& line : lines) text += ToQt(line) + '\n';
  const int scrolled = text_->verticalScrollBar()->value();
  text_->setPlainText(text);
  text_->verticalScrollBar()->setValue(scrolled);
  text_->show();
  grid_->hide();
}

void ResultsWindow::SetTitle(const std::string& title) {
  setWindowTitle(ToQt(title));
}

void ResultsWindow::Hide() {
  hide();
}

void ResultsWindow::ShowGrid(const std::vector<std::vector<std::string>>& rows, int heightTwips,
                             int widthTwips) {
  grid_->clearContents();
  grid_->setRowCount(static_cast<int>(rows.size()));
  grid_->setColumnCount(rows.empty() ? 0 : static_cast<int>(rows.front().size()));
  for (int r = 0; r < grid_->rowCount(); ++r) {
    for (int c = 0; c < grid_->columnCount(); ++c) {
      auto* cell = new QTableWidgetItem(ToQt(rows[r][c]));
      // The heading row and the bar column are the table's fixed parts.
      if (r == 0 || c == 0) {
        cell->setBackground(palette().button());
        cell->setTextAlignment(Qt::AlignCenter);
      }
      grid_->setItem(r, c, cell);
    }
  }
  ShowGridAsIs(heightTwips, widthTwips);
}

void ResultsWindow::ShowGridAsIs(int heightTwips, int widthTwips) {
  // Columns and rows take their sizes in twips, or more where the font
  // needs more room, so that no heading or value is cut off.
  const QFontMetrics fm(grid_->font());
  const int padding = fm.averageCharWidth() * 2;
  int width = 0;
  for (int c = 0; c < grid_->columnCount(); ++c) {
    int needed = 0;
    for (int r = 0; r < grid_->rowCount(); ++r) {
      const QTableWidgetItem* cell = grid_->item(r, c);
      if (cell == nullptr) continue;
      needed = std::max(
          needed,
          (r == 0 ? HeadingWidth(fm, cell->text()) : fm.horizontalAdvance(cell->text())) + padding);
    }
    grid_->setColumnWidth(c, c == 0 ? needed : std::max(needed, Pixels(kValueColumnWidth)));
    width += grid_->columnWidth(c);
  }
  int height = 0;
  for (int r = 0; r < grid_->rowCount(); ++r) {
    grid_->setRowHeight(r, std::max(r == 0 ? 2 * fm.lineSpacing() + 4 : fm.lineSpacing() + 4,
                                    Pixels(r == 0 ? kHeadingRowHeight : kRowHeight)));
    height += grid_->rowHeight(r);
  }
  grid_->setCurrentCell(-1, -1);
  const int frame = 2 * grid_->frameWidth() + 2;
  const int menu = layout()->menuBar()->sizeHint().height();
  Open(true, std::max(heightTwips, (height + frame + menu) * kTwipsPerPixel),
       std::max(widthTwips, (width + frame) * kTwipsPerPixel));
}

}  // namespace kestal::ui
