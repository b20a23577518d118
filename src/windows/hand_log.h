// The hand log beside the table: every hand of the game in words, newest at
// the bottom. Its text can be selected and copied. It keeps the whole game
// in memory and writes no file.
#pragma once

#include <QPlainTextEdit>

#include "windows/story.h"

namespace tarvix::windows {

class HandLog : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit HandLog(QWidget* parent);

  void add(const LogLine& line);
};

}  // namespace tarvix::windows
