#pragma once
// The preview document as its writers see it: the whole text, read and replaced at once.
// Line breaks are CR LF both ways; characters are stored unchanged (U+00A0, U+00AD, trailing
// blanks). Replacing the text drops all character formatting; the background colour stays.
#include <cstddef>
#include <string>
#include <string_view>

namespace vandrelle::app {

class PreviewText {
public:
    virtual ~PreviewText() = default;
    virtual std::u16string Text() const = 0;
    virtual void SetText(std::u16string_view text) = 0;
    // Length of Text() without building it; writers check capacity with it.
    virtual std::size_t TextLength() const { return Text().size(); }
    // Adds text directly after the last character, leaving what SetText(Text() + addition)
    // would leave: the same text, all formatting dropped, the background kept. A document
    // that can add at its end without rewriting itself overrides this.
    virtual void Append(std::u16string_view addition);
};

// The most characters the preview may hold. A real profile is a few thousand characters; this
// is far above that and still well inside what the rich-text control and memory handle.
inline constexpr std::size_t kPreviewCapacity = 20'000'000;

// Appends text directly after the preview's last character with one update of the preview.
void append_to_preview(PreviewText& preview, std::u16string_view addition);

// Whether adding `addition` characters keeps the preview within kPreviewCapacity.
bool fits_in_preview(std::size_t current, std::size_t addition);

}  // namespace vandrelle::app
