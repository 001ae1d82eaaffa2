#include "app/win32/rich_preview.hpp"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string_view>

#include "app/win32/form_fonts.hpp"
#include "app/win32/preview_input.hpp"

namespace vandrelle::app::win32 {
namespace {

constexpr UINT kUnicodeCodePage = 1200;
constexpr LPARAM kNoTextLimit = 0x7FFFFFFE;
// Above this many characters, replacing the text takes a fresh control (see SetText).
constexpr std::size_t kLargeText = 4096;

// Every character effect, all of them off in the base format, which has the automatic colours.
constexpr DWORD kEffectsMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_PROTECTED | CFM_LINK |
                               CFM_SUBSCRIPT | CFM_SUPERSCRIPT | CFM_HIDDEN | CFM_SMALLCAPS | CFM_ALLCAPS |
                               CFM_DISABLED | CFM_OUTLINE | CFM_SHADOW | CFM_EMBOSS | CFM_IMPRINT | CFM_REVISED;
constexpr DWORD kBaseEffects = CFE_AUTOCOLOR | CFE_AUTOBACKCOLOR;
constexpr DWORD kBaseFormatMask = kEffectsMask | CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_BACKCOLOR | CFM_CHARSET |
                                  CFM_OFFSET;
// Left aligned, no indents, no spacing around or between lines, no tab stops, no numbering.
constexpr DWORD kBaseParagraphMask = PFM_ALIGNMENT | PFM_STARTINDENT | PFM_RIGHTINDENT | PFM_OFFSET |
                                     PFM_SPACEBEFORE | PFM_SPACEAFTER | PFM_LINESPACING | PFM_TABSTOPS |
                                     PFM_NUMBERING;

PARAFORMAT2 empty_paragraph_format() {
    PARAFORMAT2 format{};
    format.cbSize = sizeof format;
    return format;
}

CHARFORMAT2W empty_format() {
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    return format;
}

// The control counts a paragraph break as one character; the document's offsets count it as
// CR LF, two. Control text holds one '\r' per break.
long control_to_text_offset(std::u16string_view control_text, long control_offset) {
    const auto end = static_cast<std::size_t>(std::clamp<long>(control_offset, 0, static_cast<long>(control_text.size())));
    const auto breaks = std::count(control_text.begin(), control_text.begin() + static_cast<std::ptrdiff_t>(end), u'\r');
    return static_cast<long>(end + static_cast<std::size_t>(breaks));
}

long text_to_control_offset(std::u16string_view control_text, long long text_offset) {
    long long remaining = std::max<long long>(text_offset, 0);
    std::size_t i = 0;
    for (; i < control_text.size() && remaining > 0; ++i) remaining -= control_text[i] == u'\r' ? 2 : 1;
    return static_cast<long>(i);
}

struct StreamSource {
    const char* bytes;
    std::size_t remaining;
};

DWORD CALLBACK read_stream(DWORD_PTR cookie, LPBYTE buffer, LONG capacity, LONG* written) {
    auto* source = reinterpret_cast<StreamSource*>(cookie);
    // Whole UTF-16 units only, so no character is split between two reads.
    std::size_t count = std::min(source->remaining, static_cast<std::size_t>(capacity) & ~std::size_t{1});
    // A CR LF split between two reads would come out as two line breaks: a CR that ends a read
    // waits for the next one when more text follows.
    constexpr std::size_t unit = sizeof(char16_t);
    if (count < source->remaining && count > unit) {
        char16_t last;
        std::memcpy(&last, source->bytes + count - unit, unit);
        if (last == u'\r') count -= unit;
    }
    std::copy_n(source->bytes, count, reinterpret_cast<char*>(buffer));
    source->bytes += count;
    source->remaining -= count;
    *written = static_cast<LONG>(count);
    return 0;
}

std::u16string read_text(HWND control, DWORD flags, std::size_t capacity) {
    std::u16string text(capacity + 1, u'\0');
    GETTEXTEX request{};
    request.cb = static_cast<DWORD>(std::min<std::size_t>((capacity + 1) * sizeof(char16_t), ULONG_MAX - 1));
    request.flags = flags;
    request.codepage = kUnicodeCodePage;
    const LRESULT copied = SendMessageW(control, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
    return text;
}

std::size_t text_length(HWND control, DWORD flags) {
    GETTEXTLENGTHEX request{flags | GTL_PRECISE | GTL_NUMCHARS, kUnicodeCodePage};
    const LRESULT length = SendMessageW(control, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&request), 0);
    return static_cast<std::size_t>(std::max<LRESULT>(length, 0));
}

CHARRANGE control_selection(HWND control) {
    CHARRANGE range{};
    SendMessageW(control, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

// A control retired from the preview may still be in the middle of one of its own messages (a
// key or a click whose handling undid an action): it is destroyed only once that is over, from
// a message posted to it.
constexpr UINT_PTR kRetiredSubclass = 3;

UINT retire_message() {
    static const UINT message = RegisterWindowMessageW(L"VandrellePreviewRetired");
    return message;
}

LRESULT CALLBACK retired_procedure(HWND control, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
    if (message == retire_message()) {
        DestroyWindow(control);
        return 0;
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(control, retired_procedure, kRetiredSubclass);
    return DefSubclassProc(control, message, wparam, lparam);
}

// Out of sight, out of the dialog's identifiers and silent towards the form until it goes.
void retire(HWND control) {
    SendMessageW(control, EM_SETEVENTMASK, 0, 0);
    SetWindowLongPtrW(control, GWLP_ID, 0);
    ShowWindow(control, SW_HIDE);
    SetWindowSubclass(control, retired_procedure, kRetiredSubclass, 0);
    if (!PostMessageW(control, retire_message(), 0, 0)) RemoveWindowSubclass(control, retired_procedure, kRetiredSubclass);
}

void select_in_control(HWND control, long start, long end) {
    CHARRANGE range{start, end};
    SendMessageW(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

}  // namespace

const wchar_t* RichPreview::window_class() {
    // Msftedit's RICHEDIT50W where it exists, else the older RichEdit20W.
    static const wchar_t* const name = [] {
        if (LoadLibraryW(L"Msftedit.dll")) return MSFTEDIT_CLASS;
        LoadLibraryW(L"Riched20.dll");
        return RICHEDIT_CLASSW;
    }();
    return name;
}

void RichPreview::Attach(HWND control, DWORD style, DWORD ex_style) {
    control_ = control;
    style_ = style;
    ex_style_ = ex_style;
    back_colour_ = GetSysColor(COLOR_WINDOW);
    configure();
}

void RichPreview::configure() {
    SendMessageW(control_, EM_EXLIMITTEXT, 0, kNoTextLimit);
    // Profile art keeps its shape: long lines scroll sideways instead of wrapping.
    SendMessageW(control_, EM_SETTARGETDEVICE, 0, 1);
    apply_base_format(SCF_DEFAULT);
    apply_base_format(SCF_ALL);
    apply_base_paragraphs();
    // Keys and mouse input reach the form first, for its shortcuts and edit menu.
    SendMessageW(control_, EM_SETEVENTMASK, 0, ENM_SELCHANGE | ENM_KEYEVENTS | ENM_MOUSEEVENTS);
    keep_preview_input_plain(control_);
}

// An empty twin of the control in its place: same class, identifier, place among its siblings,
// background and settings, and the focus if it had it; made with the styles the first control
// was made with, not its live ones, so it can still show both scroll bars. Its font is the base
// format's, set in points: the old control's font handle may be one the form has since freed.
bool RichPreview::replace_with_empty_control() {
    HWND old = control_;
    HWND parent = GetParent(old);
    wchar_t class_name[64] = {};
    GetClassNameW(old, class_name, 64);
    RECT place;
    GetWindowRect(old, &place);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&place), 2);
    HWND fresh = CreateWindowExW(
        ex_style_, class_name, L"", style_, place.left, place.top, place.right - place.left,
        place.bottom - place.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(GetDlgCtrlID(old))),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(old, GWLP_HINSTANCE)), nullptr);
    if (!fresh) return false;
    HWND above = GetWindow(old, GW_HWNDPREV);
    SetWindowPos(fresh, above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const bool had_focus = GetFocus() == old;
    control_ = fresh;  // from here on, the old control's notifications are not the preview's
    configure();
    SetBackColor(back_colour_);
    if (had_focus) SetFocus(fresh);
    retire(old);
    return true;
}

void RichPreview::apply_base_format(WPARAM scope) {
    CHARFORMAT2W format = empty_format();
    format.dwMask = kBaseFormatMask;
    format.dwEffects = kBaseEffects;
    format.yHeight = kPreviewFontTwips;
    format.bCharSet = DEFAULT_CHARSET;
    std::copy_n(kPreviewFace, std::size(kPreviewFace), format.szFaceName);
    SendMessageW(control_, EM_SETCHARFORMAT, scope, reinterpret_cast<LPARAM>(&format));
}

// EM_SETPARAFORMAT acts on the paragraphs of the selection: all of them, then the selection
// as it was, unseen by the form.
void RichPreview::apply_base_paragraphs() {
    const LRESULT events = SendMessageW(control_, EM_SETEVENTMASK, 0, 0);
    const CHARRANGE kept = control_selection(control_);
    select_in_control(control_, 0, -1);
    PARAFORMAT2 format = empty_paragraph_format();
    format.dwMask = kBaseParagraphMask;
    format.wAlignment = PFA_LEFT;
    SendMessageW(control_, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    select_in_control(control_, kept.cpMin, kept.cpMax);
    SendMessageW(control_, EM_SETEVENTMASK, 0, events);
}

std::size_t RichPreview::TextLength() const { return text_length(control_, GTL_USECRLF); }

std::u16string RichPreview::Text() const { return read_text(control_, GT_USECRLF, TextLength()); }

std::u16string RichPreview::control_text() const {
    return read_text(control_, GT_DEFAULT, text_length(control_, GTL_DEFAULT));
}

void RichPreview::SetText(std::u16string_view text) {
    // Wine's rich-text control takes time that grows with the square of the lines it deletes
    // (minutes for a few megabytes), so a large old text is not deleted: the control is
    // replaced by an empty one, and the new text streamed into that.
    if (text_length(control_, GTL_DEFAULT) > kLargeText) replace_with_empty_control();
    stream_in(text, 0);
    finish_write();
}

void RichPreview::Append(std::u16string_view addition) {
    // Only the addition travels; the result is the same as rewriting the whole text.
    const auto end = static_cast<long>(text_length(control_, GTL_DEFAULT));
    select_in_control(control_, end, end);
    stream_in(addition, SFF_SELECTION);
    finish_write();
}

void RichPreview::stream_in(std::u16string_view text, WPARAM scope) {
    // Streamed in as plain Unicode text: a text that happens to begin with "{\rtf" stays text
    // instead of being read as a rich-text document.
    StreamSource source{reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t)};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, read_stream};
    SendMessageW(control_, EM_STREAMIN, SF_TEXT | SF_UNICODE | scope, reinterpret_cast<LPARAM>(&stream));
}

// Every write leaves the whole text in the base format and the caret at the end, where the
// next addition will appear.
void RichPreview::finish_write() {
    // Formatting the whole text makes the control lay out every line again, which would make
    // a long run of appends to a large preview slow; it is needed only when some text is not
    // in the base format already.
    if (!whole_text_in_base_format()) {
        apply_base_format(SCF_ALL);
        apply_base_paragraphs();
    }
    const auto end = static_cast<long>(text_length(control_, GTL_DEFAULT));
    select_in_control(control_, end, end);
    SendMessageW(control_, EM_SCROLLCARET, 0, 0);
    raise_sel_change();
}

bool RichPreview::whole_text_in_base_format() const {
    // Selecting everything to look must not look like a selection change to the form.
    const LRESULT events = SendMessageW(control_, EM_SETEVENTMASK, 0, 0);
    const CHARRANGE kept = control_selection(control_);
    select_in_control(control_, 0, -1);
    CHARFORMAT2W format = empty_format();
    SendMessageW(control_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    PARAFORMAT2 paragraphs = empty_paragraph_format();
    SendMessageW(control_, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraphs));
    select_in_control(control_, kept.cpMin, kept.cpMax);
    SendMessageW(control_, EM_SETEVENTMASK, 0, events);

    // A mask bit the control clears means the text is mixed in that respect.
    const bool characters = (format.dwMask & kBaseFormatMask) == kBaseFormatMask &&
                            (format.dwEffects & (kEffectsMask | kBaseEffects)) == kBaseEffects &&
                            format.yHeight == kPreviewFontTwips && format.yOffset == 0 &&
                            format.bCharSet == DEFAULT_CHARSET && std::wstring_view(format.szFaceName) == kPreviewFace;
    const bool paragraph_base = (paragraphs.dwMask & kBaseParagraphMask) == kBaseParagraphMask &&
                                paragraphs.wAlignment == PFA_LEFT && paragraphs.dxStartIndent == 0 &&
                                paragraphs.dxRightIndent == 0 && paragraphs.dxOffset == 0 &&
                                paragraphs.dySpaceBefore == 0 && paragraphs.dySpaceAfter == 0 &&
                                paragraphs.bLineSpacingRule == 0 && paragraphs.cTabCount == 0 &&
                                paragraphs.wNumbering == 0;
    return characters && paragraph_base;
}

void RichPreview::raise_sel_change() {
    // The formatting under the caret changed even where the caret did not move; the form hears
    // of it through the control's own notification.
    SELCHANGE change{};
    change.nmhdr.hwndFrom = control_;
    change.nmhdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(control_));
    change.nmhdr.code = EN_SELCHANGE;
    change.chrg = control_selection(control_);
    change.seltyp = change.chrg.cpMin == change.chrg.cpMax ? SEL_EMPTY : SEL_TEXT;
    SendMessageW(GetParent(control_), WM_NOTIFY, change.nmhdr.idFrom, reinterpret_cast<LPARAM>(&change));
}

long RichPreview::SelStart() const {
    return control_to_text_offset(control_text(), control_selection(control_).cpMin);
}

long RichPreview::SelLength() const {
    const std::u16string own = control_text();
    const CHARRANGE range = control_selection(control_);
    return control_to_text_offset(own, range.cpMax) - control_to_text_offset(own, range.cpMin);
}

void RichPreview::SetSelStart(long start) {
    const long offset = text_to_control_offset(control_text(), start);
    select_in_control(control_, offset, offset);
}

void RichPreview::SetSelLength(long length) {
    const std::u16string own = control_text();
    const long start = control_selection(control_).cpMin;
    const long long end_in_text = static_cast<long long>(control_to_text_offset(own, start)) + std::max(length, 0L);
    select_in_control(control_, start, text_to_control_offset(own, end_in_text));
}

std::u16string RichPreview::SelText() const {
    const CHARRANGE range = control_selection(control_);
    // Every selected paragraph break can grow to CR LF.
    const auto capacity = static_cast<std::size_t>(std::max(range.cpMax - range.cpMin, 0L)) * 2;
    return read_text(control_, GT_SELECTION | GT_USECRLF, capacity);
}

TriState RichPreview::selection_effect(DWORD mask, DWORD effect) const {
    CHARFORMAT2W format = empty_format();
    SendMessageW(control_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    // The control clears the mask bit when the selection holds both looks.
    if (!(format.dwMask & mask)) return TriState::Mixed;
    return (format.dwEffects & effect) ? TriState::True : TriState::False;
}

void RichPreview::set_selection_effect(DWORD mask, DWORD effect, bool on) {
    CHARFORMAT2W format = empty_format();
    format.dwMask = mask;
    format.dwEffects = on ? effect : 0;
    SendMessageW(control_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

TriState RichPreview::SelBold() const { return selection_effect(CFM_BOLD, CFE_BOLD); }
void RichPreview::SetSelBold(bool bold) { set_selection_effect(CFM_BOLD, CFE_BOLD, bold); }
TriState RichPreview::SelItalic() const { return selection_effect(CFM_ITALIC, CFE_ITALIC); }
void RichPreview::SetSelItalic(bool italic) { set_selection_effect(CFM_ITALIC, CFE_ITALIC, italic); }
TriState RichPreview::SelUnderline() const { return selection_effect(CFM_UNDERLINE, CFE_UNDERLINE); }
void RichPreview::SetSelUnderline(bool underline) { set_selection_effect(CFM_UNDERLINE, CFE_UNDERLINE, underline); }

void RichPreview::SetSelColor(COLORREF colour) {
    CHARFORMAT2W format = empty_format();
    format.dwMask = CFM_COLOR;
    format.crTextColor = colour;  // no CFE_AUTOCOLOR: this exact colour
    SendMessageW(control_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

void RichPreview::SetBackColor(COLORREF colour) {
    back_colour_ = colour;
    SendMessageW(control_, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(colour));
}

}  // namespace vandrelle::app::win32
