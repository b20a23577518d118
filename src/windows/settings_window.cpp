#include "windows/settings_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QVBoxLayout>

#include "windows/accessible_role.h"
#include "windows/art/art.h"
#include "windows/choice_group.h"
#include "windows/choice_tile.h"
#include "windows/color.h"
#include "windows/tournament_number.h"

namespace tarvix::windows {

namespace {

const QSize room_size(136, 102);
const QSize back_size(64, 90);
const QSize swatch_size(76, 48);
const QSize speed_size(92, 30);

QLabel* heading(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setProperty("heading", true);
  return label;
}

constexpr int first_room = 102;  // the room pictures are numbered 102 .. 104
constexpr int room_count = 3;

// What each tile shows, in words.
constexpr const char* room_names[room_count] = {"Wood-panelled room", "Casino carpet room",
                                                "Velvet-curtained room"};
constexpr const char* back_names[4] = {"Red card back", "Blue card back", "Green card back",
                                       "Black and gold card back"};
constexpr const char* top_names[4] = {"Green table top", "Brown table top", "Dark blue table top",
                                      "Teal table top"};

}  // namespace

SettingsWindow::SettingsWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("settings"));
  setWindowTitle(QStringLiteral("TARVIX"));
  set_accessible_role(this, QAccessible::Dialog);
  setAccessibleName(QStringLiteral("TARVIX settings"));
  setStyleSheet(QStringLiteral(
      "#settings { background: #17321f; }"
      "QLabel { color: #f2ecd8; }"
      "QLabel[heading=\"true\"] { font-weight: bold; font-size: 11pt; padding-top: 6px; }"
      "QLineEdit { background: #fbf8ee; color: #111; border: 1px solid #8a7a4a;"
      "  border-radius: 3px; padding: 3px 6px; font-size: 11pt; }"
      "QPushButton { background: #e9dfbd; color: #1a1a1a; border: 1px solid #6b5a2a;"
      "  border-radius: 4px; padding: 5px 22px; font-size: 10pt; }"
      "QPushButton:hover { background: #f6eed2; }"
      "QPushButton:pressed { background: #d2c596; }"
      "QCheckBox { color: #f2ecd8; font-size: 10pt; }"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 12, 18, 14);
  layout->setSpacing(4);

  auto* name_heading = heading(QStringLiteral("Label2"), QStringLiteral("Player Name"), this);
  layout->addWidget(name_heading);
  name_box_ = new QLineEdit(this);
  name_box_->setObjectName(QStringLiteral("Text1"));
  name_box_->setMaxLength(20);
  name_box_->setMaximumWidth(280);
  // Screen readers name the box by its heading.
  name_heading->setBuddy(name_box_);
  layout->addWidget(name_box_);

  // Room pictures, and the framed fourth choice without a picture.
  layout->addWidget(heading(QStringLiteral("Label8"), QStringLiteral("Room BackGround"), this));
  rooms_ = new ChoiceGroup(QStringLiteral("rooms"), QStringLiteral("Room"), this);
  for (int i = 0; i < room_count; ++i) {
    const int resource = first_room + i;
    rooms_->add(new ChoiceTile(
        QStringLiteral("Image%1").arg(resource - 100), QString::fromLatin1(room_names[i]),
        room_size,
        [this, resource](QPainter& painter, QRect area, qreal ratio) {
          painter.drawPixmap(area, pictures_.room(resource, area.size(), ratio));
        },
        rooms_));
  }
  rooms_->add(new ChoiceTile(
      QStringLiteral("Label9"), QStringLiteral("No room picture"), room_size,
      [](QPainter& painter, QRect area, qreal) {
        // Shape8: the framed area the fourth choice lies over.
        painter.fillRect(area, QColor(0x24, 0x46, 0x2e));
        painter.setPen(QPen(QColor(0x9b, 0xae, 0x9f), 1, Qt::DashLine));
        painter.drawRect(QRectF(area).adjusted(6.5, 6.5, -6.5, -6.5));
      },
      rooms_));
  // The fourth choice only moves the mark.
  connect(rooms_, &ChoiceGroup::chosen_changed, this, [this](int index) {
    if (index < room_count) room_ = first_room + index;
  });
  layout->addWidget(rooms_);

  layout->addWidget(heading(QStringLiteral("Label3"), QStringLiteral("Cards BackGround"), this));
  backs_ = new ChoiceGroup(QStringLiteral("backs"), QStringLiteral("Card back"), this);
  for (int i = 0; i < 4; ++i) {
    const int cell = art::back_cells[i];
    backs_->add(new ChoiceTile(
        QStringLiteral("Image%1").arg(5 + i), QString::fromLatin1(back_names[i]), back_size,
        [this, cell](QPainter& painter, QRect area, qreal ratio) {
          painter.drawPixmap(area, pictures_.card(cell, area.size(), ratio));
        },
        backs_));
  }
  connect(backs_, &ChoiceGroup::chosen_changed, this,
          [this](int index) { backside_ = art::back_cells[index]; });
  layout->addWidget(backs_);

  // The swatches Shape3 .. Shape6; the labels over them take the clicks.
  layout->addWidget(heading(QStringLiteral("Label1"), QStringLiteral("Table Tops"), this));
  tops_ = new ChoiceGroup(QStringLiteral("tops"), QStringLiteral("Table top"), this);
  static const char* const top_labels[4] = {"Label7", "Label5", "Label4", "Label6"};
  for (int i = 0; i < 4; ++i) {
    const Color colour = table_tops[static_cast<std::size_t>(i)];
    tops_->add(new ChoiceTile(
        QString::fromLatin1(top_labels[i]), QString::fromLatin1(top_names[i]), swatch_size,
        [colour](QPainter& painter, QRect area, qreal) {
          painter.setPen(QPen(QColor(0, 0, 0, 110), 1));
          painter.setBrush(to_qcolor(colour));
          painter.drawRoundedRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        },
        tops_));
  }
  connect(tops_, &ChoiceGroup::chosen_changed, this,
          [this](int index) { tabletop_ = table_tops[static_cast<std::size_t>(index)]; });
  layout->addWidget(tops_);

  // The game speed: Normal is the designed pace; the table's + and - keys
  // change it during play.
  layout->addWidget(heading(QStringLiteral("SpeedHeading"), QStringLiteral("Game Speed"), this));
  speeds_ = new ChoiceGroup(QStringLiteral("speeds"), QStringLiteral("Game speed"), this);
  for (const SpeedChoice& choice : speed_choices) {
    const QString name = QString::fromLatin1(choice.name);
    speeds_->add(new ChoiceTile(
        QStringLiteral("Speed") + QString(name).remove(' '), name + QStringLiteral(" speed"),
        speed_size,
        [name](QPainter& painter, QRect area, qreal) {
          painter.setPen(QPen(QColor(0x8a, 0x7a, 0x4a), 1));
          painter.setBrush(QColor(0x24, 0x46, 0x2e));
          painter.drawRoundedRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
          painter.setPen(QColor(0xf2, 0xec, 0xd8));
          painter.drawText(area, Qt::AlignCenter, name);
        },
        speeds_));
  }
  connect(speeds_, &ChoiceGroup::chosen_changed, this,
          [this](int index) { speed_ = speed_choices[static_cast<std::size_t>(index)].speed; });
  layout->addWidget(speeds_);

  // Sound on or off and its volume; M at the table mutes it too.
  layout->addWidget(heading(QStringLiteral("SoundHeading"), QStringLiteral("Sound"), this));
  auto* sound_row = new QHBoxLayout;
  sound_box_ = new QCheckBox(QStringLiteral("Sound on"), this);
  sound_box_->setObjectName(QStringLiteral("SoundOn"));
  sound_box_->setChecked(SoundChoice{}.on);
  volume_ = new QSlider(Qt::Horizontal, this);
  volume_->setObjectName(QStringLiteral("Volume"));
  volume_->setAccessibleName(QStringLiteral("Volume"));
  volume_->setRange(0, SoundChoice::most_volume);
  volume_->setPageStep(10);
  volume_->setValue(SoundChoice::default_volume);
  volume_->setMaximumWidth(200);
  auto* volume_label = new QLabel(QStringLiteral("Volume"), this);
  volume_label->setBuddy(volume_);
  connect(sound_box_, &QCheckBox::toggled, volume_, &QSlider::setEnabled);
  sound_row->addWidget(sound_box_);
  sound_row->addSpacing(16);
  sound_row->addWidget(volume_label);
  sound_row->addWidget(volume_);
  sound_row->addStretch();
  layout->addLayout(sound_row);
  auto* number_heading =
      heading(QStringLiteral("NumberHeading"), QStringLiteral("Tournament number"), this);
  layout->addWidget(number_heading);
  number_box_ = new QLineEdit(this);
  number_box_->setObjectName(QStringLiteral("TournamentNumber"));
  number_box_->setPlaceholderText(QStringLiteral("blank for a new one"));
  number_box_->setMaxLength(12);
  number_box_->setMaximumWidth(280);
  number_box_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9 ]*")), number_box_));
  number_heading->setBuddy(number_box_);
  layout->addWidget(number_box_);

  notice_ = new QLabel(this);
  notice_->setObjectName(QStringLiteral("notice"));
  notice_->setWordWrap(true);
  notice_->setMaximumWidth(560);
  notice_->hide();
  layout->addWidget(notice_);

  layout->addSpacing(12);
  auto* buttons = new QHBoxLayout;
  resume_button_ = new QPushButton(this);
  resume_button_->setObjectName(QStringLiteral("resume"));
  resume_button_->hide();
  connect(resume_button_, &QPushButton::clicked, this, &SettingsWindow::resume);
  auto* ok_button = new QPushButton(QStringLiteral("Ok"), this);
  ok_button->setObjectName(QStringLiteral("Command1"));
  ok_button->setDefault(true);
  auto* exit_button = new QPushButton(QStringLiteral("Exit"), this);
  exit_button->setObjectName(QStringLiteral("Command2"));
  auto* record_button = new QPushButton(QStringLiteral("Record"), this);
  record_button->setObjectName(QStringLiteral("RecordButton"));
  record_button->setAccessibleDescription(QStringLiteral("Your record of tournaments played"));
  buttons->addWidget(record_button);
  buttons->addStretch();
  buttons->addWidget(resume_button_);
  buttons->addWidget(ok_button);
  buttons->addWidget(exit_button);
  layout->addLayout(buttons);
  connect(ok_button, &QPushButton::clicked, this, &SettingsWindow::ok);
  connect(exit_button, &QPushButton::clicked, this, &SettingsWindow::exit_requested);
  connect(record_button, &QPushButton::clicked, this, &SettingsWindow::record_requested);
  // Enter after typing the name or the number is the same as Ok.
  connect(name_box_, &QLineEdit::returnPressed, this, &SettingsWindow::ok);
  connect(number_box_, &QLineEdit::returnPressed, this, &SettingsWindow::ok);

  // At load the first back and the green top are chosen; no room is.
  backs_->choose(0);
  tops_->choose(0);
  speeds_->choose(0);
  name_box_->setFocus();
}

