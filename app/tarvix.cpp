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
  QApplication::setApplicationVersion(QStringLiteral("1.0"));
  QGuiApplication::setDesktopFileName(QStringLiteral("tarvix"));
  // The windows give way to one another; only the game's end quits.
  QApplication::setQuitOnLastWindowClosed(false);

  // TARVIX_SPEED runs the game's clock faster than real time (soaks, demos).
  const double speed = qEnvironmentVariableIsSet("TARVIX_SPEED")
                           ? qEnvironmentVariable("TARVIX_SPEED").toDouble()
                           : 1.0;
  tarvix::windows::GameHost host(speed > 0 ? speed : 1.0);
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
