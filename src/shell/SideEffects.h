#pragma once
// Everything with an effect outside the window goes through this interface, so tests can
// answer dialogs and record shell calls: message boxes, file dialogs, opening folders and
// addresses, running programs and shutting down.
#include <QString>
#include <QStringList>
#include <memory>

class QWidget;
class QDialog;

namespace vc {

class SideEffects {
  public:
    virtual ~SideEffects() = default;
    // Warning with OK (refused commands, invalid input).
    virtual void Warning(QWidget* parent, const QString& text) = 0;
    // Information with OK.
    virtual void Information(QWidget* parent, const QString& text) = 0;
    // Confirmation with Yes and No; true for Yes.
    virtual bool Confirm(QWidget* parent, const QString& text) = 0;
    // Information with Yes and No (the close question); true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& text) = 0;
    // An error that ended an operation.
    virtual void Error(QWidget* parent, const QString& text) = 0;
    // Multi-select open dialog showing startFolder first; empty when cancelled.
    virtual QStringList OpenFiles(QWidget* parent, const QString& caption, const QString& filter,
                                  const QString& startFolder) = 0;
    // Shows a dialog modally and returns its result code.
    virtual int ExecDialog(QDialog* dialog) = 0;
    // Opens a folder in the file browser.
    virtual void OpenFolder(const QString& path) = 0;
    // Opens a web address or a local file in the desktop's viewer.
    virtual void OpenUrl(const QString& url) = 0;
    // Opens a help page (a file of the help folder): in the desktop's HTML viewer, or in the
    // program's own help window where there is none.
    virtual void ShowHelp(const QString& page) = 0;
    // Starts a program detached from this one.
    virtual void StartDetached(const QString& program, const QStringList& args) = 0;
    // Shuts the computer down.
    virtual void Shutdown() = 0;
    // A desktop notification (the window is not in front); with an "Open folder" action when a
    // folder is given. False when it cannot be sent (no notification service to reach).
    virtual bool Notify(const QString& title, const QString& text, const QString& folder) = 0;
};

class DesktopNotifier;

// The real effects: Qt message boxes and dialogs, the desktop's services.
class DesktopSideEffects : public SideEffects {
  public:
    DesktopSideEffects();
    ~DesktopSideEffects() override;
    void Warning(QWidget* parent, const QString& text) override;
    void Information(QWidget* parent, const QString& text) override;
    bool Confirm(QWidget* parent, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& text) override;
    void Error(QWidget* parent, const QString& text) override;
    QStringList OpenFiles(QWidget* parent, const QString& caption, const QString& filter,
                          const QString& startFolder) override;
    int ExecDialog(QDialog* dialog) override;
    void OpenFolder(const QString& path) override;
    void OpenUrl(const QString& url) override;
    void ShowHelp(const QString& page) override;
    void StartDetached(const QString& program, const QStringList& args) override;
    // Through the login manager over D-Bus.
    void Shutdown() override;
    // Through the desktop's notification service over D-Bus.
    bool Notify(const QString& title, const QString& text, const QString& folder) override;

  private:
    std::unique_ptr<DesktopNotifier> notifier_;  // made at the first notification
};

// The filter of the Add File dialog, every kind of media file the program reads, in Qt's form.
QString MediaOpenFilter();

}  // namespace vc
