// The yardstick for the program's start-up: a bare Qt program that shows a main window holding
// the given number of plain widgets (labels, buttons, line edits in turn, on a few pages of a tab
// widget, as the main window spreads its controls over pages), then quits once the window has
// painted, as the program does under VUMA_QUIT_ON_FIRST_PAINT=1.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int count = argc > 1 ? std::atoi(argv[1]) : 900;
  const int pages = argc > 2 ? std::atoi(argv[2]) : 10;
  QMainWindow window;
  // Quits when the paint in progress is done, as the program does.
  struct QuitOnPaint : QObject {
    bool eventFilter(QObject* o, QEvent* e) override {
      if (e->type() == QEvent::Paint) {
        o->removeEventFilter(this);
        QTimer::singleShot(0, qApp, &QApplication::quit);
      }
      return false;
    }
  } quitOnPaint;
  window.installEventFilter(&quitOnPaint);
  auto* tabs = new QTabWidget(&window);
  window.setCentralWidget(tabs);
  window.resize(1024, 740);
  const int perPage = pages > 0 ? (count + pages - 1) / pages : count;
  QWidget* page = nullptr;
  for (int i = 0; i < count; ++i) {
    if (i % perPage == 0) {
      page = new QWidget;
      tabs->addTab(page, QStringLiteral("Page %1").arg(i / perPage + 1));
    }
    const int k = i % perPage;
    QWidget* w = nullptr;
    switch (i % 3) {
      case 0:
        w = new QLabel(QStringLiteral("Label %1").arg(i), page);
        break;
      case 1:
        w = new QPushButton(QStringLiteral("Button %1").arg(i), page);
        break;
      default:
        w = new QLineEdit(QStringLiteral("%1").arg(i), page);
        break;
    }
    w->setGeometry(8 + (k % 8) * 124, 8 + (k / 8) * 24, 120, 21);
  }
  window.show();
  return app.exec();
}
