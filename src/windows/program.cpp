#include "windows/program.h"

#include <QGuiApplication>
#include <QScreen>

#include "windows/game_host.h"
#include "windows/settings_window.h"
#include "windows/splash_window.h"
#include "windows/table_window.h"

namespace tarvix::windows {

Program::Program(GameHost& host, QObject* parent)
    : QObject(parent),
      host_(host),
      splash_(std::make_unique<SplashWindow>()),
      settings_(std::make_unique<SettingsWindow>()) {
  connect(splash_.get(), &SplashWindow::finished, this, &Program::open_settings);
  connect(settings_.get(), &SettingsWindow::ok, this, &Program::open_table);
  connect(settings_.get(), &SettingsWindow::exit_requested, this, &Program::end);
  // A room picked while the table is open shows at once; before that the
  // table takes it when it opens.
  connect(settings_.get(), &SettingsWindow::room_chosen, this, [this](int resource) {
    if (table_) table_->set_room(resource);
  });
  connect(&host_, &GameHost::finished, this, &Program::end);
}

Program::~Program() = default;

void Program::start() { splash_->open(); }

void Program::open_settings() {
  if (ended_) return;
  settings_->adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    settings_->move(screen->availableGeometry().center() - settings_->rect().center());
  settings_->show();
  settings_->activateWindow();
}

void Program::open_table() {
  if (ended_ || table_) return;
  table_ = std::make_unique<TableWindow>(host_);
  table_->set_room(settings_->room());
  table_->set_speed(settings_->speed());
  table_->open();
  host_.start(settings_->settings());
  settings_->hide();
}

void Program::end() {
  if (ended_) return;
  ended_ = true;
  splash_->hide();
  settings_->hide();
  if (table_) table_->hide();
  emit finished();
}

}  // namespace tarvix::windows
