#include "app/YieldChart.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr size_t Hours = 24;
const QColor Good(0x2e, 0x7d, 0x32), Failed(0xc6, 0x28, 0x28);

}  // namespace

YieldChart::YieldChart(QWidget* parent) : QWidget(parent) { setMinimumSize(240, 120); }

QSize YieldChart::sizeHint() const { return {480, 160}; }

bool YieldChart::Refresh(const std::string& path) {
  const Yield y = ReadProductionLogs({path});
  hours = HourSpan(y, Hours);
  good = failed = 0;
  for (const YieldHour& h : hours) {
    good += h.good;
    failed += h.failed;
  }
  update();
  return !y.files.empty();
}

// Good units stacked under failed ones, an hour a bar; the counts above.
void YieldChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().base());
  const QFontMetrics metrics = painter.fontMetrics();
  const int line = metrics.height(), left = 6, right = width() - 6, top = line + 8, bottom = height() - line - 4;
  painter.setPen(palette().text().color());
  painter.drawText(left, line, tr("good %1   failed %2").arg(good).arg(failed));
  painter.drawLine(left, bottom, right, bottom);
  if (hours.empty() || bottom <= top) return;
  int64_t most = 1;
  for (const YieldHour& h : hours) most = std::max(most, h.good + h.failed);
  const double bar = double(right - left) / double(Hours), tall = double(bottom - top) / double(most);
  const size_t empty = Hours - hours.size();
  for (size_t k = 0; k < hours.size(); ++k) {
    const YieldHour& h = hours[k];
    const double x = left + bar * double(empty + k);
    const double goodTop = bottom - tall * double(h.good), failedTop = goodTop - tall * double(h.failed);
    painter.fillRect(QRectF(x + 1, goodTop, bar - 2, bottom - goodTop), Good);
    painter.fillRect(QRectF(x + 1, failedTop, bar - 2, goodTop - failedTop), Failed);
  }
  // Every third hour named under its bar, where there are units or not.
  for (size_t k = 0; k < Hours; ++k) {
    const int64_t hour = hours.back().hour - int64_t(Hours - 1 - k);
    if (hour % 3 != 0) continue;
    const double x = left + bar * double(k);
    painter.drawText(QRectF(x - bar, bottom + 2, 3 * bar, line), Qt::AlignHCenter,
                     QString::fromStdString(HourText(hour).substr(11, 2)));
  }
}
