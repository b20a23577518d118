#include "windows/program.h"

#include <QGuiApplication>
#include <QScreen>

#include "store/store.h"
#include "windows/game_host.h"
#include "windows/heap.h"
#include "windows/record_text.h"
#include "windows/record_window.h"
#include "windows/settings_window.h"
#include "windows/splash_window.h"
#include "windows/table_window.h"

namespace tarvix::windows {

Program::Program(GameHost& host, QObject* parent)
    : QObject(parent), host_(host), splash_(std::make_unique<SplashWindow>()) {
  connect(splash_.get(), &SplashWindow::finished, this, &Program::open_settings);
  connect(&host_, &GameHost::finished, this, &Program::end);
}

Program::~Program() = default;

void Program::start() { splash_->open(); }

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
  connect(settings_.get(), &SettingsWindow::exit_requested, this, &Program::end);
  connect(settings_.get(), &SettingsWindow::record_requested, this, &Program::open_record);
  settings_->adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    settings_->move(screen->availableGeometry().center() - settings_->rect().center());
  settings_->show();
  settings_->activateWindow();
}

void Program::open_table() {
  if (ended_ || table_) return;
  table_ = std::make_unique<TableWindow>(host_);
  connect(table_.get(), &TableWindow::record_requested, this, &Program::open_record);
  if (store_) table_->set_comparison([this] { return comparison_line(store_->tournaments()); });
  table_->set_room(settings_->room());
  table_->set_speed(settings_->speed());
  table_->open();
  host_.start(settings_->settings());
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
