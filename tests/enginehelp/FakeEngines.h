// Engine programs that misbehave, written as small shell scripts into a
// temporary folder: one that never answers, one that crashes when asked to
// search, one that prints garbage, and one that searches but ignores stop.
#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <sys/types.h>
#include <sys/wait.h>

class FakeEngines {
public:
    FakeEngines()
    {
        // No child processes of their own (builtins only, or exec), so that
        // ending the script ends everything it started.
        Write("hang", "while read -r line; do :; done\n");
        Write("crash",
              "while read -r line; do\n"
              "  case \"$line\" in\n"
              "    uci) echo 'id name Crashy'; echo uciok;;\n"
              "    isready) echo readyok;;\n"
              "    go*) kill -SEGV $$;;\n"
              "  esac\n"
              "done\n");
        Write("garbage", "while :; do echo \"zq%# $RANDOM nonsense\"; done\n");
        Write("deaf",
              "while read -r line; do\n"
              "  case \"$line\" in\n"
              "    uci) echo 'id name Deaf'; echo uciok;;\n"
              "    isready) echo readyok;;\n"
              "    go*) echo 'info depth 1 score cp 10 nodes 5 pv e2e4';;\n"
              "  esac\n"
              "done\n");
        Write("illegal",
              "while read -r line; do\n"
              "  case \"$line\" in\n"
              "    uci) echo 'id name Liar'; echo uciok;;\n"
              "    isready) echo readyok;;\n"
              "    go*) echo 'bestmove a1a1';;\n"
              "  esac\n"
              "done\n");
    }

    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

private:
    void Write(const char* name, const char* body)
    {
        QFile file(Path(name));
        file.open(QIODevice::WriteOnly);
        file.write("#!/bin/bash\n");
        file.write(body);
        file.close();
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    QTemporaryDir dir_;
};

// Whether a process of ours is gone and reaped: no zombie is left behind.
inline bool ProcessGoneAndReaped(qint64 pid)
{
    if (pid <= 0)
        return true;
    int status = 0;
    // A zombie child would be reaped (and reported) here.
    const pid_t reaped = waitpid(static_cast<pid_t>(pid), &status, WNOHANG);
    if (reaped == static_cast<pid_t>(pid))
        return false;
    return kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH;
}
