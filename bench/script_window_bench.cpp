// Measures the script window's grid on a long script: opening a 10,000- and a 100,000-line file,
// deleting a line, renaming the node named on every fifth line and clearing, each timed until
// the grid has painted it. Beside each figure, in the same run, the same work on a grid of one
// item per cell that follows every change report as it comes and is given an opened file one
// placed line at a time. Real widgets on the offscreen platform. Prints figures, asserts nothing.
#include "big_script.h"
#include "motion/motion_model.h"
#include "script/script_file.h"
#include "script/script_runner.h"
#include "script/script_file_access.h"
#include "script_window/script_window.h"
#include "sound/silent_player.h"
#include "scripted_ui_services.h"
#include "timed_runs.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <functional>
#include <vector>

using namespace quarnel;

namespace {

constexpr int windowHeight = 443;

// One way of showing the script: the work a user asks of it, each ending when the grid shows it.
class Grid {
public:
  virtual ~Grid() = default;
  virtual void open(const std::string &path) = 0;
  virtual void deleteLine() = 0;
  virtual void clear() = 0;
  virtual QWidget &widget() = 0;
  ScriptModel &script() { return m_script; }

  void rename(const std::string &to) {
    Node node = m_script.nodes().node(bench::busiestNodeIndex);
    node.name = to;
    m_script.replaceNode(bench::busiestNodeIndex, std::move(node));
    renamed();
  }
  void show() {
    QApplication::processEvents();
    widget().repaint();
  }

protected:
  virtual void renamed() {}

  ServoConfiguration m_config;
  ScriptedUiServices m_ui;
  ScriptModel m_script{m_config, {m_ui, "Quarnel"}};
  DocumentFolders m_folders{"/"};
};

// The script window as it is: File > Open, the Delete and Clear buttons, the node editor's Save.
class WindowGrid : public Grid {
public:
  WindowGrid() {
    m_motion.load({});
    m_controls.setGeometry(40, 30, 372, windowHeight);
    m_window.showBeside(m_controls);
  }
  void open(const std::string &path) override {
    m_ui.answerFile(path);
    m_window.findChild<QAction *>("mnuFOpen")->trigger();
  }
  void deleteLine() override { m_window.findChild<QPushButton *>("cmbDelete")->click(); }
  void clear() override { m_window.findChild<QPushButton *>("cmbClearScript")->click(); }
  QWidget &widget() override { return *m_window.findChild<QWidget *>("grdScript"); }

private:
  void renamed() override { m_window.editFinished(); }

  MotionModel m_motion;
  SteadyClock m_clock;
  SilentPlayer m_silence{m_clock};
  ScriptRunner m_runner{m_script, m_motion, m_silence};
  AppIdentity m_identity = AppIdentity::quarnel("/nonexistent");
  ScriptEdits m_edits{m_script};
  ScriptWindow m_window{m_script, m_edits, m_runner, m_motion, m_clock, m_ui, m_identity, m_folders};
  QWidget m_controls;
};

// The grid as it was, kept here only to measure against: a QTableWidget with an item in every
// cell, each change report applied as it comes, an opened file's nodes added and its lines placed
// one by one. The file is first read as the window reads it now, and no node buttons are made:
// this side is if anything quicker than the window it stands for.
class ItemGrid : public Grid {
public:
  ItemGrid() {
    m_table.setHorizontalHeaderLabels({"Command", QString()});
    m_table.horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_table.horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table.setColumnWidth(0, 100);
    m_table.setColumnWidth(1, 13);
    m_table.verticalHeader()->hide();
    m_table.verticalHeader()->setDefaultSectionSize(m_table.fontMetrics().height() + 4);
    m_table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table.setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table.setSelectionMode(QAbstractItemView::SingleSelection);
    m_table.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_table.resize(130, windowHeight - 40);
    m_table.show();
    m_script.lines().addListener([this](const ScriptLinesChange &change) { follow(change); });
    follow({ScriptLinesChange::Reset});
  }
  void open(const std::string &path) override {
    m_ui.answerFile(path);
    openScriptFile(m_read, m_folders);
    m_script.removeCreatedNodes();
    const NodeTable &nodes = m_read.nodes();
    for (int i = 1; i < nodes.count(); ++i) m_script.createNode(nodes.node(i).name, nodeDataText(nodes.node(i)));
    const ScriptLines &read = m_read.lines();
    for (int row = 1; row < read.lastRow(); ++row) m_script.lines().placeCommand(read.text(row));
  }
  void deleteLine() override { m_script.lines().deleteLine(); }
  void clear() override { m_script.lines().clear(); }
  QWidget &widget() override { return m_table; }

private:
  void follow(const ScriptLinesChange &change) {
    const ScriptLines &lines = m_script.lines();
    switch (change.kind) {
    case ScriptLinesChange::Inserted:
      m_table.insertRow(change.row - 1);
      showRow(change.row);
      break;
    case ScriptLinesChange::Removed: m_table.removeRow(change.row - 1); break;
    case ScriptLinesChange::Changed:
    case ScriptLinesChange::Marked: showRow(change.row); break;
    case ScriptLinesChange::Reset:
      m_table.setRowCount(lines.rowCount() - 1);
      for (int row = 1; row < lines.rowCount(); ++row) showRow(row);
      break;
    default: break;
    }
  }
  void showRow(int row) {
    if (row < 1) return;
    const ScriptLines &lines = m_script.lines();
    for (int column = 0; column < 2; ++column) {
      const std::string_view text = column == 0 ? lines.text(row) : lines.marker(row);
      QTableWidgetItem *item = m_table.item(row - 1, column);
      if (!item) m_table.setItem(row - 1, column, item = new QTableWidgetItem);
      item->setText(QString::fromUtf8(text.data(), static_cast<int>(text.size())));
    }
    if (lines.markedRow() == row) m_table.scrollToItem(m_table.item(row - 1, 0));
  }

