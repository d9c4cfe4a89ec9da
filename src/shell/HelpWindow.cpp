#include "shell/HelpWindow.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vc {

namespace {
QPointer<HelpWindow>& Instance() {
    static QPointer<HelpWindow> window;
    return window;
}
}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("fm_help");
    setWindowTitle(tr("Video Converter Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(760, 560);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("help_browser");
    browser_->setOpenLinks(true);
    // Pages of the help folder open here; addresses on the web go to the desktop.
    browser_->setOpenExternalLinks(true);
    back_ = new QPushButton(tr("Back"), this);
    forward_ = new QPushButton(tr("Forward"), this);
    auto* contents = new QPushButton(tr("Contents"), this);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, [this] { Show(contents_); });
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        setWindowTitle(tr("%1 - Video Converter Help").arg(browser_->documentTitle()));
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addWidget(contents);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
}

HelpWindow* HelpWindow::Open(const QString& page) {
    QPointer<HelpWindow>& window = Instance();
    if (!window) {
        window = new HelpWindow;
        window->contents_ = QFileInfo(page).absolutePath() + "/index.html";
    }
    window->Show(page);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

HelpWindow* HelpWindow::Current() {
    return Instance();
}

void HelpWindow::Show(const QString& page) {
    browser_->setSource(QUrl::fromLocalFile(page));
}

QString HelpWindow::Page() const {
    return browser_->source().toLocalFile();
}

bool HtmlViewerInstalled() {
    QProcess query;
    query.start("xdg-mime", {"query", "default", "text/html"});
    if (!query.waitForStarted(2000) || !query.waitForFinished(2000)) {
        query.kill();
        query.waitForFinished(1000);
        return false;
    }
    const QString entry = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
    return query.exitCode() == 0 && !entry.isEmpty() &&
           !QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry).isEmpty() &&
           !QStandardPaths::findExecutable("xdg-open").isEmpty();
}

}  // namespace vc
