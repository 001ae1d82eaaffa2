// Form1's event handlers: start-up, the formatting buttons, Clear, the selection indicator and
// the two "Add To Preview" buttons.
#include <string>

#include "app/texts.hpp"
#include "app/spiral.hpp"
#include "app/win32/Form1.hpp"
#include "app/win32/message_box.hpp"
#include "app/win32/wide_text.hpp"
#include "macros/catalogue.hpp"
#include "macros/dispatch.hpp"
#include "macros/texts.hpp"

namespace vandrelle::app::win32 {
namespace texts = vandrelle::app::texts;
namespace macro_texts = vandrelle::macros::texts;

namespace {

CheckValue value_for(TriState state) {
    switch (state) {
        case TriState::True: return CheckValue::Checked;
        case TriState::Mixed: return CheckValue::Indeterminate;
        case TriState::False: break;
    }
    return CheckValue::Unchecked;
}

const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

}  // namespace

// Fills both lists before the window is first shown: "Lines" then "1" to "10000" in numeric
// order, and "Select A Macro" above the listed macro names, which the list sorts.
void Form1::Form_Load() {
    HWND times = control(Control::cmboTimes);
    constexpr int kRows = vandrelle::app::kMaxSpiralLines + 1;
    SendMessageW(times, WM_SETREDRAW, FALSE, 0);
    SendMessageW(times, CB_INITSTORAGE, kRows, kRows * 6 * sizeof(wchar_t));
    for (int count = 1; count <= vandrelle::app::kMaxSpiralLines; ++count)
        SendMessageW(times, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_wstring(count).c_str()));
    SendMessageW(times, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(wide(texts::kLinesPlaceholder)));
    SendMessageW(times, CB_SETCURSEL, 0, 0);
    SendMessageW(times, WM_SETREDRAW, TRUE, 0);

    HWND macro_list = control(Control::cmboMacros);
    const auto names = vandrelle::macros::listed_names_in_fill_order();
    SendMessageW(macro_list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(macro_list, CB_INITSTORAGE, names.size() + 1, (names.size() + 1) * 18 * sizeof(wchar_t));
    for (std::u16string_view name : names)
        SendMessageW(macro_list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(to_wide(name).c_str()));
    SendMessageW(macro_list, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(wide(macro_texts::kMacroPlaceholder)));
    SendMessageW(macro_list, CB_SETCURSEL, 0, 0);
    SendMessageW(macro_list, WM_SETREDRAW, TRUE, 0);
}

// Only the checked value means bold; unchecked makes the selection plain.
void Form1::chkBold_Click() {
    RichTextBox.SetSelBold(checks_.value(Control::chkBold) == CheckValue::Checked);
}

void Form1::chkItalics_Click() {
    RichTextBox.SetSelItalic(checks_.value(Control::chkItalics) == CheckValue::Checked);
}

void Form1::chkUline_Click() {
    RichTextBox.SetSelUnderline(checks_.value(Control::chkUline) == CheckValue::Checked);
}

// The dialog's current colour goes to the selection, whether the user confirmed or cancelled.
void Form1::chkColor_MouseUp() {
    checks_.show(Control::chkColor, CheckValue::Unchecked);
    CommonDialog1->ShowColor(hwnd_);
    RichTextBox.SetSelColor(CommonDialog1->Color());
}

// As chkColor_MouseUp, for the background of the whole pane.
void Form1::chkColor2_MouseUp() {
    checks_.show(Control::chkColor2, CheckValue::Unchecked);
    CommonDialog1->ShowColor(hwnd_);
    RichTextBox.SetBackColor(CommonDialog1->Color());
}

// Empties the preview; its background colour stays.
void Form1::cmdClear_Click() { RichTextBox.SetText(u""); }

// Keeps the formatting buttons in step with the selection; shows, never applies.
void Form1::RichTextBox_SelChange() {
    checks_.show(Control::chkBold, value_for(RichTextBox.SelBold()));
    checks_.show(Control::chkItalics, value_for(RichTextBox.SelItalic()));
    checks_.show(Control::chkUline, value_for(RichTextBox.SelUnderline()));
}

// Appends the spiral block of the typed text, or refuses: the text is checked before the count,
// and a block that would overfill the preview is refused before it is built.
void Form1::Command1_Click() {
    const std::u16string text = window_text(control(Control::textLine));
    const std::u16string count = window_text(control(Control::cmboTimes));
    const vandrelle::app::SpiralPlan plan = vandrelle::app::plan_spiral(text, count, RichTextBox.TextLength());
    switch (plan.refusal) {
        case vandrelle::app::SpiralRefusal::EmptyText:
            show_prompt(hwnd_, texts::kEnterSomeText, texts::kIncompleteRequest, MB_ICONINFORMATION);
            return;
        case vandrelle::app::SpiralRefusal::NoCount:
            show_prompt(hwnd_, texts::kSelectHowManyLines, texts::kApplicationTitle, 0);
            return;
        case vandrelle::app::SpiralRefusal::PreviewFull:
            show_prompt(hwnd_, texts::kPreviewTooLarge, texts::kPreviewFullTitle, MB_ICONWARNING);
            return;
        case vandrelle::app::SpiralRefusal::None: break;
    }
    RecordedAddition preview(undo_, RichTextBox);
    vandrelle::app::append_to_preview(preview, vandrelle::app::make_spiral_block(text, plan.count));
    preview.Finish();
}

// Runs the art body of the macro shown in the list.
void Form1::Command2_Click() {
    const std::u16string name = window_text(control(Control::cmboMacros));
    RecordedAddition preview(undo_, RichTextBox);
    const vandrelle::macros::DispatchOutcome outcome = vandrelle::macros::dispatch_macro(name, preview).outcome;
    preview.Finish();
    switch (outcome) {
        case vandrelle::macros::DispatchOutcome::Placeholder:
            show_prompt(hwnd_, macro_texts::kSelectAMacro, texts::kIncompleteRequest, MB_ICONINFORMATION);
            break;
        case vandrelle::macros::DispatchOutcome::PreviewFull:
            show_prompt(hwnd_, macro_texts::kPictureTooLarge, texts::kPreviewFullTitle, MB_ICONWARNING);
            break;
        case vandrelle::macros::DispatchOutcome::Ran:
        case vandrelle::macros::DispatchOutcome::NoMatch: break;
    }
}

}  // namespace vandrelle::app::win32
