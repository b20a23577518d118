#include "windows/program.h"

#include <QGuiApplication>
#include <QScreen>

#include "store/store.h"
#include "windows/game_host.h"
#include "windows/heap.h"
#include "windows/player_store.h"
#include "windows/record_text.h"
#include "windows/record_window.h"
#include "windows/settings_window.h"
#include "windows/splash_window.h"
#include "windows/table_window.h"
#include "windows/tournament_number.h"

namespace tarvix::windows {

Program::Program(GameHost& host, QObject* parent)
    : QObject(parent), host_(host), splash_(std::make_unique<SplashWindow>()) {
  connect(splash_.get(), &SplashWindow::finished, this, &Program::open_settings);
  connect(&host_, &GameHost::finished, this, &Program::end);
}

Program::~Program() = default;

void Program::start(bool splash) {
  if (splash)
    splash_->open();
  else
    open_settings();
}

template <typename Window>
void Program::let_go(std::unique_ptr<Window>& window) {
  window->hide();
  QMetaObject::invokeMethod(
      this,
      [gone = std::move(window)]() mutable {
        gone.reset();
        heap::give_back();
      },
      Qt::QueuedConnection);
}

void Program::open_settings() {
  if (ended_ || settings_) return;
  let_go(splash_);
  settings_ = std::make_unique<SettingsWindow>();
  connect(settings_.get(), &SettingsWindow::ok, this, &Program::open_table);
  connect(settings_.get(), &SettingsWindow::resume, this, &Program::resume_table);
  settings_->tell(notice_);
  if (player_store_) {
    if (const QString notice = player_store_->take_notice(); !notice.isEmpty())
      settings_->tell(notice);
    store_ = player_store_->get();
  }
  if (store_) {
    settings_->fill(store_->choices());
    kept_ = store_->kept();
    if (kept_)
      settings_->offer_resume(
          QStringLiteral("Resume tournament %1: hand %2, %3 players left, "
                         "your stack %4")
              .arg(QString::fromStdString(number_text(kept_->start.number)))
              .arg(kept_->progress.hand)
              .arg(QString::fromStdString(number_text(kept_->progress.players_left)))
              .arg(QString::fromStdString(number_text(kept_->progress.stack))));
  }
  connect(settings_.get(), &SettingsWindow::exit_requested, this, &Program::end);
  connect(settings_.get(), &SettingsWindow::record_requested, this, &Program::open_record);
  settings_->adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    settings_->move(screen->availableGeometry().center() - settings_->rect().center());
  settings_->show();
  settings_->activateWindow();
}

void Program::make_table() {
  table_ = std::make_unique<TableWindow>(host_);
  connect(table_.get(), &TableWindow::record_requested, this, &Program::open_record);
  if (store_) table_->set_comparison([this] { return comparison_line(store_->tournaments()); });
  connect(table_.get(), &TableWindow::play_again, this, [this] { emit play_again({}); });
  connect(table_.get(), &TableWindow::close_now, this, &Program::end);
  connect(table_.get(), &TableWindow::choices_changed, this, [this] {
    if (store::Store* store = store_)
      for (const auto& [key, value] :
           SettingsWindow::remembered_at_table(table_->speed(), table_->sound()->on()))
        store->remember(key, value);
  });
  table_->set_room(settings_->room());
  table_->set_speed(settings_->speed());
  SoundChoice sound = settings_->sound();
  sound.on = sound.on && !silent_;
  table_->set_sound(sound);
  table_->open();
  if (store::Store* store = store_)
    for (const auto& [key, value] : settings_->remembered()) store->remember(key, value);
}

void Program::open_table() {
  if (ended_ || table_) return;
  make_table();
  store::Store* store = store_;
  host_.start(settings_->settings(), settings_->number().value_or(new_number()), store);
  let_go(settings_);
}

void Program::open_record() {
  if (ended_ || !store_) return;
  if (record_)
    record_->reload();
  else
    record_ = std::make_unique<RecordWindow>(*store_);
  record_->show();
  record_->raise();
  record_->activateWindow();
}

void Program::resume_table() {
  store::Store* store = store_;
  if (ended_ || table_ || !kept_ || !store) return;
  make_table();
  const auto resumed = host_.resume(*kept_, *store);
  let_go(settings_);
  if (resumed.ok) return;
  // The game part-way through a replay that went astray is not shown.
  table_->hide();
  emit play_again(QStringLiteral("Tournament %1 could not be taken up again: from hand %2 this "
                                 "version of the game deals it differently. It stays in your "
                                 "record as abandoned; Ok begins a new tournament.")
                      .arg(QString::fromStdString(number_text(kept_->start.number)))
                      .arg(resumed.diverged_at));
}

void Program::end() {
  if (ended_) return;
  ended_ = true;
  if (record_) record_->hide();
  if (splash_) splash_->hide();
  if (settings_) settings_->hide();
  if (table_) table_->hide();
  emit finished();
}

}  // namespace tarvix::windows
