// An engine started through a wrapper script, as distributions and users
// often install engines, where the engine itself ignores "quit" and the
// polite signal: ending the client (by Quit or by destroying it) ends the
// engine too, not only the script.
#include "EventPump.h"

#include "enginehelp/UciClient.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <sys/types.h>

namespace {

// wrapper: runs the engine as its child and waits for it (no exec).
// engine: answers the handshake, ignores quit, SIGTERM and the end of its
// input, and writes its process id where the test finds it.
class WrappedEngine {
public:
    WrappedEngine()
    {
        Write("engine",
              "trap '' TERM HUP INT\n"
              "echo $$ > \"$(dirname \"$0\")/engine.pid\"\n"
              "while :; do\n"
              "  read -r line || { sleep 0.2; continue; }\n"
              "  case \"$line\" in\n"
              "    uci) echo 'id name Stubborn'; echo uciok;;\n"
              "    isready) echo readyok;;\n"
              "  esac\n"
              "done\n");
        Write("wrapper", "\"$(dirname \"$0\")/engine\"\n");
    }
    ~WrappedEngine()
    {
        // A wrong client leaves it running: it goes with the test.
        if (const pid_t pid = EnginePid(); pid > 0)
            ::kill(pid, SIGKILL);
    }
    WrappedEngine(const WrappedEngine&) = delete;
    WrappedEngine& operator=(const WrappedEngine&) = delete;

    QString Program() const { return dir_.filePath(QStringLiteral("wrapper")); }
    pid_t EnginePid() const
    {
        QFile file(dir_.filePath(QStringLiteral("engine.pid")));
        return file.open(QIODevice::ReadOnly) ? static_cast<pid_t>(file.readAll().trimmed().toLongLong()) : 0;
    }

private:
    void Write(const char* name, const char* body)
    {
        QFile file(dir_.filePath(QString::fromLatin1(name)));
        file.open(QIODevice::WriteOnly);
        file.write("#!/bin/bash\n");
        file.write(body);
        file.close();
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    QTemporaryDir dir_;
};

// Gone, or a zombie waiting for a parent that does not reap (the engine
// was the script's child, not ours).
bool Ended(pid_t pid)
{
    if (::kill(pid, 0) == -1 && errno == ESRCH)
        return true;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    return close >= 0 && line.size() > close + 2 && line[close + 2] == 'Z';
}

TUciClient::TimeLimits ShortLimits()
{
    TUciClient::TimeLimits limits;
    limits.HandshakeMs = 3000;
    limits.QuitGraceMs = 300;
    return limits;
}

} // namespace

TEST(UciProcessGroup, QuitEndsAnEngineBehindAWrapperThatIgnoresIt)
{
    WrappedEngine wrapped;
    TUciClient client;
    client.SetTimeLimits(ShortLimits());
    QSignalSpy ready(&client, &TUciClient::Ready);
    QSignalSpy ended(&client, &TUciClient::Ended);
    client.Start(wrapped.Program());
    ASSERT_TRUE(PumpUntil([&] { return ready.count() > 0; }, 5000)) << client.FailureMessage().toStdString();
    const pid_t engine = wrapped.EnginePid();
    ASSERT_GT(engine, 0);
    ASSERT_FALSE(Ended(engine));

    client.Quit();
    ASSERT_TRUE(PumpUntil([&] { return ended.count() > 0; }, 5000));
    EXPECT_TRUE(PumpUntil([&] { return Ended(engine); }, 2000)) << "the engine behind the wrapper still runs";
}

TEST(UciProcessGroup, DestroyingTheClientEndsAnEngineBehindAWrapper)
{
    WrappedEngine wrapped;
    pid_t engine = 0;
    {
        TUciClient client;
        client.SetTimeLimits(ShortLimits());
        QSignalSpy ready(&client, &TUciClient::Ready);
        client.Start(wrapped.Program());
        ASSERT_TRUE(PumpUntil([&] { return ready.count() > 0; }, 5000)) << client.FailureMessage().toStdString();
        engine = wrapped.EnginePid();
        ASSERT_GT(engine, 0);
    }
    EXPECT_TRUE(PumpUntil([&] { return Ended(engine); }, 2000)) << "the engine behind the wrapper still runs";
}
