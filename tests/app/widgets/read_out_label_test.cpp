// A read-out against a plain label in the same place, on a frame whose title runs beneath it
// and whose slider reaches under its lower edge: after each change, the window buffers of the
// two show the same pixels.
#include "widgets/read_out_label.h"

#include <QApplication>
#include <QGroupBox>
#include <QScreen>
#include <QSlider>
#include <QTest>

#include <functional>

using namespace quarnel;

namespace {

struct Panel {
  explicit Panel(bool readOut) {
    frame = new QGroupBox("A title that runs on under the number", &window);
    frame->setGeometry(4, 4, 150, 60);
    slider = new QSlider(Qt::Horizontal, frame);
    slider->setGeometry(8, 20, 135, 18);
    label = readOut ? new ReadOutLabel("127", frame) : new QLabel("127", frame);
    label->setGeometry(100, 8, 43, 18);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    window.resize(160, 70);
    window.show();
  }
  // What the window's buffer holds, as the screen shows it: not painted again for the look.
  QImage shown() { return window.screen()->grabWindow(window.winId()).toImage(); }

  QWidget window;
  QGroupBox *frame;
  QSlider *slider;
  QLabel *label;
};

} // namespace

class ReadOutLabelTest : public QObject {
  Q_OBJECT

private slots:
  void showsWhatAPlainLabelShowsAfterEachChange();
};

void ReadOutLabelTest::showsWhatAPlainLabelShowsAfterEachChange() {
  Panel plain(false), readOut(true);
  QVERIFY(QTest::qWaitForWindowExposed(&plain.window) && QTest::qWaitForWindowExposed(&readOut.window));
  const struct {
    const char *change;
    std::function<void(Panel &)> make;
  } changes[] = {
      {"shown", [](Panel &) {}},
      {"a new number", [](Panel &p) { p.label->setText("84"); }},
      {"the title beneath", [](Panel &p) { p.frame->setTitle("Another title, long enough to run under it"); }},
      {"the slider beneath", [](Panel &p) { p.slider->setValue(95); }},
      {"the number again", [](Panel &p) { p.label->setText("212"); }},
      {"the frame disabled", [](Panel &p) { p.frame->setEnabled(false); }},
  };
  for (const auto &change : changes) {
    change.make(plain);
    change.make(readOut);
    // Twice: a paint may ask for another, which waits for the next turn of the event loop.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QVERIFY2(readOut.shown() == plain.shown(), change.change);
  }
}

QTEST_MAIN(ReadOutLabelTest)
#include "read_out_label_test.moc"
