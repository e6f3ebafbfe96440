// The station's yield chart, offscreen: it reads the log's units per hour and
// paints them, good in green under failed in red.
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "app/YieldChart.h"
#include "burner/ProductionLog.h"

namespace {

std::string Line(int hour, BurnEnd end, const std::string& port) {
  ProductionRecord r;
  std::tm when{};
  when.tm_year = 126;
  when.tm_mon = 11;
  when.tm_mday = 7;
  when.tm_hour = hour;
  when.tm_isdst = -1;
  r.time = std::mktime(&when);
  r.port = port;
  r.outcome.end = end;
  r.outcome.target = 1;
  r.outcome.identified = true;
  r.outcome.chipId = 0x0101;
  return ProductionLogLine(r) + "\n";
}

// Pixels of this colour in the widget as it paints itself.
int Pixels(YieldChart& chart, const QColor& colour) {
  const QImage image = chart.grab().toImage();
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour;
  return n;
}

}  // namespace

class YieldChartTest : public QObject {
  Q_OBJECT

 private slots:
  void readsTheHoursAndPaintsThem() {
    QTemporaryDir folder;
    const std::string path = folder.filePath("production.log").toStdString();
    // Hour 8: two good. Hour 9: one good, one failed. Hour 11: one good
    // after a failed attempt on the same unit, and a torn line.
    std::ofstream(path) << Line(8, BurnEnd::Finished, "COM1") << Line(8, BurnEnd::Finished, "COM2")
                        << Line(9, BurnEnd::Finished, "COM1") << Line(9, BurnEnd::VerifyFailed, "COM2")
                        << Line(11, BurnEnd::WriteFailed, "COM1") << Line(11, BurnEnd::Finished, "COM1")
                        << "{\"time\":\"2026-12-07T11:";
    YieldChart chart;
    chart.resize(480, 160);
    const QColor green(0x2e, 0x7d, 0x32), red(0xc6, 0x28, 0x28);
    QCOMPARE(Pixels(chart, green) + Pixels(chart, red), 0);

    QVERIFY(chart.Refresh(path));
    QCOMPARE(chart.hours.size(), size_t{4});
    QCOMPARE(std::make_pair(chart.good, chart.failed), std::make_pair(int64_t{4}, int64_t{1}));
    QCOMPARE(HourText(chart.hours.front().hour), std::string("2026-12-07 08:00"));
    QCOMPARE(chart.hours[3].good, int64_t{1});
    const int good = Pixels(chart, green), failed = Pixels(chart, red);
    QVERIFY(failed > 0);
    // The good bars together are four times the failed one.
    QVERIFY2(std::abs(good - 4 * failed) <= 4 * chart.height(), qPrintable(QString("%1 %2").arg(good).arg(failed)));

    QVERIFY(!chart.Refresh(path + ".none"));
    QVERIFY(chart.hours.empty());
    QCOMPARE(Pixels(chart, green), 0);
  }
};

QTEST_MAIN(YieldChartTest)
#include "YieldChartTest.moc"
