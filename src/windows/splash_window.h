// The splash window (`frmSplash`): the product label and version for a
// moment, then the settings window. A key, a click on the frame or 2500 ms
// end it, whichever comes first.
#pragma once

#include <QFrame>
#include <QTimer>
#include <QWidget>

namespace tarvix::windows {

class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int shown_for = 2500;  // ms

  explicit SplashWindow(QWidget* parent = nullptr);

  // Opens the splash and starts its timer.
  void open();
  bool closed() const { return closed_; }
  const QTimer& timer() const { return timer_; }

 signals:
  // The splash has given way; emitted once.
  void finished();

 protected:
  void keyPressEvent(class QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(class QPaintEvent*) override;
  void closeEvent(class QCloseEvent* event) override;

 private:
  void close_splash();

  QFrame* frame_;
  QTimer timer_;
  bool closed_ = false;
};

}  // namespace tarvix::windows
