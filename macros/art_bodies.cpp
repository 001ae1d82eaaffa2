#include "macros/art_bodies.hpp"

#include "macros/pictures.hpp"

namespace vandrelle::macros {
namespace {

// Appends the whole picture with one replacement of the preview's text: the same text as a
// replacement per line would leave, without copying the preview once for every line.
void append_picture(vandrelle::app::PreviewText& preview, std::string_view name) {
    if (const Picture* picture = find_picture(name)) {
        vandrelle::app::append_to_preview(preview, picture_text(*picture));
    }
}

}  // namespace

#define VANDRELLE_DEFINE_ART_BODY(name) \
    void art_##name(vandrelle::app::PreviewText& preview) { append_picture(preview, #name); }
VANDRELLE_ART_BODIES(VANDRELLE_DEFINE_ART_BODY)
#undef VANDRELLE_DEFINE_ART_BODY

std::span<const ArtBodyRow> art_body_table() {
#define VANDRELLE_ART_BODY_ROW(name) {art_##name, #name},
    static constexpr ArtBodyRow kRows[] = {VANDRELLE_ART_BODIES(VANDRELLE_ART_BODY_ROW)};
#undef VANDRELLE_ART_BODY_ROW
    return kRows;
}

}  // namespace vandrelle::macros
