#pragma once
// What the stand-in client received, one line per event: "<window> <what> [<value>]". Texts are
// written as hex bytes so a test can compare them exactly. Lines go to the file given with
// --log (flushed at once) and to the "Received" window for a person trying the tool.
#include <windows.h>

#include <string>
#include <string_view>

namespace standin {

class ReceivedLog {
public:
    void open_file(const char* path);
    void show_in(HWND list_box) { list_box_ = list_box; }
    void add(std::string_view line);
    void add_text(std::string_view who, std::string_view bytes);  // hex of the bytes

private:
    HANDLE file_ = INVALID_HANDLE_VALUE;
    HWND list_box_ = nullptr;
};

// The name of a message the stand-in records, or its number.
std::string message_name(UINT message);

}  // namespace standin
