// What a Windows user expects of the window beyond the Parts, in the real window: the check
// boxes' names, the preview's shortcuts, its edit menu, undo and redo of the tool's actions,
// Enter in the spiral text box, and the picture shown beside the macro list.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "app/win32/picture_popup.hpp"
#include "app/win32/wide_text.hpp"
#include "macros/pictures.hpp"
#include "window_form_fixture.hpp"

using vandrelle::app::EditCommand;
using vandrelle::app::EditState;
using vandrelle::app::win32::Control;
using window_test::FormTest;

namespace {

// Each opening of the menu is recorded and answered with the next scripted command.
struct MenuScript {
    std::deque<std::optional<EditCommand>> answers;
    std::vector<EditState> openings;
};

class ScriptedEditMenu final : public vandrelle::app::win32::EditMenuPopup {
public:
    explicit ScriptedEditMenu(MenuScript& script) : script_(script) {}
    std::optional<EditCommand> Choose(HWND, POINT, const EditState& state) override {
        script_.openings.push_back(state);
        if (script_.answers.empty()) return std::nullopt;
        const std::optional<EditCommand> answer = script_.answers.front();
        script_.answers.pop_front();
        return answer;
    }

private:
    MenuScript& script_;
};

enum Modifier : unsigned { kNone = 0, kCtrl = 1, kShift = 2 };

class EditingTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        form_->SetEditMenu(std::make_unique<ScriptedEditMenu>(menu_));
    }

    HWND pane() const { return control(Control::RichTextBox); }

    // A key as the pane receives it, with the modifiers held in this thread's keyboard state;
    // `typed` is the character the key also produces, if any.
    void key(HWND window, UINT virtual_key, unsigned modifiers, wchar_t typed = 0, bool system = false) {
        BYTE kept[256];
        GetKeyboardState(kept);
        BYTE held[256];
        std::copy(std::begin(kept), std::end(kept), held);
        held[VK_CONTROL] = (modifiers & kCtrl) ? 0x80 : 0;
        held[VK_SHIFT] = (modifiers & kShift) ? 0x80 : 0;
        SetKeyboardState(held);
        SendMessageW(window, system ? WM_SYSKEYDOWN : WM_KEYDOWN, virtual_key, 1);
        if (typed) SendMessageW(window, WM_CHAR, typed, 1);
        SendMessageW(window, system ? WM_SYSKEYUP : WM_KEYUP, virtual_key, 0xC0000001);
        SetKeyboardState(kept);
    }
    void ctrl(wchar_t letter) { key(pane(), letter, kCtrl, static_cast<wchar_t>(letter - L'A' + 1)); }

    bool selection_has(DWORD mask, DWORD effect) {
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        SendMessageW(pane(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return (format.dwMask & mask) && (format.dwEffects & effect);
    }

    MenuScript menu_;
};

bool put_on_clipboard(const std::wstring& text, const char* rtf = nullptr) {
    if (!window_test::wait_until([] { return OpenClipboard(nullptr) != FALSE; }, std::chrono::seconds(2))) return false;
    EmptyClipboard();
    HGLOBAL unicode = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(GlobalLock(unicode)));
    GlobalUnlock(unicode);
    SetClipboardData(CF_UNICODETEXT, unicode);
    if (rtf) {
        HGLOBAL rich = GlobalAlloc(GMEM_MOVEABLE, std::strlen(rtf) + 1);
        std::copy_n(rtf, std::strlen(rtf) + 1, static_cast<char*>(GlobalLock(rich)));
        GlobalUnlock(rich);
        SetClipboardData(RegisterClipboardFormatW(L"Rich Text Format"), rich);
    }
    CloseClipboard();
    return true;
}

std::wstring clipboard_text() {
    std::wstring text;
    if (!window_test::wait_until([] { return OpenClipboard(nullptr) != FALSE; }, std::chrono::seconds(2))) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

std::u16string picture(std::string_view name) {
    return vandrelle::macros::picture_text(*vandrelle::macros::find_picture(name));
}

// Counts the keys during whose handling the window was destroyed: on Windows its procedure
// would go on with freed state.
LRESULT CALLBACK count_destroyed_inside(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                        DWORD_PTR count) {
    const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
    if (message == WM_KEYDOWN && !IsWindow(window)) ++*reinterpret_cast<int*>(count);
    return result;
}

}  // namespace

