#include "skin/skinfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include "skin/skin.h"

namespace skin {

const FormDef* SkinFile::Form(const QString& name) const {
    for (const auto& f : forms)
        if (f.name == name) return &f;
    return nullptr;
}

namespace {

QString Translated(const QString& text) {
    return QCoreApplication::translate("Skin", text.toUtf8().constData());
}

struct Token {
    QString key;    // empty for a bare word
    QString value;  // the word itself for a bare word
};

class Parser {
  public:
    Parser(const QString& path) : path_(path), dir_(QFileInfo(path).absoluteDir()) {}

    SkinFile Run(const QString& text) {
        SkinFile file;
        file.path = path_;
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            line_ = i + 1;
            QString raw = lines[i];
            if (raw.endsWith(QLatin1Char('\r'))) raw.chop(1);
            std::vector<Token> toks = Tokenize(raw);
            if (toks.empty()) continue;
            const QString word = toks[0].key.isEmpty() ? toks[0].value : QString();
            if (word.isEmpty()) Fail(QStringLiteral("a line must start with a keyword"));
            if (word == QLatin1String("color")) {
                ParseColorLine(toks);
            } else if (word == QLatin1String("style")) {
                ParseStyleLine(toks);
            } else if (word == QLatin1String("form")) {
                ParseFormLine(toks, file);
            } else {
                ObjectKind kind;
                if (!KindOf(word, kind)) Fail(QStringLiteral("unknown keyword \"%1\"").arg(word));
                if (file.forms.empty()) Fail(QStringLiteral("object before the first form"));
                ParseObjectLine(toks, kind, file.forms.back());
            }
        }
        if (file.forms.empty()) {
            throw SkinError(QStringLiteral("%1: the skin file holds no form")
                                .arg(QFileInfo(path_).fileName())
                                .toStdString());
        }
        return file;
    }

  private:
    [[noreturn]] void Fail(const QString& what) const {
        throw SkinError(QStringLiteral("%1 line %2: %3")
                            .arg(QFileInfo(path_).fileName())
                            .arg(line_)
                            .arg(what)
                            .toStdString());
    }

    // Words are split at blanks; double quotes group a value ("a b", key="a b") and
    // backslash escapes \" \\ \n inside them. A line whose first word starts with '#' is a
    // comment (colours start with '#' too, so a comment cannot follow other words).
    std::vector<Token> Tokenize(const QString& s) const {
        std::vector<Token> out;
        int i = 0;
        const int n = s.size();
        while (i < n) {
            while (i < n && s[i].isSpace()) ++i;
            if (i >= n || (out.empty() && s[i] == QLatin1Char('#'))) break;
            QString cur, key;
            bool haveKey = false;
            while (i < n && !s[i].isSpace()) {
                const QChar c = s[i];
                if (c == QLatin1Char('"')) {
                    ++i;
                    bool closed = false;
                    while (i < n) {
                        QChar q = s[i];
                        if (q == QLatin1Char('\\') && i + 1 < n) {
                            QChar e = s[i + 1];
                            cur += e == QLatin1Char('n') ? QChar(QLatin1Char('\n')) : e;
                            i += 2;
                            continue;
                        }
                        ++i;
                        if (q == QLatin1Char('"')) {
                            closed = true;
                            break;
                        }
                        cur += q;
                    }
                    if (!closed) Fail(QStringLiteral("unterminated quoted text"));
                } else if (c == QLatin1Char('=') && !haveKey) {
                    haveKey = true;
                    key = cur;
                    cur.clear();
                    if (key.isEmpty()) Fail(QStringLiteral("\"=\" without a key"));
                    ++i;
                } else {
                    cur += c;
                    ++i;
                }
            }
            out.push_back(Token{haveKey ? key : QString(), cur});
        }
        return out;
    }

    static bool KindOf(const QString& w, ObjectKind& k) {
        static const QHash<QString, ObjectKind> kinds = {
            {QStringLiteral("panel"), ObjectKind::Panel},
            {QStringLiteral("text"), ObjectKind::Text},
            {QStringLiteral("button"), ObjectKind::Button},
            {QStringLiteral("slider"), ObjectKind::Slider},
            {QStringLiteral("fill"), ObjectKind::Fill},
            {QStringLiteral("image"), ObjectKind::Image},
            {QStringLiteral("hotspot"), ObjectKind::Hotspot},
        };
        auto it = kinds.find(w);
        if (it == kinds.end()) return false;
        k = it.value();
        return true;
    }

