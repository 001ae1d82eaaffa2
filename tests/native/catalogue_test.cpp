// The catalogue, the list it fills and the dispatcher behind the macro "Add To Preview".
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "app/memory_preview.hpp"
#include "macros/art_bodies.hpp"
#include "macros/catalogue.hpp"
#include "macros/dispatch.hpp"
#include "macros/macro_picture.hpp"

namespace {

using StringPreview = vandrelle::app::MemoryPreview;

std::string lower(std::u16string_view name) {
    std::string out;
    for (char16_t c : name) out += static_cast<char>(std::tolower(static_cast<int>(c)));
    return out;
}

TEST(Catalogue, HundredDistinctNamesOfLettersAndDigits) {
    const auto entries = vandrelle::macros::catalogue();
    ASSERT_EQ(entries.size(), 100u);
    std::set<std::string> folded;
    std::set<vandrelle::macros::ArtBody> bodies;
    for (const auto& entry : entries) {
        EXPECT_GE(entry.name.size(), 3u);
        EXPECT_LE(entry.name.size(), 17u);
        EXPECT_TRUE(std::all_of(entry.name.begin(), entry.name.end(), [](char16_t c) { return c < 128 && std::isalnum(c); }));
        folded.insert(lower(entry.name));
        bodies.insert(entry.art_body);
    }
    EXPECT_EQ(folded.size(), 100u) << "names must differ also when case is ignored";
    EXPECT_EQ(bodies.size(), 99u) << "99 art bodies: only Elmer and Elmer2 share one";
    EXPECT_EQ(vandrelle::macros::find_entry(u"Elmer")->art_body, vandrelle::macros::find_entry(u"Elmer2")->art_body);
    EXPECT_EQ(entries[36].name, u"Elmer");
    EXPECT_EQ(entries[70].name, u"Elmer2");
}

TEST(Catalogue, ListedNamesSortIntoTheListsOrder) {
    // The window's list sorts without regard to case; this is the order a user sees.
    const std::vector<std::u16string_view> expected = {
        u"ABC", u"Adidas", u"Alvin", u"Babs", u"Bambam", u"Bambi", u"Bart69", u"BearHead", u"Bomb",
        u"Bong", u"Budweiser", u"BugsDaff", u"Disk", u"Dolphin", u"Dude", u"Elmo", u"ExclamationMark",
        u"fucking", u"Garfield", u"Gorilla", u"Gun1", u"Gun3", u"Homer", u"Huck", u"LOL1", u"Luigi",
        u"Mad", u"Martini", u"MiddleFinger2", u"Nike", u"Pluto", u"Pooh", u"Shark", u"shroom", u"ShutUp",
        u"Simba", u"Skull1", u"SmokinSkull", u"Snoopy", u"Snowman", u"Stimpy", u"Sword1", u"Sword2",
        u"WantToChat", u"Whale"};
    auto names = vandrelle::macros::listed_names_in_fill_order();
    ASSERT_EQ(names.size(), vandrelle::macros::kListedCount);
    EXPECT_EQ(names.front(), u"Pooh");
    EXPECT_EQ(names.back(), u"fucking");
    std::sort(names.begin(), names.end(), [](auto a, auto b) { return lower(a) < lower(b); });
    EXPECT_EQ(names, expected);
    for (const char16_t* unlisted : {u"Kyle", u"Santa", u"Elmer", u"Elmer2", u"Scroll", u"MiddleFinger1"}) {
        EXPECT_EQ(std::count(names.begin(), names.end(), unlisted), 0) << "unlisted names are never offered";
    }
}

struct DispatchCase {
    const char* what;
    std::u16string list_text;
    vandrelle::macros::DispatchOutcome outcome;
    bool appends;
};

TEST(Dispatch, PlaceholderMissesAndUnlistedNames) {
    using O = vandrelle::macros::DispatchOutcome;
    const DispatchCase cases[] = {
        {"placeholder refuses", u"Select A Macro", O::Placeholder, false},
        {"placeholder in other case is just a miss", u"select a macro", O::NoMatch, false},
        {"case-sensitive", u"pooh", O::NoMatch, false},
        {"no trimming", u"Pooh ", O::NoMatch, false},
        {"empty", u"", O::NoMatch, false},
        {"listed name", u"Budweiser", O::Ran, true},
        {"unlisted name is reachable", u"Kyle", O::Ran, true},
        {"entry 100 is reachable", u"Scroll", O::Ran, true},
    };
    for (const auto& c : cases) {
        StringPreview preview;
        preview.text = u"keep";
        const auto result = vandrelle::macros::dispatch_macro(c.list_text, preview);
        EXPECT_EQ(result.outcome, c.outcome) << c.what;
        EXPECT_EQ(preview.text != u"keep", c.appends) << c.what;
    }
}

TEST(Dispatch, ElmerAndElmer2AppendTheSameTextAndRepeatsStack) {
    StringPreview elmer, elmer2;
    vandrelle::macros::dispatch_macro(u"Elmer", elmer);
    vandrelle::macros::dispatch_macro(u"Elmer2", elmer2);
    EXPECT_FALSE(elmer.text.empty());
    EXPECT_EQ(elmer.text, elmer2.text);
    vandrelle::macros::dispatch_macro(u"Elmer2", elmer2);
    EXPECT_EQ(elmer2.text, elmer.text + elmer.text) << "a second press appends the picture again below";
}

TEST(Dispatch, AFullPreviewIsRefusedUntouched) {
    StringPreview preview;
    preview.text = u"x";
    preview.reported_length = vandrelle::app::kPreviewCapacity;
    EXPECT_EQ(vandrelle::macros::dispatch_macro(u"ABC", preview).outcome, vandrelle::macros::DispatchOutcome::PreviewFull);
    EXPECT_EQ(preview.text, u"x");
}

}  // namespace

// The picture shown before adding is the one the dispatcher would add, for every catalogue
// name, listed or not, and for the names that share an art body; other texts have none.
TEST(MacroPicture, IsWhatTheDispatcherWouldAdd) {
    for (const vandrelle::macros::CatalogueEntry& entry : vandrelle::macros::catalogue()) {
        const std::u16string_view name = entry.name;
        vandrelle::app::MemoryPreview added;
        vandrelle::macros::dispatch_macro(name, added);
        const vandrelle::macros::Picture* picture = vandrelle::macros::picture_of_macro(name);
        ASSERT_NE(picture, nullptr) << std::string(name.begin(), name.end());
        EXPECT_TRUE(vandrelle::macros::picture_text(*picture) == added.text) << std::string(name.begin(), name.end());
    }
    for (const char16_t* none : {u"Select A Macro", u"pooh", u"", u"Huck "})
        EXPECT_EQ(vandrelle::macros::picture_of_macro(none), nullptr);
}
