// Draws the chips, the dealer button and the icon into the build tree, for the
// build to embed, and the icons the desktop installs.
//
//   make_art <art directory> <icon theme directory>
//
// The icon theme directory receives hicolor/<n>x<n>/apps/tarvix.png.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdio>

#include "drawing.h"

namespace {

bool save(const QImage& image, const QString& path) {
  if (image.save(path, "PNG")) return true;
  std::fprintf(stderr, "make_art: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Drawing needs no screen; the build runs without one.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_art <art directory> <icon theme directory>\n");
    return 2;
  }
  const QDir art_dir(QString::fromLocal8Bit(argv[1]));
  const QDir icon_dir(QString::fromLocal8Bit(argv[2]));
  if (!QDir().mkpath(art_dir.path())) return 1;

  using namespace tarvix::art;
  bool written = save(draw_chip(Chip::red), art_dir.filePath("chip_red.png"));
  written = save(draw_chip(Chip::blue), art_dir.filePath("chip_blue.png")) && written;
  written = save(draw_chip(Chip::green), art_dir.filePath("chip_green.png")) && written;
  written = save(draw_chip(Chip::black), art_dir.filePath("chip_black.png")) && written;
  written = save(draw_dealer_button(), art_dir.filePath("dealer.png")) && written;
  written = save(draw_icon(256), art_dir.filePath("icon.png")) && written;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    const QString folder = QString("hicolor/%1x%1/apps").arg(size);
    if (!QDir().mkpath(icon_dir.filePath(folder))) return 1;
    written = save(draw_icon(size), icon_dir.filePath(folder + "/tarvix.png")) && written;
  }
  return written ? 0 : 1;
}
