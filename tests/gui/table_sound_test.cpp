// The table's sounds through the real window: the settings window's choice,
// M at the table (shown and said), and the sounds of a hand going to the
// output only while the sound is on.
#include "windows/table_sound.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <thread>

#include "harness/gui_game.h"
#include "support/recording_output.h"
#include "windows/settings_window.h"
#include "windows/table_window.h"

namespace tarvix::testing {
namespace {

using harness::GuiGame;
using sound::Sound;

TEST(TableSound, SoundIsOnByDefaultAtAModerateVolumeInTheSettingsWindow) {
  windows::SettingsWindow settings;
  EXPECT_TRUE(settings.sound().on);
  EXPECT_GT(settings.sound().volume, 25);
  EXPECT_LT(settings.sound().volume, 75);
  auto* box = settings.findChild<QCheckBox*>(QStringLiteral("SoundOn"));
  auto* volume = settings.findChild<QSlider*>(QStringLiteral("Volume"));
  ASSERT_TRUE(box && volume);
  EXPECT_EQ(volume->accessibleName(), "Volume");
  volume->setValue(90);
  box->setChecked(false);
  EXPECT_FALSE(settings.sound().on);
  EXPECT_EQ(settings.sound().volume, 90);
  EXPECT_FALSE(volume->isEnabled()) << "no volume to set while the sound is off";
}

struct Heard {
  Sound sound;
  bool played;
};

TEST(TableSound, MTurnsTheSoundOnAndOffShownOnTheTableAndSaidAndOnlyThenHeard) {
  GuiGame game{3};
  windows::TableWindow* window = game.open_still_table();  // with the sound off
  Recording recording;
  windows::TableSound& sound = *window->sound();
  sound.use_output([&] { return std::make_unique<RecordingOutput>(recording); });
  std::vector<Heard> heard;
  QObject::connect(&sound, &windows::TableSound::cued, [&](Sound s, bool played) {
    heard.push_back({s, played});
  });
  auto* button = window->findChild<QPushButton*>(QStringLiteral("sound_button"));
  // Each announcement is a notification of its own; the newest says it.
  auto said = [window] {
    const auto notices = window->findChildren<QWidget*>(QStringLiteral("notice"));
    return notices.isEmpty() ? QString() : notices.back()->accessibleName();
  };
  ASSERT_TRUE(button);
  EXPECT_EQ(button->text(), "Sound: off");

  QTest::keyClick(window, Qt::Key_M);
  QApplication::processEvents();
  EXPECT_EQ(button->text(), "Sound: on");
  EXPECT_EQ(button->accessibleName(), "Sound: on");
  EXPECT_TRUE(said().contains("Sound: on")) << said().toStdString();

  ASSERT_TRUE(game.run_to_human_turn());
  ASSERT_FALSE(heard.empty());
  EXPECT_EQ(heard.back().sound, Sound::your_turn);
  EXPECT_TRUE(heard.back().played);
  for (int i = 0; i < 2000 && recording.energy() == 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  EXPECT_GT(recording.energy(), 0) << "the chime reached the output";

  QTest::keyClick(window, Qt::Key_M);
  QApplication::processEvents();
  EXPECT_EQ(button->text(), "Sound: off");
  EXPECT_TRUE(said().contains("Sound: off")) << said().toStdString();
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  const std::size_t written = recording.size();
  heard.clear();
  game.host.click(window->button(Command5)->isVisible() ? Command5 : Command7);
  ASSERT_FALSE(heard.empty());
  for (const Heard& h : heard) EXPECT_FALSE(h.played);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(recording.size(), written) << "nothing sounds while muted";
}

}  // namespace
}  // namespace tarvix::testing
