// The table window (`tables`): draws the screen model, scaled as a whole to
// the window, and forwards the player's clicks and keys to the game host.
// Keys: C, K, R, F play the bet panel and B goes into the amount box (all
// left to the game to accept), F9/F10 the winner label, F11 full screen;
// L the hand log, F1 the house rules guide, + and - the game speed, H the
// record window (the program opens it), M the sound. Tab reaches every
// control, Space or Enter presses it, Escape leaves the amount box. The
// table's pictures in words are the TableReader's.
// It keeps no game state of its own: what it remembers of the model is what
// it needs to animate a change (where a chip was, which picture a card
// showed), and the story it tells in words comes from the game's events.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <optional>

#include "model/game.h"
#include "windows/backdrop.h"
#include "windows/card_pictures.h"
#include "windows/card_shadow.h"
#include "windows/game_speed.h"
#include "windows/motion.h"
#include "windows/plaque.h"
#include "windows/story.h"
#include "windows/table_layout.h"
#include "windows/table_sound.h"

class QLabel;
class QLineEdit;
class QMessageBox;
class QPushButton;
class QPainter;

namespace tarvix::windows {

class GameHost;
class HandLog;
class SheetView;
class SpokenLabel;
class TableReader;

class TableWindow : public QWidget {
  Q_OBJECT

 public:
  // The table's area in the smallest window: every text stays readable.
  static constexpr QSize least_size{720, 514};

  explicit TableWindow(GameHost& host, QWidget* parent = nullptr);

  // Sizes the window to the screen, centres it and shows it.
  void open();

  // The room picture behind the table: 102, 103 or 104, or none for the
  // window's own background.
  void set_room(std::optional<int> resource);
  std::optional<int> room() const { return room_; }

  // Where a rectangle of the design (twips) is drawn in the window.
  QRectF to_view(const Rect& twips) const;
  double scale() const { return scale_; }
  // Where card slot `slot` (0..48) is drawn: larger than the design's place.
  QRectF card_place(int slot) const;

  Motion& motion() { return motion_; }
  // A slide or a flip is playing (and the frame timer runs only then).
  bool animating() const { return frames_.isActive(); }

  QPushButton* button(Element e) const;
  QLineEdit* amount_box() const { return amount_box_; }
  // The screen reader's stand-in for a painted text, or null.
  SpokenLabel* spoken(Element e) const;
  // Cards, the dealer button and the turn in words, for screen readers.
  TableReader* reader() const { return reader_; }

  void toggle_full_screen();

  // What happened at the table in words, and the texts as laid out now.
  const Story& story() const { return story_; }
  const TableSpots& spots() const { return spots_; }
  // How the table's texts are laid out at the window's present size.
  TableLayout layout() const;
  // Where the table is drawn: the window, less the log beside it.
  QRectF table_area() const;

  // The hand log beside the table. Shown in a window that is not full
  // screen, it takes the room beside the letterboxed table, and the window
  // grows by what is missing.
  HandLog* log() const { return log_; }
  bool log_shown() const { return log_shown_; }
  void show_log(bool shown);
  SheetView* guide() const { return guide_; }
  void show_guide(bool shown);
  SheetView* summary() const { return summary_; }

  GameSpeed speed() const { return speed_; }
  void set_speed(GameSpeed speed);

  // The table's sounds; M turns them off and on.
  TableSound* sound() const { return sound_; }
  void set_sound(SoundChoice choice) { sound_->set_choice(choice); }

  // "Leave the tournament?", while it is asked.
  QMessageBox* leave_question() const;

  // How the human's finish compares with the record, for the end summary
  // ("your best place yet"); empty for none.
  void set_comparison(std::function<std::string()> compare) { compare_ = std::move(compare); }

 signals:
  // H: the player asks for the record of the tournaments played.
  void record_requested();
  // The human's turn opened while the player looked elsewhere: the desktop
  // was asked to draw attention to the window.
  void turn_alerted();
  // The summary's buttons: a new tournament from the settings window, or
  // the end now.
  void play_again();
  void close_now();
  // The player set the speed or turned the sound on or off at the table.
  void choices_changed();