  QTableWidget m_table{0, 2};
  ScriptModel m_read{m_config, {m_ui, "Quarnel"}};
};

// The median of `runs` runs of `measured`, each after `prepare`, in milliseconds.
double median(int runs, const std::function<void()> &prepare, const std::function<void()> &measured) {
  const std::vector<double> ms = bench::timedRuns(runs, prepare, measured);
  return ms[ms.size() / 2];
}

struct Figures {
  double open, deleteLine, rename, clear;
};

// `slowRuns` for the figures that need the whole file opened again before each run.
Figures measure(Grid &grid, const std::string &path, int lines, int slowRuns) {
  constexpr int runs = 5;
  auto reopen = [&] {
    grid.open(path);
    grid.show();
  };
  Figures f{};
  f.open = median(slowRuns, [] {}, [&] { reopen(); });
  reopen();
  f.deleteLine = median(runs, [&] { grid.script().lines().select(lines / 2); grid.show(); }, [&] {
    grid.deleteLine();
    grid.show();
  });
  int renames = 0;
  f.rename = median(runs, [] {}, [&] {
    grid.rename(renames++ % 2 ? bench::nodeName(bench::busiestNodeIndex) : "Wave");
    grid.show();
  });
  f.clear = median(slowRuns, reopen, [&] {
    grid.clear();
    grid.show();
  });
  return f;
}

} // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir folder;
  std::printf("| lines | figure | one item per cell | model and view |\n|---|---|---|---|\n");
  for (const int lines : {10000, 100000}) {
    const std::string path = folder.filePath("long.tvk").toStdString();
    {
      ServoConfiguration config;
      ScriptedUiServices ui;
      ScriptModel script(config, {ui, "Quarnel"});
      bench::buildBigScript(script, lines);
      std::ofstream(path, std::ios::binary) << writeScript(script).bytes;
    }
    // Today's way takes seconds to open the longer file: fewer runs of what opens it again.
    const int slowRuns = lines > 10000 ? 1 : 3;
    Figures items, view;
    {
      ItemGrid grid;
      items = measure(grid, path, lines, slowRuns);
    }
    {
      WindowGrid grid;
      view = measure(grid, path, lines, slowRuns);
    }
    auto row = [lines](const char *what, double before, double now) {
      std::printf("| %d | %s | %.1f ms | %.1f ms |\n", lines, what, before, now);
    };
    row("open the file until the grid shows it", items.open, view.open);
    row("Delete of a line in the middle", items.deleteLine, view.deleteLine);
    row("rename of a node on every fifth line", items.rename, view.rename);
    row("Clear", items.clear, view.clear);
  }
  return 0;
}
