// The program's windows in their order: the splash, the settings window,
// then the table. Ends when the table ends the game or the settings window's
// Exit is pressed.
#pragma once

#include <QObject>
#include <memory>
#include <optional>

namespace tarvix::windows {

class GameHost;
class SplashWindow;
class SettingsWindow;
class TableWindow;

class Program : public QObject {
  Q_OBJECT

 public:
  explicit Program(GameHost& host, QObject* parent = nullptr);
  ~Program() override;

  // Opens the splash.
  void start();

  SplashWindow& splash() { return *splash_; }
  SettingsWindow& settings() { return *settings_; }
  TableWindow* table() { return table_.get(); }
  bool ended() const { return ended_; }

 signals:
  // Every window is closed; the program should quit (exit code 0).
  void finished();

 private:
  void open_settings();
  void open_table();
  void end();

  GameHost& host_;
  std::unique_ptr<SplashWindow> splash_;
  std::unique_ptr<SettingsWindow> settings_;
  std::unique_ptr<TableWindow> table_;
  bool ended_ = false;
};

}  // namespace tarvix::windows
