#include "tools/vandrelle-art/closest_names.hpp"

#include <algorithm>
#include <cstddef>

namespace vandrelle::cli {

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

std::string lowered(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), lower);
    return result;
}

// Edits between `a` and `b`: insertions, deletions, substitutions and swaps of neighbours.
std::size_t edit_distance(const std::string& a, const std::string& b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

}  // namespace

std::vector<std::string> closest_names(std::string_view typed, const std::vector<std::string>& candidates) {
    const std::string key = lowered(typed);
    std::vector<std::string> closest;
    std::size_t best = static_cast<std::size_t>(-1);
    for (const auto& candidate : candidates) {
        const std::string other = lowered(candidate);
        const std::size_t longer = std::max(key.size(), other.size());
        const std::size_t limit = std::max<std::size_t>(1, longer / 3);
        // The lengths alone bound the distance from below: a long slip costs no table.
        const std::size_t apart = longer - std::min(key.size(), other.size());
        if (apart > limit || apart > best) continue;
        const std::size_t distance = edit_distance(key, other);
        if (distance > limit || distance > best) continue;
        if (distance < best) closest.clear();
        best = distance;
        closest.push_back(candidate);
    }
    std::sort(closest.begin(), closest.end(), [](const std::string& x, const std::string& y) { return lowered(x) < lowered(y); });
    return closest;
}

std::string either_of(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? " or " : ", ";
        text += names[i];
    }
    return text;
}

}  // namespace vandrelle::cli
