// The preview document inside the real window: text kept exactly, selections counted in CR LF
// text, the formatting buttons and their indicators, the colour buttons and their dialog,
// and what appending and Clear leave behind.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <functional>
#include <string>
#include <vector>

#include "window_form_fixture.hpp"

using vandrelle::app::win32::Control;
using vandrelle::app::win32::TriState;
using window_test::FormTest;

namespace {

CHARFORMAT2W selection_format(HWND rich_text) {
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    SendMessageW(rich_text, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format;
}

// The pane's background as the control holds it: setting a colour returns the one before.
COLORREF pane_background(HWND rich_text) {
    const auto colour = static_cast<COLORREF>(SendMessageW(rich_text, EM_SETBKGNDCOLOR, 0, RGB(1, 2, 3)));
    SendMessageW(rich_text, EM_SETBKGNDCOLOR, 0, colour);
    return colour;
}

PARAFORMAT2 paragraph_format(HWND rich_text) {
    PARAFORMAT2 format{};
    format.cbSize = sizeof format;
    SendMessageW(rich_text, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    return format;
}

bool put_on_clipboard(const std::wstring& text) {
    // Wine's clipboard manager may hold the clipboard for a moment.
    if (!window_test::wait_until([] { return OpenClipboard(nullptr) != FALSE; }, std::chrono::seconds(2))) return false;
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    CopyMemory(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    const bool put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    return put;
}

// Counts the WM_SETFONT messages that arrive while the control's current font is already
// deleted: a font must be replaced before it is freed.
LRESULT CALLBACK count_stale_fonts(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR stale) {
    if (message == WM_SETFONT) {
        const auto held = reinterpret_cast<HGDIOBJ>(DefSubclassProc(window, WM_GETFONT, 0, 0));
        if (held && GetObjectType(held) != OBJ_FONT) ++*reinterpret_cast<int*>(stale);
    }
    return DefSubclassProc(window, message, wparam, lparam);
}

// The fonts handed to any preview control (the first one or one that replaced it).
std::vector<HGDIOBJ> preview_fonts;

LRESULT CALLBACK record_preview_fonts(int code, WPARAM wparam, LPARAM lparam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lparam);
    if (code == HC_ACTION && sent->message == WM_SETFONT && sent->wParam &&
        GetDlgCtrlID(sent->hwnd) == vandrelle::app::win32::control_id(Control::RichTextBox))
        preview_fonts.push_back(reinterpret_cast<HGDIOBJ>(sent->wParam));
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace

TEST_F(FormTest, TextReadsBackExactlyAsWritten) {
    const std::u16string cases[] = {
        u"",
        u"abc\r\ncab\r\nbca\r\n",
        u"no break at the end",
        u"\u00A0\u00A0nbsp and soft\u00ADhyphen   \r\ntrailing blanks   \r\n",
        u"\r\n\r\n\r\n",
        u"{\\rtf1\\ansi bold? {\\b no}}\r\n",  // typed text that looks like a rich-text document
        u"caf\u00E9 \u20AC5 \u2122\r\n",
    };
    for (const std::u16string& text : cases) {
        preview().SetText(text);
        EXPECT_TRUE(preview().Text() == text) << "case of length " << text.size();
        EXPECT_EQ(preview().TextLength(), text.size());
    }
}

// Large texts reach the control in several reads; a line break must never be cut in two,
// wherever the reads end. Lines of every length from 1 to 97 put breaks at every offset.
TEST_F(FormTest, LargeTextsKeepEveryLineBreakWhereverTheReadsEnd) {
    std::u16string text;
    for (int line = 0; text.size() < 300000; ++line) text += std::u16string(1 + line % 97, u'a' + line % 26) + u"\r\n";
    preview().SetText(text);
    EXPECT_EQ(preview().TextLength(), text.size());
    EXPECT_TRUE(preview().Text() == text);
    preview().SetText(u"start\r\n");
    preview().Append(text);
    EXPECT_TRUE(preview().Text() == u"start\r\n" + text);
}

TEST_F(FormTest, TextHasNo32KLimit) {
    std::u16string text;
    for (int line = 0; line < 2000; ++line) text += u"0123456789012345678901234567890123456789\r\n";
    ASSERT_GT(text.size(), 80000u);
    preview().SetText(text);
    EXPECT_EQ(preview().TextLength(), text.size());
    EXPECT_TRUE(preview().Text() == text);
}

// Selection offsets count every line break as two characters, the way Text does.
TEST_F(FormTest, SelectionOffsetsCountLineBreaksAsTwo) {
    const std::u16string text = u"abc\r\ncab\r\nbca\r\n";
    preview().SetText(text);
    struct Case {
        long start, length;
        std::u16string selected;
    };
    const Case cases[] = {
        {0, static_cast<long>(text.size()), text},  // select all from the text's own length
        {0, 1000000, text},                          // a length past the end stops at the end
        {5, 3, u"cab"},
        {3, 4, u"\r\nca"},
        {13, 2, u"\r\n"},
        {15, 5, u""},
    };
    for (const Case& c : cases) {
        select(c.start, c.length);
        EXPECT_TRUE(preview().SelText() == c.selected) << c.start << "+" << c.length;
        EXPECT_EQ(preview().SelStart(), std::min<long>(c.start, static_cast<long>(text.size())));
        EXPECT_EQ(preview().SelLength(), static_cast<long>(c.selected.size()));
    }
}

struct FormattingButton {
    Control button;
    TriState (vandrelle::app::win32::RichPreview::*read)() const;
};

class FormattingButtonTest : public FormTest, public ::testing::WithParamInterface<FormattingButton> {};

// "plain bold" with "bold" formatted by the button, then the indicator and the button over
// mixed, formatted and plain selections.
TEST_P(FormattingButtonTest, IndicatorFollowsTheSelectionAndOnlyCheckedFormats) {
    const auto [button, read] = GetParam();
    auto state = [this, read = read] { return (preview().*read)(); };
    preview().SetText(u"plain bold\r\n");
    select(6, 4);
    click(button);
    EXPECT_EQ(check_value(button), BST_CHECKED);
    EXPECT_EQ(state(), TriState::True);

    select(3, 5);  // "in bo": partly formatted
    EXPECT_EQ(check_value(button), BST_INDETERMINATE);
    EXPECT_EQ(state(), TriState::Mixed) << "showing the indicator must not format the selection";

    click(button);  // from indeterminate: checked, the whole selection formatted
    EXPECT_EQ(check_value(button), BST_CHECKED);
    EXPECT_EQ(state(), TriState::True);
    click(button);  // checked to unchecked: the whole selection plain
    EXPECT_EQ(check_value(button), BST_UNCHECKED);
    EXPECT_EQ(state(), TriState::False);

    select(9, 0);  // caret inside the still formatted "ld"
    EXPECT_EQ(check_value(button), BST_CHECKED);
    select(1, 0);  // caret in plain text
    EXPECT_EQ(check_value(button), BST_UNCHECKED);
}

INSTANTIATE_TEST_SUITE_P(BoldItalicUnderline, FormattingButtonTest,
                         ::testing::Values(FormattingButton{Control::chkBold, &vandrelle::app::win32::RichPreview::SelBold},
                                           FormattingButton{Control::chkItalics, &vandrelle::app::win32::RichPreview::SelItalic},
                                           FormattingButton{Control::chkUline, &vandrelle::app::win32::RichPreview::SelUnderline}));

TEST_F(FormTest, ColourButtonsShareOneCurrentColourAndACancelAppliesIt) {
    colours_.answers = {RGB(255, 0, 0), std::nullopt};
    preview().SetText(u"red text\r\n");
    select(0, 3);
    click(Control::chkColor);
    EXPECT_EQ(colours_.times_shown, 1);
    EXPECT_EQ(check_value(Control::chkColor), BST_UNCHECKED);
    const CHARFORMAT2W format = selection_format(control(Control::RichTextBox));
    EXPECT_EQ(format.crTextColor, RGB(255, 0, 0));
    EXPECT_FALSE(format.dwEffects & CFE_AUTOCOLOR);

    click(Control::chkColor2);  // cancelled: the shared current colour, red, goes to the background
    EXPECT_EQ(colours_.times_shown, 2);
    EXPECT_EQ(pane_background(control(Control::RichTextBox)), RGB(255, 0, 0));
}

TEST_F(FormTest, CancelBeforeAnyColourWasChosenColoursBlack) {
    colours_.answers = {std::nullopt};
    preview().SetText(u"text\r\n");
    select(0, 4);
    click(Control::chkColor);
    const CHARFORMAT2W format = selection_format(control(Control::RichTextBox));
    EXPECT_EQ(format.crTextColor, RGB(0, 0, 0));
    EXPECT_FALSE(format.dwEffects & CFE_AUTOCOLOR);
}

// The dialog opens on a mouse button released after it was pressed on the button, whichever
// mouse button; the keyboard only toggles the button's look.
TEST_F(FormTest, ColourDialogOpensOnMouseReleaseOnly) {
    // Two steps that are not messages to the button: another window takes the mouse, and a
    // check that the button still holds it.
    constexpr UINT kCaptureTaken = WM_APP + 1;
    constexpr UINT kStillCaptured = WM_APP + 2;
    struct Case {
        const char* name;
        std::vector<UINT> messages;
        int dialogs;
    };
    const Case cases[] = {
        {"left press and release", {WM_LBUTTONDOWN, WM_LBUTTONUP}, 1},
        {"right press and release", {WM_RBUTTONDOWN, WM_RBUTTONUP}, 1},
        {"middle press and release", {WM_MBUTTONDOWN, WM_MBUTTONUP}, 1},
        {"right release without a press on it", {WM_RBUTTONUP}, 0},
        {"space bar", {WM_KEYDOWN, WM_KEYUP}, 0},
        {"left press, capture lost, stray release", {WM_LBUTTONDOWN, kCaptureTaken, WM_LBUTTONUP}, 0},
        {"right press, capture lost, stray release", {WM_RBUTTONDOWN, kCaptureTaken, WM_RBUTTONUP}, 0},
        {"right released while the left is held",
         {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_RBUTTONUP, kStillCaptured, WM_LBUTTONUP}, 2},
    };
    for (Control button : {Control::chkColor, Control::chkColor2}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            colours_.times_shown = 0;
            SetFocus(control(button));
            const int before = check_value(button);
            for (UINT message : c.messages) {
                if (message == kCaptureTaken) {
                    SetCapture(form_->hwnd());
                    ReleaseCapture();
                    continue;
                }
                if (message == kStillCaptured) {
                    EXPECT_EQ(GetCapture(), control(button));
                    continue;
                }
                const WPARAM key = message == WM_KEYDOWN || message == WM_KEYUP ? VK_SPACE : 0;
                SendMessageW(control(button), message, key, MAKELPARAM(5, 5));
            }
            EXPECT_EQ(colours_.times_shown, c.dialogs);
            if (c.dialogs) {
                EXPECT_EQ(check_value(button), BST_UNCHECKED);
            }
            if (c.messages.front() == WM_KEYDOWN) {
                EXPECT_NE(check_value(button), before) << "the space bar toggles the look";
            }
        }
    }
}

TEST_F(FormTest, AppendingDropsAllFormattingOfTheOldText) {
    colours_.answers = {RGB(0, 0, 255)};
    preview().SetText(u"x\r\n");
    select(0, 1);
    click(Control::chkBold);
    click(Control::chkUline);
    click(Control::chkColor);
    SetWindowTextW(control(Control::textLine), L"abc");
    SendMessageW(control(Control::cmboTimes), CB_SETCURSEL, 3, 0);
    click(Control::Command1);

    EXPECT_TRUE(preview().Text() == u"x\r\nabc\r\ncab\r\nbca\r\n");
    select(0, static_cast<long>(preview().TextLength()));
    const CHARFORMAT2W format = selection_format(control(Control::RichTextBox));
    EXPECT_TRUE(format.dwMask & CFM_BOLD) << "bold must be uniform";
    EXPECT_FALSE(format.dwEffects & (CFE_BOLD | CFE_UNDERLINE | CFE_ITALIC));
    EXPECT_TRUE((format.dwMask & CFM_COLOR) && (format.dwEffects & CFE_AUTOCOLOR)) << "the default text colour";
    EXPECT_EQ(check_value(Control::chkBold), BST_UNCHECKED);
    EXPECT_EQ(check_value(Control::chkUline), BST_UNCHECKED);
}

TEST_F(FormTest, SpiralButtonAppendsTheSameBlockOnEveryPress) {
    SetWindowTextW(control(Control::textLine), L" ab");
    SendMessageW(control(Control::cmboTimes), CB_SETCURSEL, 3, 0);
    preview().SetText(u"end");
    click(Control::Command1);
    click(Control::Command1);
    EXPECT_TRUE(preview().Text() == u"end ab\r\nb a\r\nab \r\n ab\r\nb a\r\nab \r\n");
    EXPECT_EQ(window_test::text_of(control(Control::textLine)), L" ab") << "the typed text stays";
}

TEST_F(FormTest, ClearEmptiesThePreviewAndKeepsTheBackground) {
    colours_.answers = {RGB(0, 128, 0)};
    preview().SetText(u"some art\r\n");
    click(Control::chkColor2);
    click(Control::cmdClear);
    EXPECT_TRUE(preview().Text().empty());
    EXPECT_EQ(pane_background(control(Control::RichTextBox)), RGB(0, 128, 0));
    click(Control::cmdClear);  // clearing an empty preview leaves it empty
    EXPECT_TRUE(preview().Text().empty());
}

// Replacing a large text swaps in a fresh rich-text control; the pane must stay the same pane.
TEST_F(FormTest, ReplacingALargeTextKeepsThePaneAsItWas) {
    colours_.answers = {RGB(0, 0, 160)};
    click(Control::chkColor2);
    std::u16string large;
    for (int line = 0; line < 3000; ++line) large += u"a large preview line\r\n";
    preview().SetText(large);
    HWND before = control(Control::RichTextBox);
    RECT place_before;
    GetWindowRect(before, &place_before);

    preview().SetText(u"plain bold\r\n");
    HWND after = control(Control::RichTextBox);
    EXPECT_TRUE(preview().Text() == u"plain bold\r\n");
    EXPECT_EQ(GetDlgCtrlID(after), vandrelle::app::win32::control_id(Control::RichTextBox));
    EXPECT_EQ(GetParent(after), control(Control::Frame4));
    EXPECT_EQ(GetWindow(after, GW_HWNDPREV), control(Control::chkColor2)) << "its place in the tab order";
    RECT place_after;
    GetWindowRect(after, &place_after);
    EXPECT_TRUE(EqualRect(&place_before, &place_after));
    EXPECT_EQ(pane_background(after), RGB(0, 0, 160));
    select(6, 4);
    click(Control::chkBold);
    select(3, 5);
    EXPECT_EQ(check_value(Control::chkBold), BST_INDETERMINATE) << "selection changes still reach the form";
    preview().Append(u"more\r\n");
    EXPECT_TRUE(preview().Text() == u"plain bold\r\nmore\r\n");
}

// Clearing a large preview swaps in a fresh control. It must be made as the layout makes the
// preview (the old control's live style has lost WS_HSCROLL while no bar showed), and the focus
// the window saved must find the new control.
TEST_F(FormTest, TheControlThatReplacesALargePreviewScrollsSidewaysAndTakesTheSavedFocus) {
    show();
    std::u16string short_lines;
    for (int line = 0; line < 3000; ++line) short_lines += u"short\r\n";
    preview().SetText(short_lines);
    SetFocus(control(Control::RichTextBox));
    SendMessageW(form_->hwnd(), WM_ACTIVATE, WA_INACTIVE, 0);  // the window saves the focus
    click(Control::cmdClear);
    ASSERT_TRUE(preview().Text().empty());
    SetFocus(control(Control::textLine));
    SendMessageW(form_->hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);  // and gives it back
    EXPECT_EQ(GetFocus(), control(Control::RichTextBox));

    preview().Append(std::u16string(3000, u'w') + u"\r\n");
    window_test::pump_messages();
    EXPECT_TRUE(GetWindowLongW(control(Control::RichTextBox), GWL_STYLE) & WS_HSCROLL)
        << "a line wider than the pane shows a horizontal scroll bar";
}

// A DPI change gives the controls fonts for the new DPI, each set before the one it replaces is
// deleted, and leaves the preview's character formatting alone: its base format is in points.
TEST_F(FormTest, DpiChangeKeepsThePreviewsFormattingAndReplacesFontsSafely) {
    // A window made while the preview's fonts are watched.
    preview_fonts.clear();
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, record_preview_fonts, nullptr, GetCurrentThreadId());
    form_ = std::make_unique<window_test::Form1>(std::make_unique<window_test::ScriptedColourDialog>(colours_), false);
    ASSERT_TRUE(form_->Create(GetModuleHandleW(nullptr)));
    colours_.answers = {RGB(200, 0, 0)};
    preview().SetText(u"plain bold\r\n");
    select(6, 4);
    for (Control button : {Control::chkBold, Control::chkItalics, Control::chkUline, Control::chkColor}) click(button);
    int stale_fonts = 0;
    const Control watched[] = {Control::textLine, Control::cmboTimes, Control::Command1, Control::cmdClear};
    for (Control c : watched)
        SetWindowSubclass(control(c), count_stale_fonts, 1, reinterpret_cast<DWORD_PTR>(&stale_fonts));
    change_dpi(144);
    for (Control c : watched) RemoveWindowSubclass(control(c), count_stale_fonts, 1);
    EXPECT_EQ(stale_fonts, 0);

    select(6, 4);
    const CHARFORMAT2W bold = selection_format(control(Control::RichTextBox));
    constexpr DWORD looks = CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE;
    EXPECT_EQ(bold.dwMask & looks, looks);
    EXPECT_EQ(bold.dwEffects & looks, looks);
    EXPECT_EQ(bold.crTextColor, RGB(200, 0, 0));
    EXPECT_FALSE(bold.dwEffects & CFE_AUTOCOLOR);
    select(0, static_cast<long>(preview().TextLength()));
    const CHARFORMAT2W all = selection_format(control(Control::RichTextBox));
    EXPECT_TRUE(all.dwMask & CFM_SIZE);
    EXPECT_EQ(all.yHeight, 165) << "8.25 pt";

    preview().SetText(std::u16string(5000, u'x'));
    preview().SetText(u"");  // a fresh control, made after the old fonts went
    UnhookWindowsHookEx(hook);
    for (HGDIOBJ font : preview_fonts) EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT)) << "a freed font";
}

