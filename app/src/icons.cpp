#include "icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>
#include <map>

namespace {

// Every image is drawn on a 16-unit grid and scaled to the size asked for.
using Painter = std::function<void(QPainter&)>;

const QColor kInk(40, 40, 48);
const QColor kPaper(250, 250, 250);
const QColor kAccent(176, 30, 30);  // Klingon red
const QColor kBlue(48, 96, 170);
const QColor kFolder(222, 178, 72);

void Page(QPainter& p, qreal x = 3, qreal y = 1, qreal w = 10, qreal h = 14) {
  QPainterPath path;
  path.moveTo(x, y);
  path.lineTo(x + w - 3, y);
  path.lineTo(x + w, y + 3);
  path.lineTo(x + w, y + h);
  path.lineTo(x, y + h);
  path.closeSubpath();
  p.setPen(QPen(kInk, 0.8));
  p.setBrush(kPaper);
  p.drawPath(path);
  p.drawLine(QPointF(x + w - 3, y), QPointF(x + w - 3, y + 3));
  p.drawLine(QPointF(x + w - 3, y + 3), QPointF(x + w, y + 3));
}

void Letter(QPainter& p, const QString& text, bool bold, bool italic, bool underline) {
  QFont f("Sans");
  f.setPixelSize(13);
  f.setBold(bold);
  f.setItalic(italic);
  f.setUnderline(underline);
  p.setFont(f);
  p.setPen(kInk);
  p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, text);
}

