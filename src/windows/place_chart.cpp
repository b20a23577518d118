#include "windows/place_chart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "windows/accessible_role.h"
#include "windows/record_text.h"
#include "windows/story.h"
#include "windows/table_style.h"

namespace tarvix::windows {

namespace {

constexpr int default_field = 1000;
constexpr int tens = 10;
constexpr double dot_radius = 4.0;
constexpr double cross_half = 4.0;
constexpr int margin = 10;

}  // namespace

PlaceChart::PlaceChart(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("place_chart"));
  set_accessible_role(this, QAccessible::Chart);
  setAccessibleName(QStringLiteral("Chart of finishing places"));
  // Tab reaches it, so that a screen reader reads the places.
  setFocusPolicy(Qt::StrongFocus);
  set_rows({});
}

void PlaceChart::set_rows(const std::vector<store::TournamentRow>& rows) {
  marks_.clear();
  field_ = default_field;
  for (auto r = rows.rbegin(); r != rows.rend(); ++r) {
    if (r->outcome == store::Outcome::kept) continue;
    const bool finished = r->place && r->outcome != store::Outcome::abandoned;
    marks_.push_back({finished ? *r->place : 0, r->outcome == store::Outcome::won});
    field_ = std::max({field_, r->field, finished ? *r->place : 0});
  }
  setAccessibleDescription(QString::fromStdString(places_in_words(rows)));
  update();
}

void PlaceChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF whole = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  painter.setPen(QPen(hasFocus() ? style::gold_text : style::gold, hasFocus() ? 2 : 1));
  painter.setBrush(style::sheet_back);
  painter.drawRoundedRect(whole, 4, 4);

  const QFontMetrics metrics(font());
  const int label_width = metrics.horizontalAdvance(QStringLiteral("1000th")) + margin;
  const int line = metrics.height();
  // The places' band, with a floor below it for the abandoned.
  const QRectF band(label_width + margin, margin + line / 2.0, width() - label_width - 2.0 * margin,
                    height() - 2.0 * margin - 2.0 * line);
  const double floor_y = band.bottom() + line;
  const double top_log = std::log10(static_cast<double>(field_));
  const auto y_of = [&](int place) {
    return band.top() + band.height() * std::log10(static_cast<double>(place)) / top_log;
  };

  painter.setFont(font());
  for (int place = 1; place <= field_; place *= tens) {
    const double y = y_of(place);
    painter.setPen(QPen(QColor(255, 255, 255, 40), 1));
    painter.drawLine(QPointF(band.left(), y), QPointF(band.right(), y));
    painter.setPen(style::cream);
    painter.drawText(QRectF(margin, y - line / 2.0, label_width - margin, line),
                     Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(ordinal(place)));
  }

  if (marks_.empty()) {
    painter.setPen(style::cream);
    painter.drawText(band, Qt::AlignCenter, QStringLiteral("No tournaments yet"));
    return;
  }
  const auto count = static_cast<double>(marks_.size());
  const auto x_of = [&](std::size_t i) {
    return count == 1 ? band.center().x()
                      : band.left() + band.width() * static_cast<double>(i) / (count - 1);
  };

  QPainterPath path;
  bool drawing = false;
  for (std::size_t i = 0; i < marks_.size(); ++i) {
    if (marks_[i].place == 0) continue;
    const QPointF at(x_of(i), y_of(marks_[i].place));
    if (drawing)
      path.lineTo(at);
    else
      path.moveTo(at);
    drawing = true;
  }
  painter.setPen(QPen(style::gold, 1.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(path);

  for (std::size_t i = 0; i < marks_.size(); ++i) {
    const Mark& mark = marks_[i];
    if (mark.place == 0) {
      const QPointF at(x_of(i), floor_y);
      painter.setPen(QPen(style::fold_text, 1.5));
      painter.drawLine(at + QPointF(-cross_half, -cross_half),
                       at + QPointF(cross_half, cross_half));
      painter.drawLine(at + QPointF(-cross_half, cross_half),
                       at + QPointF(cross_half, -cross_half));
      continue;
    }
    painter.setPen(QPen(style::sheet_back, 1));
    painter.setBrush(mark.won ? style::won_text : style::gold_text);
    painter.drawEllipse(QPointF(x_of(i), y_of(mark.place)), dot_radius, dot_radius);
  }
}

}  // namespace tarvix::windows
