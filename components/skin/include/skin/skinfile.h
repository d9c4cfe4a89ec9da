#pragma once
// The parsed form of a skin file: forms with their ordered object definitions. Parsing is
// separate from drawing so that a broken file is rejected before any window changes.
#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

namespace skin {

enum class ObjectKind { Panel, Text, Button, Slider, Fill, Image, Hotspot };

enum class Elide { None, Left, Middle, Right };

// The look of an object in one state; an invalid colour means "not drawn" / "inherit".
struct StateLook {
    QColor fill, color, border;
};

struct ObjectDef {
    QString name;
    ObjectKind kind = ObjectKind::Panel;
    QRect rect;  // left, top, right, bottom in window pixels; right and bottom exclusive
    int line = 0;
    bool visible = true;
    bool hit = true;    // takes part in hit-testing
    bool drag = false;  // a left press moves the window
    QColor fill, fill2, border, separator, color, shadow;
    int borderWidth = 1;
    int radius = 0;
    StateLook hover, press;
    int fontPx = 13;
    int weight = 400;  // CSS-like 100..900
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    Elide elide = Elide::Right;
    bool mono = false;  // digits in equal-width cells
    int padding = 0;    // horizontal text inset
    QString text;
    QString label;  // what the object is, for screen readers (a glyph-only button says nothing)
    QString glyph;
    int glyphSize = 0;                 // 0: fitted to the object
    int glyphGap = 6;                  // between glyph and text when both are drawn
    QString image;                     // absolute path, resolved against the skin file's folder
    QColor thumb, thumbBorder, track;  // sliders
};

struct FormDef {
    QString name;
    int width = 0, height = 0;
    QColor background;
    std::vector<ObjectDef> objects;
};

struct SkinFile {
    QString path;
    std::vector<FormDef> forms;
    const FormDef* Form(const QString& name) const;
};

// Whether a caption shows whole in an object of this definition: no ellipsis, nothing cut
// (glyph and padding left aside, as drawn).
bool CaptionFits(const ObjectDef& d, const QString& text);

// Parses skin text; 'path' names the file in messages and anchors relative picture paths.
// Throws SkinError("<file> line N: ...") for a malformed line.
SkinFile ParseSkin(const QString& text, const QString& path);
// Reads and parses a skin file; throws SkinError when it cannot be read or parsed.
SkinFile LoadSkin(const QString& path);

}  // namespace skin
