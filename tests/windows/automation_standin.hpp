#pragma once
// The stand-in AOL client started as a process of its own for a test, with the log of what it
// received; ended (and its windows gone) when the object goes.
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

namespace automation_test {

class Standin {
public:
    // Starts standin-aol.exe (beside the test program) with `arguments` and a fresh log, and
    // waits until its first line is there. started() tells whether it came up.
    explicit Standin(const std::string& arguments);
    ~Standin();
    Standin(const Standin&) = delete;
    Standin& operator=(const Standin&) = delete;

    bool started() const { return started_; }
    DWORD process_id() const { return process_.dwProcessId; }
    std::vector<std::string> log() const;
    // Waits, running our pending messages, until the log has the line.
    bool wait_for_line(const std::string& line, std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;

private:
    std::string log_path_;
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

// The hex the stand-in writes for a text it received.
std::string hex_of(const std::string& bytes);

}  // namespace automation_test