 protected:
  void paintEvent(class QPaintEvent*) override;
  void resizeEvent(class QResizeEvent*) override;
  void keyPressEvent(class QKeyEvent* event) override;
  void closeEvent(class QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  // The window's parts, made once.
  void make_controls();
  void make_view_buttons();
  // Pause and the summary's buttons (table_keeping.cpp).
  void make_keeping_controls();
  void toggle_pause();
  void show_paused();
  void place_keeping_controls();
  void show_summary_buttons();
  // Where the summary's lines go: the room kept for it over the table, less
  // the strip at its foot for its buttons, so that they stay in the room,
  // clear of the human's cards.
  QRectF summary_place() const;
  QSize summary_button_size() const;
  // The hand log opens with the tournament's number.
  void log_number();
  void make_spoken_labels();
  void element_changed(Element e);
  void sync_widget(Element e);
  // Sit Out while the human plays: drawn in its own colour.
  bool playing_on(Element e) const;
  void sync_spoken(Element e);
  // The spoken stand-ins of the texts as they are laid out now.
  void speak_spots();
  void heard(const GameEvent& event);
  void arrange();
  void place_widgets();
  void place_view_buttons();
  void relayout();
  TableTexts table_texts() const;
  const Spot* spot_of(Element e) const;
  bool view_key(class QKeyEvent* event);
  bool must_ask_to_leave() const;
  void ask_to_leave();
  void refused(const AmountRefused& refusal);
  // Beside the amount box: what Bet It will stake for the text typed, or
  // why it refuses it.
  void show_bet_note();
  void log_key();
  void show_summary();
  void add_comparison();
  void show_sound();
  // The player's own changes, kept for the next start.
  void choose_speed(GameSpeed speed);
  void toggle_sound();
  int log_width() const;
  void animate();
  // The places the animations cover at a moment: each chip on its way and
  // the place it lands in, each turning card with its shadow.
  QRegion moving(Motion::Millis at) const;

  QRectF view_rect(Element e) const;
  QFont font_for(double points, bool bold = false) const;
  Backdrop backdrop() const;
  void draw_cards(QPainter& painter, Motion::Millis now, const QRegion& dirty);
  void draw_chips(QPainter& painter, Motion::Millis now, const QRegion& dirty);
  // Where a chip is drawn: at rest in its place, or on its way.
  QRect chip_place(int index, std::optional<Motion::Point> on_its_way = std::nullopt) const;
  // A card slot with its shadow.
  QRect card_ground(int slot) const;
  void draw_chip(QPainter& painter, int index, const QRect& r);
  void draw_labels(QPainter& painter);
  void draw_spot(QPainter& painter, const Spot& spot, PlaquePicture& plaque);
  void draw_dealer(QPainter& painter);
  // The shade over one of the human's face-down cards.
  void mark_down(QPainter& painter, int slot, const QRectF& card) const;

  GameHost& host_;
  const Screen& screen_;
  CardPictures pictures_;
  BackdropPicture backdrop_;
  CardShadow shadow_;
  std::vector<PlaquePicture> plaques_;  // one for each of the spots' texts
  std::optional<int> room_;

  double scale_ = 1.0 / 15;
  QPointF origin_;

  std::map<Element, QPushButton*> buttons_;
  QLineEdit* amount_box_ = nullptr;
  QLabel* bet_note_ = nullptr;
  std::map<Element, SpokenLabel*> spoken_;
  TableReader* reader_ = nullptr;

  Story story_;
  TableSpots spots_;
  HandLog* log_ = nullptr;
  bool log_shown_ = false;
  int grown_by_ = 0;  // how much the window grew for the log
  SheetView* guide_ = nullptr;
  SheetView* summary_ = nullptr;
  std::vector<SheetLine> guide_lines_, summary_lines_;
  std::function<std::string()> compare_;
  QPushButton* log_button_ = nullptr;
  QPushButton* guide_button_ = nullptr;
  QPushButton* speed_button_ = nullptr;
  QPushButton* pause_button_ = nullptr;
  class QLabel* paused_label_ = nullptr;
  QPushButton* play_again_button_ = nullptr;
  QPushButton* close_button_ = nullptr;
  QPushButton* sound_button_ = nullptr;
  TableSound* sound_ = nullptr;
  GameSpeed speed_ = GameSpeed::normal;
  std::array<SpokenLabel*, seats> spoken_tags_{};
  std::array<SpokenLabel*, seats> spoken_won_{};
  SpokenLabel* spoken_pot_total_ = nullptr;
  SpokenLabel* spoken_sit_out_ = nullptr;
  QPointer<QMessageBox> leave_question_;
  // The amounts of the human's last turn, which Call and Raise show.
  std::optional<HumanTurnOpened> turn_;
  int button_seat_ = 0;  // the dealer button's seat, as last moved

  // The model as last seen, for the animations.
  struct Seen {
    bool visible = false;
    int left = 0, top = 0;
    int picture = -1;
  };
  std::array<Seen, element_count> seen_{};
  Motion motion_;
  QElapsedTimer time_;
  QTimer frames_;
  // The moment of the animations that the window shows. A frame moves it on
  // and repaints the places named for it, so that the paint draws them
  // exactly there, however late it comes.
  Motion::Millis shown_at_ = 0;
};

}  // namespace tarvix::windows
