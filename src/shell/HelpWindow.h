#pragma once
// The help pages inside the program, for desktops without an HTML viewer: a small window
// with the page, its links, and Back, Forward and Contents. One window serves every call.
#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace vc {

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    // Shows the page (a file of the help folder) in the help window, made on first use.
    static HelpWindow* Open(const QString& page);
    // The window made by Open, or null.
    static HelpWindow* Current();

    QTextBrowser* Browser() const { return browser_; }
    // The page shown, as a local file path.
    QString Page() const;

  private:
    explicit HelpWindow(QWidget* parent = nullptr);
    void Show(const QString& page);

    QTextBrowser* browser_;
    QPushButton* back_;
    QPushButton* forward_;
    QString contents_;  // the first page of the folder the window was opened on
};

// Whether the desktop has a program for HTML files (xdg-mime names one that is installed).
bool HtmlViewerInstalled();

}  // namespace vc
