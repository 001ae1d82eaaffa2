#pragma once
// The preview pane: a rich-text control wrapped as the preview document. Text is read and
// written with CR LF line breaks and characters unchanged; writing the whole text drops all
// character formatting and keeps the background colour. Selection offsets count CR LF as two
// characters, as Text() does, whatever the control counts internally.
#include <windows.h>

#include <string>
#include <string_view>

#include "app/preview_text.hpp"

namespace vandrelle::app::win32 {

enum class TriState { False, True, Mixed };

class RichPreview final : public vandrelle::app::PreviewText {
public:
    // The window class of the rich-text control, loading its library on first use.
    static const wchar_t* window_class();

    // Takes over a freshly created control made with `style` and `ex_style`: no text limit, the
    // base format, SelChange events. From here on the preview owns the handle.
    void Attach(HWND control, DWORD style, DWORD ex_style);
    // The control; writing a large text may replace it by a new one with the same identifier
    // and the styles it was first made with.
    HWND hwnd() const { return control_; }

    std::u16string Text() const override;
    void SetText(std::u16string_view text) override;
    void Append(std::u16string_view addition) override;
    std::size_t TextLength() const override;

    long SelStart() const;
    long SelLength() const;
    // The caret moves to `start` (past the end: the end) with nothing selected.
    void SetSelStart(long start);
    // The selection keeps its start; a length past the end ends it at the end of the text.
    void SetSelLength(long length);
    std::u16string SelText() const;

    TriState SelBold() const;
    void SetSelBold(bool bold);
    TriState SelItalic() const;
    void SetSelItalic(bool italic);
    TriState SelUnderline() const;
    void SetSelUnderline(bool underline);
    void SetSelColor(COLORREF colour);

    COLORREF BackColor() const { return back_colour_; }
    // Whether the whole text shows in the base format, as after a write.
    bool InBaseFormat() const { return whole_text_in_base_format(); }
    void SetBackColor(COLORREF colour);

private:
    void configure();
    bool replace_with_empty_control();
    TriState selection_effect(DWORD mask, DWORD effect) const;
    void set_selection_effect(DWORD mask, DWORD effect, bool on);
    std::u16string control_text() const;  // paragraph breaks as the control counts them
    void apply_base_format(WPARAM scope);
    void apply_base_paragraphs();
    void stream_in(std::u16string_view text, WPARAM scope);
    void finish_write();
    bool whole_text_in_base_format() const;
    void raise_sel_change();

    HWND control_ = nullptr;
    // The styles the control was made with: the control itself drops WS_HSCROLL and WS_VSCROLL
    // from its live style while a scroll bar is hidden.
    DWORD style_ = 0;
    DWORD ex_style_ = 0;
    COLORREF back_colour_ = 0;
};

}  // namespace vandrelle::app::win32
