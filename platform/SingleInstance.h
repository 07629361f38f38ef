#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLockFile;

// One running recorder per user. The first copy holds a lock file in the runtime
// directory (one that is the user's own, 0700 and no link; else a private one in the
// user's cache directory) until it ends (the lock of a copy that died is taken over) and, while its
// main window is up, answers on a local socket. A later copy asks that socket to bring
// the first window forward; with nobody answering, the first copy is still starting or
// already closing, and the later copy simply ends.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    explicit SingleInstance(const QString& instanceName, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the first copy; it then keeps the lock. Also true when
    // no lock file can be made at all, so the recorder still opens.
    bool claim();
    // For a later copy: who holds the lock, as "<program>, process <pid>" ("" when unknown).
    QString holder() const;
    // For a later copy: true when the first copy answered the request to come forward.
    bool askFirstToComeForward(int timeoutMs = 3000);
    // For the first copy, from the moment its window is shown until it closes.
    bool startListening();
    void stopListening();

    QString lockPath() const { return m_lockPath; }
    QString serverName() const { return m_serverName; }

  signals:
    void comeForwardRequested();

  private:
    void answer();
    bool lockLeftUnfinished() const;

    QString m_lockPath;
    QString m_serverName;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLocalServer> m_server;
};