TEST_F(EditingTest, CheckBoxesCarryTheirNamesAsWindowText) {
    const std::pair<Control, const wchar_t*> names[] = {
        {Control::chkBold, L"Bold"},
        {Control::chkItalics, L"Italic"},
        {Control::chkUline, L"Underline"},
        {Control::chkColor, L"Text colour"},
        {Control::chkColor2, L"Background colour"},
    };
    for (const auto& [button, name] : names) EXPECT_EQ(window_test::text_of(control(button)), name);
}

// Each shortcut acts as a press of its button, on the selection only, and the button follows;
// the shortcut's control character never reaches the text (Ctrl+I would be a tab).
TEST_F(EditingTest, CtrlBIUFormatTheSelectionAsTheirButtonsDo) {
    const struct {
        wchar_t letter;
        Control button;
        DWORD mask, effect;
    } cases[] = {
        {L'B', Control::chkBold, CFM_BOLD, CFE_BOLD},
        {L'I', Control::chkItalics, CFM_ITALIC, CFE_ITALIC},
        {L'U', Control::chkUline, CFM_UNDERLINE, CFE_UNDERLINE},
    };
    for (const auto& c : cases) {
        preview().SetText(u"abc def\r\n");
        select(0, 3);
        ctrl(c.letter);
        EXPECT_TRUE(selection_has(c.mask, c.effect)) << char(c.letter);
        EXPECT_EQ(check_value(c.button), BST_CHECKED) << char(c.letter);
        select(4, 3);
        EXPECT_FALSE(selection_has(c.mask, c.effect)) << char(c.letter);
        EXPECT_EQ(check_value(c.button), BST_UNCHECKED) << char(c.letter);
        select(0, 3);
        ctrl(c.letter);
        EXPECT_FALSE(selection_has(c.mask, c.effect)) << char(c.letter);
        EXPECT_TRUE(preview().Text() == u"abc def\r\n") << char(c.letter);
    }
}

TEST_F(EditingTest, CtrlASelectsTheWholePreviewAndEnterInTheTextBoxAddsTheSpiral) {
    SetWindowTextW(control(Control::textLine), L"abc");
    SendMessageW(control(Control::cmboTimes), CB_SETCURSEL, 3, 0);
    key(control(Control::textLine), VK_RETURN, kNone, L'\r');
    SendMessageW(control(Control::textLine), WM_KEYDOWN, VK_RETURN, 1 | (1 << 30));  // Enter held: a repeat
    EXPECT_TRUE(preview().Text() == u"abc\r\ncab\r\nbca\r\n");
    EXPECT_EQ(window_test::text_of(control(Control::textLine)), L"abc");
    select(2, 0);
    ctrl(L'A');
    EXPECT_TRUE(preview().SelText() == u"abc\r\ncab\r\nbca\r\n");
}