    int Int(const QString& v, const QString& what, int lo, int hi) const {
        bool ok = false;
        int x = v.toInt(&ok);
        if (!ok) Fail(QStringLiteral("%1 \"%2\" is not a whole number").arg(what, v));
        if (x < lo || x > hi)
            Fail(QStringLiteral("%1 %2 is outside %3..%4").arg(what).arg(x).arg(lo).arg(hi));
        return x;
    }

    bool Bool(const QString& v, const QString& what) const {
        if (v == QLatin1String("1") || v == QLatin1String("yes") || v == QLatin1String("true"))
            return true;
        if (v == QLatin1String("0") || v == QLatin1String("no") || v == QLatin1String("false"))
            return false;
        Fail(QStringLiteral("%1 \"%2\" is not 1 or 0").arg(what, v));
    }

    QColor Color(const QString& v) const {
        if (v == QLatin1String("none")) return QColor();
        auto it = colors_.find(v);
        if (it != colors_.end()) return it.value();
        if (v.startsWith(QLatin1Char('#')) && (v.size() == 4 || v.size() == 7 || v.size() == 9)) {
            QColor c = QColor::fromString(v);
            if (c.isValid()) return c;
        }
        Fail(QStringLiteral("\"%1\" is not a colour (#rgb, #rrggbb, #aarrggbb, none or a "
                            "colour name defined above)")
                 .arg(v));
    }

    void ParseColorLine(const std::vector<Token>& t) {
        if (t.size() != 3 || !t[1].key.isEmpty() || !t[2].key.isEmpty())
            Fail(QStringLiteral("expected: color NAME #rrggbb"));
        if (t[1].value.startsWith(QLatin1Char('#')) || t[1].value == QLatin1String("none"))
            Fail(QStringLiteral("a colour name cannot start with '#' or be \"none\""));
        QColor c = Color(t[2].value);
        if (!c.isValid()) Fail(QStringLiteral("a named colour cannot be \"none\""));
        colors_[t[1].value] = c;
    }

    void ParseStyleLine(const std::vector<Token>& t) {
        if (t.size() < 2 || !t[1].key.isEmpty())
            Fail(QStringLiteral("expected: style NAME key=value ..."));
        std::vector<Token> keys;
        for (size_t i = 2; i < t.size(); ++i) {
            if (t[i].key.isEmpty())
                Fail(QStringLiteral("expected key=value, got \"%1\"").arg(t[i].value));
            if (t[i].key == QLatin1String("style")) {
                auto it = styles_.find(t[i].value);
                if (it == styles_.end())
                    Fail(QStringLiteral("unknown style \"%1\"").arg(t[i].value));
                keys.insert(keys.end(), it->begin(), it->end());
            } else {
                keys.push_back(t[i]);
            }
        }
        // Check the values now so that a bad style is reported on its own line.
        ObjectDef probe;
        for (const auto& k : keys) ApplyKey(probe, k);
        styles_[t[1].value] = keys;
    }

    void ParseFormLine(const std::vector<Token>& t, SkinFile& file) {
        if (t.size() < 4 || !t[1].key.isEmpty() || !t[2].key.isEmpty() || !t[3].key.isEmpty())
            Fail(QStringLiteral("expected: form NAME WIDTH HEIGHT [background=COLOUR]"));
        FormDef f;
        f.name = t[1].value;
        if (file.Form(f.name)) Fail(QStringLiteral("form \"%1\" is defined twice").arg(f.name));
        f.width = Int(t[2].value, QStringLiteral("width"), 1, 10000);
        f.height = Int(t[3].value, QStringLiteral("height"), 1, 10000);
        f.background = QColor(0x1d, 0x21, 0x27);
        for (size_t i = 4; i < t.size(); ++i)
            if (t[i].key == QLatin1String("background")) f.background = Color(t[i].value);
        file.forms.push_back(std::move(f));
        names_.clear();
    }

    QRect Rect(const QString& v) const {
        const QStringList p = v.split(QLatin1Char(','));
        if (p.size() != 4)
            Fail(QStringLiteral("rectangle \"%1\" is not LEFT,TOP,RIGHT,BOTTOM").arg(v));
        int l = Int(p[0], QStringLiteral("left"), -10000, 10000);
        int tp = Int(p[1], QStringLiteral("top"), -10000, 10000);
        int r = Int(p[2], QStringLiteral("right"), -10000, 10000);
        int b = Int(p[3], QStringLiteral("bottom"), -10000, 10000);
        if (r < l || b < tp)
            Fail(QStringLiteral(
                     "rectangle \"%1\" has its right or bottom edge before its left or top")
                     .arg(v));
        return QRect(QPoint(l, tp), QPoint(r - 1, b - 1));
    }

