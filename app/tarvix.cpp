// The game: the splash, the settings window, then the table until the
// tournament ends for the human or Exit is pressed.
#include <QApplication>
#include <QIcon>
#include <QTimer>

#include "windows/art/art.h"
#include "windows/game_host.h"
#include "windows/program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("TARVIX"));
  QApplication::setApplicationVersion(QStringLiteral(TARVIX_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral(TARVIX_APP_ID));
  // The windows give way to one another; only the game's end quits.
  QApplication::setQuitOnLastWindowClosed(false);

  // The game runs on the machine's clock; the player sets its pace.
  tarvix::windows::GameHost host;
  tarvix::windows::Program program(host);
  QObject::connect(&program, &tarvix::windows::Program::finished, &app, &QApplication::quit);
  program.start();
  // Every window takes the application's icon, loaded once, and only after
  // the splash is on its way to the screen: the first frame does not wait.
  QTimer::singleShot(0, &app, [] {
    tarvix::art::init_resources();
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(tarvix::art::icon_path)));
  });
  return QApplication::exec();
}
