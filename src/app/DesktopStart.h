#pragma once
// The program body's part in files from the desktop: one running window per edition and user
// (a later start hands its file names over and ends), and the names given at start.
#include <QObject>
#include <QStringList>
#include <string>

#include "shell/InstanceChannel.h"

namespace vc {

class Tfm_main;

class DesktopStart : public QObject {
    Q_OBJECT
  public:
    explicit DesktopStart(QObject* parent = nullptr);
    // Becomes the running instance of the edition whose settings file is given, or hands
    // 'paths' to the one that runs and answers false: this process should end.
    bool Claim(const std::string& settingsFile, const QStringList& paths);
    // Before the window's first show: later starts' names go to the window, and this start's
    // names are added once the window has shown.
    void Attach(Tfm_main* window);

  private:
    InstanceChannel channel_;
    QStringList startPaths_;
};

}  // namespace vc