const std::map<QString, Painter>& Painters() {
  static const std::map<QString, Painter> painters = {
      {"document-new",
       [](QPainter& p) {
         Page(p);
         p.setPen(QPen(kAccent, 1.4));
         p.drawLine(QPointF(11, 9), QPointF(15, 9));
         p.drawLine(QPointF(13, 7), QPointF(13, 11));
       }},
      {"document-open",
       [](QPainter& p) {
         p.setPen(QPen(kInk, 0.8));
         p.setBrush(kFolder.darker(115));
         p.drawRect(QRectF(1, 4, 13, 10));
         p.drawRect(QRectF(1, 3, 5, 2));
         p.setBrush(kFolder);
         QPolygonF front({{3, 7}, {15.5, 7}, {13.5, 14}, {1, 14}});
         p.drawPolygon(front);
       }},
      {"document-save",
       [](QPainter& p) {
         p.setPen(QPen(kInk, 0.8));
         p.setBrush(kBlue);
         p.drawRect(QRectF(1.5, 1.5, 13, 13));
         p.setBrush(kPaper);
         p.drawRect(QRectF(4, 1.5, 8, 5));
         p.drawRect(QRectF(3.5, 9, 9, 5.5));
       }},
      {"document-print",
       [](QPainter& p) {
         p.setPen(QPen(kInk, 0.8));
         p.setBrush(kPaper);
         p.drawRect(QRectF(4, 1.5, 8, 5));
         p.setBrush(QColor(150, 150, 160));
         p.drawRoundedRect(QRectF(1.5, 6, 13, 6), 1, 1);
         p.setBrush(kPaper);
         p.drawRect(QRectF(4, 10, 8, 5));
         p.setPen(QPen(kAccent, 1));
         p.drawPoint(QPointF(12.5, 8));
       }},
      {"document-print-preview",
       [](QPainter& p) {
         Page(p, 1, 1, 10, 14);
         p.setPen(QPen(kInk, 1.2));
         p.setBrush(QColor(200, 225, 255, 200));
         p.drawEllipse(QPointF(9.5, 8.5), 3.5, 3.5);
         p.setPen(QPen(kInk, 2));
         p.drawLine(QPointF(12, 11), QPointF(15, 14.5));
       }},
      {"edit-cut",
       [](QPainter& p) {
         p.setPen(QPen(kInk, 1.1));
         p.drawLine(QPointF(4, 1), QPointF(10.5, 11));
         p.drawLine(QPointF(12, 1), QPointF(5.5, 11));
         p.setPen(QPen(kAccent, 1.4));
         p.setBrush(Qt::NoBrush);
         p.drawEllipse(QPointF(4.5, 12.5), 2.3, 2.3);
         p.drawEllipse(QPointF(11.5, 12.5), 2.3, 2.3);
       }},
      {"edit-copy",
       [](QPainter& p) {
         Page(p, 1, 1, 9, 11);
         Page(p, 6, 4, 9, 11);
       }},
      {"edit-paste",
       [](QPainter& p) {
         p.setPen(QPen(kInk, 0.8));
         p.setBrush(QColor(170, 120, 70));
         p.drawRoundedRect(QRectF(1.5, 2.5, 11, 13), 1, 1);
         p.setBrush(QColor(180, 180, 190));
         p.drawRect(QRectF(4.5, 1, 5, 3));
         Page(p, 7, 6, 8, 9.5);
       }},
      {"tools-check-spelling",
       [](QPainter& p) {
         QFont f("Sans");
         f.setPixelSize(7);
         f.setBold(true);
         p.setFont(f);
         p.setPen(kInk);
         p.drawText(QRectF(0, 0, 16, 8), Qt::AlignCenter, "abc");
         p.setPen(QPen(kAccent, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
         p.drawPolyline(QPolygonF({{3, 11}, {6.5, 14.5}, {14, 8}}));
       }},
      {"help-about",
       [](QPainter& p) {
         p.setPen(Qt::NoPen);
         p.setBrush(kBlue);
         p.drawEllipse(QRectF(1, 1, 14, 14));
         p.setBrush(Qt::white);
         p.drawEllipse(QPointF(8, 4.8), 1.2, 1.2);
         p.drawRect(QRectF(7, 7, 2, 6));
       }},
      {"help-contents",
       [](QPainter& p) {
         p.setPen(Qt::NoPen);
         p.setBrush(kBlue);
         p.drawEllipse(QRectF(1, 1, 14, 14));
         QFont f("Sans");
         f.setPixelSize(11);
         f.setBold(true);
         p.setFont(f);
         p.setPen(Qt::white);
         p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, "?");
       }},
      {"format-text-bold", [](QPainter& p) { Letter(p, "B", true, false, false); }},
      {"format-text-italic", [](QPainter& p) { Letter(p, "I", false, true, false); }},
      {"format-text-underline", [](QPainter& p) { Letter(p, "U", false, false, true); }},
      {"vek-piqad",
       [](QPainter& p) {
         // A sharp, blade-like letter in the spirit of the Klingon script.
         p.setPen(Qt::NoPen);
         p.setBrush(kAccent);
         p.drawPolygon(QPolygonF({{3, 15}, {7, 1}, {9, 7}, {13, 1}, {11, 9}, {14, 15}, {8, 10}}));
       }},
  };
  return painters;
}

QIcon Render(const Painter& paint) {
  QIcon icon;
  for (int size : {16, 20, 22, 24, 32, 48}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 16.0, size / 16.0);
    paint(p);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace

QIcon FallbackIcon(const QString& themeName) {
  static std::map<QString, QIcon> cache;
  auto cached = cache.find(themeName);
  if (cached != cache.end()) return cached->second;
  auto it = Painters().find(themeName);
  QIcon icon = it == Painters().end() ? QIcon() : Render(it->second);
  cache.emplace(themeName, icon);
  return icon;
}

QIcon VekIcon(const char* themeName) {
  const QString name = QString::fromLatin1(themeName);
  return QIcon::fromTheme(name, FallbackIcon(name));
}

QIcon AppIcon() {
  static const QIcon icon = Render([](QPainter& p) {
    p.setPen(QPen(kInk, 0.6));
    p.setBrush(kAccent);
    // A trefoil of blades around a ring.
    p.drawPolygon(QPolygonF({{8, 0.5}, {10, 6}, {15.5, 11}, {9, 9.5}, {3, 15.5}, {6.5, 8}}));
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(8, 8.2), 2, 2);
  });
  return icon;
}
