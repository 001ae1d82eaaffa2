#include "macros/dispatch.hpp"

#include "macros/texts.hpp"

namespace vandrelle::macros {
namespace {

// The largest picture is a few thousand characters; this much room is always enough.
constexpr std::size_t kLargestPictureBound = 84 * 45 + 2 * 45;

}  // namespace

DispatchResult dispatch_macro(std::u16string_view list_text, vandrelle::app::PreviewText& preview) {
    if (list_text == texts::kMacroPlaceholder) return {DispatchOutcome::Placeholder};
    const CatalogueEntry* entry = find_entry(list_text);
    if (entry == nullptr) return {DispatchOutcome::NoMatch};
    if (!vandrelle::app::fits_in_preview(preview.TextLength(), kLargestPictureBound)) {
        return {DispatchOutcome::PreviewFull, entry};
    }
    entry->art_body(preview);
    return {DispatchOutcome::Ran, entry};
}

}  // namespace vandrelle::macros
