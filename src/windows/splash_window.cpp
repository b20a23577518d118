#include "windows/splash_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>

namespace tarvix::windows {

namespace {

// Shape1 .. Shape6: the four suits and two chips round the label.
void draw_suit(QPainter& painter, QPointF centre, double size, int suit, QColor colour) {
  QPainterPath path;
  const double r = size / 2;
  switch (suit) {
    case 0:  // club
      path.addEllipse(centre + QPointF(0, -r * 0.45), r * 0.42, r * 0.42);
      path.addEllipse(centre + QPointF(-r * 0.45, r * 0.1), r * 0.42, r * 0.42);
      path.addEllipse(centre + QPointF(r * 0.45, r * 0.1), r * 0.42, r * 0.42);
      path.addRect(QRectF(centre.x() - r * 0.09, centre.y(), r * 0.18, r * 0.9));
      break;
    case 1:  // diamond
      path.moveTo(centre + QPointF(0, -r));
      path.lineTo(centre + QPointF(r * 0.7, 0));
      path.lineTo(centre + QPointF(0, r));
      path.lineTo(centre + QPointF(-r * 0.7, 0));
      path.closeSubpath();
      break;
    case 2:  // heart
      path.moveTo(centre + QPointF(0, r * 0.9));
      path.cubicTo(centre + QPointF(-r * 1.3, -r * 0.1), centre + QPointF(-r * 0.6, -r * 1.1),
                   centre + QPointF(0, -r * 0.4));
      path.cubicTo(centre + QPointF(r * 0.6, -r * 1.1), centre + QPointF(r * 1.3, -r * 0.1),
                   centre + QPointF(0, r * 0.9));
      break;
    default:  // spade
      path.moveTo(centre + QPointF(0, -r));
      path.cubicTo(centre + QPointF(r * 1.3, -r * 0.05), centre + QPointF(r * 0.6, r * 0.9),
                   centre + QPointF(0, r * 0.35));
      path.cubicTo(centre + QPointF(-r * 0.6, r * 0.9), centre + QPointF(-r * 1.3, -r * 0.05),
                   centre + QPointF(0, -r));
      path.addRect(QRectF(centre.x() - r * 0.09, centre.y() + r * 0.2, r * 0.18, r * 0.8));
      break;
  }
  path.setFillRule(Qt::WindingFill);
  painter.fillPath(path, colour);
}

void draw_chip(QPainter& painter, QPointF centre, double r, QColor colour) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawEllipse(centre, r, r);
  painter.setPen(QPen(QColor(255, 255, 255, 220), r * 0.22, Qt::DashLine, Qt::FlatCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, r * 0.78, r * 0.78);
  painter.setPen(QPen(QColor(255, 255, 255, 200), r * 0.06));
  painter.drawEllipse(centre, r * 0.5, r * 0.5);
}

}  // namespace

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmSplash"));
  setWindowTitle(QStringLiteral("TARVIX"));
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setFixedSize(480, 300);
  setFocusPolicy(Qt::StrongFocus);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(10, 10, 10, 10);
  frame_ = new QFrame(this);
  frame_->setObjectName(QStringLiteral("Frame1"));
  frame_->setFrameShape(QFrame::Box);
  frame_->setStyleSheet(
      QStringLiteral("#Frame1 { border: 1px solid rgba(242, 221, 150, 180); border-radius: 6px;"
                     " background: transparent; }"));
  frame_->installEventFilter(this);
  outer->addWidget(frame_);

  auto* inner = new QVBoxLayout(frame_);
  inner->addStretch(3);
  auto* product = new QLabel(QStringLiteral("TARVIX"), frame_);
  product->setObjectName(QStringLiteral("lblProductName"));
  product->setAlignment(Qt::AlignCenter);
  product->setStyleSheet(
      QStringLiteral("color: #f5d76e; font-size: 46pt; font-weight: bold; letter-spacing: 8px;"));
  inner->addWidget(product);
  auto* version = new QLabel(QStringLiteral("Version 1.0"), frame_);
  version->setObjectName(QStringLiteral("lblVersion"));
  version->setAlignment(Qt::AlignCenter);
  version->setStyleSheet(QStringLiteral("color: #e9e4d0; font-size: 12pt;"));
  inner->addWidget(version);
  inner->addStretch(4);
  // The labels are part of the frame: a click on them is a click on it.
  product->setAttribute(Qt::WA_TransparentForMouseEvents);
  version->setAttribute(Qt::WA_TransparentForMouseEvents);

  timer_.setObjectName(QStringLiteral("Timer1"));
  timer_.setSingleShot(true);
  // A coarse timer may fire up to 5% early; the splash stays its full time.
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(shown_for);
  connect(&timer_, &QTimer::timeout, this, &SplashWindow::close_splash);
}

void SplashWindow::open() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
  show();
  activateWindow();
  setFocus();
  timer_.start();
}

void SplashWindow::close_splash() {
  if (closed_) return;
  closed_ = true;
  timer_.stop();
  hide();
  emit finished();
}

void SplashWindow::keyPressEvent(QKeyEvent*) { close_splash(); }

// Closed by the window manager: it gives way as if a key were pressed.
void SplashWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  close_splash();
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == frame_ && event->type() == QEvent::MouseButtonRelease) {
    close_splash();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient felt(0, 0, 0, height());
  felt.setColorAt(0, QColor(0x1d, 0x5a, 0x33));
  felt.setColorAt(1, QColor(0x0c, 0x2b, 0x18));
  painter.fillRect(rect(), felt);

  const QColor red(0xd2, 0x2b, 0x2b), ink(0x10, 0x10, 0x10), cream(0xf1, 0xea, 0xd2);
  draw_suit(painter, {70, 70}, 44, 3, cream);
  draw_suit(painter, {width() - 70.0, 70}, 44, 2, red);
  draw_suit(painter, {70, height() - 70.0}, 44, 1, red);
  draw_suit(painter, {width() - 70.0, height() - 70.0}, 44, 0, cream);
  draw_chip(painter, {width() / 2.0 - 120, height() - 58.0}, 17, red);
  draw_chip(painter, {width() / 2.0 + 120, height() - 58.0}, 17, ink);
}

}  // namespace tarvix::windows
