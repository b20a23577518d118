#include "windows/record_window.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "store/store.h"
#include "windows/accessible_role.h"
#include "windows/place_chart.h"
#include "windows/record_text.h"

namespace tarvix::windows {

namespace {

constexpr int figure_rows = 3;  // the figures stand in three rows of two
constexpr int id_role = Qt::UserRole;

// Every text of the record is plain: a name is never read as markup.
QLabel* plain_label(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QLabel* heading(const QString& text, QWidget* parent) {
  auto* label = plain_label(text, parent);
  label->setProperty("heading", true);
  return label;
}

}  // namespace

RecordWindow::RecordWindow(store::Store& store, QWidget* parent) : QWidget(parent), store_(store) {
  setObjectName(QStringLiteral("record"));
  setWindowTitle(QStringLiteral("TARVIX record"));
  set_accessible_role(this, QAccessible::Dialog);
  setAccessibleName(QStringLiteral("Your record"));
  setMinimumSize(640, 480);
  resize(default_size);
  setStyleSheet(QStringLiteral(
      "#record { background: #17321f; }"
      "QLabel { color: #f2ecd8; font-size: 10pt; }"
      "QLabel[heading=\"true\"] { font-weight: bold; font-size: 11pt; }"
      "QLabel[figure=\"true\"] { color: #ffe08a; font-weight: bold; }"
      "QTreeWidget, QPlainTextEdit { background: #0b1610; color: #f4efdc;"
      "  border: 1px solid #8a7a4a; selection-background-color: #d9b85c; selection-color: #111; }"
      "QTreeWidget:focus, QPlainTextEdit:focus { border: 2px solid #ffe08a; }"
      "QTreeWidget::item:selected { background: #d9b85c; color: #111; }"
      "QHeaderView::section { background: #24462e; color: #f2ecd8; border: none;"
      "  padding: 3px 6px; }"
      "QPushButton { background: #e9dfbd; color: #1a1a1a; border: 1px solid #6b5a2a;"
      "  border-radius: 4px; padding: 5px 16px; font-size: 10pt; }"
      "QPushButton:focus { border: 2px solid #1d4fa0; }"
      "QPushButton:disabled { color: #8a8470; }"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 10, 14, 12);

  // The figures beside the chart.
  auto* top = new QHBoxLayout;
  auto* figures = new QGridLayout;
  figures->setHorizontalSpacing(10);
  const auto names = figure_texts({});
  for (std::size_t i = 0; i < names.size(); ++i) {
    auto* name = plain_label(QString::fromStdString(names[i].first), this);
    auto* value = plain_label({}, this);
    value->setProperty("figure", true);
    value->setObjectName(QStringLiteral("figure%1").arg(i));
    // A screen reader reads the figure with its name.
    name->setBuddy(value);
    const int row = static_cast<int>(i) % figure_rows * 2;
    const int column = static_cast<int>(i) / figure_rows;
    figures->addWidget(name, row, column);
    figures->addWidget(value, row + 1, column);
    figures_.emplace_back(name, value);
  }
  auto* figure_column = new QVBoxLayout;
  figure_column->addWidget(heading(QStringLiteral("Your record"), this));
  figure_column->addLayout(figures);
  figure_column->addStretch();
  top->addLayout(figure_column);
  auto* chart_column = new QVBoxLayout;
  chart_ = new PlaceChart(this);
  chart_column->addWidget(chart_, 1);
  auto* legend =
      plain_label(QStringLiteral("Places tournament by tournament, oldest first; green: won; "
                                 "grey cross: abandoned."),
                  this);
  legend->setWordWrap(true);
  chart_column->addWidget(legend);
  top->addLayout(chart_column, 1);
  layout->addLayout(top, 2);

  // The tournaments above the chosen one's hand log.
  auto* split = new QSplitter(Qt::Vertical, this);
  split->setChildrenCollapsible(false);
  list_ = new QTreeWidget(split);
  list_->setObjectName(QStringLiteral("tournaments"));
  list_->setAccessibleName(QStringLiteral("Tournaments"));
  list_->setAccessibleDescription(
      QStringLiteral("Every tournament played, newest first; choose one to read its hand log."));
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setAllColumnsShowFocus(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  QStringList titles;
  for (const std::string& title : column_titles()) titles << QString::fromStdString(title);
  list_->setHeaderLabels(titles);
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  list_->header()->setStretchLastSection(false);
  log_view_ = new QPlainTextEdit(split);
  log_view_->setObjectName(QStringLiteral("record_log"));
  log_view_->setAccessibleName(QStringLiteral("Hand log of the chosen tournament"));
  log_view_->setReadOnly(true);
  log_view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  log_view_->setTabChangesFocus(true);
  log_view_->setFocusPolicy(Qt::StrongFocus);
  split->addWidget(list_);
  split->addWidget(log_view_);
  layout->addWidget(split, 5);
  connect(list_, &QTreeWidget::currentItemChanged, this, &RecordWindow::show_log);

  auto* buttons = new QHBoxLayout;
  export_button_ = new QPushButton(QStringLiteral("Export hand log..."), this);
  export_button_->setObjectName(QStringLiteral("export_log"));
  forget_button_ = new QPushButton(QStringLiteral("Forget my record"), this);
  forget_button_->setObjectName(QStringLiteral("forget_record"));
  auto* close_button = new QPushButton(QStringLiteral("Close"), this);
  close_button->setObjectName(QStringLiteral("close_record"));
  buttons->addWidget(export_button_);
  buttons->addWidget(forget_button_);
  buttons->addStretch();
  buttons->addWidget(close_button);
  layout->addLayout(buttons);
  connect(export_button_, &QPushButton::clicked, this, &RecordWindow::ask_export);
  connect(forget_button_, &QPushButton::clicked, this, &RecordWindow::ask_forget);
  connect(close_button, &QPushButton::clicked, this, &QWidget::close);

  reload();
  // The keyboard starts on the list: the arrows choose a tournament.
  list_->setFocus();
}

void RecordWindow::reload() {
  const std::int64_t was = chosen();
  rows_ = store_.tournaments();
  const auto texts = figure_texts(store::totals_of(rows_));
  for (std::size_t i = 0; i < texts.size(); ++i) {
    QLabel* value = figures_[i].second;
    value->setText(QString::fromStdString(texts[i].second));
    value->setAccessibleName(QString::fromStdString(texts[i].first + ": " + texts[i].second));
  }
  chart_->set_rows(rows_);
  list_->clear();
  for (const store::TournamentRow& row : rows_) {
    QStringList cells;
    for (const std::string& cell : row_cells(row)) cells << QString::fromStdString(cell);
    auto* item = new QTreeWidgetItem(list_, cells);
    item->setData(0, id_role, QVariant::fromValue<qint64>(row.id));
  }
  choose(was);
  if (!list_->currentItem() && list_->topLevelItemCount() > 0)
    list_->setCurrentItem(list_->topLevelItem(0));
  show_log();
  forget_button_->setEnabled(std::any_of(rows_.begin(), rows_.end(), [](const auto& row) {
    return row.outcome != store::Outcome::kept;
  }));
}

std::int64_t RecordWindow::chosen() const {
  const QTreeWidgetItem* item = list_->currentItem();
  return item ? item->data(0, id_role).toLongLong() : 0;
}

void RecordWindow::choose(std::int64_t id) {
  for (int i = 0; i < list_->topLevelItemCount(); ++i)
    if (list_->topLevelItem(i)->data(0, id_role).toLongLong() == id)
      list_->setCurrentItem(list_->topLevelItem(i));
}

QString RecordWindow::figure(const QString& name) const {
  for (const auto& [label, value] : figures_)
    if (label->text() == name) return value->text();
  return {};
}

void RecordWindow::show_log() {
  const std::int64_t id = chosen();
  log_view_->setPlainText(id != 0 ? QString::fromStdString(store_.hand_log(id)) : QString());
  export_button_->setEnabled(id != 0);
}

bool RecordWindow::export_log(const QString& path) const {
  const std::int64_t id = chosen();
  if (id == 0) return false;
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const std::string log = store_.hand_log(id);
  const auto size = static_cast<qint64>(log.size());
  return file.write(log.data(), size) == size && file.flush();
}

void RecordWindow::ask_export() {
  const auto row = std::find_if(rows_.begin(), rows_.end(),
                                [id = chosen()](const auto& r) { return r.id == id; });
  if (row == rows_.end()) return;
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString suggested =
      QDir(folder.isEmpty() ? QDir::homePath() : folder)
          .filePath(QStringLiteral("tarvix-tournament-%1.txt").arg(row->number));
  const QString path = QFileDialog::getSaveFileName(
      this, QStringLiteral("Export hand log"), suggested, QStringLiteral("Text files (*.txt)"));
  if (path.isEmpty() || export_log(path)) return;
  QMessageBox::warning(this, windowTitle(),
                       QStringLiteral("The hand log could not be written to %1.").arg(path));
}

QMessageBox* RecordWindow::forget_question() const { return forget_question_; }

void RecordWindow::ask_forget() {
  if (forget_question_) {
    forget_question_->raise();
    return;
  }
  auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(),
                              QStringLiteral("Forget my record?"), QMessageBox::NoButton, this);
  box->setObjectName(QStringLiteral("forget_question"));
  box->setTextFormat(Qt::PlainText);
  box->setInformativeText(
      QStringLiteral("Every finished or abandoned tournament and its hand log is deleted from "
                     "this computer. A tournament kept for later stays."));
  QPushButton* forget = box->addButton(QStringLiteral("Forget"), QMessageBox::DestructiveRole);
  QPushButton* cancel = box->addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
  // Enter and Escape both keep the record: forgetting takes a deliberate press.
  box->setDefaultButton(cancel);
  box->setEscapeButton(cancel);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::WindowModal);
  connect(box, &QMessageBox::finished, this, [this, box, forget] {
    if (box->clickedButton() != forget) return;
    store_.forget_record();
    reload();
  });
  forget_question_ = box;
  box->open();
}

void RecordWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace tarvix::windows
