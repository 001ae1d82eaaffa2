#include "macros/macro_picture.hpp"

#include <string>

#include "macros/catalogue.hpp"

namespace vandrelle::macros {

const Picture* picture_of_macro(std::u16string_view name) {
    const CatalogueEntry* entry = find_entry(name);
    if (!entry) return nullptr;
    // An art body is named after the first entry that runs it ("Elmer2" runs art_Elmer).
    for (const CatalogueEntry& first : catalogue()) {
        if (first.art_body != entry->art_body) continue;
        return find_picture(std::string(first.name.begin(), first.name.end()));  // names are ASCII
    }
    return nullptr;
}

}  // namespace vandrelle::macros
