#include "shell/PictureButton.h"

#include <QEnterEvent>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>

#include "shell/SharpPixmap.h"

namespace vc {

PictureButton::PictureButton(const QString& name, QWidget* parent) : QAbstractButton(parent) {
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

bool PictureButton::LoadPictures(const QString& normal, const QString& over,
                                 const QString& disabled) {
    bool ok = LoadSharpPixmap(normal_, normal, this);
    ok = LoadSharpPixmap(over_, over, this) && ok;
    ok = LoadSharpPixmap(disabled_, disabled, this) && ok;
    update();
    return ok;
}

void PictureButton::SetHint(const QString& hint) {
    setToolTip(hint);
    setAccessibleName(hint);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPixmap* pix = &normal_;
    if (!isEnabled() && !disabled_.isNull())
        pix = &disabled_;
    else if ((hovered_ || isDown()) && !over_.isNull())
        pix = &over_;
    if (!pix->isNull()) {
        // A window narrower than designed squeezes the button: the picture keeps its shape.
        const QSizeF shown =
            pix->deviceIndependentSize().scaled(QSizeF(size()), Qt::KeepAspectRatio);
        QRectF at(QPointF(0, 0), shown);
        at.moveCenter(QRectF(rect()).center());
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(at, *pix, QRectF(pix->rect()));
    } else {
        // No picture: a plain rounded button with the hint text, dimmed when disabled.
        p.setBrush(QColor("#2d333d"));
        if (hovered_) p.setBrush(QColor("#3a414d"));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(rect().adjusted(1, 1, -1, -1), 6, 6);
        p.setPen(QColor(isEnabled() ? "#e8ebf0" : "#6b7480"));
        p.drawText(rect(), Qt::AlignCenter, toolTip());
    }
    if (hasFocus()) {
        // The keyboard is here: a light frame inside an accent one, seen on a dark picture
        // and on an accent-coloured one alike.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor("#5aaef7"), 2));
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 5, 5);
        p.setPen(QPen(QColor("#ffffff"), 1.5));
        p.drawRoundedRect(QRectF(rect()).adjusted(3.5, 3.5, -3.5, -3.5), 3, 3);
    }
}

void PictureButton::enterEvent(QEnterEvent* e) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(e);
}

void PictureButton::leaveEvent(QEvent* e) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(e);
}

void PictureButton::mousePressEvent(QMouseEvent* e) {
    emit mousePressed();
    QAbstractButton::mousePressEvent(e);
}

PictureLabel::PictureLabel(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setMouseTracking(true);
}

bool PictureLabel::LoadPicture(const QString& path) {
    QPixmap p;
    if (!LoadSharpPixmap(p, path, this)) return false;
    path_ = path;
    SetPixmap(p);
    return true;
}

void PictureLabel::SetPixmap(const QPixmap& p) {
    pix_ = p;
    if (!fixedSize_ && !p.isNull()) resize(p.deviceIndependentSize().toSize());
    update();
}

void PictureLabel::SetFrame(const QColor& color) {
    if (color == frame_) return;
    frame_ = color;
    update();
}

void PictureLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!pix_.isNull()) p.drawPixmap(0, 0, pix_);
    if (frame_.isValid()) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(frame_, 2));
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 5, 5);
    }
}

void PictureLabel::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMoved(e->position().toPoint(), e->buttons());
}

void PictureLabel::mousePressEvent(QMouseEvent* e) {
    pressedInside_ = e->button() == Qt::LeftButton;
    emit mousePressed(e->position().toPoint());
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* e) {
    emit mouseReleased(e->position().toPoint());
    if (pressedInside_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
    pressedInside_ = false;
}

void PlacePictureButtons(const std::vector<ButtonLayout>& layout,
                         const std::map<std::string, PictureButton*>& buttons,
                         const QString& pictureFolder) {
    for (const ButtonLayout& b : layout) {
        auto it = buttons.find(b.name);
        if (it == buttons.end()) continue;
        it->second->setGeometry(b.left, b.top, b.width, b.height);
        const QString base = pictureFolder + QString::fromStdString(b.name);
        it->second->LoadPictures(base + ".bmp", base + "on.bmp", base + "D.bmp");
        it->second->setVisible(b.visible);
    }
}

void PictureLabel::ShowInParent(const QRect& place, const QString& path) {
    QWidget* frame = parentWidget();
    if (!QFileInfo::exists(path)) {
        frame->hide();
        return;
    }
    frame->setGeometry(place.left(), place.top(), place.width(), frame->height());
    LoadPicture(path);
    frame->resize(frame->width(), std::max(frame->height(), height()));
    frame->show();
}

}  // namespace vc
