// The game's pictures: the cards and rooms drawn at the size they are shown,
// the embedded chips, dealer button and icon.
#include "windows/art/art.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <set>

#include "windows/art/drawing.h"
#include "windows/backdrop.h"
#include "windows/card_pictures.h"
#include "windows/plaque.h"

namespace {

using namespace tarvix::art;

QImage load(const char* path) {
  init_resources();
  return QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_ARGB32);
}

struct Census {
  int opaque = 0;
  int transparent = 0;
  int dark = 0;      // ink of the black suits, rank texts and outlines
  int red = 0;       // ink of the red suits
  int coloured = 0;  // anything but the white of the card
  int pixels = 0;
};

Census count(const QImage& image, const QRect& area) {
  Census census;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb pixel = line[x];
      ++census.pixels;
      if (qAlpha(pixel) == 0) ++census.transparent;
      if (qAlpha(pixel) < 250) continue;
      ++census.opaque;
      const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
      if (r < 70 && g < 70 && b < 70) ++census.dark;
      if (r > 150 && g < 70 && b < 80) ++census.red;
      if (std::min({r, g, b}) < 200) ++census.coloured;
    }
  }
  return census;
}

// Cards are checked at six times their design size, 240 x 336 pixels.
constexpr int scale = 6;
const QSize card_size(40 * scale, 56 * scale);
// The top-left corner index (rank and suit) of a card, in pixels.
const QRect index_area(scale, scale, 11 * scale, 26 * scale);
constexpr int card_cells = 56;  // the faces 1 to 52 and the back cells

TEST(Cards, EveryCellIsACardOfItsOwnWithInkInItsSuitsColourAndNoOtherCellIsOne) {
  std::set<QByteArray> seen;
  for (int cell = 0; cell < card_cells; ++cell) {
    SCOPED_TRACE("cell " + std::to_string(cell));
    const QImage card = draw_card(cell, card_size).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(card.size(), card_size);
    const Census census = count(card, card.rect());
    // A whole card apart from its rounded corners.
    EXPECT_GT(census.opaque, census.pixels * 95 / 100);
    EXPECT_GT(census.transparent, 0) << "square corners";
    EXPECT_GT(census.coloured, census.pixels / 20) << "blank";
    seen.insert(QByteArray(reinterpret_cast<const char*>(card.constBits()),
                           static_cast<int>(card.sizeInBytes())));
    if (cell < 1 || cell > 52) continue;
    // Hearts and diamonds red, clubs and spades black.
    const int suit = (cell - 1) % 4;
    const Census index = count(card, index_area);
    EXPECT_GT(suit == 1 || suit == 2 ? index.red : index.dark, index.pixels / 20);
    EXPECT_EQ(suit == 1 || suit == 2 ? index.dark : index.red, 0);
  }
  EXPECT_EQ(seen.size(), std::size_t(card_cells));
  for (const int cell : {-1, 56, 71}) EXPECT_TRUE(draw_card(cell, card_size).isNull()) << cell;
}

TEST(Lettering, IsTheSameWhateverTextWasDrawnBefore) {
  // Qt's one face per font file once gave the cards' ranks outlines that
  // moved with the sizes the table's texts had been drawn at. Each spacing
  // is outlined anew, and one letter's outline does not depend on it.
  QImage scratch(card_size, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&scratch);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  const QPainterPath six = lettering(QStringLiteral("6"));
  for (int pixels = 9; pixels <= 21; pixels += 2) {
    font.setPixelSize(pixels);
    painter.setFont(font);
    painter.drawText(scratch.rect(), QStringLiteral("Pot 30, hand 12: 2 3 4 5 6 7 8 9 10 J Q K A"));
    EXPECT_EQ(lettering(QStringLiteral("6"), pixels), six) << "after text at " << pixels << " px";
  }
}

TEST(Pictures, AreMadeAtTheDensityOfTheScreen) {
  tarvix::windows::CardPictures pictures;
  const QPixmap card = pictures.card(1, QSize(28, 36), 2.0);
  EXPECT_EQ(card.size(), QSize(56, 72));
  EXPECT_EQ(card.devicePixelRatio(), 2.0);
  EXPECT_EQ(pictures.room(103, QSize(300, 200), 2.0).size(), QSize(600, 400));
}

