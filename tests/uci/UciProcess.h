// Runs the UCI program as a child process with pipes to its standard input
// and output, so that tests can talk to it line by line. Every read has a
// time limit, so a program that hangs fails the test instead of blocking it.
#pragma once

#include <optional>
#include <string>
#include <sys/types.h>

class UciProcess {
public:
    explicit UciProcess(const std::string& program);
    ~UciProcess();
    UciProcess(const UciProcess&) = delete;
    UciProcess& operator=(const UciProcess&) = delete;

    bool Started() const { return pid_ > 0; }
    void Send(const std::string& line);
    // The next line of output, or nothing when none came in time or the
    // program closed its output.
    std::optional<std::string> ReadLine(int timeoutMs = 60000);
    // Reads until a line starting with the prefix; the lines before it are
    // appended to skipped when given.
    std::optional<std::string> ReadUntil(const std::string& prefix, std::string* skipped = nullptr,
                                         int timeoutMs = 60000);
    // Closes the input and waits for the program to end; its exit status,
    // or -1 when it did not end in time.
    int WaitForExit(int timeoutMs = 10000);

private:
    pid_t pid_ = -1;
    int toChild_ = -1;
    int fromChild_ = -1;
    std::string buffer_;
};
