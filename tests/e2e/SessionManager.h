#pragma once

#include <QString>
#include <atomic>
#include <thread>

// The smallest XSMP session manager, as MATE's, Xfce's and KDE's speak it: it takes one
// client and, when told, asks it to save for a shutdown with no interaction allowed,
// then tells it to die. It runs on a thread of its own; the calls wait for the client.
class SessionManager {
  public:
    SessionManager();
    ~SessionManager();
    SessionManager(const SessionManager&) = delete;
    SessionManager& operator=(const SessionManager&) = delete;

    // SESSION_MANAGER for the client's environment; empty when no manager could start.
    const QString& address() const { return m_address; }

    bool waitForClient();
    // "Save yourself" for a logout; true once the client answered "done".
    bool saveForShutdown();
    void die();

    // Called on the manager's thread.
    // The client registered, or (nullptr) left.
    void setClient(void* client)
    {
        m_client = client;
        if (client)
            m_registered = true;
    }
    void saveDone() { m_saveDone = true; }

  private:
    void run();

    QString m_address;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_registered{false};
    std::atomic<bool> m_saveRequested{false};
    std::atomic<bool> m_saveDone{false};
    std::atomic<bool> m_dieRequested{false};
    std::atomic<void*> m_client{nullptr}; // SmsConn
    int m_listenerCount = 0;
    void** m_listeners = nullptr; // IceListenObj
};