TEST_F(EditingTest, MenuOpensFromRightClickShiftF10AndTheMenuKeyWithEntriesThatCanAct) {
    preview().SetText(u"hello\r\n");
    select(0, 5);
    SendMessageW(pane(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    SendMessageW(pane(), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    key(pane(), VK_F10, kShift, 0, true);
    key(pane(), VK_APPS, kNone);
    ASSERT_EQ(menu_.openings.size(), 3u);
    for (const EditState& state : menu_.openings) {
        EXPECT_TRUE(state.has_selection);
        EXPECT_TRUE(state.has_text);
        EXPECT_FALSE(state.whole_text_selected);
    }
    EXPECT_TRUE(preview().SelText() == u"hello") << "the right click keeps the selection";
    preview().SetText(u"");
    key(pane(), VK_APPS, kNone);
    ASSERT_EQ(menu_.openings.size(), 4u);
    EXPECT_FALSE(menu_.openings.back().has_text);
    EXPECT_FALSE(menu_.openings.back().can_undo) << "nothing was done yet that can be undone";
}

TEST_F(EditingTest, EachMenuCommandActsOnThePreview) {
    const struct {
        EditCommand command;
        std::u16string text_after, selected_after;
        std::wstring clipboard_after;
    } cases[] = {
        {EditCommand::Copy, u"hello world\r\n", u"hello", L"hello"},
        {EditCommand::Cut, u" world\r\n", u"", L"hello"},
        {EditCommand::Delete, u" world\r\n", u"", L"spare"},
        {EditCommand::Paste, u"one\r\ntwo\r\nthree world\r\n", u"", L"one\ntwo\rthree"},
        {EditCommand::SelectAll, u"hello world\r\n", u"hello world\r\n", L"spare"},
    };
    for (const auto& c : cases) {
        // The clipboard also offers bold rich text: a paste takes the plain text only.
        ASSERT_TRUE(put_on_clipboard(c.command == EditCommand::Paste ? L"one\ntwo\rthree" : L"spare",
                                     "{\\rtf1\\ansi {\\b BOLD}}"));
        preview().SetText(u"hello world\r\n");
        select(0, 5);
        menu_.answers.push_back(c.command);
        key(pane(), VK_APPS, kNone);
        EXPECT_TRUE(preview().Text() == c.text_after) << static_cast<int>(c.command);
        EXPECT_TRUE(preview().SelText() == c.selected_after) << static_cast<int>(c.command);
        EXPECT_EQ(clipboard_text(), c.clipboard_after) << static_cast<int>(c.command);
        if (c.command == EditCommand::Paste) {
            select(0, 13);
            EXPECT_FALSE(selection_has(CFM_BOLD, CFE_BOLD)) << "no formatting of another program";
        }
    }
    // Undo from the menu takes back a Clear.
    preview().SetText(u"keep me\r\n");
    click(Control::cmdClear);
    menu_.answers.push_back(EditCommand::Undo);
    key(pane(), VK_APPS, kNone);
    EXPECT_TRUE(menu_.openings.back().can_undo);
    EXPECT_TRUE(preview().Text() == u"keep me\r\n");
}

// Another program's paste request brings plain text too, as the pane's own paste does.
TEST_F(EditingTest, PasteRequestsFromElsewhereBringPlainText) {
    for (UINT request : {static_cast<UINT>(WM_PASTE), static_cast<UINT>(EM_PASTESPECIAL)}) {
        ASSERT_TRUE(put_on_clipboard(L"one\ntwo", "{\\rtf1\\ansi {\\b BOLD}}"));
        preview().SetText(u"hello world\r\n");
        select(0, 5);
        SendMessageW(pane(), request, 0, 0);
        EXPECT_TRUE(preview().Text() == u"one\r\ntwo world\r\n") << request;
        select(0, 8);
        EXPECT_FALSE(selection_has(CFM_BOLD, CFE_BOLD)) << request;
    }
}

// The real popup menu opens at the menu key with its six entries, the ones that cannot act
// greyed, and goes again.
TEST_F(EditingTest, TheStandardMenuOpensWithItsEntries) {
    form_->SetEditMenu(std::make_unique<vandrelle::app::win32::StandardEditMenu>());
    show();
    preview().SetText(u"hello\r\n");
    select(0, 0);
    static std::vector<UINT> states;
    states.clear();
    SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        HWND menu_window = FindWindowW(L"#32768", nullptr);
        if (!menu_window || !IsWindowVisible(menu_window)) return;
        auto menu = reinterpret_cast<HMENU>(SendMessageW(menu_window, MN_GETHMENU, 0, 0));
        for (int i = 0; i < GetMenuItemCount(menu); ++i)
            if (GetMenuItemID(menu, i) != 0) states.push_back(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION));
        EndMenu();
    });
    ASSERT_TRUE(put_on_clipboard(L"x"));
    key(pane(), VK_APPS, kNone);
    ASSERT_EQ(states.size(), 6u) << "Undo, Cut, Copy, Paste, Delete, Select All";
    const bool greyed[] = {true, true, true, false, true, false};  // text on the clipboard, no selection
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ((states[i] & MF_GRAYED) != 0, greyed[i]) << "entry " << i;
    EXPECT_FALSE(IsWindowVisible(FindWindowW(L"#32768", nullptr)));
}

