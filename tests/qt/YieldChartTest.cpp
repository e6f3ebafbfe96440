// The station's yield chart, offscreen: it reads the log's units per hour and
// paints them, good in green under failed in red.
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "app/YieldChart.h"

namespace {

// A log line of the fields the chart needs; reading every field is the yield's own test.
std::string Line(const char* hour, const char* result, const char* port) {
  return std::string(R"({"time":"2026-12-07T)") + hour + R"(:05:00+01:00","port":")" + port +
         R"(","target":1,"chip_id":"0x0101","result":")" + result + "\"}\n";
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
    std::ofstream(path) << Line("08", "verified", "COM1") << Line("08", "verified", "COM2")
                        << Line("09", "verified", "COM1") << Line("09", "verify failed", "COM2")
                        << Line("11", "write failed", "COM1") << Line("11", "verified", "COM1")
                        << "{\"time\":\"2026-12-07T11:";
    YieldChart chart;
    chart.resize(480, 160);
    const QColor green(0x2e, 0x7d, 0x32), red(0xc6, 0x28, 0x28);
    QCOMPARE(Pixels(chart, green) + Pixels(chart, red), 0);

    QVERIFY(chart.Refresh(path));
    QCOMPARE(chart.hours.size(), size_t{4});
    QCOMPARE(std::make_pair(chart.good, chart.failed), std::make_pair(int64_t{4}, int64_t{1}));
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
