#include "standin_client.hpp"

#include <string>

#include "icon_button.hpp"
#include "standin_log.hpp"

namespace standin {
namespace {

constexpr char kFrameClass[] = "AOL Frame25";
constexpr char kToolbarClass[] = "AOL Toolbar";
constexpr char kStripClass[] = "_AOL_Toolbar";
constexpr char kInnerClass[] = "AOL Child";
constexpr char kFieldClass[] = "RICHCNTL";
constexpr char kEditorCaption[] = "Member Directory";

constexpr int kToolbarHeight = 44;
constexpr int kProfileIconId = 4;  // the fourth toolbar icon opens the profile editor
constexpr int kSaveIconId = 100;
constexpr UINT kShowAnswer = WM_APP + 10;

enum class InnerKind : LPARAM { Received = 1, Editor = 2 };

// All of the stand-in's state.
struct Client {
    Options options;
    ReceivedLog log;
    HINSTANCE instance = nullptr;
    HWND frame = nullptr, toolbar = nullptr, strip = nullptr, area = nullptr;
    HWND editor = nullptr, field = nullptr;
    WNDPROC edit_procedure = nullptr;  // the system edit control the field is built on
    HHOOK message_hook = nullptr;
};

Client* g_client = nullptr;

std::string class_of(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Key messages posted to a message box's button (the tool dismissing our answer).
LRESULT CALLBACK watch_posted_keys(int code, WPARAM removed, LPARAM message_address) {
    const auto* message = reinterpret_cast<const MSG*>(message_address);
    if (code == HC_ACTION && removed == PM_REMOVE && (message->message == WM_KEYDOWN || message->message == WM_KEYUP) &&
        lstrcmpiA(class_of(message->hwnd).c_str(), "Button") == 0 &&
        class_of(GetParent(message->hwnd)) == "#32770") {
        g_client->log.add("box button " + message_name(message->message) + " " + std::to_string(message->wParam));
    }
    return CallNextHookEx(nullptr, code, removed, message_address);
}

// The rich-text field: the system's multi-line edit control, recording every text it is given.
LRESULT CALLBACK field_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_SETTEXT) {
        const char* text = reinterpret_cast<const char*>(lparam);
        g_client->log.add_text("field", text ? std::string_view(text) : std::string_view("(null)"));
        if (g_client->options.hang_on_text) Sleep(INFINITE);  // a client that stopped answering
    }
    return CallWindowProcA(g_client->edit_procedure, window, message, wparam, lparam);
}

void open_inner(InnerKind kind, const char* caption, int x, int y, int width, int height) {
    MDICREATESTRUCTA create{kInnerClass, caption, g_client->instance, x, y, width, height, WS_VISIBLE, 0};
    create.lParam = static_cast<LPARAM>(kind);
    SendMessageA(g_client->area, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create));
}

void open_editor() {
    if (g_client->options.no_profile_window) return;
    if (g_client->editor != nullptr) {
        SendMessageA(g_client->area, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(g_client->editor), 0);
        return;
    }
    open_inner(InnerKind::Editor, kEditorCaption, 150, 10, 440, 300);
    g_client->log.add("editor opened");
}

void create_editor_controls(HWND editor) {
    g_client->editor = editor;
    g_client->field = CreateWindowExA(WS_EX_CLIENTEDGE, kFieldClass, "",
                                      WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 8, 8, 410,
                                      200, editor, nullptr, g_client->instance, nullptr);
    SendMessageA(g_client->field, EM_SETLIMITTEXT, 0, 0);
    SendMessageA(g_client->field, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), FALSE);
    create_icon(editor, g_client->frame, kSaveIconId, "Update", "save", RECT{8, 216, 108, 248});
    create_icon(editor, g_client->frame, kSaveIconId + 1, "Cancel", "cancel", RECT{116, 216, 216, 248});
}