// Undo brings back text and formatting exactly; redo does the action again.
TEST_F(EditingTest, UndoAndRedoOfClearAPictureAndBold) {
    const std::u16string text = u"\u00A0nbsp, soft\u00ADhyphen, caf\u00E9 \u20AC  \r\nbold here\r\n";
    preview().SetText(text);
    select(static_cast<long>(text.find(u"bold")), 4);
    click(Control::chkBold);
    ASSERT_TRUE(selection_has(CFM_BOLD, CFE_BOLD));

    click(Control::cmdClear);
    ASSERT_TRUE(preview().Text().empty());
    ctrl(L'Z');
    EXPECT_TRUE(preview().Text() == text) << "Clear undone";
    select(static_cast<long>(text.find(u"bold")), 4);
    EXPECT_TRUE(selection_has(CFM_BOLD, CFE_BOLD)) << "with its formatting";
    ctrl(L'Y');
    EXPECT_TRUE(preview().Text().empty()) << "Clear redone";
    ctrl(L'Z');

    SendMessageW(control(Control::cmboMacros), CB_SETCURSEL,
                 SendMessageW(control(Control::cmboMacros), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(L"Huck")), 0);
    click(Control::Command2);
    ASSERT_TRUE(preview().Text() == text + picture("Huck"));
    ctrl(L'Z');
    EXPECT_TRUE(preview().Text() == text) << "picture undone";
    select(static_cast<long>(text.find(u"bold")), 4);
    EXPECT_TRUE(selection_has(CFM_BOLD, CFE_BOLD)) << "the addition had dropped the bold; undo brings it back";
    ctrl(L'Y');
    EXPECT_TRUE(preview().Text() == text + picture("Huck")) << "picture redone";

    preview().SetText(u"plain words\r\n");
    select(0, 5);
    click(Control::chkBold);
    ctrl(L'Z');
    select(0, 5);
    EXPECT_FALSE(selection_has(CFM_BOLD, CFE_BOLD)) << "bold undone";
    EXPECT_EQ(check_value(Control::chkBold), BST_UNCHECKED);
    ctrl(L'Y');
    select(0, 5);
    EXPECT_TRUE(selection_has(CFM_BOLD, CFE_BOLD)) << "bold redone";

    click(Control::cmdClear);
    SendMessageW(pane(), WM_CHAR, L'x', 1);
    ASSERT_TRUE(preview().Text() == u"x");
    ctrl(L'Z');
    EXPECT_TRUE(preview().Text().empty()) << "the typing since the Clear goes first";
    ctrl(L'Z');
    EXPECT_TRUE(preview().Text() == u"plain words\r\n") << "then the Clear";

    colours_.answers = {RGB(200, 0, 0)};
    select(0, 5);
    click(Control::chkColor);
    ctrl(L'Z');
    ctrl(L'Z');
    select(0, 5);
    EXPECT_FALSE(selection_has(CFM_BOLD, CFE_BOLD)) << "the colour change is one step: the next undo takes back the bold";
}

// Over 4096 characters an undo or redo replaces the pane's control while the pane is still
// handling the key that asked for it; the preview goes on working as before.
TEST_F(EditingTest, UndoAndRedoThroughThePaneOfALargePreview) {
    std::u16string large;
    for (int line = 0; line < 500; ++line) large += u"a large preview line\r\n";
    const struct {
        Control action;
        std::u16string after;
    } cases[] = {{Control::Command2, large + picture("Huck")}, {Control::chkBold, large}};
    SendMessageW(control(Control::cmboMacros), CB_SETCURSEL,
                 SendMessageW(control(Control::cmboMacros), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(L"Huck")), 0);
    for (const auto& c : cases) {
        preview().SetText(large);
        select(0, 5);
        click(c.action);
        int destroyed_inside = 0;
        for (wchar_t letter : {L'Z', L'Y', L'Z', L'Y'}) {
            SetWindowSubclass(pane(), count_destroyed_inside, 9, reinterpret_cast<DWORD_PTR>(&destroyed_inside));
            ctrl(letter);
            window_test::pump_messages();
            if (letter == L'Z') {
                EXPECT_TRUE(preview().Text() == large) << static_cast<int>(c.action);
            }
        }
        EXPECT_EQ(destroyed_inside, 0) << static_cast<int>(c.action);
        EXPECT_TRUE(preview().Text() == c.after) << static_cast<int>(c.action);
        EXPECT_EQ(GetDlgItem(control(Control::Frame4), vandrelle::app::win32::control_id(Control::RichTextBox)), pane());
    }
}

