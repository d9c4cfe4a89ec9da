#include "skin/glyphs.h"

#include <QFont>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <functional>

namespace skin {

namespace {

using Draw = std::function<void(QPainter&, const QColor&)>;

QPainterPath Poly(std::initializer_list<QPointF> pts, bool close) {
    QPainterPath path;
    auto it = pts.begin();
    path.moveTo(*it++);
    for (; it != pts.end(); ++it) path.lineTo(*it);
    if (close) path.closeSubpath();
    return path;
}

void Filled(QPainter& p, const QColor& c, const QPainterPath& path) {
    p.save();
    p.setBrush(c);
    p.drawPath(path);  // the pen rounds the corners
    p.restore();
}

const QHash<QString, Draw>& Table() {
    static const QHash<QString, Draw> t = {
        {"close",
         [](QPainter& p, const QColor&) {
             p.drawLine(QPointF(7, 7), QPointF(17, 17));
             p.drawLine(QPointF(17, 7), QPointF(7, 17));
         }},
        {"chevron-down",
         [](QPainter& p, const QColor&) {
             p.drawPath(Poly({{7, 10}, {12, 15}, {17, 10}}, false));
         }},
        {"chevron-right",
         [](QPainter& p, const QColor&) {
             p.drawPath(Poly({{10, 7}, {15, 12}, {10, 17}}, false));
         }},
        {"chevron-left",
         [](QPainter& p, const QColor&) {
             p.drawPath(Poly({{14, 7}, {9, 12}, {14, 17}}, false));
         }},
        {"play",
         [](QPainter& p, const QColor& c) {
             Filled(p, c, Poly({{8.5, 6}, {18, 12}, {8.5, 18}}, true));
         }},
        {"pause",
         [](QPainter& p, const QColor& c) {
             QPainterPath a;
             a.addRoundedRect(QRectF(7.5, 6.5, 2.5, 11), 0.8, 0.8);
             a.addRoundedRect(QRectF(14, 6.5, 2.5, 11), 0.8, 0.8);
             Filled(p, c, a);
         }},
        {"stop",
         [](QPainter& p, const QColor& c) {
             QPainterPath a;
             a.addRoundedRect(QRectF(7.5, 7.5, 9, 9), 1.2, 1.2);
             Filled(p, c, a);
         }},
        {"prev",
         [](QPainter& p, const QColor& c) {
             p.drawLine(QPointF(7, 7), QPointF(7, 17));
             Filled(p, c, Poly({{17, 7}, {10.5, 12}, {17, 17}}, true));
         }},
        {"next",
         [](QPainter& p, const QColor& c) {
             p.drawLine(QPointF(17, 7), QPointF(17, 17));
             Filled(p, c, Poly({{7, 7}, {13.5, 12}, {7, 17}}, true));
         }},
        {"rewind",
         [](QPainter& p, const QColor& c) {
             Filled(p, c, Poly({{12, 7}, {5, 12}, {12, 17}}, true));
             Filled(p, c, Poly({{19, 7}, {12, 12}, {19, 17}}, true));
         }},
        {"forward",
         [](QPainter& p, const QColor& c) {
             Filled(p, c, Poly({{5, 7}, {12, 12}, {5, 17}}, true));
             Filled(p, c, Poly({{12, 7}, {19, 12}, {12, 17}}, true));
         }},
        {"camera",
         [](QPainter& p, const QColor&) {
             QPainterPath body;
             body.moveTo(4, 9);
             body.lineTo(8, 9);
             body.lineTo(9.5, 6.5);
             body.lineTo(14.5, 6.5);
             body.lineTo(16, 9);
             body.lineTo(20, 9);
             body.lineTo(20, 18.5);
             body.lineTo(4, 18.5);
             body.closeSubpath();
             p.drawPath(body);
             p.drawEllipse(QPointF(12, 13.5), 3, 3);
         }},
        {"info",
         [](QPainter& p, const QColor& c) {
             p.drawEllipse(QPointF(12, 12), 8.5, 8.5);
             p.drawLine(QPointF(12, 11), QPointF(12, 16.5));
             p.save();
             p.setPen(Qt::NoPen);
             p.setBrush(c);
             p.drawEllipse(QPointF(12, 7.8), 1.3, 1.3);
             p.restore();
         }},
        {"add-file",
         [](QPainter& p, const QColor&) {
             p.drawPath(Poly({{6, 3.5}, {13.5, 3.5}, {18, 8}, {18, 20.5}, {6, 20.5}}, true));
             p.drawPath(Poly({{13.5, 3.5}, {13.5, 8}, {18, 8}}, false));
             p.drawLine(QPointF(12, 11), QPointF(12, 17));
             p.drawLine(QPointF(9, 14), QPointF(15, 14));
         }},
        {"add-folder",
         [](QPainter& p, const QColor&) {
             p.drawPath(
                 Poly({{3.5, 6}, {9.5, 6}, {11.5, 8.5}, {20.5, 8.5}, {20.5, 19}, {3.5, 19}}, true));
             p.drawLine(QPointF(12, 11), QPointF(12, 17));
             p.drawLine(QPointF(9, 14), QPointF(15, 14));
         }},
        {"folder",
         [](QPainter& p, const QColor&) {
             p.drawPath(
                 Poly({{3.5, 6}, {9.5, 6}, {11.5, 8.5}, {20.5, 8.5}, {20.5, 19}, {3.5, 19}}, true));
         }},
        {"remove",
         [](QPainter& p, const QColor&) {
             p.drawLine(QPointF(4.5, 7), QPointF(19.5, 7));
             p.drawPath(Poly({{9.5, 7}, {10, 4.5}, {14, 4.5}, {14.5, 7}}, false));
             p.drawPath(Poly({{6.5, 7}, {7.5, 20}, {16.5, 20}, {17.5, 7}}, false));
             p.drawLine(QPointF(10.5, 10.5), QPointF(10.5, 16.5));
             p.drawLine(QPointF(13.5, 10.5), QPointF(13.5, 16.5));
         }},
        {"clear",
         [](QPainter& p, const QColor&) {
             p.drawLine(QPointF(4, 6.5), QPointF(16, 6.5));
             p.drawLine(QPointF(4, 11.5), QPointF(13, 11.5));
             p.drawLine(QPointF(4, 16.5), QPointF(10, 16.5));
             p.drawLine(QPointF(14.5, 13.5), QPointF(20, 19));
             p.drawLine(QPointF(20, 13.5), QPointF(14.5, 19));
         }},
        {"properties",
         [](QPainter& p, const QColor&) {
             p.drawRoundedRect(QRectF(4.5, 4.5, 15, 15), 2.5, 2.5);
             p.drawLine(QPointF(8, 9), QPointF(16, 9));
             p.drawLine(QPointF(8, 12.5), QPointF(16, 12.5));
             p.drawLine(QPointF(8, 16), QPointF(13, 16));
         }},
        {"cut",
         [](QPainter& p, const QColor&) {
             p.drawEllipse(QPointF(7.5, 17), 3, 3);
             p.drawEllipse(QPointF(16.5, 17), 3, 3);
             p.drawLine(QPointF(9.3, 14.6), QPointF(17, 4));
             p.drawLine(QPointF(14.7, 14.6), QPointF(7, 4));
         }},
        {"settings",
         [](QPainter& p, const QColor&) {
             p.drawEllipse(QPointF(12, 12), 2.6, 2.6);
             p.drawEllipse(QPointF(12, 12), 6.2, 6.2);
             for (int i = 0; i < 8; ++i) {
                 p.save();
                 p.translate(12, 12);
                 p.rotate(45.0 * i);
                 p.drawLine(QPointF(0, -6.2), QPointF(0, -9));
                 p.restore();
             }
         }},
        {"convert",
         [](QPainter& p, const QColor&) {
             p.drawLine(QPointF(4, 9), QPointF(18.5, 9));
             p.drawPath(Poly({{15, 5.5}, {18.5, 9}, {15, 12.5}}, false));
             p.drawLine(QPointF(20, 15), QPointF(5.5, 15));
             p.drawPath(Poly({{9, 11.5}, {5.5, 15}, {9, 18.5}}, false));
         }},
        {"mark-in",
         [](QPainter& p, const QColor& c) {
             p.drawPath(Poly({{9, 5}, {5.5, 5}, {5.5, 19}, {9, 19}}, false));
             Filled(p, c, Poly({{11, 7.5}, {18.5, 12}, {11, 16.5}}, true));
         }},
        {"mark-out",
         [](QPainter& p, const QColor& c) {
             p.drawPath(Poly({{15, 5}, {18.5, 5}, {18.5, 19}, {15, 19}}, false));
             Filled(p, c, Poly({{5.5, 7.5}, {13, 12}, {5.5, 16.5}}, true));
         }},
        {"film",
         [](QPainter& p, const QColor&) {
             p.drawRoundedRect(QRectF(3.5, 5, 17, 14), 2, 2);
             p.drawLine(QPointF(7.5, 5), QPointF(7.5, 19));
             p.drawLine(QPointF(16.5, 5), QPointF(16.5, 19));
             p.drawLine(QPointF(3.5, 12), QPointF(7.5, 12));
             p.drawLine(QPointF(16.5, 12), QPointF(20.5, 12));
         }},
        {"note",
         [](QPainter& p, const QColor& c) {
             p.drawLine(QPointF(10, 17), QPointF(10, 5.5));
             p.drawLine(QPointF(19, 15), QPointF(19, 3.5));
             p.drawLine(QPointF(10, 5.5), QPointF(19, 3.5));
             p.save();
             p.setBrush(c);
             p.drawEllipse(QPointF(7.5, 17.5), 2.6, 2.2);
             p.drawEllipse(QPointF(16.5, 15.5), 2.6, 2.2);
             p.restore();
         }},
        {"player",
         [](QPainter& p, const QColor&) {
             p.drawRoundedRect(QRectF(6.5, 3, 11, 18), 2.5, 2.5);
             p.drawRoundedRect(QRectF(9, 5.5, 6, 5), 0.8, 0.8);
             p.drawEllipse(QPointF(12, 15.8), 2.6, 2.6);
         }},
        {"phone",
         [](QPainter& p, const QColor&) {
             p.drawRoundedRect(QRectF(7, 2.5, 10, 19), 2.5, 2.5);
             p.drawLine(QPointF(10.5, 18.5), QPointF(13.5, 18.5));
             p.drawLine(QPointF(7, 5.5), QPointF(17, 5.5));
             p.drawLine(QPointF(7, 16), QPointF(17, 16));
         }},
        {"console",
         [](QPainter& p, const QColor& c) {
             QPainterPath pad;
             pad.addRoundedRect(QRectF(2.5, 7, 19, 11), 5.5, 5.5);
             p.drawPath(pad);
             p.drawLine(QPointF(6, 12.5), QPointF(10, 12.5));
             p.drawLine(QPointF(8, 10.5), QPointF(8, 14.5));
             p.save();
             p.setPen(Qt::NoPen);
             p.setBrush(c);
             p.drawEllipse(QPointF(15.5, 11), 1.3, 1.3);
             p.drawEllipse(QPointF(17.8, 13.8), 1.3, 1.3);
             p.restore();
         }},
        {"tv",
         [](QPainter& p, const QColor&) {
             p.drawRoundedRect(QRectF(3, 5, 18, 12), 2, 2);
             p.drawLine(QPointF(8.5, 20.5), QPointF(15.5, 20.5));
             p.drawLine(QPointF(12, 17), QPointF(12, 20.5));
         }},
        {"disc",
         [](QPainter& p, const QColor&) {
             p.drawEllipse(QPointF(12, 12), 8.5, 8.5);
             p.drawEllipse(QPointF(12, 12), 2.2, 2.2);
             p.drawArc(QRectF(6.5, 6.5, 11, 11), 100 * 16, 70 * 16);
         }},
        {"hd",
         [](QPainter& p, const QColor& c) {
             p.drawRoundedRect(QRectF(2.5, 6, 19, 12), 2.5, 2.5);
             p.save();
             QFont f(QStringLiteral("DejaVu Sans"));
             f.setPixelSize(9);
             f.setBold(true);
             p.setFont(f);
             p.setPen(c);
             p.drawText(QRectF(2.5, 6, 19, 12), Qt::AlignCenter, QStringLiteral("HD"));
             p.restore();
         }},
        {"flash",
         [](QPainter& p, const QColor&) {
             p.drawPath(Poly(
                 {{13.5, 2.5}, {6, 13.5}, {11.5, 13.5}, {10.5, 21.5}, {18, 10.5}, {12.5, 10.5}},
                 true));
         }},
        {"pocketpc",
         [](QPainter& p, const QColor&) {
             p.drawRoundedRect(QRectF(5.5, 3, 12, 18), 2, 2);
             p.drawRect(QRectF(8, 5.5, 7, 9));
             p.drawLine(QPointF(9.5, 18), QPointF(13.5, 18));
             p.drawLine(QPointF(20, 5), QPointF(20, 17));
         }},
        {"grid",
         [](QPainter& p, const QColor&) {
             p.drawRoundedRect(QRectF(4.5, 4.5, 6, 6), 1.2, 1.2);
             p.drawRoundedRect(QRectF(13.5, 4.5, 6, 6), 1.2, 1.2);
             p.drawRoundedRect(QRectF(4.5, 13.5, 6, 6), 1.2, 1.2);
             p.drawRoundedRect(QRectF(13.5, 13.5, 6, 6), 1.2, 1.2);
         }},
        {"minimize",
         [](QPainter& p, const QColor&) { p.drawLine(QPointF(7, 12), QPointF(17, 12)); }},
        // The product mark: a rounded tile in the accent gradient with a play arrow; it keeps
        // its own colours so it reads the same everywhere.
        {"logo",
         [](QPainter& p, const QColor&) {
             p.save();
             p.setPen(Qt::NoPen);
             QLinearGradient g(QPointF(1, 1), QPointF(23, 23));
             g.setColorAt(0, QColor(0x3d, 0x9b, 0xf4));
             g.setColorAt(1, QColor(0x36, 0xc6, 0xa8));
             p.setBrush(g);
             p.drawRoundedRect(QRectF(1, 1, 22, 22), 6, 6);
             p.setBrush(Qt::white);
             QPen pen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
             p.setPen(pen);
             p.drawPath(Poly({{9.5, 7}, {17.5, 12}, {9.5, 17}}, true));
             p.restore();
         }},
    };
    return t;
}

}  // namespace

bool DrawGlyph(QPainter& p, const QString& name, const QRectF& box, const QColor& color) {
    const auto& t = Table();
    auto it = t.find(name);
    if (it == t.end()) return false;
    const qreal side = std::min(box.width(), box.height());
    if (side <= 0) return true;
    const qreal s = side / 24.0;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    p.scale(s, s);
    // Keep strokes at least ~1.3 device pixels so small glyphs stay legible.
    QPen pen(color, std::max(1.8, 1.3 / s), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    it.value()(p, color);
    p.restore();
    return true;
}

QStringList GlyphNames() {
    QStringList names = Table().keys();
    names.sort();
    return names;
}

}  // namespace skin