    void ParseObjectLine(const std::vector<Token>& t, ObjectKind kind, FormDef& form) {
        if (t.size() < 3 || !t[1].key.isEmpty() || !t[2].key.isEmpty())
            Fail(QStringLiteral("expected: KIND NAME LEFT,TOP,RIGHT,BOTTOM key=value ..."));
        ObjectDef o;
        o.kind = kind;
        o.line = line_;
        o.name = t[1].value == QLatin1String("-") ? QString() : t[1].value;
        if (!o.name.isEmpty()) {
            if (names_.contains(o.name))
                Fail(QStringLiteral("object \"%1\" is defined twice in form \"%2\"")
                         .arg(o.name, form.name));
            names_.insert(o.name);
        }
        o.rect = Rect(t[2].value);
        switch (kind) {
            case ObjectKind::Panel:
            case ObjectKind::Image:
                o.hit = false;
                o.align = Qt::AlignCenter;
                break;
            case ObjectKind::Button:
                o.align = Qt::AlignCenter;
                break;
            case ObjectKind::Slider:
                o.thumb = QColor(0xe8, 0xeb, 0xf0);
                break;
            default:
                break;
        }
        for (size_t i = 3; i < t.size(); ++i) {
            if (t[i].key.isEmpty())
                Fail(QStringLiteral("expected key=value, got \"%1\"").arg(t[i].value));
            if (t[i].key == QLatin1String("style")) {
                auto it = styles_.find(t[i].value);
                if (it == styles_.end())
                    Fail(QStringLiteral("unknown style \"%1\"").arg(t[i].value));
                for (const auto& k : *it) ApplyKey(o, k);
            }
        }
        for (size_t i = 3; i < t.size(); ++i)
            if (t[i].key != QLatin1String("style")) ApplyKey(o, t[i]);
        if (!o.image.isEmpty()) {
            QString abs = dir_.absoluteFilePath(o.image);
            if (!QFileInfo::exists(abs))
                Fail(QStringLiteral("picture \"%1\" does not exist").arg(o.image));
            o.image = abs;
        }
        form.objects.push_back(std::move(o));
    }