// Right after pressing Clear the focus is on its button; Ctrl+Z there undoes the Clear too. The
// spiral text box keeps Ctrl+Z for its own typing.
TEST_F(EditingTest, CtrlZAndCtrlYOnAButtonUndoAndRedo) {
    auto shortcut = [&](Control where, wchar_t letter) {
        BYTE kept[256];
        GetKeyboardState(kept);
        BYTE held[256];
        std::copy(std::begin(kept), std::end(kept), held);
        held[VK_CONTROL] = 0x80;
        SetKeyboardState(held);
        const MSG message{control(where), WM_KEYDOWN, static_cast<WPARAM>(letter), 1, 0, {}};
        const bool taken = form_->TranslateShortcut(message);
        SetKeyboardState(kept);
        return taken;
    };
    preview().SetText(u"keep\r\n");
    click(Control::cmdClear);
    EXPECT_TRUE(shortcut(Control::cmdClear, L'Z'));
    EXPECT_TRUE(preview().Text() == u"keep\r\n");
    EXPECT_TRUE(shortcut(Control::cmboMacros, L'Y'));
    EXPECT_TRUE(preview().Text().empty());
    EXPECT_FALSE(shortcut(Control::textLine, L'Z'));
    EXPECT_FALSE(shortcut(Control::cmdClear, L'B'));
    EXPECT_TRUE(preview().Text().empty());
}

TEST_F(EditingTest, ThePopupShowsTheHighlightedPictureAndGoesWhenTheListCloses) {
    show();
    HWND list = control(Control::cmboMacros);
    SetFocus(list);
    auto popup = [] { return FindWindowW(vandrelle::app::win32::kPicturePopupClassName, nullptr); };
    auto shown = [&] { return popup() && IsWindowVisible(popup()) ? window_test::text_of(popup()) : std::wstring(); };
    const auto huck = SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Huck"));
    const std::u16string before = preview().Text();

    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(huck - 1), 0);
    key(list, VK_DOWN, kNone);
    EXPECT_EQ(shown(), vandrelle::app::win32::to_wide(picture("Huck"))) << "keyboard with the list closed";
    SendMessageW(form_->hwnd(), WM_ENTERSIZEMOVE, 0, 0);
    EXPECT_EQ(shown(), L"") << "the window is being dragged";

    SendMessageW(list, CB_SHOWDROPDOWN, TRUE, 0);
    window_test::pump_messages();
    key(list, VK_DOWN, kNone);
    EXPECT_EQ(shown(), vandrelle::app::win32::to_wide(picture("LOL1"))) << "the next row, with the list dropped";
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(list, &info));
    // The pointer pressed on the highlighted row, then moved one row down without a release.
    auto point_at = [&](LRESULT index) {
        RECT row{};
        SendMessageW(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&row));
        return MAKELPARAM(row.left + 2, (row.top + row.bottom) / 2);
    };
    SendMessageW(info.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, point_at(huck + 1));
    SendMessageW(info.hwndList, WM_MOUSEMOVE, MK_LBUTTON, point_at(huck + 2));
    EXPECT_EQ(shown(), vandrelle::app::win32::to_wide(picture("Luigi"))) << "the row under the pointer";
    SendMessageW(list, CB_SHOWDROPDOWN, FALSE, 0);
    window_test::pump_messages();
    EXPECT_EQ(shown(), L"") << "the list closed";

    SendMessageW(list, CB_SETCURSEL, 1, 0);
    key(list, VK_UP, kNone);
    EXPECT_EQ(shown(), L"") << "the placeholder has no picture";
    EXPECT_TRUE(preview().Text() == before) << "nothing is added";
}
