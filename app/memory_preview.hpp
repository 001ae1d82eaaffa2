#pragma once
// The preview document held in a string: what the command-line companion writes art into and
// what the unit tests look at. It behaves as the window's preview does for every writer.
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "app/preview_text.hpp"

namespace vandrelle::app {

class MemoryPreview final : public PreviewText {
public:
    MemoryPreview() = default;
    explicit MemoryPreview(std::u16string initial) : text(std::move(initial)) {}

    std::u16string Text() const override { return text; }
    void SetText(std::u16string_view replacement) override {
        text = replacement;
        ++writes;
    }
    std::size_t TextLength() const override { return reported_length.value_or(text.size()); }

    std::u16string text;
    int writes = 0;  // whole-text writes so far: an addition takes one
    // A length to report instead of the text's own, to stand for a preview larger than is
    // worth holding in memory.
    std::optional<std::size_t> reported_length;
};

}  // namespace vandrelle::app
