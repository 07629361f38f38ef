#include "tests/e2e/SessionManager.h"

#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>
#include <chrono>
#include <cstdlib>
#include <poll.h>
#include <thread>
#include <vector>

namespace {

bool WaitUntil(const std::atomic<bool>& flag)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!flag && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return flag;
}

Bool AnyHost(char*)
{
    return True;
}

SessionManager* Manager(SmPointer data)
{
    return static_cast<SessionManager*>(data);
}

Status RegisterClient(SmsConn conn, SmPointer data, char* previousId)
{
    std::free(previousId);
    char* id = SmsGenerateClientID(conn);
    const Status replied = SmsRegisterClientReply(conn, id);
    std::free(id);
    Manager(data)->setClient(conn);
    return replied;
}

void SaveDone(SmsConn, SmPointer data, Bool)
{
    Manager(data)->saveDone();
}

void FreeProperties(SmsConn, SmPointer, int count, SmProp** props)
{
    for (int i = 0; i < count; ++i)
        SmFreeProperty(props[i]);
    std::free(props);
}

void FreeNames(SmsConn, SmPointer, int count, char** names)
{
    for (int i = 0; i < count; ++i)
        std::free(names[i]);
    std::free(names);
}

// The ICE connection under it goes when the manager's loop sees it end.
void CloseConnection(SmsConn conn, SmPointer data, int count, char** reasons)
{
    SmFreeReasons(count, reasons);
    SmsCleanUp(conn);
    Manager(data)->setClient(nullptr);
}

Status NewClient(SmsConn, SmPointer data, unsigned long* mask, SmsCallbacks* callbacks, char**)
{
    *callbacks = {};
    callbacks->register_client = {RegisterClient, data};
    callbacks->interact_request = {[](SmsConn, SmPointer, int) {}, data};
    callbacks->interact_done = {[](SmsConn, SmPointer, Bool) {}, data};
    callbacks->save_yourself_request = {[](SmsConn, SmPointer, int, Bool, int, Bool, Bool) {},
                                        data};
    callbacks->save_yourself_phase2_request = {
        [](SmsConn conn, SmPointer) { SmsSaveYourselfPhase2(conn); }, data};
    callbacks->save_yourself_done = {SaveDone, data};
    callbacks->close_connection = {CloseConnection, data};
    callbacks->set_properties = {FreeProperties, data};
    callbacks->delete_properties = {FreeNames, data};
    callbacks->get_properties = {
        [](SmsConn conn, SmPointer) { SmsReturnProperties(conn, 0, nullptr); }, data};
    *mask = ~0UL;
    return 1;
}

} // namespace

SessionManager::SessionManager()
{
    // libICE's own handler ends the process when a client goes away.
    IceSetIOErrorHandler([](IceConn) {});
    char error[256] = {};
    if (!SmsInitialize("Pennivel tests", "1", NewClient, this, AnyHost, sizeof error, error))
        return;
    IceListenObj* listeners = nullptr;
    if (!IceListenForConnections(&m_listenerCount, &listeners, sizeof error, error))
        return;
    m_listeners = reinterpret_cast<void**>(listeners);
    for (int i = 0; i < m_listenerCount; ++i)
        IceSetHostBasedAuthProc(listeners[i], AnyHost);
    char* ids = IceComposeNetworkIdList(m_listenerCount, listeners);
    m_address = QString::fromLatin1(ids);
    std::free(ids);
    m_thread = std::thread([this] { run(); });
}

SessionManager::~SessionManager()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_listeners)
        IceFreeListenObjs(m_listenerCount, reinterpret_cast<IceListenObj*>(m_listeners));
}

void SessionManager::run()
{
    auto* listeners = reinterpret_cast<IceListenObj*>(m_listeners);
    IceConn connection = nullptr;
    while (!m_stop) {
        std::vector<pollfd> fds;
        for (int i = 0; i < m_listenerCount; ++i)
            fds.push_back({IceGetListenConnectionNumber(listeners[i]), POLLIN, 0});
        if (connection)
            fds.push_back({IceConnectionNumber(connection), POLLIN, 0});
        ::poll(fds.data(), fds.size(), 20);
        for (int i = 0; i < m_listenerCount; ++i) {
            if (!(fds[static_cast<std::size_t>(i)].revents & POLLIN) || connection)
                continue;
            IceAcceptStatus status;
            connection = IceAcceptConnection(listeners[i], &status);
        }
        if (connection && (fds.back().revents & (POLLIN | POLLHUP))) {
            const IceProcessMessagesStatus status =
                IceProcessMessages(connection, nullptr, nullptr);
            if (status == IceProcessMessagesIOError) {
                IceSetShutdownNegotiation(connection, False);
                IceCloseConnection(connection);
            }
            if (status != IceProcessMessagesSuccess) {
                connection = nullptr;
                m_client = nullptr;
            }
        }
        if (m_client && m_saveRequested.exchange(false))
            SmsSaveYourself(static_cast<SmsConn>(m_client.load()), SmSaveBoth, True,
                            SmInteractStyleNone, False);
        if (m_client && m_dieRequested.exchange(false))
            SmsDie(static_cast<SmsConn>(m_client.load()));
    }
}

bool SessionManager::waitForClient()
{
    return WaitUntil(m_registered);
}

bool SessionManager::saveForShutdown()
{
    m_saveDone = false;
    m_saveRequested = true;
    return WaitUntil(m_saveDone);
}

void SessionManager::die()
{
    m_dieRequested = true;
}
