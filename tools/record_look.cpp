// The record window over a record of made-up tournaments, for a person or a
// screen reader to look at. Usage:
//   tarvix_record_look FOLDER   saves record_smallest.png and record_default.png
//   tarvix_record_look --show   keeps the window open (the screen-reader check)
// Twice the density: QT_SCALE_FACTOR=2 tarvix_record_look FOLDER.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdio>

#include "store/store.h"
#include "windows/record_window.h"

namespace {

using tarvix::store::Outcome;

// Places, oldest first: 0 abandoned, 1 won.
constexpr int places[] = {812, 455, 0, 97, 240, 31, 0, 12, 3, 64, 1, 5};
constexpr int hands_per_place_step = 2;

void fill(tarvix::store::Store& store) {
  int n = 0;
  for (const int place : places) {
    ++n;
    const auto id = store.begin(tarvix::store::Start{
        4183775u + static_cast<std::uint64_t>(n) * 7919u,
        tarvix::Settings{n % 3 == 0 ? "<i>riverbelle</i> & co" : "Ann", 0, 0x8000}, 0,
        "2026-12-0" + std::to_string(1 + n % 8) + " 2" + std::to_string(n % 4) + ":15"});
    const int hands = 40 + (1000 - (place == 0 ? 900 : place)) / hands_per_place_step;
    for (int hand = 1; hand <= 3; ++hand)
      store.hand_log(id, hand,
                     "Hand " + std::to_string(hand) + "\n  Ann calls 20\n  Ann wins 140\n");
    tarvix::store::Progress p;
    p.hands_played = hands;
    p.played_ms = static_cast<std::int64_t>(hands) * 65'000;
    p.biggest_win = 40L * hands;
    p.best_hand = place % 2 == 0 ? "FullHouse 7" : "Two Kind Q";
    store.close(id,
                place == 0   ? Outcome::abandoned
                : place == 1 ? Outcome::won
                             : Outcome::knocked_out,
                place == 0 ? std::nullopt : std::optional(place), 1000, p);
    if (n % 4 == 0) store.resumed(id);
  }
  store.begin(tarvix::store::Start{99, tarvix::Settings{"Ann", 0, 0x8000}, 0, {}});
}

bool save(QWidget& window, const QString& path) {
  QApplication::processEvents();
  const bool ok = window.grab().save(path);
  std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString where = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("--show");
  QTemporaryDir folder;
  auto opened = tarvix::store::Store::open(folder.filePath("tarvix.sqlite").toStdString());
  if (!opened.store) {
    std::fprintf(stderr, "%s\n", opened.notice.c_str());
    return 1;
  }
  fill(*opened.store);
  tarvix::windows::RecordWindow window(*opened.store);
  window.show();
  window.activateWindow();
  if (where == QStringLiteral("--show")) {
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    return QApplication::exec();
  }
  QDir().mkpath(where);
  bool ok = true;
  window.list()->setCurrentItem(window.list()->topLevelItem(2));
  window.resize(window.minimumSize());
  ok &= save(window, where + QStringLiteral("/record_smallest.png"));
  window.resize(tarvix::windows::RecordWindow::default_size);
  ok &= save(window, where + QStringLiteral("/record_default.png"));
  return ok ? 0 : 1;
}
