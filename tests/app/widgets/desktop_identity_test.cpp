// The application's window icon, the servo horn built into the program, drawn at the sizes a
// desktop asks for (this fails without Qt's SVG plugins), and the desktop entry it names.
#include "widgets/desktop_identity.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QTest>

class DesktopIdentityTest : public QObject {
  Q_OBJECT

private slots:
  void theIconIsDrawnAtEverySize_data();
  void theIconIsDrawnAtEverySize();
};

void DesktopIdentityTest::theIconIsDrawnAtEverySize_data() {
  QTest::addColumn<int>("size");
  for (int size : {16, 48, 256}) QTest::addRow("%d px", size) << size;
}

void DesktopIdentityTest::theIconIsDrawnAtEverySize() {
  QFETCH(int, size);
  quarnel::presentToDesktop();
  QCOMPARE(QGuiApplication::desktopFileName(), QString("quarnel"));
  const QImage image = QApplication::windowIcon().pixmap(size).toImage();
  QCOMPARE(image.size(), QSize(size, size));
  // The servo fills the middle and leaves the corners clear.
  QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
  QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
}

QTEST_MAIN(DesktopIdentityTest)
#include "desktop_identity_test.moc"
