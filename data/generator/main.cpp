// Writes the program's pictures (button states, profile buttons, categories, icons, title
// pictures, the job list's check boxes) into a picture folder, each also at twice its size
// as NAME@2x.EXT for high-density screens. Run at build time; nothing it produces is kept in
// the source tree.
//
// Usage: vc_picgen IMAGES_FOLDER
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "core/catalogue.h"
#include "skin/glyphs.h"

namespace {

// Palette of the skin (data/skn.skn).
const QColor kWindow(0x1d, 0x21, 0x27);
const QColor kPanel(0x25, 0x2a, 0x32);
const QColor kRaised(0x2d, 0x33, 0x3d);
const QColor kRaised2(0x36, 0x3d, 0x49);
const QColor kSep(0x3a, 0x41, 0x4d);
const QColor kText(0xe8, 0xeb, 0xf0);
const QColor kText2(0x9a, 0xa4, 0xb2);
const QColor kDim(0x5c, 0x64, 0x70);
const QColor kDimFill(0x29, 0x2e, 0x36);
const QColor kAccent(0x3d, 0x9b, 0xf4);
const QColor kAccentHover(0x5a, 0xae, 0xf7);
const QColor kError(0xe5, 0x53, 0x4b);
const QColor kWhite(0xff, 0xff, 0xff);

int g_failures = 0;
int g_written = 0;
QString g_root;
// Device pixels per picture pixel of the pictures being drawn: 1, then 2 for the @2x set.
// Every picture is drawn in picture pixels; the canvas scales the painting.
int g_scale = 1;

const QString kSans = QStringLiteral("DejaVu Sans");
// Same family, narrower: for the tool button labels, which must all share one size.
const QString kSansCondensed = QStringLiteral("DejaVu Sans Condensed");

QFont Font(qreal px, int weight = 400, const QString& family = kSans) {
    QFont f(family);
    f.setPixelSize(int(px));
    f.setWeight(QFont::Weight(weight));
    f.setHintingPreference(QFont::PreferVerticalHinting);
    return f;
}

QImage Canvas(int w, int h, const QColor& bg) {
    QImage img(w * g_scale, h * g_scale, QImage::Format_RGB32);
    img.setDevicePixelRatio(g_scale);
    img.fill(bg);
    return img;
}

QImage ClearCanvas(int w, int h) {
    QImage img(w * g_scale, h * g_scale, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(g_scale);
    img.fill(Qt::transparent);
    return img;
}

void Begin(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

void Save(const QImage& img, const QString& rel) {
    QString name = rel;
    if (g_scale > 1)
        name.insert(rel.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(g_scale));
    const QString path = g_root + QLatin1Char('/') + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Qt writes 24-bit BMP files for RGB32 images.
    const bool bmp = rel.endsWith(QLatin1String(".bmp"));
    if (!img.save(path, bmp ? "BMP" : "PNG")) {
        std::fprintf(stderr, "vc_picgen: cannot write %s\n", qPrintable(path));
        ++g_failures;
        return;
    }
    ++g_written;
}

// The categories' names as their pictures show them: some languages need a shorter word on
// the picture than in the tip beside it.
[[maybe_unused]] const char* const kCategoryWords[] = {
    QT_TRANSLATE_NOOP("Pictures", "General Video"), QT_TRANSLATE_NOOP("Pictures", "General Audio"),
    QT_TRANSLATE_NOOP("Pictures", "Mobile Phone"),  QT_TRANSLATE_NOOP("Pictures", "Pocket PC"),
    QT_TRANSLATE_NOOP("Pictures", "Media Player"),  QT_TRANSLATE_NOOP("Pictures", "HD Video"),
    QT_TRANSLATE_NOOP("Pictures", "Animation")};

// The words drawn on a picture, in the language being drawn.
QString Words(const char* english) {
    return QCoreApplication::translate("Pictures", english);
}

void Warn(const QString& what) {
    // Both sets are laid out alike: say it once.
    if (g_scale == 1) std::fprintf(stderr, "vc_picgen: %s\n", qPrintable(what));
}

// Draws one line of text with its left edge at x, vertically centred on cy.
void TextAt(QPainter& p, const QFont& f, const QColor& c, qreal x, qreal cy, const QString& s) {
    const QFontMetricsF fm(f);
    p.setFont(f);
    p.setPen(c);
    p.drawText(QPointF(x, cy + (fm.ascent() - fm.descent()) / 2), s);
}

// The largest size from 'px' down to 'minPx' at which the text fits 'room'; 0 when none.
qreal FitSize(const QString& s, qreal room, qreal px, qreal minPx, int weight,
              const QString& family = kSans) {
    for (qreal size = px; size >= minPx; size -= 1)
        if (QFontMetricsF(Font(size, weight, family)).horizontalAdvance(s) <= room) return size;
    return 0;
}

// ---- picture buttons ----

enum class State { Normal, Hover, Disabled };

struct ButtonLook {
    QColor bg, fill, content;
    QColor border;  // invalid: none
};

ButtonLook PlainLook(State s, const QColor& bg) {
    switch (s) {
        case State::Hover:
            return {bg, kRaised2, kAccentHover, kAccent};
        case State::Disabled:
            return {bg, kDimFill, kDim, QColor()};
        default:
            return {bg, kRaised, kText, QColor()};
    }
}

void ButtonShape(QPainter& p, const QRectF& r, const ButtonLook& look) {
    p.setPen(Qt::NoPen);
    p.setBrush(look.fill);
    p.drawRoundedRect(r, 6, 6);
    if (look.border.isValid()) {
        p.setPen(QPen(look.border, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 5.5, 5.5);
    }
}

// Width left for a label beside a glyph, with 6 px insets and a 6 px gap.
qreal LabelRoom(int w, qreal glyphPx) {
    return w - 12 - glyphPx - 6;
}

// A glyph and an optional label, centred together in the picture.
QImage Button(int w, int h, const QString& glyph, const QString& label, const ButtonLook& look,
              qreal glyphPx, qreal textPx, int weight, const QString& name,
              const QString& family = kSans) {
    QImage img = Canvas(w, h, look.bg);
    QPainter p(&img);
    Begin(p);
    ButtonShape(p, QRectF(0, 0, w, h), look);
    qreal tw = 0, px = textPx;
    const qreal gap = label.isEmpty() ? 0 : 6;
    if (!label.isEmpty()) {
        px = FitSize(label, LabelRoom(w, glyphPx), textPx, 10, weight, family);
        if (px == 0) {
            Warn(QStringLiteral("label \"%1\" of %2 does not fit").arg(label, name));
            ++g_failures;
            px = 10;
        }
        tw = QFontMetricsF(Font(px, weight, family)).horizontalAdvance(label);
    }
    const qreal total = glyphPx + gap + tw;
    qreal x = (w - total) / 2;
    if (!glyph.isEmpty())
        skin::DrawGlyph(p, glyph, QRectF(x, (h - glyphPx) / 2, glyphPx, glyphPx), look.content);
    if (!label.isEmpty())
        TextAt(p, Font(px, weight, family), look.content, x + glyphPx + gap, h / 2.0, label);
    return img;
}

void ButtonSet(const QString& name, const std::function<QImage(State)>& draw) {
    Save(draw(State::Normal), QStringLiteral("%1.bmp").arg(name));
    Save(draw(State::Hover), QStringLiteral("%1on.bmp").arg(name));
    Save(draw(State::Disabled), QStringLiteral("%1D.bmp").arg(name));
}

void PictureButtons() {
    struct Tool {
        const char *name, *glyph, *label;
    };
    const Tool tools[] = {
        {"bt_dvdopen", "add-file", QT_TRANSLATE_NOOP("Pictures", "Add File")},
        {"bt_ifo", "add-folder", QT_TRANSLATE_NOOP("Pictures", "Add Folder")},
        {"bt_remove", "remove", QT_TRANSLATE_NOOP("Pictures", "Remove")},
        {"bt_clear", "clear", QT_TRANSLATE_NOOP("Pictures", "Clear")},
        {"bt_chapte", "properties", QT_TRANSLATE_NOOP("Pictures", "Properties")},
        {"bt_cut", "cut", QT_TRANSLATE_NOOP("Pictures", "Cut")},
        {"bt_set", "settings", QT_TRANSLATE_NOOP("Pictures", "Settings")},
    };
    // One label size for the whole row: the regular face when every label fits, else the
    // condensed one.
    QString family = kSans;
    for (const Tool& t : tools)
        if (FitSize(Words(t.label), LabelRoom(92, 16), 12, 12, 400) == 0) family = kSansCondensed;
    for (const Tool& t : tools) {
        ButtonSet(t.name, [&](State s) {
            return Button(92, 36, t.glyph, Words(t.label), PlainLook(s, kPanel), 16, 12, 400,
                          t.name, family);
        });
    }
    ButtonSet("bt_web", [](State s) {
        return Button(36, 36, "info", {}, PlainLook(s, kPanel), 18, 0, 400, "bt_web");
    });

    const Tool transport[] = {
        {"bt_back", "prev", ""},     {"bt_play", "play", ""}, {"bt_playpause", "pause", ""},
        {"bt_playstop", "stop", ""}, {"bt_next", "next", ""}, {"bt_images", "camera", ""},
    };
    for (const Tool& t : transport) {
        ButtonSet(t.name, [&](State s) {
            return Button(40, 32, t.glyph, {}, PlainLook(s, kPanel), 18, 0, 400, t.name);
        });
    }
    ButtonSet("bt_pause", [](State s) {
        return Button(40, 40, "pause", {}, PlainLook(s, kPanel), 20, 0, 400, "bt_pause");
    });
    ButtonSet("Bt_Convertstop", [](State s) {
        ButtonLook look = PlainLook(s, kPanel);
        if (s == State::Hover) look = {kPanel, kError, kWhite, QColor()};
        return Button(40, 40, "stop", {}, look, 20, 0, 400, "Bt_Convertstop");
    });
    ButtonSet("bt_start", [](State s) {
        ButtonLook look{kPanel, kAccent, kWhite, QColor()};
        if (s == State::Hover) look.fill = kAccentHover;
        if (s == State::Disabled)
            look = {kPanel, QColor(0x2c, 0x45, 0x60), QColor(0x8a, 0x9b, 0xae), QColor()};
        return Button(110, 48, "convert", Words(QT_TRANSLATE_NOOP("Pictures", "Convert")), look, 20,
                      15, 700, "bt_start");
    });
}

// ---- profile buttons ----

QString KindGlyph(const vc::ProfileEntry& e) {
    const QString name = QString::fromUtf8(e.displayName);
    const QString panel = QString::fromLatin1(e.panel);
    if (vc::IsDiscProfile(e.id)) return QStringLiteral("disc");
    if (panel.startsWith(QLatin1String("pl_audio")) || name.contains(QLatin1String("Audio")) ||
        name.contains(QLatin1String("Auido")))
        return QStringLiteral("note");
    if (name.contains(QLatin1String("(*.flv)")) || name.contains(QLatin1String("(*.swf)")))
        return QStringLiteral("flash");
    if (panel == QLatin1String("pl_ipod") || panel == QLatin1String("pl_pmp"))
        return QStringLiteral("player");
    if (panel == QLatin1String("pl_iphone") || panel == QLatin1String("pl_gphone") ||
        panel == QLatin1String("pl_phone"))
        return QStringLiteral("phone");
    if (panel == QLatin1String("pl_psp") || panel == QLatin1String("pl_xbox"))
        return QStringLiteral("console");
    if (panel == QLatin1String("pl_appletv")) return QStringLiteral("tv");
    if (panel == QLatin1String("pl_win")) return QStringLiteral("pocketpc");
    if (panel == QLatin1String("pl_hd") || name.startsWith(QLatin1String("HD ")))
        return QStringLiteral("hd");
    return QStringLiteral("film");
}

// Splits a display name into at most two lines that fit 'room' at some size from 13 px down,
// preferring one line, then the most even break. Breaks fall after blanks, '-', '/' and ')',
// or before '('.
struct Wrapped {
    QStringList lines;
    qreal px = 0;
};

Wrapped WrapName(const QString& s, qreal room) {
    for (qreal px = 13; px >= 11; px -= 1) {
        const QFontMetricsF fm(Font(px));
        if (fm.horizontalAdvance(s) <= room) return {{s}, px};
        // Breaks at blanks and before "(" read best; after '-' or '/' only when no such break
        // fits, and never inside "MPEG-4"-like words (a '-' followed by a digit).
        int best = -1;
        for (int tier = 0; tier < 2 && best < 0; ++tier) {
            qreal bestWidth = 1e9;
            for (int i = 1; i < s.size(); ++i) {
                const QChar a = s[i - 1], b = s[i];
                const bool soft = a == QLatin1Char(' ') || b == QLatin1Char('(') ||
                                  (a == QLatin1Char(')') && b != QLatin1Char('('));
                const bool hard = (a == QLatin1Char('-') && !b.isDigit()) || a == QLatin1Char('/');
                if (!(tier == 0 ? soft : (soft || hard))) continue;
                const qreal w1 = fm.horizontalAdvance(s.left(i).trimmed());
                const qreal w2 = fm.horizontalAdvance(s.mid(i).trimmed());
                if (w1 <= room && w2 <= room && std::max(w1, w2) < bestWidth) {
                    bestWidth = std::max(w1, w2);
                    best = i;
                }
            }
        }
        if (best > 0) return {{s.left(best).trimmed(), s.mid(best).trimmed()}, px};
    }
    return {};
}

QImage ProfileButton(const vc::ProfileEntry& e, bool highlighted) {
    const int w = 250, h = 46;
    QImage img = Canvas(w, h, kRaised);
    QPainter p(&img);
    Begin(p);
    const QString name = QString::fromUtf8(e.displayName);
    if (name.isEmpty()) return img;  // a blank slot

    const QColor content = highlighted ? kWhite : kText;
    if (highlighted) {
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawRoundedRect(QRectF(3, 2, w - 6, h - 4), 6, 6);
    } else {
        p.fillRect(QRectF(12, h - 1, w - 24, 1), QColor(0x35, 0x3c, 0x47));
    }
    // Glyph tile.
    p.setPen(Qt::NoPen);
    p.setBrush(highlighted ? QColor(255, 255, 255, 46) : kPanel);
    p.drawRoundedRect(QRectF(10, 8, 30, 30), 6, 6);
    skin::DrawGlyph(p, KindGlyph(e), QRectF(15, 13, 20, 20), highlighted ? kWhite : kText2);

    const bool opener = e.kind == vc::ButtonKind::SubPanel;
    const qreal left = 50, right = opener ? w - 28 : w - 10;
    if (opener)
        skin::DrawGlyph(p, QStringLiteral("chevron-right"), QRectF(w - 26, 15, 16, 16),
                        highlighted ? kWhite : kText2);
    const Wrapped wr = WrapName(name, right - left);
    if (wr.lines.isEmpty()) {
        Warn(QStringLiteral("profile %1 \"%2\" had to be shortened").arg(e.id).arg(name));
        const QFont f = Font(11);
        TextAt(p, f, content, left, h / 2.0,
               QFontMetricsF(f).elidedText(name, Qt::ElideRight, right - left));
        return img;
    }
    const QFont f = Font(wr.px);
    const QFontMetricsF fm(f);
    if (wr.lines.size() == 1) {
        TextAt(p, f, content, left, h / 2.0, wr.lines[0]);
    } else {
        const qreal lh = fm.height();
        TextAt(p, f, content, left, h / 2.0 - lh / 2, wr.lines[0]);
        TextAt(p, f, content, left, h / 2.0 + lh / 2, wr.lines[1]);
    }
    return img;
}

void ProfileButtons() {
    for (int id = 1; id <= vc::kProfileCount; ++id) {
        const vc::ProfileEntry* e = vc::CatalogueEntry(id);
        Save(ProfileButton(*e, false), QStringLiteral("sub/general/%1.bmp").arg(id));
        Save(ProfileButton(*e, true), QStringLiteral("sub/move/%1.bmp").arg(id));
    }
}

// ---- categories, icons, page links, backdrop ----

const char* CategoryGlyph(const QString& file) {
    static const QHash<QString, const char*> m = {
        {"video1", "film"},     {"audio1", "note"},  {"ipod", "player"}, {"iphone", "phone"},
        {"gphone", "phone"},    {"appletv", "tv"},   {"psp", "console"}, {"xbox", "console"},
        {"phone", "phone"},     {"win", "pocketpc"}, {"pmp", "player"},  {"hd", "hd"},
        {"animation", "flash"},
    };
    return m.value(file, "grid");
}

QImage CategoryPicture(const vc::Category& c, bool highlighted) {
    const int w = 150, h = 26;
    QImage img = Canvas(w, h, kRaised);
    QPainter p(&img);
    Begin(p);
    if (highlighted) {
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawRoundedRect(QRectF(2, 1, w - 4, h - 2), 5, 5);
    }
    const QString file = QString::fromLatin1(c.fileName);
    skin::DrawGlyph(p, CategoryGlyph(file), QRectF(9, 5, 16, 16), highlighted ? kWhite : kText2);
    const QString title = Words(c.title);
    const qreal room = w - 32 - 6;
    const int weight = highlighted ? 600 : 400;
    qreal px = FitSize(title, room, 13, 11, weight);
    if (px == 0) {
        Warn(QStringLiteral("category title \"%1\" does not fit").arg(title));
        ++g_failures;
        px = 11;
    }
    TextAt(p, Font(px, weight), highlighted ? kWhite : kText, 32, h / 2.0, title);
    return img;
}

QImage Icon16(const QString& glyph) {
    QImage img = Canvas(16, 16, kRaised);
    QPainter p(&img);
    Begin(p);
    skin::DrawGlyph(p, glyph, QRectF(0, 0, 16, 16), kAccent);
    return img;
}

QImage PageLink(bool next, bool hover) {
    const int w = 250, h = 22;
    QImage img = Canvas(w, h, kRaised);
    QPainter p(&img);
    Begin(p);
    if (hover) {
        p.setPen(Qt::NoPen);
        p.setBrush(kRaised2);
        p.drawRoundedRect(QRectF(3, 1, w - 6, h - 2), 5, 5);
    }
    const QColor c = hover ? kAccentHover : kAccent;
    const QFont f = Font(12, 600);
    const QFontMetricsF fm(f);
    const QString label = next ? Words(QT_TRANSLATE_NOOP("Pictures", "More formats"))
                               : Words(QT_TRANSLATE_NOOP("Pictures", "Back"));
    const qreal tw = fm.horizontalAdvance(label);
    if (next) {
        const qreal x = w - 12 - 12 - 4 - tw;
        TextAt(p, f, c, x, h / 2.0, label);
        skin::DrawGlyph(p, QStringLiteral("chevron-right"), QRectF(w - 24, 5, 12, 12), c);
    } else {
        skin::DrawGlyph(p, QStringLiteral("chevron-left"), QRectF(12, 5, 12, 12), c);
        TextAt(p, f, c, 12 + 12 + 4, h / 2.0, label);
    }
    return img;
}

void PickerPictures() {
    for (const vc::Category& c : vc::Categories()) {
        Save(CategoryPicture(c, false), QStringLiteral("main/general/img_%1.bmp").arg(c.fileName));
        Save(CategoryPicture(c, true), QStringLiteral("main/move/img_%1.bmp").arg(c.fileName));
        Save(Icon16(CategoryGlyph(QString::fromLatin1(c.fileName))),
             QStringLiteral("main/%1.bmp").arg(c.index));
    }
    Save(Icon16(QStringLiteral("grid")), QStringLiteral("main/14.bmp"));
    Save(PageLink(true, false), QStringLiteral("sub/page_next.bmp"));
    Save(PageLink(true, true), QStringLiteral("sub/page_next_on.bmp"));
    Save(PageLink(false, false), QStringLiteral("sub/page_prev.bmp"));
    Save(PageLink(false, true), QStringLiteral("sub/page_prev_on.bmp"));
    Save(Canvas(250, 364, kRaised), QStringLiteral("sub/backdrop.bmp"));
}

// ---- title pictures and the program icon ----

QImage TitlePicture(const QString& title) {
    const int w = 220, h = 28;
    QImage img = Canvas(w, h, kWindow);
    QPainter p(&img);
    Begin(p);
    skin::DrawGlyph(p, QStringLiteral("logo"), QRectF(0, 3, 22, 22), kText);
    const qreal room = w - 30 - 2;
    qreal px = FitSize(title, room, 15, 11, 600);
    if (px == 0) {
        Warn(QStringLiteral("title \"%1\" does not fit").arg(title));
        ++g_failures;
        px = 11;
    }
    TextAt(p, Font(px, 600), kText, 30, h / 2.0, title);
    return img;
}

void TitlePictures() {
    const char* products[] = {"VideoConverter",       "iPodVideoConverter", "PSPVideoConverter",
                              "iPhoneVideoConverter", "3GPVideoConverter",  "MP3VideoConverter",
                              "AVIVideoConverter",    "MP4VideoConverter"};
    for (const char* prod : products) {
        QString edition = QString::fromLatin1(prod);
        edition.chop(int(qstrlen("VideoConverter")));
        const QString title =
            edition.isEmpty()
                ? Words(QT_TRANSLATE_NOOP("Pictures", "Video Converter"))
                : Words(QT_TRANSLATE_NOOP("Pictures", "%1 Video Converter")).arg(edition);
        Save(TitlePicture(title), QStringLiteral("main/%1.bmp").arg(prod));
    }
    QImage icon = ClearCanvas(64, 64);
    {
        QPainter p(&icon);
        Begin(p);
        skin::DrawGlyph(p, QStringLiteral("logo"), QRectF(0, 0, 64, 64), kText);
    }
    Save(icon, QStringLiteral("main/icon.png"));
}

// ---- the job list's check boxes ----

// Plain at a glance on the dark rows and on the accent of a selected row: an empty box with a
// light rim, and a filled box with a white tick.
QImage CheckBox(bool checked) {
    const int size = 16;
    QImage img = ClearCanvas(size, size);
    QPainter p(&img);
    Begin(p);
    const QRectF box(1.5, 1.5, size - 3, size - 3);
    if (checked) {
        p.setPen(QPen(kWhite, 1.2));
        p.setBrush(kAccent);
        p.drawRoundedRect(box, 3.5, 3.5);
        QPainterPath tick;
        tick.moveTo(4.6, 8.2);
        tick.lineTo(7.0, 10.6);
        tick.lineTo(11.6, 5.6);
        p.setPen(QPen(kWhite, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    } else {
        p.setPen(QPen(kText2, 1.2));
        p.setBrush(kWindow);
        p.drawRoundedRect(box, 3.5, 3.5);
    }
    return img;
}

void ListPictures() {
    Save(CheckBox(true), QStringLiteral("list/checked.png"));
    Save(CheckBox(false), QStringLiteral("list/unchecked.png"));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: vc_picgen IMAGES_FOLDER [TRANSLATIONS_FOLDER]\n");
        return 2;
    }
    g_root = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    if (!QDir().mkpath(g_root)) {
        std::fprintf(stderr, "vc_picgen: cannot create %s\n", argv[1]);
        return 1;
    }
    for (g_scale = 1; g_scale <= 2; ++g_scale) {
        PictureButtons();
        ProfileButtons();
        PickerPictures();
        TitlePictures();
        ListPictures();
    }
    // The pictures with words once more for each interface language, in l10n/<language>/.
    const QString images = g_root;
    const QDir translations(argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString());
    const QStringList qms =
        argc == 3 ? translations.entryList({QStringLiteral("videoconverter_*.qm")}, QDir::Files)
                  : QStringList();
    for (const QString& qm : qms) {
        QTranslator language;
        if (!language.load(translations.filePath(qm))) {
            std::fprintf(stderr, "vc_picgen: cannot read %s\n", qPrintable(qm));
            ++g_failures;
            continue;
        }
        QCoreApplication::installTranslator(&language);
        QString code = qm;
        code.chop(3);
        code.remove(0, int(qstrlen("videoconverter_")));
        g_root = images + QStringLiteral("/l10n/") + code;
        for (g_scale = 1; g_scale <= 2; ++g_scale) {
            PictureButtons();
            PickerPictures();
            TitlePictures();
        }
        QCoreApplication::removeTranslator(&language);
    }
    std::printf("vc_picgen: %d pictures written to %s\n", g_written, qPrintable(images));
    return g_failures == 0 ? 0 : 1;
}
