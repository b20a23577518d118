#include "windows/settings_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "windows/art/art.h"
#include "windows/choice_tile.h"
#include "windows/color.h"

namespace tarvix::windows {

namespace {

const QSize room_size(136, 102);
const QSize back_size(64, 90);
const QSize swatch_size(76, 48);

QLabel* heading(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setProperty("heading", true);
  return label;
}

}  // namespace

SettingsWindow::SettingsWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("settings"));
  setWindowTitle(QStringLiteral("TARVIX"));
  setStyleSheet(QStringLiteral(
      "#settings { background: #17321f; }"
      "QLabel { color: #f2ecd8; }"
      "QLabel[heading=\"true\"] { font-weight: bold; font-size: 11pt; padding-top: 6px; }"
      "QLineEdit { background: #fbf8ee; color: #111; border: 1px solid #8a7a4a;"
      "  border-radius: 3px; padding: 3px 6px; font-size: 11pt; }"
      "QPushButton { background: #e9dfbd; color: #1a1a1a; border: 1px solid #6b5a2a;"
      "  border-radius: 4px; padding: 5px 22px; font-size: 10pt; }"
      "QPushButton:hover { background: #f6eed2; }"
      "QPushButton:pressed { background: #d2c596; }"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 12, 18, 14);
  layout->setSpacing(4);

  layout->addWidget(heading(QStringLiteral("Label2"), QStringLiteral("Player Name"), this));
  name_box_ = new QLineEdit(this);
  name_box_->setObjectName(QStringLiteral("Text1"));
  name_box_->setMaxLength(20);
  name_box_->setMaximumWidth(280);
  layout->addWidget(name_box_);

  // Room pictures, and the framed fourth choice without a picture.
  layout->addWidget(heading(QStringLiteral("Label8"), QStringLiteral("Room BackGround"), this));
  auto* room_row = new QHBoxLayout;
  for (int resource = 102; resource <= 104; ++resource) {
    auto* tile = new ChoiceTile(
        QStringLiteral("Image%1").arg(resource - 100), room_size,
        [this, resource](QPainter& painter, QRect area, qreal ratio) {
          painter.drawPixmap(area, pictures_.room(resource, area.size(), ratio));
        },
        this);
    connect(tile, &ChoiceTile::clicked, this, [this, tile, resource] {
      room_ = resource;
      mark(rooms_, tile);
    });
    rooms_.push_back(tile);
    room_row->addWidget(tile);
  }
  auto* no_room = new ChoiceTile(
      QStringLiteral("Label9"), room_size,
      [](QPainter& painter, QRect area, qreal) {
        // Shape8: the framed area the fourth choice lies over.
        painter.fillRect(area, QColor(0x24, 0x46, 0x2e));
        painter.setPen(QPen(QColor(0x9b, 0xae, 0x9f), 1, Qt::DashLine));
        painter.drawRect(QRectF(area).adjusted(6.5, 6.5, -6.5, -6.5));
      },
      this);
  connect(no_room, &ChoiceTile::clicked, this, [this, no_room] { mark(rooms_, no_room); });
  rooms_.push_back(no_room);
  room_row->addWidget(no_room);
  room_row->addStretch();
  layout->addLayout(room_row);

  layout->addWidget(heading(QStringLiteral("Label3"), QStringLiteral("Cards BackGround"), this));
  auto* back_row = new QHBoxLayout;
  for (int i = 0; i < 4; ++i) {
    const int cell = art::back_cells[i];
    auto* tile = new ChoiceTile(
        QStringLiteral("Image%1").arg(5 + i), back_size,
        [this, cell](QPainter& painter, QRect area, qreal ratio) {
          painter.drawPixmap(area, pictures_.card(cell, area.size(), ratio));
        },
        this);
    connect(tile, &ChoiceTile::clicked, this, [this, tile, cell] {
      backside_ = cell;
      mark(backs_, tile);
    });
    backs_.push_back(tile);
    back_row->addWidget(tile);
  }
  back_row->addStretch();
  layout->addLayout(back_row);

  // The swatches Shape3 .. Shape6; the labels over them take the clicks.
  layout->addWidget(heading(QStringLiteral("Label1"), QStringLiteral("Table Tops"), this));
  auto* top_row = new QHBoxLayout;
  static const char* const top_labels[4] = {"Label7", "Label5", "Label4", "Label6"};
  for (int i = 0; i < 4; ++i) {
    const Color colour = table_tops[static_cast<std::size_t>(i)];
    auto* tile = new ChoiceTile(
        QString::fromLatin1(top_labels[i]), swatch_size,
        [colour](QPainter& painter, QRect area, qreal) {
          painter.setPen(QPen(QColor(0, 0, 0, 110), 1));
          painter.setBrush(to_qcolor(colour));
          painter.drawRoundedRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        },
        this);
    connect(tile, &ChoiceTile::clicked, this, [this, tile, colour] {
      tabletop_ = colour;
      mark(tops_, tile);
    });
    tops_.push_back(tile);
    top_row->addWidget(tile);
  }
  top_row->addStretch();
  layout->addLayout(top_row);

  layout->addSpacing(12);
  auto* buttons = new QHBoxLayout;
  auto* ok_button = new QPushButton(QStringLiteral("Ok"), this);
  ok_button->setObjectName(QStringLiteral("Command1"));
  ok_button->setDefault(true);
  auto* exit_button = new QPushButton(QStringLiteral("Exit"), this);
  exit_button->setObjectName(QStringLiteral("Command2"));
  buttons->addStretch();
  buttons->addWidget(ok_button);
  buttons->addWidget(exit_button);
  layout->addLayout(buttons);
  connect(ok_button, &QPushButton::clicked, this, &SettingsWindow::ok);
  connect(exit_button, &QPushButton::clicked, this, &SettingsWindow::exit_requested);
  // Enter after typing the name is the same as Ok.
  connect(name_box_, &QLineEdit::returnPressed, this, &SettingsWindow::ok);

  // At load the first back and the green top are chosen; no room is.
  mark(backs_, backs_.front());
  mark(tops_, tops_.front());
  name_box_->setFocus();
}

QString SettingsWindow::player_name() const { return name_box_->text(); }

Settings SettingsWindow::settings() const {
  return Settings{player_name().toStdString(), backside_, tabletop_};
}

void SettingsWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  emit exit_requested();
}

void SettingsWindow::mark(const std::vector<ChoiceTile*>& group, ChoiceTile* chosen) {
  for (ChoiceTile* tile : group) tile->set_marked(tile == chosen);
}

}  // namespace tarvix::windows
