// The grid's look, and the mouse and keys turned into moves of the script lines.
#include "script_window/script_grid_view.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

namespace quarnel {

ScriptGridView::ScriptGridView(ScriptGridModel &model, ScriptEdits &edits, QWidget *parent)
    : QTableView(parent), m_model(model), m_edits(edits) {
  setModel(&m_model);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  setEditTriggers(NoEditTriggers);
  setSelectionBehavior(SelectRows);
  setSelectionMode(SingleSelection);
  setTabKeyNavigation(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  ScriptLines &lines = m_model.lines();
  connect(this, &QAbstractItemView::clicked, this,
          [&lines](const QModelIndex &index) { lines.select(ScriptGridModel::lineOf(index)); });
  connect(this, &QAbstractItemView::doubleClicked, this, [this, &lines](const QModelIndex &index) {
    lines.select(ScriptGridModel::lineOf(index));
    insertEmptyLine();
  });
  connect(&m_model, &ScriptGridModel::markedLineShown, this, [this](const QModelIndex &index) {
    // The scroll range must already hold rows the model has just taken in.
    executeDelayedItemsLayout();
    scrollTo(index);
  });
}

void ScriptGridView::keyPressEvent(QKeyEvent *event) {
  ScriptLines &lines = m_model.lines();
  // Moves start from the marked line, where the next command goes, wherever the last click was.
  const int current = lines.currentLine();
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  switch (plain ? event->key() : 0) {
  case Qt::Key_Up: goToLine(current - 1); break;
  case Qt::Key_Down: goToLine(current + 1); break;
  case Qt::Key_PageUp: goToLine(current - pageRows()); break;
  case Qt::Key_PageDown: goToLine(current + pageRows()); break;
  case Qt::Key_Home: goToLine(1); break;
  case Qt::Key_End: goToLine(lines.lastRow()); break;
  case Qt::Key_Insert: insertEmptyLine(); break;
  case Qt::Key_Delete: m_edits.deleteLine(); break;
  default: QTableView::keyPressEvent(event); return;
  }
  event->accept();
}

// As a click on the row: it is marked, selected and current.
void ScriptGridView::goToLine(int row) {
  m_model.lines().select(row);
  selectCurrentLine();
}

// A selection left where the user clicked would stand out beside the running line; once the run
// ends, the line where it stopped is selected.
void ScriptGridView::followRun(bool running) {
  if (running == followsRun()) return;
  m_model.setRunning(running);
  if (running) clearSelection();
  else selectCurrentLine();
}

// The new empty line is the current row, not the line it pushed down.
void ScriptGridView::insertEmptyLine() {
  m_edits.insertEmptyLine();
  selectCurrentLine();
}

void ScriptGridView::selectCurrentLine() { setCurrentIndex(m_model.indexOfLine(m_model.lines().currentLine())); }

// The rows whose text is wholly in sight; the last one's grid line may fall outside.
int ScriptGridView::pageRows() const {
  const int gridLine = showGrid() ? 1 : 0;
  return std::max(1, (viewport()->height() + gridLine) / verticalHeader()->defaultSectionSize());
}

} // namespace quarnel
