// Draws the three display drawings of the font generator, "Led7.Bmp",
// "Led14.Bmp" and "Led16.Bmp": each segment outlined and labelled with the
// letter the font tables use for it. Run once; the drawings are kept in assets/.
//
//   g++ -std=c++20 -fPIC tools/LedDrawings.cpp $(pkg-config --cflags --libs Qt6Gui) -o led-drawings
//   QT_QPA_PLATFORM=offscreen ./led-drawings assets
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <vector>

namespace {

struct Segment {
  char letter;
  QPolygon outline;
};

QPolygon Box(int left, int top, int right, int bottom) {
  // One pixel of air keeps neighbouring outlines apart.
  return QPolygon(QRect(QPoint(left + 1, top + 1), QPoint(right - 1, bottom - 1)));
}

// The columns and rows of a 100 x 170 drawing: verticals 12 wide at the left,
// centre and right; bars 12 high at the top, middle and bottom.
constexpr int Left = 10, InnerLeft = 22, CentreLeft = 44, Centre = 50, CentreRight = 56, InnerRight = 78,
              Right = 90;
constexpr int Top = 8, UnderTop = 20, OverMiddle = 79, UnderMiddle = 91, OverBottom = 150, Bottom = 162;

std::vector<Segment> Outer(bool splitBars) {
  std::vector<Segment> s{
      {'C', Box(Left, UnderTop, InnerLeft, OverMiddle)},
      {'G', Box(InnerRight, UnderTop, Right, OverMiddle)},
      {'H', Box(Left, UnderMiddle, InnerLeft, OverBottom)},
      {'L', Box(InnerRight, UnderMiddle, Right, OverBottom)},
  };
  if (splitBars) {
    s.push_back({'A', Box(InnerLeft, Top, Centre, UnderTop)});
    s.push_back({'B', Box(Centre, Top, InnerRight, UnderTop)});
    s.push_back({'M', Box(InnerLeft, OverBottom, Centre, Bottom)});
    s.push_back({'N', Box(Centre, OverBottom, InnerRight, Bottom)});
  } else {
    s.push_back({'A', Box(InnerLeft, Top, InnerRight, UnderTop)});
    s.push_back({'M', Box(InnerLeft, OverBottom, InnerRight, Bottom)});
  }
  return s;
}

// The centre verticals, the diagonals meeting at the centre and the split middle bar.
void AddStar(std::vector<Segment>& s) {
  s.push_back({'E', Box(CentreLeft, UnderTop, CentreRight, OverMiddle)});
  s.push_back({'J', Box(CentreLeft, UnderMiddle, CentreRight, OverBottom)});
  s.push_back({'X', Box(InnerLeft, OverMiddle, Centre, UnderMiddle)});
  s.push_back({'Y', Box(Centre, OverMiddle, InnerRight, UnderMiddle)});
  const int t = UnderTop + 1, m = OverMiddle - 1, n = UnderMiddle + 1, b = OverBottom - 1;
  s.push_back({'D', QPolygon({{InnerLeft + 1, t}, {InnerLeft + 11, t}, {CentreLeft - 1, m}, {CentreLeft - 11, m}})});
  s.push_back({'F', QPolygon({{InnerRight - 1, t}, {InnerRight - 11, t}, {CentreRight + 1, m}, {CentreRight + 11, m}})});
  s.push_back({'I', QPolygon({{CentreLeft - 1, n}, {CentreLeft - 11, n}, {InnerLeft + 1, b}, {InnerLeft + 11, b}})});
  s.push_back({'K', QPolygon({{CentreRight + 1, n}, {CentreRight + 11, n}, {InnerRight - 1, b}, {InnerRight - 11, b}})});
}

QImage Draw(const std::vector<Segment>& segments) {
  QImage image(100, 170, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setPen(Qt::black);
  QFont font("DejaVu Sans");
  font.setPixelSize(9);
  font.setBold(true);
  font.setStyleStrategy(QFont::NoAntialias);
  painter.setFont(font);
  for (const Segment& segment : segments) {
    painter.drawPolygon(segment.outline);
    const QRect bounds = segment.outline.boundingRect();
    painter.drawText(QRect(bounds.center() - QPoint(6, 6), QSize(13, 13)), Qt::AlignCenter, QString(QChar(segment.letter)));
  }
  painter.end();
  return image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication qt(argc, argv);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString(".");

  std::vector<Segment> seven = Outer(false);
  seven.push_back({'X', Box(InnerLeft, OverMiddle, InnerRight, UnderMiddle)});
  std::vector<Segment> fourteen = Outer(false);
  AddStar(fourteen);
  std::vector<Segment> sixteen = Outer(true);
  AddStar(sixteen);

  const bool saved = Draw(seven).save(folder + "/Led7.Bmp", "BMP") && Draw(fourteen).save(folder + "/Led14.Bmp", "BMP") &&
                     Draw(sixteen).save(folder + "/Led16.Bmp", "BMP");
  return saved ? 0 : 1;
}
