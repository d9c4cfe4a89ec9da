#pragma once
// Simple line glyphs shared by the skin engine and the picture generator, drawn from a
// 24 x 24 design grid scaled into any square.
#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

namespace skin {

// Draws the named glyph centred in 'box' (the largest square that fits). Returns false and
// draws nothing for an unknown name.
bool DrawGlyph(QPainter& p, const QString& name, const QRectF& box, const QColor& color);
// Every name DrawGlyph knows.
QStringList GlyphNames();

}  // namespace skin
