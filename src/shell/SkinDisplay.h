#pragma once
// The skin's named display objects of the main and cut windows, bound once, and the display
// operations on them: texts, fills, sliders, visibility and the picker's backdrop.
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <map>
#include <string>

#include "skin/skin.h"

class QWidget;

namespace vc {

class LayoutFile;

class SkinDisplay {
  public:
    explicit SkinDisplay(skin::SkinEngine* engine) : engine_(engine) {}

    // Loads the skin file, skins both windows and binds their objects. Returns an error
    // message, or an empty text when the skin is in place (cut may be null).
    QString Bind(QWidget* main, QWidget* cut, const QString& skinFile);
    bool IsBound() const { return bound_; }
    skin::SkinEngine* Engine() const { return engine_; }
    // The fill widths come from the layout file.
    void SetLayout(const LayoutFile* layout) { layout_ = layout; }
    // Screen readers announce the objects of the bound windows by their hover hints from the
    // language file; objects without a hint keep the skin's own label.
    void NameObjects(const std::string& languageFile);
    // Shows text `id` of the language file where it belongs: the hover hints (below 25) in
    // "hint", the welcome line (25) there with the product's name after it; other ids nowhere.
    void ShowLanguageText(int id, const QString& text, const QString& productName);

    void ShowText(const QString& object, const QString& text);
    QString Text(const QString& object) const;
    // Shows the text the skin gave the object.
    void RestoreText(const QString& object);
    // Fills a progress object to value / 10000 of its layout width (values above fill all).
    void SetPosFill(const QString& object, int value);
    void SetVisible(const QString& object, bool visible);
    void SetSliderPosition(const QString& object, int pos);
    int SliderPosition(const QString& object) const;
    // Gives the main window's skin another size; place(name, rect in the form) gives each
    // object its area (see skin::SkinEngine::PlaceObjects). The fills keep their values.
    void PlaceMain(const QSize& size,
                   const std::function<QRect(const QString& name, const QRect& formRect)>& place);
    // The skin's part of the picker backdrop ("di").
    void PlaceBackdrop(bool show, int left, int top, int width, int height);

  private:
    struct Bound {
        skin::ISkinPlacement* placement = nullptr;
        skin::ISkinCaption* caption = nullptr;
        skin::ISkinSlider* slider = nullptr;
        skin::SkinRect fillRect;
        skin::SkinRect formFillRect;  // where the form puts the fill at the window's design size
        int extraWidth = 0;           // what the window's size adds to the fill's full width
        int value = 0;
        QString skinText;
    };
    void BindObject(skin::ISkinObject* root, const QString& name, bool slider);
    Bound* Find(const QString& name);
    const Bound* Find(const QString& name) const;

    skin::SkinEngine* engine_;
    const LayoutFile* layout_ = nullptr;
    std::map<QString, Bound> objects_;
    bool bound_ = false;
    QWidget* main_ = nullptr;
    QWidget* cut_ = nullptr;
};

}  // namespace vc
