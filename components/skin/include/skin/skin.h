#pragma once
// Public interface of the skin engine. A skin file (skn.skn, see README.md) holds named forms;
// each form draws one frameless window and holds named objects the program finds by name.
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>

class QWidget;

namespace skin {

struct SkinRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

class ISkinPlacement {
  public:
    virtual ~ISkinPlacement() = default;
    virtual void GetArea(SkinRect& r) const = 0;
    virtual void SetArea(const SkinRect& r) = 0;
    // OLE boolean: -1 shown, 0 hidden (any non-zero shows).
    virtual void SetVisible(int visible) = 0;
    virtual void Refresh() = 0;
};

class ISkinCaption {
  public:
    virtual ~ISkinCaption() = default;
    virtual QString GetText() const = 0;
    virtual void SetText(const QString& text) = 0;
};

class ISkinSlider {
  public:
    virtual ~ISkinSlider() = default;
    // 0..10000.
    virtual int32_t GetPosition() const = 0;
    virtual void SetPosition(int32_t pos) = 0;
};

class ISkinObject {
  public:
    virtual ~ISkinObject() = default;
    virtual QString Name() const = 0;
    // The named object among this object's descendants, or nullptr.
    virtual ISkinObject* FindChild(const QString& name) = 0;
    // Interface queries; nullptr when the object does not offer the interface.
    virtual ISkinPlacement* placement() = 0;
    virtual ISkinCaption* caption() = 0;
    virtual ISkinSlider* slider() = 0;
};

class SkinError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class ISkin {
  public:
    virtual ~ISkin() = default;
    // Loads a skin file; throws SkinError with a readable message when it cannot.
    virtual void OpenSkinFile(const QString& path) = 0;
    // Makes the window frameless and ready to be skinned.
    virtual void SkinWindow(QWidget* window) = 0;
    // Applies the named form to the window (its size, background and objects); throws
    // SkinError when the form does not exist.
    virtual void SkinWindowAs(QWidget* window, const QString& formName) = 0;
    // The root object of a skinned window, or nullptr.
    virtual ISkinObject* WindowRoot(QWidget* window) = 0;
};

// The engine: one instance serves every skinned window and reports their events.
class SkinEngine : public QObject, public ISkin {
    Q_OBJECT
  public:
    explicit SkinEngine(QObject* parent = nullptr);
    ~SkinEngine() override;

    void OpenSkinFile(const QString& path) override;
    void SkinWindow(QWidget* window) override;
    void SkinWindowAs(QWidget* window, const QString& formName) override;
    ISkinObject* WindowRoot(QWidget* window) override;

    // The drawing surface the engine put into a skinned window (lowest child), or nullptr.
    QWidget* Surface(QWidget* window) const;
    // Names a skinned window's objects for screen readers: nameOf(object name) gives the
    // name, or an empty text to keep the skin's label or the object's caption.
    void SetAccessibleNames(QWidget* window, const std::function<QString(const QString&)>& nameOf);
    // Gives a skinned window another size: the drawing surface follows, and place(name,
    // rect in the form) gives each object its area (anonymous objects have an empty name);
    // a null rectangle leaves the object where it is. A fill keeps the share it shows.
    void PlaceObjects(
        QWidget* window, const QSize& size,
        const std::function<QRect(const QString& name, const QRect& formRect)>& place);

  signals:
    // Source is the object under the mouse: the topmost object, or the window root for the
    // bare background.
    void OnClick(skin::ISkinObject* source);
    void OnMouseDown(skin::ISkinObject* source, Qt::MouseButton button, int x, int y);
    void OnMouseUp(skin::ISkinObject* source, Qt::MouseButton button, int x, int y);
    void OnMouseMove(skin::ISkinObject* source, int x, int y);
    void OnScrollTrack(skin::ISkinObject* source, int newPos);

  private:
    struct Impl;
    std::unique_ptr<Impl> d;
    friend class SkinSurface;
};

}  // namespace skin
