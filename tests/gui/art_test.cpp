// The embedded pictures: the card sheet's layout and the other pictures' sizes.
#include "art.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>
#include <algorithm>
#include <set>
#include <vector>

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

// The top-left corner index (rank and suit) of a cell, in sheet pixels.
QRect index_area(int cell) {
  const QRect rect = cell_rect(cell);
  return {rect.left() + sheet_scale, rect.top() + sheet_scale, 11 * sheet_scale, 26 * sheet_scale};
}

class CardSheet : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { sheet_ = new QImage(load(cards_path)); }
  static void TearDownTestSuite() { delete sheet_; }
  static const QImage& sheet() { return *sheet_; }

 private:
  static inline QImage* sheet_ = nullptr;
};

TEST_F(CardSheet, KeepsTheClassicLayoutAtSixTimesItsSize) {
  ASSERT_FALSE(sheet().isNull());
  EXPECT_EQ(sheet().size(), QSize(722 * 6, 226 * 6));
  EXPECT_EQ(cell_rect(0), QRect(0, 0, 240, 336));
  EXPECT_EQ(cell_rect(17), QRect(17 * 240, 0, 240, 336));
  EXPECT_EQ(cell_rect(18), QRect(0, 336, 240, 336));
  EXPECT_EQ(cell_rect(71), QRect(17 * 240, 3 * 336, 240, 336));
  EXPECT_TRUE(cell_rect(-1).isEmpty());
  EXPECT_TRUE(cell_rect(72).isEmpty());
}

TEST_F(CardSheet, EveryFaceAndBackIsACardWithInk) {
  for (int cell = 0; cell <= 55; ++cell) {
    const Census census = count(sheet(), cell_rect(cell));
    // A whole card apart from its rounded corners.
    EXPECT_GT(census.opaque, census.pixels * 95 / 100) << "cell " << cell;
    EXPECT_GT(census.transparent, 0) << "cell " << cell << " has square corners";
    EXPECT_GT(census.coloured, census.pixels / 20) << "cell " << cell << " is blank";
  }
}

TEST_F(CardSheet, UnusedCellsAndTheMarginAreEmpty) {
  for (int cell = 56; cell < sheet_cells; ++cell) {
    const Census census = count(sheet(), cell_rect(cell));
    EXPECT_EQ(census.transparent, census.pixels) << "cell " << cell;
  }
  const int columns_end = sheet_columns * cell_width * sheet_scale;
  const int rows_end = sheet_rows * cell_height * sheet_scale;
  const Census right =
      count(sheet(), QRect(columns_end, 0, sheet().width() - columns_end, sheet().height()));
  const Census bottom =
      count(sheet(), QRect(0, rows_end, sheet().width(), sheet().height() - rows_end));
  EXPECT_EQ(right.transparent, right.pixels);
  EXPECT_EQ(bottom.transparent, bottom.pixels);
}

TEST_F(CardSheet, EveryCellShowsSomethingOfItsOwn) {
  std::set<QByteArray> seen;
  for (int cell = 0; cell <= 55; ++cell) {
    const QImage picture = sheet().copy(cell_rect(cell));
    seen.insert(QByteArray(reinterpret_cast<const char*>(picture.constBits()),
                           static_cast<int>(picture.sizeInBytes())));
  }
  EXPECT_EQ(seen.size(), 56u);
}

TEST_F(CardSheet, TheFourBacksHaveDistinctColours) {
  std::vector<QColor> means;
  for (const int cell : back_cells) {
    const QImage picture =
        sheet().copy(cell_rect(cell)).scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    means.push_back(QColor::fromRgba(picture.pixel(0, 0)));
  }
  for (std::size_t a = 0; a < means.size(); ++a) {
    for (std::size_t b = a + 1; b < means.size(); ++b) {
      const int distance = std::abs(means[a].red() - means[b].red()) +
                           std::abs(means[a].green() - means[b].green()) +
                           std::abs(means[a].blue() - means[b].blue());
      EXPECT_GT(distance, 60) << "backs " << a << " and " << b << " look alike";
    }
  }
}

TEST_F(CardSheet, HeartsAndDiamondsAreRedClubsAndSpadesBlack) {
  for (int card = 1; card <= 52; ++card) {
    const int suit = (card - 1) % 4;
    const bool red_suit = suit == 1 || suit == 2;
    const Census index = count(sheet(), index_area(card));
    if (red_suit) {
      EXPECT_GT(index.red, index.pixels / 20) << "card " << card;
      EXPECT_EQ(index.dark, 0) << "card " << card;
    } else {
      EXPECT_GT(index.dark, index.pixels / 20) << "card " << card;
      EXPECT_EQ(index.red, 0) << "card " << card;
    }
  }
}

TEST(Pictures, RoomsAreOpaqueAndFullSize) {
  for (const char* path : {room102_path, room103_path, room104_path, room_default_path}) {
    const QImage room = load(path);
    ASSERT_FALSE(room.isNull()) << path;
    EXPECT_EQ(room.size(), QSize(2048, 1536)) << path;
    EXPECT_EQ(count(room, room.rect()).opaque, 2048 * 1536) << path;
  }
}

TEST(Pictures, ChipsAndTheDealerButtonAreRoundTokens) {
  for (const char* path :
       {chip_red_path, chip_blue_path, chip_green_path, chip_black_path, dealer_path}) {
    const QImage token = load(path);
    ASSERT_FALSE(token.isNull()) << path;
    EXPECT_EQ(token.size(), QSize(128, 128)) << path;
    EXPECT_EQ(qAlpha(token.pixel(1, 1)), 0) << path << " has a square corner";
    EXPECT_EQ(qAlpha(token.pixel(64, 64)), 255) << path << " has a hole";
  }
  const QImage red = load(chip_red_path);
  EXPECT_GT(count(red, red.rect()).red, 128 * 128 / 5);
}

TEST(Pictures, IconIsSquareWithTransparentSurround) {
  const QImage icon = load(icon_path);
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.size(), QSize(256, 256));
  EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
  EXPECT_GT(count(icon, icon.rect()).opaque, 256 * 256 / 3);
}

}  // namespace
