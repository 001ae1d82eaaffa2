// What undo costs the tool's actions on a large preview: each action on a preview holding
// 5 MB of text, with its undo step saved and without, and the undo itself against the floor of
// writing the old text back. Also the bytes the history holds for each step.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "app/win32/preview_undo.hpp"
#include "app/win32/rich_preview.hpp"
#include "bench_preview.hpp"
#include "macros/pictures.hpp"

namespace {

using Clock = std::chrono::steady_clock;
using vandrelle::app::win32::PreviewAction;
using vandrelle::app::win32::PreviewUndo;
using vandrelle::app::win32::RichPreview;

double seconds(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int wmain() {
    bench::PreviewWindow window;
    RichPreview& preview = window.preview;
    const std::u16string text = bench::five_megabytes();
    const std::u16string huck = vandrelle::macros::picture_text(*vandrelle::macros::find_picture("Huck"));

    auto with_undo = [&](PreviewUndo& undo, PreviewAction action, const std::function<void()>& act) {
        return seconds([&] {
            auto pending = undo.begin(action);
            act();
            undo.finish(std::move(pending));
        });
    };
    auto select_first_line = [&] {
        preview.SetSelStart(0);
        preview.SetSelLength(80);
    };
    auto bold = [&] { preview.SetSelBold(true); };

    std::printf("Undo on a preview holding 5 MB of text (%zu characters):\n", text.size());
    int status = 0;
    {
        PreviewUndo undo(preview);
        preview.SetText(text);
        const double plain = seconds([&] { preview.SetText(u""); });
        preview.SetText(text);
        const double recorded = with_undo(undo, PreviewAction::Clear, [&] { preview.SetText(u""); });
        const std::size_t bytes = undo.history().bytes();
        preview.SetText(u"");
        const double floor = seconds([&] { preview.SetText(text); });
        preview.SetText(u"");
        const double undone = seconds([&] { undo.undo(); });
        const bool same = preview.Text() == text;
        std::printf("  Clear       %7.3f s, with its step %7.3f s, ratio %6.2f; step %zu bytes\n", plain, recorded,
                    recorded / plain, bytes);
        std::printf("  its undo    %7.3f s, writing the text %7.3f s, ratio %6.2f%s\n", undone, floor, undone / floor,
                    same ? "" : "   TEXT DIFFERS");
        if (!same) status = 1;
    }
    {
        PreviewUndo undo(preview);
        preview.SetText(text);
        const double plain = seconds([&] { preview.Append(huck); });
        preview.SetText(text);
        const double recorded = with_undo(undo, PreviewAction::Append, [&] { preview.Append(huck); });
        std::printf("  Add Huck    %7.3f s, with its step %7.3f s, ratio %6.2f; step %zu bytes\n", plain, recorded,
                    recorded / plain, undo.history().bytes());
    }
    {
        PreviewUndo undo(preview);
        preview.SetText(text);
        select_first_line();
        const double plain = seconds(bold);
        preview.SetText(text);
        select_first_line();
        const double recorded = with_undo(undo, PreviewAction::Format, bold);
        std::printf("  Bold a line %7.3f s, with its step %7.3f s, ratio %6.2f; step %zu bytes\n", plain, recorded,
                    recorded / plain, undo.history().bytes());
    }
    {
        // A press refused by its checks (the list's placeholder, say) on a formatted preview: a
        // step opened before the checks saves the whole document; one opened at the first
        // write saves nothing.
        PreviewUndo undo(preview);
        preview.SetText(text);
        select_first_line();
        bold();
        const double eager = seconds([&] { (void)undo.begin(PreviewAction::Append); });
        const double lazy = seconds([&] {
            vandrelle::app::win32::RecordedAddition press(undo, preview);
            press.Finish();
        });
        std::printf("  Refused add %7.3f s with a step opened first, %7.3f s with it opened at the first write\n",
                    eager, lazy);
    }
    return status;
}
