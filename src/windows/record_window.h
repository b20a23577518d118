// The record window (key H at the table, or Record in the settings window):
// the figures over every tournament played, the chart of the finishing
// places, the list of tournaments and the hand log of the one chosen, which
// Export writes to a plain text file. "Forget my record" asks first.
#pragma once

#include <QPointer>
#include <QSize>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "store/record.h"

class QLabel;
class QMessageBox;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace tarvix::store {
class Store;
}

namespace tarvix::windows {

class PlaceChart;

class RecordWindow : public QWidget {
  Q_OBJECT

 public:
  // Wide enough for every column of the list with a long name.
  static constexpr QSize default_size{1060, 680};

  explicit RecordWindow(store::Store& store, QWidget* parent = nullptr);

  // Reads the record again from the store.
  void reload();

  // The tournament whose hand log shows, or 0.
  std::int64_t chosen() const;
  void choose(std::int64_t id);
  // Writes the chosen tournament's hand log to a file; false if it could
  // not be written.
  bool export_log(const QString& path) const;

  // "Forget my record?", while it is asked.
  QMessageBox* forget_question() const;

  // Each figure's value, by its name ("Median place").
  QString figure(const QString& name) const;
  PlaceChart* chart() const { return chart_; }
  QTreeWidget* list() const { return list_; }
  QPlainTextEdit* log_view() const { return log_view_; }

 protected:
  void keyPressEvent(class QKeyEvent* event) override;

 private:
  void show_log();
  void ask_export();
  void ask_forget();

  store::Store& store_;
  std::vector<store::TournamentRow> rows_;
  std::vector<std::pair<QLabel*, QLabel*>> figures_;
  PlaceChart* chart_;
  QTreeWidget* list_;
  QPlainTextEdit* log_view_;
  QPushButton* export_button_;
  QPushButton* forget_button_;
  QPointer<QMessageBox> forget_question_;
};

}  // namespace tarvix::windows
