#pragma once
// Pictures for high-density screens: the picture generator also draws every picture at twice
// its size, beside it as NAME@2x.EXT.
#include <QPixmap>
#include <QString>

class QWidget;

namespace vc {

// The path of the double-size variant of a picture: "a/b.bmp" -> "a/b@2x.bmp".
QString DoubleSizePath(const QString& path);

// Loads the picture for a widget. On a screen with more than one device pixel per pixel the
// double-size variant is taken when it exists, so the picture keeps its size and stays sharp.
// False, with `out` null, when neither can be read.
bool LoadSharpPixmap(QPixmap& out, const QString& path, const QWidget* widget);

}  // namespace vc
