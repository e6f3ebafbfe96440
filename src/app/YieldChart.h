#pragma once
// A small chart of the production log's good and failed units per hour, for
// the station window: the 24 hours up to the log's latest unit.
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "burner/Yield.h"

struct YieldChart : QWidget {
  explicit YieldChart(QWidget* parent = nullptr);
  // Reads the log again and redraws; gives whether it could be opened. A log
  // that cannot be opened shows no hours.
  bool Refresh(const std::string& path);

  // What is drawn, oldest hour first, and its units together.
  std::vector<YieldHour> hours;
  int64_t good = 0, failed = 0;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent*) override;
};