QString SettingsWindow::player_name() const { return name_box_->text(); }

Settings SettingsWindow::settings() const {
  return Settings{player_name().toStdString(), backside_, tabletop_};
}

std::optional<std::uint64_t> SettingsWindow::number() const {
  return parse_number(number_box_->text());
}

namespace {
// The keys the choices are kept under.
const std::string name_key = "name", room_key = "room", back_key = "back", top_key = "top",
                  speed_key = "speed", sound_key = "sound", volume_key = "volume";

int remembered_index(const std::map<std::string, std::string>& remembered, const std::string& key,
                     int count) {
  const auto it = remembered.find(key);
  if (it == remembered.end()) return -1;
  bool ok = false;
  const int index = QString::fromStdString(it->second).toInt(&ok);
  return ok && index >= 0 && index < count ? index : -1;
}
}  // namespace

void SettingsWindow::fill(const std::map<std::string, std::string>& remembered) {
  if (const auto it = remembered.find(name_key); it != remembered.end())
    name_box_->setText(QString::fromStdString(it->second).left(name_box_->maxLength()));
  const std::pair<ChoiceGroup*, const std::string*> groups[] = {
      {rooms_, &room_key}, {backs_, &back_key}, {tops_, &top_key}, {speeds_, &speed_key}};
  for (const auto& [group, key] : groups)
    if (const int index =
            remembered_index(remembered, *key, static_cast<int>(group->tiles().size()));
        index >= 0)
      group->choose(index);
  SoundChoice sound = SoundChoice{};
  if (const auto it = remembered.find(sound_key); it != remembered.end())
    sound.on = it->second != "off";
  if (const int volume = remembered_index(remembered, volume_key, SoundChoice::most_volume + 1);
      volume >= 0)
    sound.volume = volume;
  set_sound(sound);
}