// Formatting that only a paste can bring (superscript, an offset, hidden, protected or link
// text, another character set, a centred and indented paragraph with tab stops) is gone after
// an append and after Clear, like bold and colour.
TEST_F(FormTest, AppendAndClearRestoreEveryEffectAndTheParagraphFormat) {
    HWND pane = control(Control::RichTextBox);
    const auto paste_odd_formatting = [&] {
        preview().SetText(u"odd\r\n");
        select(0, 3);
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        format.dwMask = CFM_SUPERSCRIPT | CFM_OFFSET | CFM_HIDDEN | CFM_PROTECTED | CFM_LINK | CFM_CHARSET;
        format.dwEffects = CFE_SUPERSCRIPT | CFE_HIDDEN | CFE_PROTECTED | CFE_LINK;
        format.yOffset = 40;
        format.bCharSet = SYMBOL_CHARSET;
        SendMessageW(pane, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        PARAFORMAT2 paragraph{};
        paragraph.cbSize = sizeof paragraph;
        paragraph.dwMask = PFM_ALIGNMENT | PFM_STARTINDENT | PFM_SPACEBEFORE | PFM_TABSTOPS;
        paragraph.wAlignment = PFA_CENTER;
        paragraph.dxStartIndent = 720;
        paragraph.dySpaceBefore = 240;
        paragraph.cTabCount = 1;
        paragraph.rgxTabs[0] = 1440;
        SendMessageW(pane, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph));
    };
    struct Case {
        const char* name;
        std::function<void()> act;
    };
    const Case cases[] = {
        {"append", [&] { preview().Append(u"art\r\n"); }},
        {"clear", [&] { click(Control::cmdClear); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        paste_odd_formatting();
        c.act();
        select(0, static_cast<long>(preview().TextLength()));
        const CHARFORMAT2W format = selection_format(pane);
        constexpr DWORD effects = CFM_SUPERSCRIPT | CFM_HIDDEN | CFM_PROTECTED | CFM_LINK;
        EXPECT_EQ(format.dwMask & (effects | CFM_OFFSET | CFM_CHARSET), effects | CFM_OFFSET | CFM_CHARSET) << "uniform";
        EXPECT_EQ(format.dwEffects & effects, 0u);
        EXPECT_EQ(format.yOffset, 0);
        EXPECT_NE(format.bCharSet, SYMBOL_CHARSET);
        const PARAFORMAT2 paragraph = paragraph_format(pane);
        EXPECT_EQ(paragraph.wAlignment, PFA_LEFT);
        EXPECT_EQ(paragraph.dxStartIndent, 0);
        EXPECT_EQ(paragraph.dySpaceBefore, 0);
        EXPECT_EQ(paragraph.cTabCount, 0);
    }
}

// Every line break the user makes in the preview reads back as CR LF: Shift+Enter, and soft
// breaks (U+000B) that come in with pasted text.
TEST_F(FormTest, LineBreaksTheUserMakesReadBackAsCrLf) {
    const auto type_shift_enter = [&] {
        HWND pane = control(Control::RichTextBox);
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = 0x80;
        SetKeyboardState(keys);
        SendMessageW(pane, WM_KEYDOWN, VK_RETURN, 1);
        SendMessageW(pane, WM_CHAR, L'\r', 1);
        SendMessageW(pane, WM_KEYUP, VK_RETURN, 1);
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    };
    const auto paste = [&](const wchar_t* text) {
        return [this, text] {
            ASSERT_TRUE(put_on_clipboard(text));
            SendMessageW(control(Control::RichTextBox), WM_PASTE, 0, 0);
        };
    };
    const auto replace = [&](const wchar_t* text) {
        return [this, text] {
            SendMessageW(control(Control::RichTextBox), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
        };
    };
    struct Case {
        const char* name;
        std::function<void()> enter;  // at the caret, between "a" and "b"
        bool in_replacement = false;  // in the control that replaced a large preview
    };
    const Case cases[] = {
        {"Shift+Enter", type_shift_enter},
        {"pasted soft break", paste(L"\v")},
        {"replaced selection with a soft break", replace(L"\v")},
        {"Shift+Enter after a large preview was replaced", type_shift_enter, true},
    };
    show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.in_replacement) preview().SetText(std::u16string(5000, u'x'));
        preview().SetText(u"ab");
        SetFocus(control(Control::RichTextBox));
        select(1, 0);
        c.enter();
        EXPECT_TRUE(preview().Text() == u"a\r\nb");
        EXPECT_EQ(preview().SelStart(), 3) << "the caret after the break, CR LF counted as two";
    }
}
