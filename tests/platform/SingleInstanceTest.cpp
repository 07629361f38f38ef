#include "platform/SingleInstance.h"
#include "tests/support/RunWhileProcessingEvents.h"
#include "tests/support/TempDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/time.h>

namespace {

// Points the runtime directory at a fresh place for one test.
class RuntimeDir {
  public:
    explicit RuntimeDir(const std::string& path)
    {
        ::mkdir(path.c_str(), 0700);
        m_old = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(path));
    }
    ~RuntimeDir() { qputenv("XDG_RUNTIME_DIR", m_old); }

  private:
    QByteArray m_old;
};

bool AskWhileServing(SingleInstance& second)
{
    return RunWhileProcessingEvents([&] { return second.askFirstToComeForward(); });
}

} // namespace

TEST(SingleInstance, OneLockHolderAtATimeAndItsRequestsAnswered)
{
    TempDir dir;
    RuntimeDir runtime(dir.file("run"));
    auto first = std::make_unique<SingleInstance>(QStringLiteral("PennivelTest"));
    ASSERT_TRUE(first->claim());
    SingleInstance second(QStringLiteral("PennivelTest"));
    EXPECT_FALSE(second.claim());

    // Still starting: nobody answers, and the later copy is told so at once.
    EXPECT_FALSE(second.askFirstToComeForward(500));

    QSignalSpy requests(first.get(), &SingleInstance::comeForwardRequested);
    ASSERT_TRUE(first->startListening());
    EXPECT_TRUE(AskWhileServing(second));
    EXPECT_EQ(requests.count(), 1);
    EXPECT_TRUE(AskWhileServing(second));
    EXPECT_EQ(requests.count(), 2);

    // Closing: no longer answering.
    first->stopListening();
    EXPECT_FALSE(second.askFirstToComeForward(500));

    first.reset();
    EXPECT_TRUE(second.claim());
}

TEST(SingleInstance, TakesOverWhatACrashedCopyLeftBehind)
{
    TempDir dir;
    RuntimeDir runtime(dir.file("run"));
    QProcess gone;
    gone.start(QStringLiteral("true"), {});
    ASSERT_TRUE(gone.waitForFinished());
    const qint64 deadPid = gone.processId() ? gone.processId() : 999999;

    SingleInstance instance(QStringLiteral("PennivelCrash"));
    QFile lock(instance.lockPath());
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadPid) + "\ntrue\n" + QSysInfo::machineHostName().toUtf8() +
               "\n");
    lock.close();
    QFile socket(instance.serverName());
    ASSERT_TRUE(socket.open(QIODevice::WriteOnly));
    socket.close();

    EXPECT_TRUE(instance.claim());
    EXPECT_TRUE(instance.startListening());
}

TEST(SingleInstance, SocketNameFitsEvenInADeepRuntimeDirectory)
{
    TempDir dir;
    const std::string deep = dir.file(std::string(120, 'r'));
    RuntimeDir runtime(deep);
    SingleInstance first(QStringLiteral("PennivelDeep"));
    EXPECT_LE(first.serverName().toLocal8Bit().size(), 100);
    ASSERT_TRUE(first.claim());
    ASSERT_TRUE(first.startListening());
    SingleInstance second(QStringLiteral("PennivelDeep"));
    EXPECT_EQ(second.serverName(), first.serverName());
    EXPECT_TRUE(AskWhileServing(second));
}

TEST(SingleInstance, ALockThatWasNeverFinishedDoesNotKeepTheRecorderClosed)
{
    TempDir dir;
    RuntimeDir runtime(dir.file("run"));
    SingleInstance instance(QStringLiteral("PennivelBroken"));
    const std::string lock = instance.lockPath().toStdString();
    const struct timeval aMinuteAgo[2] = {{::time(nullptr) - 60, 0}, {::time(nullptr) - 60, 0}};

    // Fresh and unreadable: its writer may still be at work, so keep out.
    WriteBytes(lock, "");
    EXPECT_FALSE(instance.claim());

    // Left that way: taken over.
    ::utimes(lock.c_str(), aMinuteAgo);
    EXPECT_TRUE(instance.claim());
    SingleInstance later(QStringLiteral("PennivelBroken"));
    EXPECT_FALSE(later.claim());
}

TEST(SingleInstance, NoPlaceForALockStillLetsTheRecorderOpen)
{
    TempDir dir;
    RuntimeDir runtime(dir.file("run"));
    SingleInstance instance(QStringLiteral("PennivelBlocked"));
    // A directory sits where the lock belongs and cannot be replaced.
    ASSERT_TRUE(QDir().mkpath(instance.lockPath() + "/inside"));
    const struct timeval aMinuteAgo[2] = {{::time(nullptr) - 60, 0}, {::time(nullptr) - 60, 0}};
    ::utimes(instance.lockPath().toLocal8Bit().constData(), aMinuteAgo);
    EXPECT_TRUE(instance.claim());
}
