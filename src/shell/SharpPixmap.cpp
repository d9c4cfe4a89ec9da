#include "shell/SharpPixmap.h"

#include <QWidget>

#include "core/uilanguage.h"

namespace vc {

QString DoubleSizePath(const QString& path) {
    const int slash = path.lastIndexOf('/');
    const int dot = path.lastIndexOf('.');
    if (dot <= slash + 1) return path + "@2x";
    return path.left(dot) + "@2x" + path.mid(dot);
}

bool LoadSharpPixmap(QPixmap& out, const QString& original, const QWidget* widget) {
    // Pictures with words come drawn per interface language.
    const QString path = TranslatedPicture(original);
    if (widget && widget->devicePixelRatioF() > 1.0 && out.load(DoubleSizePath(path))) {
        out.setDevicePixelRatio(2.0);
        return true;
    }
    return out.load(path);
}

}  // namespace vc
