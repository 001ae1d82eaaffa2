#pragma once
// The names nearest to one that was typed with a slip, for a "did you mean ...?" after a refusal.
#include <string>
#include <string_view>
#include <vector>

namespace vandrelle::cli {

// The candidates closest to `typed`: the one that differs from it only in case if there is
// one, else those fewest edits away (a letter added, left out, changed, or two neighbours
// swapped), ignoring case, when that is at most a third of the longer name (at least one
// edit). Sorted without regard to case; empty when no candidate is that close.
std::vector<std::string> closest_names(std::string_view typed, const std::vector<std::string>& candidates);

// "A", "A or B", "A, B or C".
std::string either_of(const std::vector<std::string>& names);

}  // namespace vandrelle::cli
