#include "shell/SkinDisplay.h"

#include <QCoreApplication>
#include <QWidget>
#include <algorithm>

#include "core/languagefile.h"
#include "core/layoutfile.h"
#include "core/numeric.h"

namespace vc {

namespace {
// Objects bound on the main window, in binding order; then those of the cut window.
const char* const kMainObjects[] = {"profilestext", "play_time", "hint",       "play_bar",
                                    "di",           "alltime",   "playpos",    "convertpos",
                                    "convertinfo",  "filename",  "filesize",   "filepath",
                                    "usedtime",     "resttime",  "previewhint"};
const char* const kCutObjects[] = {"cut_begin_time", "cut_end_time", "cut_play_time",
                                   "cut_play_bar", "cutplaypos"};
}  // namespace

QString SkinDisplay::Bind(QWidget* main, QWidget* cut, const QString& skinFile) {
    try {
        engine_->OpenSkinFile(skinFile);
        engine_->SkinWindow(main);
        engine_->SkinWindowAs(main, "dozadozorozirivaz");
    } catch (const std::exception& ex) {
        return QCoreApplication::translate("SkinDisplay", "The skin file cannot be loaded: %1")
            .arg(ex.what());
    }
    skin::ISkinObject* root = engine_->WindowRoot(main);
    for (const char* name : kMainObjects) {
        BindObject(root, name, QString(name) == "play_bar");
        if (QString(name) == "convertpos") {
            for (const char* fill : {"convertpos", "playpos"})
                if (Bound* b = Find(fill); b && b->placement) {
                    b->placement->GetArea(b->fillRect);
                    b->formFillRect = b->fillRect;
                }
            SetSliderPosition("play_bar", 0);
        }
    }
    QString error;
    if (cut) {
        try {
            engine_->SkinWindow(cut);
            engine_->SkinWindowAs(cut, "cutter");
            skin::ISkinObject* cutRoot = engine_->WindowRoot(cut);
            for (const char* name : kCutObjects)
                BindObject(cutRoot, name, QString(name) == "cut_play_bar");
            if (Bound* b = Find("cutplaypos"); b && b->placement)
                b->placement->GetArea(b->fillRect);
        } catch (const std::exception& ex) {
            error = QCoreApplication::translate("SkinDisplay", "The skin file cannot be loaded: %1")
                        .arg(ex.what());
        }
    }
    bound_ = true;
    main_ = main;
    cut_ = error.isEmpty() ? cut : nullptr;
    // The skin draws under every control; keep the controls on top.
    if (QWidget* s = engine_->Surface(main)) s->lower();
    return error;
}

void SkinDisplay::NameObjects(const std::string& languageFile) {
    auto hint = [&languageFile](const QString& object) {
        const int id = HintIdFor(object.toStdString());
        std::string line;
        if (id == kWelcomeHintId ||
            ReadLanguageLine(languageFile, id, line) != LanguageLookup::Found)
            return QString();
        return QString::fromStdString(line);
    };
    for (QWidget* w : {main_, cut_})
        if (w) engine_->SetAccessibleNames(w, hint);
}

void SkinDisplay::BindObject(skin::ISkinObject* root, const QString& name, bool slider) {
    if (!root) return;
    skin::ISkinObject* o = root->FindChild(name);
    if (!o) return;
    Bound b;
    if (slider)
        b.slider = o->slider();
    else
        b.caption = o->caption();
    if (b.caption) b.skinText = b.caption->GetText();
    b.placement = o->placement();
    objects_[name] = b;
}

SkinDisplay::Bound* SkinDisplay::Find(const QString& name) {
    auto it = objects_.find(name);
    return it == objects_.end() ? nullptr : &it->second;
}

const SkinDisplay::Bound* SkinDisplay::Find(const QString& name) const {
    auto it = objects_.find(name);
    return it == objects_.end() ? nullptr : &it->second;
}

void SkinDisplay::ShowText(const QString& object, const QString& text) {
    Bound* b = Find(object);
    if (!b || !b->caption) return;
    b->caption->SetText(text);
    if (b->placement) b->placement->Refresh();
}

void SkinDisplay::RestoreText(const QString& object) {
    if (const Bound* b = Find(object)) ShowText(object, b->skinText);
}

QString SkinDisplay::Text(const QString& object) const {
    const Bound* b = Find(object);
    return b && b->caption ? b->caption->GetText() : QString();
}

void SkinDisplay::SetPosFill(const QString& object, int value) {
    Bound* b = Find(object);
    if (!b || !b->placement) return;
    const int v = std::min(value, 10000);
    const char* section = object == "playpos"      ? "Play"
                          : object == "convertpos" ? "convert"
                                                   : "CutPlay";
    b->value = value;
    const int w = (layout_ ? layout_->FillWidth(section) : 0) + b->extraWidth;
    const int width = static_cast<int>(RoundHalfAway(static_cast<double>(v) * w / 10000.0));
    skin::SkinRect r = b->fillRect;
    r.right = r.left + width;
    b->placement->SetArea(r);
    b->placement->Refresh();
}

void SkinDisplay::PlaceMain(
    const QSize& size,
    const std::function<QRect(const QString& name, const QRect& formRect)>& place) {
    if (!main_) return;
    engine_->PlaceObjects(main_, size, place);
    for (const char* fill : {"convertpos", "playpos"}) {
        Bound* b = Find(fill);
        if (!b || !b->placement) continue;
        const skin::SkinRect& f = b->formFillRect;
        const QRect form(f.left, f.top, f.right - f.left, f.bottom - f.top);
        const QRect now = place(fill, form);
        if (now.isNull()) continue;
        b->fillRect = {now.left(), now.top(), now.left() + now.width(), now.top() + now.height()};
        b->extraWidth = now.width() - form.width();
        SetPosFill(fill, b->value);
    }
}

void SkinDisplay::PlaceBackdrop(bool show, int left, int top, int width, int height) {
    Bound* b = Find("di");
    if (!b || !b->placement) return;
    b->placement->SetVisible(show ? -1 : 0);
    b->placement->SetArea({left, top, left + width, top + height});
    b->placement->Refresh();
}

void SkinDisplay::SetVisible(const QString& object, bool visible) {
    Bound* b = Find(object);
    if (!b || !b->placement) return;
    b->placement->SetVisible(visible ? -1 : 0);
    b->placement->Refresh();
}

void SkinDisplay::SetSliderPosition(const QString& object, int pos) {
    Bound* b = Find(object);
    if (!b || !b->slider) return;
    b->slider->SetPosition(pos);
    if (b->placement) b->placement->Refresh();
}

int SkinDisplay::SliderPosition(const QString& object) const {
    const Bound* b = Find(object);
    if (!b || !b->slider) return 0;
    const int p = b->slider->GetPosition();
    if (b->placement) b->placement->Refresh();
    return p;
}

void SkinDisplay::ShowLanguageText(int id, const QString& text, const QString& productName) {
    // The welcome belongs to an idle window, not over what a batch left in the area.
    if (id == kWelcomeHintId && Text("filepath").isEmpty())
        ShowText("hint", text + " " + productName + ".");
    else if (id < kWelcomeHintId)
        ShowText("hint", text);
}

}  // namespace vc
