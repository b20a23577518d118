// The guide and the summary laid out as sheets over the table: a title,
// headings, rows of a key and its value, and wrapped text, all at the
// largest size at which every line fits the sheet's room.
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "windows/table_layout.h"

namespace tarvix::windows {

namespace {

constexpr double sheet_points = 11;  // the largest a sheet's text is drawn

}  // namespace

QString SheetSpot::spoken() const {
  return value.shown() ? text.whole + QStringLiteral(": ") + value.whole : text.whole;
}

std::vector<SheetSpot> TableLayout::sheet(const std::vector<SheetLine>& lines,
                                          const QRectF& room) const {
  using Kind = SheetLine::Kind;
  std::vector<SheetSpot> spots;
  const QFont largest = font(sheet_points, false);
  for (int px = largest.pixelSize();; --px) {
    spots.clear();
    QFont text_font = base_, bold = base_, title = base_;
    text_font.setPixelSize(px);
    bold.setPixelSize(px);
    bold.setBold(true);
    title.setPixelSize(static_cast<int>(std::lround(px * 1.4)));
    title.setBold(true);
    const QFontMetricsF text_m(text_font), bold_m(bold), title_m(title);
    const double margin = text_m.height();
    const QRectF inside = room.adjusted(margin, margin * 0.6, -margin, -margin * 0.6);
    double key_w = 0;
    for (const SheetLine& l : lines)
      if (l.kind == Kind::row)
        key_w = std::max(key_w, bold_m.horizontalAdvance(QString::fromStdString(l.left)));
    const double value_left = inside.left() + key_w + text_m.height();

    bool fits = true;
    double y = inside.top();
    for (const SheetLine& l : lines) {
      const QString left = QString::fromStdString(l.left);
      SheetSpot spot;
      Spot& text = spot.text;
      text.whole = text.text = left;
      text.room = room;
      if (l.kind == Kind::heading) y += text_m.height() * 0.4;
      const QFontMetricsF& m = l.kind == Kind::title  ? title_m
                               : l.kind == Kind::text ? text_m
                                                      : bold_m;
      text.font = l.kind == Kind::title ? title : l.kind == Kind::text ? text_font : bold;
      text.look = l.kind == Kind::title  ? Look::title
                  : l.kind == Kind::text ? Look::plain
                                         : Look::key;
      double height = m.height();
      if (l.kind == Kind::text) {
        text.flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        height = m.boundingRect(QRectF(0, 0, inside.width(), 1e6), text.flags, left).height();
      } else {
        text.flags = Qt::AlignLeft | Qt::AlignVCenter;
        fits = fits && m.horizontalAdvance(left) <= inside.width();
      }
      if (l.kind == Kind::title) text.flags = Qt::AlignCenter;
      const double width = l.kind == Kind::row ? key_w : inside.width();
      text.box = text.inner = QRectF(inside.left(), y, width, height);
      if (l.kind == Kind::row) {
        Spot& value = spot.value;
        value.whole = QString::fromStdString(l.right);
        value.font = text_font;
        value.room = room;
        value.flags = Qt::AlignLeft | Qt::AlignVCenter;
        const double value_w = inside.right() - value_left;
        fits = fits && text_m.horizontalAdvance(value.whole) <= value_w;
        value.text = text_m.elidedText(value.whole, Qt::ElideRight, value_w);
        value.box = value.inner = QRectF(value_left, y, value_w, height);
      }
      y += height * 1.12;
      spots.push_back(spot);
    }
    fits = fits && y <= inside.bottom();
    if (fits || px <= least_pixels(scale_)) return spots;
  }
}

}  // namespace tarvix::windows