LRESULT CALLBACK inner_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
            const auto* mdi = static_cast<const MDICREATESTRUCTA*>(create->lpCreateParams);
            if (static_cast<InnerKind>(mdi->lParam) == InnerKind::Editor) {
                create_editor_controls(window);
            } else {
                HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                                            0, 0, 10, 10, window, nullptr, g_client->instance, nullptr);
                SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
                g_client->log.show_in(list);
            }
            break;
        }
        case WM_SIZE:
            if (window != g_client->editor) {
                MoveWindow(GetWindow(window, GW_CHILD), 0, 0, LOWORD(lparam), HIWORD(lparam), TRUE);
            }
            break;
        case WM_DESTROY:
            if (window == g_client->editor) {
                g_client->editor = g_client->field = nullptr;
                g_client->log.add("editor closed");
            } else {
                g_client->log.show_in(nullptr);
            }
            break;
    }
    return DefMDIChildProcA(window, message, wparam, lparam);
}

void create_frame_children(HWND frame) {
    g_client->frame = frame;
    g_client->toolbar = CreateWindowExA(0, kToolbarClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 10, kToolbarHeight, frame,
                                        nullptr, g_client->instance, nullptr);
    g_client->strip = CreateWindowExA(0, kStripClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 600, kToolbarHeight,
                                      g_client->toolbar, nullptr, g_client->instance, nullptr);
    const char* labels[] = {"Read", "Write", "IM", "People", "Favorites", "Settings"};
    for (int n = 0; n < 6; ++n) {
        const std::string name = "icon" + std::to_string(n + 1);
        create_icon(g_client->strip, frame, n + 1, labels[n], name.c_str(),
                    RECT{4 + n * 76, 4, 76 + n * 76, kToolbarHeight - 4});
    }
    CLIENTCREATESTRUCT area{nullptr, 1000};
    g_client->area = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                     WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0,
                                     kToolbarHeight, 10, 10, frame, nullptr, g_client->instance, &area);
}

constexpr UINT_PTR kShowBoxTimer = 1;
constexpr int kThrowawayButtonId = 2;

// The box built in stages: its throw-away button goes and its real one comes before it shows.
INT_PTR CALLBACK staged_box_procedure(HWND box, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
        case WM_TIMER:
            KillTimer(box, kShowBoxTimer);
            DestroyWindow(GetDlgItem(box, kThrowawayButtonId));
            CreateWindowExA(0, "Button", "OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 110, 60, 80, 26, box,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), g_client->instance, nullptr);
            ShowWindow(box, SW_SHOWNOACTIVATE);
            g_client->log.add("box shown");
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wparam) == IDOK) {
                g_client->log.add("box closed 1");
                DestroyWindow(box);
            }
            return TRUE;
    }
    return FALSE;
}

void build_box_hidden() {
    HWND box = CreateWindowExA(WS_EX_DLGMODALFRAME, "#32770", "America Online", WS_POPUP | WS_CAPTION, 200, 200, 300,
                               130, g_client->frame, nullptr, g_client->instance, nullptr);
    SetWindowLongPtrA(box, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(staged_box_procedure));
    CreateWindowExA(0, "Static", "Your profile has been updated.", WS_CHILD | WS_VISIBLE, 10, 10, 280, 40, box,
                    nullptr, g_client->instance, nullptr);
    CreateWindowExA(0, "Button", "Retry", WS_CHILD | WS_VISIBLE, 10, 60, 80, 26, box,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kThrowawayButtonId)), g_client->instance, nullptr);
    SetTimer(box, kShowBoxTimer, 400, nullptr);
}

// The client's answer to an update of the profile: a modal message box, as the real one shows.
void show_answer() {
    if (g_client->options.box_built_hidden) {
        build_box_hidden();
        return;
    }
    g_client->log.add("box shown");
    const int answer =
        MessageBoxA(g_client->frame, "Your profile has been updated.", "America Online", MB_OK | MB_ICONINFORMATION);
    g_client->log.add("box closed " + std::to_string(answer));
}

// The save icon's press: answered after the press returns, after a slow save, or from inside it.
void save_pressed(HWND frame) {
    if (g_client->options.answer_inside_press) {
        show_answer();
        return;
    }
    if (g_client->options.slow_save_ms > 0) Sleep(static_cast<DWORD>(g_client->options.slow_save_ms));
    PostMessageA(frame, kShowAnswer, 0, 0);
}