TEST(Pictures, RoomsCoverAWindowOfAnyShape) {
  for (const Room room : {Room::wood, Room::carpet, Room::velvet, Room::plain}) {
    for (const QSize size : {QSize(400, 100), QSize(100, 400)}) {
      const QImage image = draw_room(room, size);
      ASSERT_EQ(image.size(), size);
      // Nothing is left of the black the picture starts from.
      const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
      EXPECT_EQ(std::count(pixels, pixels + size.width() * size.height(), qRgb(0, 0, 0)), 0)
          << int(room) << " at " << size.width() << " x " << size.height();
    }
  }
}

TEST(Pictures, ChipsTheDealerButtonAndTheIconAreSquarePicturesOfRoundShapes) {
  for (const char* path :
       {chip_red_path, chip_blue_path, chip_green_path, chip_black_path, dealer_path, icon_path}) {
    const QImage picture = load(path);
    const int side = picture.width();
    EXPECT_EQ(picture.height(), side) << path;
    EXPECT_EQ(qAlpha(picture.pixel(1, 1)), 0) << path << " has a square corner";
    EXPECT_EQ(qAlpha(picture.pixel(side / 2, side / 2)), 255) << path << " has a hole";
    EXPECT_GT(count(picture, picture.rect()).opaque, side * side / 3) << path;
  }
  const QImage red = load(chip_red_path);
  EXPECT_GT(count(red, red.rect()).red, red.width() * red.height() / 5);
}

}  // namespace

// A plaque kept as a picture must look exactly as the fill it stands for,
// at a place between device pixels too.
TEST(Pictures, KeptPlaquesLookAsIfDrawnDirectly) {
  for (const qreal ratio : {1.0, 2.0})
    for (const QRectF place : {QRectF(10, 10, 80, 24), QRectF(10.3, 11.7, 80.4, 23.5)}) {
      const tarvix::windows::Plaque plaque{place, place.height() / 3, QColor(0, 0, 0, 150)};
      QImage kept(QSize(120, 50) * ratio, QImage::Format_RGB32);
      kept.setDevicePixelRatio(ratio);
      kept.fill(QColor(0x20, 0x60, 0x20));
      QImage direct = kept;
      tarvix::windows::PlaquePicture picture;
      QPainter on_kept(&kept);
      picture.draw(on_kept, plaque, ratio);
      QPainter on_direct(&direct);
      on_direct.setRenderHint(QPainter::Antialiasing);
      on_direct.setPen(Qt::NoPen);
      on_direct.setBrush(plaque.colour);
      on_direct.drawRoundedRect(place, plaque.corner, plaque.corner);
      on_kept.end();
      on_direct.end();
      EXPECT_EQ(kept, direct) << ratio << " at " << place.x();
    }
}

// Drawn again only where its shapes changed, over the room and table it kept
// for their places, a backdrop must look exactly as one drawn whole; so must
// one whose shapes left a place where nothing was kept.
TEST(Pictures, ABackdropDrawnAgainInPlacesLooksAsIfDrawnWhole) {
  using tarvix::windows::Backdrop;
  const QColor dark(0x80, 0x80, 0x80), lit(0xff, 0xff, 0x40);
  const QRectF plate(20.5, 20, 60, 30), panel(100, 150.25, 80, 30);
  for (const qreal ratio : {1.0, 1.5, 2.0}) {
    Backdrop was;
    was.ground = {QSize(300, 200),
                  ratio,
                  102,
                  QRectF(10, 10, 280, 180),
                  0.02,
                  Backdrop::Shape{QRectF(40, 40, 220, 120), QColor(0x20, 0x70, 0x30)},
                  {plate, panel}};
    was.plates = {{plate, dark}};
    was.lights = {{QRectF(25, 25, 8, 8), dark}};
    Backdrop turned = was;  // a turn: the plate and its light lit, the panel shown
    turned.plates = {{plate, lit}};
    turned.lights = {{QRectF(27.5, 25, 8, 8), lit}};
    turned.panels = {panel};
    Backdrop strayed = turned;  // a light where no ground was kept
    strayed.lights.push_back({QRectF(200, 30, 8, 8), lit});
    for (const auto& [before, after] : {std::pair{was, turned}, std::pair{strayed, turned}}) {
      tarvix::windows::BackdropPicture stepped, whole;
      stepped.picture(before);
      EXPECT_EQ(stepped.picture(after).toImage(), whole.picture(after).toImage()) << ratio;
      EXPECT_EQ(stepped.picture(after).devicePixelRatio(), ratio);
    }
  }
}
