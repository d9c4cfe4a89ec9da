#pragma once
// A button drawn from three pictures: normal, mouse over and disabled. A missing picture
// falls back to a plain drawn button so the command stays usable.
#include <QAbstractButton>
#include <QColor>
#include <QPixmap>
#include <map>
#include <string>
#include <vector>

#include "core/layoutfile.h"

namespace vc {

class PictureButton;

// Places each button where its layout says, with its pictures from the folder (name.bmp,
// nameon.bmp, nameD.bmp) and shown or hidden as the layout says.
void PlacePictureButtons(const std::vector<ButtonLayout>& layout,
                         const std::map<std::string, PictureButton*>& buttons,
                         const QString& pictureFolder);

class PictureButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit PictureButton(const QString& name, QWidget* parent = nullptr);
    // Loads normal, mouse-over and disabled pictures; false when any is missing.
    bool LoadPictures(const QString& normal, const QString& over, const QString& disabled);
    // What the button does, in a few words: its tool tip and the name screen readers announce.
    void SetHint(const QString& hint);
    QSize sizeHint() const override { return size(); }

  signals:
    void mousePressed();

  protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

  private:
    QPixmap normal_, over_, disabled_;
    bool hovered_ = false;
};

// A picture that reports pointer moves, presses and clicks (profile buttons, categories,
// page links, the backdrop, the category icon and the title picture).
class PictureLabel : public QWidget {
    Q_OBJECT
  public:
    explicit PictureLabel(const QString& name, QWidget* parent = nullptr);
    // Loads a picture file and resizes to it unless a size was fixed; false when unreadable.
    bool LoadPicture(const QString& path);
    // Shows the picture in its parent, which is placed at `place` (its height grows to the
    // picture's); hides the parent when there is no such picture.
    void ShowInParent(const QRect& place, const QString& path);
    void SetPixmap(const QPixmap& p);
    const QString& PicturePath() const { return path_; }
    void SetFixedPictureSize(bool fixed) { fixedSize_ = fixed; }
    // A frame over the picture in the given colour (none: an invalid colour): the keyboard's
    // place or the chosen entry of a list of pictures.
    void SetFrame(const QColor& color);
    QColor Frame() const { return frame_; }

  signals:
    void mouseMoved(QPoint pos, Qt::MouseButtons buttons);
    void mousePressed(QPoint pos);
    void mouseReleased(QPoint pos);
    void clicked();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

  private:
    QPixmap pix_;
    QString path_;
    bool fixedSize_ = false;
    bool pressedInside_ = false;
    QColor frame_;
};

}  // namespace vc