std::map<std::string, std::string> SettingsWindow::remembered() const {
  std::map<std::string, std::string> choices{{name_key, player_name().toStdString()}};
  const std::pair<ChoiceGroup*, const std::string*> groups[] = {
      {rooms_, &room_key}, {backs_, &back_key}, {tops_, &top_key}, {speeds_, &speed_key}};
  for (const auto& [group, key] : groups)
    if (group->chosen() >= 0) choices[*key] = std::to_string(group->chosen());
  const SoundChoice sound = this->sound();
  choices[volume_key] = std::to_string(sound.volume);
  choices.merge(remembered_at_table(speed_, sound.on));
  return choices;
}

std::map<std::string, std::string> SettingsWindow::remembered_at_table(GameSpeed speed,
                                                                       bool sound_on) {
  return {{speed_key, std::to_string(static_cast<int>(speed))},
          {sound_key, sound_on ? "on" : "off"}};
}

void SettingsWindow::offer_resume(const QString& text) {
  resume_button_->setText(text);
  resume_button_->setVisible(!text.isEmpty());
}

void SettingsWindow::tell(const QString& notice) {
  notice_->setText(notice);
  notice_->setVisible(!notice.isEmpty());
}

SoundChoice SettingsWindow::sound() const {
  return SoundChoice{sound_box_->isChecked(), volume_->value()};
}

void SettingsWindow::set_sound(SoundChoice choice) {
  sound_box_->setChecked(choice.on);
  volume_->setValue(choice.volume);
}

void SettingsWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  emit exit_requested();
}

}  // namespace tarvix::windows
