#include "automation_standin.hpp"

#include <cstdio>
#include <fstream>

#include "window_test_support.hpp"

namespace automation_test {
namespace {

std::string beside_this_program(const char* file) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path, length);
    return directory.substr(0, directory.find_last_of("\\/") + 1) + file;
}

std::string fresh_log_path() {
    static int count = 0;
    char directory[MAX_PATH];
    GetTempPathA(MAX_PATH, directory);
    const std::string path = std::string(directory) + "standin-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(++count) + ".log";
    DeleteFileA(path.c_str());
    return path;
}

}  // namespace

Standin::Standin(const std::string& arguments) : log_path_(fresh_log_path()) {
    std::string command = "\"";
    command.append(beside_this_program("standin-aol.exe")).append("\" --log \"").append(log_path_);
    command.append("\" ").append(arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) {
        return;
    }
    const bool decoy = arguments.find("--decoy") != std::string::npos;
    started_ = wait_for_line(decoy ? "decoy shown" : "ready");
}

Standin::~Standin() {
    if (process_.hProcess == nullptr) return;
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 10000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    DeleteFileA(log_path_.c_str());
}

std::vector<std::string> Standin::log() const {
    std::vector<std::string> lines;
    std::ifstream file(log_path_);
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

bool Standin::wait_for_line(const std::string& line, std::chrono::milliseconds timeout) const {
    return window_test::wait_until([&] {
        for (const std::string& seen : log()) {
            if (seen == line) return true;
        }
        return false;
    }, timeout);
}

std::string hex_of(const std::string& bytes) {
    std::string hex;
    char pair[3];
    for (const char c : bytes) {
        std::snprintf(pair, sizeof pair, "%02x", static_cast<unsigned char>(c));
        hex += pair;
    }
    return hex;
}

}  // namespace automation_test
