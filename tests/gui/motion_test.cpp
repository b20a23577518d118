// The table window's animations, on their own clock.
#include "windows/motion.h"

#include <gtest/gtest.h>

namespace tarvix::windows {
namespace {

TEST(ChipSlide, ChipGoesFromThePotToThePileAndIsGoneAfterTheSlide) {
  Motion m;
  m.chip_moved(60, {1000, 2000}, {3000, 6000}, 100);
  auto at = m.chips(100);
  ASSERT_EQ(at.size(), 1u);
  EXPECT_EQ(at[0].index, 60);
  EXPECT_DOUBLE_EQ(at[0].at.x, 1000);
  EXPECT_DOUBLE_EQ(at[0].at.y, 2000);

  at = m.chips(100 + Motion::chip_flight / 2);
  ASSERT_EQ(at.size(), 1u);
  EXPECT_GT(at[0].at.x, 2000);  // eased: past half way at half time
  EXPECT_LT(at[0].at.x, 3000);
  EXPECT_TRUE(m.active(100 + Motion::chip_flight - 1));

  EXPECT_TRUE(m.chips(100 + Motion::chip_flight).empty());
  EXPECT_FALSE(m.active(100 + Motion::chip_flight));
}

TEST(ChipSlide, APotLeavesOneChipAfterAnotherWithinTheWholeSlide) {
  Motion m;
  for (int i = 60; i <= 90; ++i) m.chip_moved(i, {0, 0}, {1000, 0}, 0);
  // Halfway through the first chip's flight the last one still waits.
  const auto early = m.chips(Motion::chip_flight / 2);
  ASSERT_EQ(early.size(), 31u);
  EXPECT_GT(early.front().at.x, 0);
  EXPECT_DOUBLE_EQ(early.back().at.x, 0);
  EXPECT_TRUE(m.active(Motion::chips_total - 1));
  EXPECT_FALSE(m.active(Motion::chips_total));
}

TEST(ChipSlide, AMoveLaterStartsANewBurstAndARepeatedMoveGoesOnFromWhereTheChipIs) {
  Motion m;
  m.chip_moved(60, {0, 0}, {1000, 0}, 0);
  m.chip_moved(60, {1000, 0}, {1000, 1000}, Motion::chip_flight / 2);
  const auto at = m.chips(Motion::chip_flight / 2);
  ASSERT_EQ(at.size(), 1u);
  EXPECT_GT(at[0].at.x, 0);  // from the drawn place, not from the old target
  EXPECT_LT(at[0].at.x, 1000);

  Motion later;
  later.chip_moved(60, {0, 0}, {1000, 0}, 0);
  later.chip_moved(61, {0, 0}, {1000, 0}, 5000);
  const auto second = later.chips(5000);
  ASSERT_EQ(second.size(), 1u);
  EXPECT_EQ(second[0].index, 61);
}

TEST(CardFlip, BackToFaceTurnsOverShowingTheBackThenTheFace) {
  Motion m;
  m.picture_changed(9, 54, 17, 1000);
  const auto start = m.flip(9, 1000);
  ASSERT_TRUE(start);
  EXPECT_EQ(start->cell, 54);
  EXPECT_NEAR(start->width, 1.0, 1e-9);
  const auto edge = m.flip(9, 1000 + Motion::flip_time / 2 - 5);
  ASSERT_TRUE(edge);
  EXPECT_EQ(edge->cell, 54);
  EXPECT_LT(edge->width, 0.15);
  const auto opening = m.flip(9, 1000 + Motion::flip_time * 3 / 4);
  ASSERT_TRUE(opening);
  EXPECT_EQ(opening->cell, 17);
  EXPECT_GT(opening->width, 0.5);
  EXPECT_FALSE(m.flip(9, 1000 + Motion::flip_time));
  EXPECT_FALSE(m.flip(10, 1000));
}

TEST(CardFlip, OnlyABackTurningIntoAFaceFlips) {
  Motion m;
  m.picture_changed(1, 17, 18, 0);  // a new face
  m.picture_changed(2, 17, 0, 0);   // face down again
  m.picture_changed(3, 0, 53, 0);   // another back
  m.picture_changed(4, -1, 17, 0);  // never shown before
  for (int slot = 1; slot <= 4; ++slot) EXPECT_FALSE(m.flipping(slot, 10)) << slot;
  EXPECT_FALSE(m.active(10));
}

TEST(Motion, SwitchedOffNothingMoves) {
  Motion m;
  m.set_enabled(false);
  m.chip_moved(60, {0, 0}, {1000, 0}, 0);
  m.picture_changed(1, 0, 17, 0);
  EXPECT_TRUE(m.chips(10).empty());
  EXPECT_FALSE(m.flipping(1, 10));
  EXPECT_FALSE(m.active(0));
}

}  // namespace
}  // namespace tarvix::windows
