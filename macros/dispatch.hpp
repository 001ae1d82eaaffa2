#pragma once
// The macro "Add To Preview" button: the list's text becomes one run of an art body.
#include <string_view>

#include "app/preview_text.hpp"
#include "macros/catalogue.hpp"

namespace vandrelle::macros {

enum class DispatchOutcome {
    Placeholder,  // "Select A Macro" is shown: refuse with "Select a macro first!"
    Ran,          // the first entry of that exact name ran its art body once
    NoMatch,      // no catalogue name equals the text: nothing happens, nothing is shown
    PreviewFull,  // the picture would take the preview past its capacity: nothing appended
};

struct DispatchResult {
    DispatchOutcome outcome;
    const CatalogueEntry* entry = nullptr;  // set for Ran and PreviewFull
};

DispatchResult dispatch_macro(std::u16string_view list_text, vandrelle::app::PreviewText& preview);

}  // namespace vandrelle::macros
