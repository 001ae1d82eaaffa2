// Appending every picture once to the real rich-text preview, as 99 presses of the macro
// "Add To Preview" would, against the floor: one write of the final text. Measured on an empty
// preview and on one that already holds 5 MB of text, in the same run.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/win32/rich_preview.hpp"
#include "bench_preview.hpp"
#include "macros/catalogue.hpp"

namespace {

using Clock = std::chrono::steady_clock;
using vandrelle::app::win32::RichPreview;

double seconds_since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The art bodies in catalogue order, each once (Elmer2 runs Elmer's).
std::vector<vandrelle::macros::ArtBody> every_art_body() {
    std::vector<vandrelle::macros::ArtBody> bodies;
    for (const auto& entry : vandrelle::macros::catalogue()) {
        if (std::find(bodies.begin(), bodies.end(), entry.art_body) == bodies.end()) bodies.push_back(entry.art_body);
    }
    return bodies;
}

// 5 MB of UTF-16 text in lines of 80 characters.
struct Figures {
    double appends;
    double floor;
    bool same_text;
};

// Where the preview's text stops matching what was written, for the report.
void report_difference(const std::u16string& written, const std::u16string& read) {
    std::size_t i = 0;
    while (i < written.size() && i < read.size() && written[i] == read[i]) ++i;
    std::printf("    text differs at %zu of %zu (read %zu): wrote U+%04X, read U+%04X\n", i, written.size(), read.size(),
                i < written.size() ? unsigned(written[i]) : 0u, i < read.size() ? unsigned(read[i]) : 0u);
}

Figures measure(RichPreview& preview, const std::u16string& start_text) {
    const auto bodies = every_art_body();
    preview.SetText(start_text);
    const auto appending = Clock::now();
    for (auto body : bodies) body(preview);
    const double appends = seconds_since(appending);
    const std::u16string final_text = preview.Text();

    preview.SetText(start_text);
    const auto writing = Clock::now();
    preview.SetText(final_text);
    const double floor = seconds_since(writing);
    const std::u16string read_back = preview.Text();
    if (read_back != final_text) report_difference(final_text, read_back);
    return {appends, floor, read_back == final_text};
}

}  // namespace

int wmain() {
    bench::PreviewWindow window;
    RichPreview& preview = window.preview;

    std::printf("Appending all %zu pictures, one press each, in the real preview:\n", every_art_body().size());
    const struct {
        const char* name;
        std::u16string text;
    } starts[] = {{"empty preview", u""}, {"preview holding 5 MB", bench::five_megabytes()}};
    int status = 0;
    for (const auto& start : starts) {
        const Figures f = measure(preview, start.text);
        std::printf("  %-22s appends %8.3f s   one write of the result (floor) %8.3f s   ratio %.2f%s\n", start.name,
                    f.appends, f.floor, f.appends / f.floor, f.same_text ? "" : "   TEXT DIFFERS");
        if (!f.same_text) status = 1;
    }
    return status;
}
