#include "standin_log.hpp"

#include <cstdio>

namespace standin {

void ReceivedLog::open_file(const char* path) {
    file_ = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
}

void ReceivedLog::add(std::string_view line) {
    if (file_ != INVALID_HANDLE_VALUE) {
        std::string with_end(line);
        with_end += "\n";
        DWORD written = 0;
        WriteFile(file_, with_end.data(), static_cast<DWORD>(with_end.size()), &written, nullptr);
        FlushFileBuffers(file_);
    }
    if (list_box_ != nullptr) {
        const std::string shown(line.substr(0, 200));
        const LRESULT row = SendMessageA(list_box_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown.c_str()));
        SendMessageA(list_box_, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    }
}

void ReceivedLog::add_text(std::string_view who, std::string_view bytes) {
    std::string line(who);
    line += " WM_SETTEXT ";
    char hex[3];
    for (const char c : bytes) {
        std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned char>(c));
        line += hex;
    }
    add(line);
}

std::string message_name(UINT message) {
    switch (message) {
        case WM_SETTEXT: return "WM_SETTEXT";
        case WM_KEYDOWN: return "WM_KEYDOWN";
        case WM_KEYUP: return "WM_KEYUP";
        case WM_CHAR: return "WM_CHAR";
        case WM_LBUTTONDOWN: return "WM_LBUTTONDOWN";
        case WM_LBUTTONUP: return "WM_LBUTTONUP";
        default: return "message" + std::to_string(message);
    }
}

}  // namespace standin
