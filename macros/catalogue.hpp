#pragma once
// The macro catalogue: the 100 names under which the pictures are known, each tied to the art
// body that appends its picture. The window's list, the dispatcher and vandrelle-art all read
// this one table.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/preview_text.hpp"

namespace vandrelle::macros {

using ArtBody = void (*)(vandrelle::app::PreviewText& preview);

struct CatalogueEntry {
    std::u16string_view name;  // ASCII letters and digits, compared exactly
    ArtBody art_body;
    int listed;  // place (1 to 45) in the order the list is filled; 0 = never listed
};

inline constexpr std::size_t kCatalogueSize = 100;
inline constexpr std::size_t kListedCount = 45;

std::span<const CatalogueEntry> catalogue();

// The 45 listed names in the order they are added to the (sorted) list.
std::vector<std::u16string_view> listed_names_in_fill_order();

// The first entry whose name equals `name` exactly (case-sensitive, no trimming), or nullptr.
const CatalogueEntry* find_entry(std::u16string_view name);

}  // namespace vandrelle::macros
