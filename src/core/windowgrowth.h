#pragma once
// Where the main window's parts go at a size other than the layout's design size: the job list
// and the preview take the extra width and height (or give up room on a small screen), and
// everything else keeps its place relative to the edge it belongs to.
#include <QRect>
#include <QSize>
#include <QString>

namespace vc {

class WindowGrowth {
  public:
    // The design size and, at that size, the job list's and the preview video's areas.
    WindowGrowth(QSize design, QRect list, QRect video);

    void SetSize(QSize size);
    QSize Size() const { return size_; }
    QSize Design() const { return design_; }
    // The area of a control or skin object (anonymous ones have an empty name) that lies at
    // designRect at the design size.
    QRect Place(const QString& name, const QRect& designRect) const;

    // What the list and the preview gain in width (negative: give up).
    int ListWidthGrowth() const { return listDw_; }
    int PreviewWidthGrowth() const { return previewDw_; }

    // The smallest size at which the controls still lie apart and whole.
    static QSize Smallest(QSize design);

  private:
    // The horizontal place of one of the progress row's name and figures.
    QRect Figure(const QString& name, const QRect& designRect) const;

    QSize design_;
    QRect list_, video_;
    QSize size_;
    int dw_ = 0, dh_ = 0, listDw_ = 0, previewDw_ = 0;
};

// The window's frame on a screen: the wanted frame, made no larger than the available area
// (but not below the minimum), and moved inside it.
QRect FitToScreen(QRect wanted, QRect available, QSize minimum);

}  // namespace vc
