// The yardstick of the game's start-up: a bare Qt 6 window holding one label,
// started the way the game starts its splash (the application, the window
// shown, the event loop drawing its first frame). tools/footprint times both.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label(QStringLiteral("A bare Qt 6 window"));
  label.setWindowTitle(QStringLiteral("bare Qt window"));
  label.setAlignment(Qt::AlignCenter);
  label.show();
  return QApplication::exec();
}
