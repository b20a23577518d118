// The hand log beside the table: every hand of the game in words, newest at
// the bottom. It follows play unless the keyboard is in it, where its text
// can be read, selected and copied. It keeps the whole game in memory and
// writes no file.
#pragma once

#include <QPlainTextEdit>

#include "windows/story.h"

namespace tarvix::windows {

class HandLog : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit HandLog(QWidget* parent);

  void add(const LogLine& line);
  // The text's size for a window this tall.
  void fit_text(int window_height);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Back to the newest line, unless the player is reading in the log.
  void follow();
};

}  // namespace tarvix::windows
