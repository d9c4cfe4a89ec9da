#include "shell/SideEffects.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

#include "core/mediatypes.h"
#include "shell/DesktopBus.h"
#include "shell/HelpWindow.h"

namespace vc {

DesktopSideEffects::DesktopSideEffects() = default;
DesktopSideEffects::~DesktopSideEffects() = default;

namespace {
QString Title(QWidget* parent) {
    return parent && !parent->windowTitle().isEmpty()
               ? parent->windowTitle()
               : QCoreApplication::translate("SideEffects", "Video Converter");
}
}  // namespace

void DesktopSideEffects::Warning(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, Title(parent), text, QMessageBox::Ok);
}

void DesktopSideEffects::Information(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, Title(parent), text, QMessageBox::Ok);
}

bool DesktopSideEffects::Confirm(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, Title(parent), text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool DesktopSideEffects::AskYesNo(QWidget* parent, const QString& text) {
    return QMessageBox::information(parent, Title(parent), text,
                                    QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void DesktopSideEffects::Error(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, Title(parent), text, QMessageBox::Ok);
}

QStringList DesktopSideEffects::OpenFiles(QWidget* parent, const QString& caption,
                                          const QString& filter, const QString& startFolder) {
    QFileDialog dlg(parent, caption, startFolder);
    dlg.setObjectName(QStringLiteral("OpenDialog1"));
    dlg.setFileMode(QFileDialog::ExistingFiles);
    dlg.setNameFilter(filter);
    dlg.setFilter(dlg.filter() | QDir::Hidden);
    dlg.setOption(QFileDialog::ReadOnly, false);
    if (dlg.exec() != QDialog::Accepted) return {};
    return dlg.selectedFiles();
}

int DesktopSideEffects::ExecDialog(QDialog* dialog) {
    return dialog->exec();
}

void DesktopSideEffects::OpenFolder(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void DesktopSideEffects::OpenUrl(const QString& url) {
    QUrl u = QUrl::fromUserInput(url);
    QDesktopServices::openUrl(u);
}

void DesktopSideEffects::ShowHelp(const QString& page) {
    // Without a viewer the desktop would take the request and show nothing.
    if (!HtmlViewerInstalled() || !QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
        HelpWindow::Open(page);
}

void DesktopSideEffects::StartDetached(const QString& program, const QStringList& args) {
    QProcess::startDetached(program, args);
}

void DesktopSideEffects::Shutdown() {
    PowerOffThroughLoginManager([this](const QString& error) {
        Error(nullptr,
              QCoreApplication::translate("SideEffects", "The computer cannot be shut down: %1")
                  .arg(error));
    });
}

bool DesktopSideEffects::Notify(const QString& title, const QString& text, const QString& folder) {
    if (!notifier_) notifier_ = std::make_unique<DesktopNotifier>();
    return notifier_->Notify(title, text, folder, [this](const QString& f) { OpenFolder(f); });
}

QString MediaOpenFilter() {
    // Qt separates patterns with blanks and wants them after the label in brackets.
    QStringList out;
    for (const OpenFilter& f : OpenFilters()) {
        const QString patterns =
            QString::fromStdString(f.patterns).split(';', Qt::SkipEmptyParts).join(' ');
        out << QString("%1 (%2)").arg(QCoreApplication::translate("OpenFilters", f.label.c_str()),
                                      patterns);
    }
    return out.join(";;");
}

}  // namespace vc
