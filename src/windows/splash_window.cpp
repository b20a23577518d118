#include "windows/splash_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>

#include "windows/accessible_role.h"

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

// A label of the frame in its own colour and font. Set directly rather than
// by a style sheet, whose engine would hold back the first frame.
QLabel* frame_label(const QString& name, const QString& text, QWidget* frame, QColor colour,
                    double points, bool bold = false, double letter_spacing = 0) {
  auto* label = new QLabel(text, frame);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignCenter);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  QFont font = label->font();
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setLetterSpacing(QFont::AbsoluteSpacing, letter_spacing);
  label->setFont(font);
  // The labels are part of the frame: a click on them is a click on it.
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

}  // namespace

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmSplash"));
  setWindowTitle(QStringLiteral("TARVIX"));
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  set_accessible_role(this, QAccessible::Window);
  setAccessibleName(QStringLiteral("TARVIX"));
  setFixedSize(480, 300);
  setFocusPolicy(Qt::StrongFocus);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(10, 10, 10, 10);
  frame_ = new QFrame(this);
  frame_->setObjectName(QStringLiteral("Frame1"));
  set_accessible_role(frame_, QAccessible::Grouping);
  frame_->installEventFilter(this);
  outer->addWidget(frame_);

  auto* inner = new QVBoxLayout(frame_);
  inner->addStretch(3);
  inner->addWidget(frame_label(QStringLiteral("lblProductName"), QStringLiteral("TARVIX"), frame_,
                               QColor(0xf5, 0xd7, 0x6e), 46, true, 8));
  inner->addWidget(frame_label(QStringLiteral("lblVersion"), QStringLiteral("Version 1.0"), frame_,
                               QColor(0xe9, 0xe4, 0xd0), 12));
  inner->addStretch(4);

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

  // Frame1's border.
  painter.setPen(QPen(QColor(242, 221, 150, 180), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(frame_->geometry()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}

}  // namespace tarvix::windows