    // What each key of an object line sets. Unknown keys are ignored so that newer skins still
    // load.
    using Setter = void (*)(const Parser& p, ObjectDef& o, const Token& t);
    void ApplyKey(ObjectDef& obj, const Token& tk) const {
        static const QHash<QString, Setter> setters = {
            {QStringLiteral("visible"), [](const Parser& p, ObjectDef& o,
                                           const Token& t) { o.visible = p.Bool(t.value, t.key); }},
            {QStringLiteral("hit"),
             [](const Parser& p, ObjectDef& o, const Token& t) { o.hit = p.Bool(t.value, t.key); }},
            {QStringLiteral("drag"), [](const Parser& p, ObjectDef& o,
                                        const Token& t) { o.drag = p.Bool(t.value, t.key); }},
            {QStringLiteral("fill"),
             [](const Parser& p, ObjectDef& o, const Token& t) { o.fill = p.Color(t.value); }},
            {QStringLiteral("fill2"),
             [](const Parser& p, ObjectDef& o, const Token& t) { o.fill2 = p.Color(t.value); }},
            {QStringLiteral("border"),
             [](const Parser& p, ObjectDef& o, const Token& t) { o.border = p.Color(t.value); }},
            {QStringLiteral("border-width"),
             [](const Parser& p, ObjectDef& o, const Token& t) {
                 o.borderWidth = p.Int(t.value, t.key, 0, 20);
             }},
            {QStringLiteral("separator"),
             [](const Parser& p, ObjectDef& o, const Token& t) { o.separator = p.Color(t.value); }},
            {QStringLiteral("shadow"),
             [](const Parser& p, ObjectDef& o, const Token& t) { o.shadow = p.Color(t.value); }},
            {QStringLiteral("color"),
             [](const Parser& p, ObjectDef& o, const Token& t) { o.color = p.Color(t.value); }},
            {QStringLiteral("radius"),
             [](const Parser& p, ObjectDef& o, const Token& t) {
                 o.radius = p.Int(t.value, t.key, 0, 1000);
             }},
            {QStringLiteral("hover-fill"), [](const Parser& p, ObjectDef& o,
                                              const Token& t) { o.hover.fill = p.Color(t.value); }},
            {QStringLiteral("hover-color"),
             [](const Parser& p, ObjectDef& o, const Token& t) {
                 o.hover.color = p.Color(t.value);
             }},
            {QStringLiteral("hover-border"),
             [](const Parser& p, ObjectDef& o, const Token& t) {
                 o.hover.border = p.Color(t.value);
             }},
            {QStringLiteral("press-fill"), [](const Parser& p, ObjectDef& o,
                                              const Token& t) { o.press.fill = p.Color(t.value); }},
            {QStringLiteral("press-color"),
             [](const Parser& p, ObjectDef& o, const Token& t) {
                 o.press.color = p.Color(t.value);
             }},
            {QStringLiteral("press-border"),
             [](const Parser& p, ObjectDef& o, const Token& t) {
                 o.press.border = p.Color(t.value);
             }},
            {QStringLiteral("font"),
             [](const Parser& p, ObjectDef& o, const Token& t) {
                 o.fontPx = p.Int(t.value, t.key, 4, 200);
             }},
            {QStringLiteral("weight"),
             [](const Parser& p, ObjectDef& o, const Token& t) { o.weight = p.Weight(t.value); }},
            {QStringLiteral("align"),
             [](const Parser& p, ObjectDef& o, const Token& t) { o.align = p.Align(t.value); }},
            {QStringLiteral("elide"),
             [](const Parser& p, ObjectDef& o, const Token& t) { o.elide = p.ElideOf(t.value); }},
            {QStringLiteral("mono"), [](const Parser& p, ObjectDef& o,
                                        const Token& t) { o.mono = p.Bool(t.value, t.key); }},
            {QStringLiteral("padding"),
             [](const Parser& p, ObjectDef& o, const Token& t) {
                 o.padding = p.Int(t.value, t.key, 0, 1000);
             }},
            {QStringLiteral("text"),
             // The skin's words are translated as it is read, so every user of the object
             // sees them in the interface's language.
             [](const Parser&, ObjectDef& o, const Token& t) { o.text = Translated(t.value); }},
            {QStringLiteral("label"),
             [](const Parser&, ObjectDef& o, const Token& t) { o.label = Translated(t.value); }},
            {QStringLiteral("glyph"),
             [](const Parser&, ObjectDef& o, const Token& t) { o.glyph = t.value; }},
            {QStringLiteral("glyph-size"),
             [](const Parser& p, ObjectDef& o, const Token& t) {
                 o.glyphSize = p.Int(t.value, t.key, 0, 1000);
             }},
            {QStringLiteral("glyph-gap"),
             [](const Parser& p, ObjectDef& o, const Token& t) {
                 o.glyphGap = p.Int(t.value, t.key, 0, 1000);
             }},
            {QStringLiteral("image"),
             [](const Parser&, ObjectDef& o, const Token& t) { o.image = t.value; }},
            {QStringLiteral("thumb"),
             [](const Parser& p, ObjectDef& o, const Token& t) { o.thumb = p.Color(t.value); }},
            {QStringLiteral("thumb-border"),
             [](const Parser& p, ObjectDef& o, const Token& t) {
                 o.thumbBorder = p.Color(t.value);
             }},
            {QStringLiteral("track"),
             [](const Parser& p, ObjectDef& o, const Token& t) { o.track = p.Color(t.value); }},
        };
        if (const auto it = setters.constFind(tk.key); it != setters.cend()) (*it)(*this, obj, tk);
    }

    int Weight(const QString& v) const {
        if (v == QLatin1String("normal")) return 400;
        if (v == QLatin1String("medium")) return 500;
        if (v == QLatin1String("semibold")) return 600;
        if (v == QLatin1String("bold")) return 700;
        return Int(v, QStringLiteral("weight"), 100, 900);
    }

    Qt::Alignment Align(const QString& v) const {
        if (v == QLatin1String("left")) return Qt::AlignLeft | Qt::AlignVCenter;
        if (v == QLatin1String("center")) return Qt::AlignCenter;
        if (v == QLatin1String("right")) return Qt::AlignRight | Qt::AlignVCenter;
        Fail(QStringLiteral("align \"%1\" is not left, center or right").arg(v));
    }

    Elide ElideOf(const QString& v) const {
        if (v == QLatin1String("none")) return Elide::None;
        if (v == QLatin1String("left")) return Elide::Left;
        if (v == QLatin1String("middle")) return Elide::Middle;
        if (v == QLatin1String("right")) return Elide::Right;
        Fail(QStringLiteral("elide \"%1\" is not none, left, middle or right").arg(v));
    }

    QString path_;
    QDir dir_;
    int line_ = 0;
    QHash<QString, QColor> colors_;
    QHash<QString, std::vector<Token>> styles_;
    QSet<QString> names_;
};

}  // namespace

SkinFile ParseSkin(const QString& text, const QString& path) {
    return Parser(path).Run(text);
}

SkinFile LoadSkin(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        throw SkinError(QStringLiteral("Cannot open the skin file %1: %2")
                            .arg(path, f.errorString())
                            .toStdString());
    }
    const QByteArray bytes = f.readAll();
    return ParseSkin(QString::fromUtf8(bytes), QFileInfo(path).absoluteFilePath());
}

}  // namespace skin
