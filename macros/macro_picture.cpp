#include "macros/macro_picture.hpp"

#include <algorithm>

#include "macros/art_bodies.hpp"
#include "macros/catalogue.hpp"

namespace vandrelle::macros {

const Picture* picture_of_macro(std::u16string_view name) {
    const CatalogueEntry* entry = find_entry(name);
    if (!entry) return nullptr;
    const auto rows = art_body_table();
    const auto row =
        std::find_if(rows.begin(), rows.end(), [&](const ArtBodyRow& r) { return r.body == entry->art_body; });
    return row != rows.end() ? find_picture(row->picture) : nullptr;
}

}  // namespace vandrelle::macros
