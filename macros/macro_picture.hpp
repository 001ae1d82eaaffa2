#pragma once
// The picture that a macro name would add, for showing it before it is added.
#include <string_view>

#include "macros/pictures.hpp"

namespace vandrelle::macros {

// The picture of the art body that `name` runs (names compared as the dispatcher compares
// them), or nullptr for the placeholder, any other text, or an art body with no picture.
const Picture* picture_of_macro(std::u16string_view name);

}  // namespace vandrelle::macros
