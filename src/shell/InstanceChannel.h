#pragma once
// One running window per edition and user: the first start listens on a local socket, a later
// start hands its file names (perhaps none) to it and ends.
#include <QObject>
#include <QStringList>

class QLocalServer;

namespace vc {

class InstanceChannel : public QObject {
    Q_OBJECT
  public:
    explicit InstanceChannel(QObject* parent = nullptr);

    // The socket name for an edition's settings file: settings files differ by edition, user
    // and settings folder, and so do running instances.
    static QString NameFor(const QString& settingsFile);

    // Becomes the running instance under 'name' and answers true, or hands 'paths' to the
    // instance that runs already and answers false.
    bool ClaimOrHandOver(const QString& name, const QStringList& paths);
    // Sends paths to the instance listening under 'name'; false when none listens.
    static bool HandOver(const QString& name, const QStringList& paths, int timeoutMs = 5000);
    // The same over a plain socket, for a start that has no application object yet: handing
    // its names over must not wait for a whole application to be built. False when none
    // listens (the start then goes on, and ClaimOrHandOver decides).
    static bool HandOverWithoutApplication(const QString& name, const QStringList& paths,
                                           int timeoutMs = 5000);
    bool Listening() const;

  signals:
    // A later start handed over its paths; the window should come forward even when there
    // are none.
    void pathsArrived(const QStringList& paths);

  private:
    void Accept();
    QLocalServer* server_;
};

}  // namespace vc