LRESULT CALLBACK frame_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE:
            create_frame_children(window);
            return 0;
        case WM_SIZE:
            MoveWindow(g_client->toolbar, 0, 0, LOWORD(lparam), kToolbarHeight, TRUE);
            MoveWindow(g_client->area, 0, kToolbarHeight, LOWORD(lparam), HIWORD(lparam) - kToolbarHeight, TRUE);
            return 0;  // not DefFrameProc: it would spread the MDI area over the toolbar
        case kIconKey:
            if (wparam == kProfileIconId && lparam == 'l') open_editor();
            return 0;
        case kIconPressed:
            if (wparam == kProfileIconId) open_editor();
            if (wparam == kSaveIconId) save_pressed(window);
            if (wparam == kSaveIconId + 1 && g_client->editor != nullptr) {
                SendMessageA(g_client->area, WM_MDIDESTROY, reinterpret_cast<WPARAM>(g_client->editor), 0);
            }
            return 0;
        case kShowAnswer:
            show_answer();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefFrameProcA(window, g_client->area, message, wparam, lparam);
}

void register_class(const char* name, WNDPROC procedure, int background) {
    WNDCLASSEXA type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = procedure;
    type.hInstance = g_client->instance;
    type.hCursor = LoadCursor(nullptr, IDC_ARROW);
    type.hbrBackground = GetSysColorBrush(background);
    type.lpszClassName = name;
    RegisterClassExA(&type);
}

void register_classes() {
    register_class(kFrameClass, frame_procedure, COLOR_APPWORKSPACE);
    register_class(kToolbarClass, DefWindowProcA, COLOR_BTNFACE);
    register_class(kStripClass, DefWindowProcA, COLOR_BTNFACE);
    register_class(kInnerClass, inner_procedure, COLOR_WINDOW);
    register_icon_class(g_client->instance, g_client->log);
    // The field is the system edit control under the client's class name.
    WNDCLASSEXA field{};
    field.cbSize = sizeof field;
    GetClassInfoExA(nullptr, "EDIT", &field);
    g_client->edit_procedure = field.lpfnWndProc;
    field.lpfnWndProc = field_procedure;
    field.hInstance = g_client->instance;
    field.lpszClassName = kFieldClass;
    RegisterClassExA(&field);
}

}  // namespace

int run_client(HINSTANCE instance, const Options& options) {
    Client client;
    client.options = options;
    client.instance = instance;
    g_client = &client;
    if (!options.log_path.empty()) client.log.open_file(options.log_path.c_str());
    register_classes();
    client.message_hook = SetWindowsHookExA(WH_GETMESSAGE, watch_posted_keys, nullptr, GetCurrentThreadId());

    // At the right of the screen, beside the tool, which opens at the left.
    constexpr int kWidth = 640, kHeight = 420;
    const int left = GetSystemMetrics(SM_CXSCREEN) - kWidth - 8;
    HWND frame = CreateWindowExA(0, kFrameClass, "America Online (stand-in)", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                 left > 0 ? left : CW_USEDEFAULT, 40, kWidth, kHeight, nullptr, nullptr, instance,
                                 nullptr);
    if (frame == nullptr) return 1;
    open_inner(InnerKind::Received, "Received (what Add To Profile sent)", 4, 4, 360, 200);
    if (options.editor_open) open_editor();
    ShowWindow(frame, options.log_path.empty() ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE);
    client.log.add("ready");

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TranslateMDISysAccel(client.area, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    UnhookWindowsHookEx(client.message_hook);
    g_client = nullptr;
    return static_cast<int>(message.wParam);
}

int run_decoy(const Options& options) {
    Client client;  // for its log and the key watcher
    g_client = &client;
    if (!options.log_path.empty()) client.log.open_file(options.log_path.c_str());
    client.message_hook = SetWindowsHookExA(WH_GETMESSAGE, watch_posted_keys, nullptr, GetCurrentThreadId());
    client.log.add("decoy shown");
    const int answer = MessageBoxA(nullptr, "Delete the file \"profile.txt\"?", "Another program",
                                   MB_YESNO | MB_ICONQUESTION | MB_TOPMOST);
    client.log.add("decoy answered " + std::to_string(answer));
    UnhookWindowsHookEx(client.message_hook);
    g_client = nullptr;
    return 0;
}

}  // namespace standin
