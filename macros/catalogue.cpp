#include "macros/catalogue.hpp"

#include <algorithm>

#include "macros/art_bodies.hpp"

namespace vandrelle::macros {
namespace {

// Catalogue order: the dispatcher compares names in this order. The number is the entry's
// place when the list is filled at start-up; 0 means it is never put into the list.
constexpr CatalogueEntry kCatalogue[] = {
    {u"MiddleFinger1", art_MiddleFinger1, 0},
    {u"Pooh", art_Pooh, 1},
    {u"shroom", art_shroom, 2},
    {u"alienhead", art_alienhead, 0},
    {u"FuckYouAll", art_FuckYouAll, 0},
    {u"ABC", art_ABC, 3},
    {u"Gun1", art_Gun1, 4},
    {u"LOL1", art_LOL1, 5},
    {u"WantToChat", art_WantToChat, 6},
    {u"Budweiser", art_Budweiser, 7},
    {u"Alvin", art_Alvin, 8},
    {u"ShutUp", art_ShutUp, 9},
    {u"Nike", art_Nike, 10},
    {u"BabyWaving", art_BabyWaving, 0},
    {u"Stan", art_Stan, 0},
    {u"Luigi", art_Luigi, 11},
    {u"PCBoy", art_PCBoy, 0},
    {u"Jaguar", art_Jaguar, 0},
    {u"Kyle", art_Kyle, 0},
    {u"Gorilla", art_Gorilla, 12},
    {u"Kenny", art_Kenny, 0},
    {u"Homer", art_Homer, 13},
    {u"Chef", art_Chef, 0},
    {u"Pluto", art_Pluto, 14},
    {u"Moonin", art_Moonin, 0},
    {u"Adidas", art_Adidas, 15},
    {u"Astro", art_Astro, 0},
    {u"Bart69", art_Bart69, 16},
    {u"BearHead", art_BearHead, 17},
    {u"Bomb", art_Bomb, 18},
    {u"Bong", art_Bong, 19},
    {u"Butterfly", art_Butterfly, 0},
    {u"Clown", art_Clown, 0},
    {u"Disk", art_Disk, 20},
    {u"DogHead", art_DogHead, 0},
    {u"Dolphin", art_Dolphin, 21},
    {u"Elmer", art_Elmer, 0},
    {u"MiddleFinger2", art_MiddleFinger2, 22},
    {u"Frog", art_Frog, 0},
    {u"Garfield", art_Garfield, 23},
    {u"Genie", art_Genie, 0},
    {u"Ghost", art_Ghost, 0},
    {u"Goat", art_Goat, 0},
    {u"Skull1", art_Skull1, 24},
    {u"LOL2", art_LOL2, 0},
    {u"Martini", art_Martini, 25},
    {u"Odie", art_Odie, 0},
    {u"Owl", art_Owl, 0},
    {u"Reaper", art_Reaper, 0},
    {u"Santa", art_Santa, 0},
    {u"Scream", art_Scream, 0},
    {u"Skull2", art_Skull2, 0},
    {u"Sword1", art_Sword1, 26},
    {u"TalkToTheHand", art_TalkToTheHand, 0},
    {u"Whale", art_Whale, 27},
    {u"AlienCum", art_AlienCum, 0},
    {u"Blonde", art_Blonde, 0},
    {u"DeadAlien", art_DeadAlien, 0},
    {u"BabyAlien", art_BabyAlien, 0},
    {u"Angelica", art_Angelica, 0},
    {u"Babs", art_Babs, 28},
    {u"Bambam", art_Bambam, 29},
    {u"Bambi", art_Bambi, 30},
    {u"Belle", art_Belle, 0},
    {u"Booboo", art_Booboo, 0},
    {u"Brittany", art_Brittany, 0},
    {u"BugsDaff", art_BugsDaff, 31},
    {u"Cartman", art_Cartman, 0},
    {u"CindyBear", art_CindyBear, 0},
    {u"PillsburyDoughBoy", art_PillsburyDoughBoy, 0},
    {u"Elmer2", art_Elmer, 0},
    {u"Elmo", art_Elmo, 32},
    {u"ExclamationMark", art_ExclamationMark, 33},
    {u"Gokou", art_Gokou, 0},
    {u"Gun2", art_Gun2, 0},
    {u"Dude", art_Dude, 34},
    {u"HiThere", art_HiThere, 0},
    {u"Huck", art_Huck, 35},
    {u"HuckFinn", art_HuckFinn, 0},
    {u"Jamaica", art_Jamaica, 0},
    {u"JapanGirl", art_JapanGirl, 0},
    {u"Mad", art_Mad, 36},
    {u"Gun3", art_Gun3, 37},
    {u"Rover", art_Rover, 0},
    {u"Shark", art_Shark, 38},
    {u"Simba", art_Simba, 39},
    {u"SmokinSkull", art_SmokinSkull, 40},
    {u"PapaSmurf", art_PapaSmurf, 0},
    {u"Snoopy", art_Snoopy, 41},
    {u"Snowman", art_Snowman, 42},
    {u"Stimpy", art_Stimpy, 43},
    {u"Sword2", art_Sword2, 44},
    {u"Thinker", art_Thinker, 0},
    {u"Wizard", art_Wizard, 0},
    {u"Wutang", art_Wutang, 0},
    {u"fuck", art_fuck, 0},
    {u"fucking", art_fucking, 45},
    {u"BigTits", art_BigTits, 0},
    {u"indian", art_indian, 0},
    {u"Scroll", art_Scroll, 0},
};
static_assert(std::size(kCatalogue) == kCatalogueSize);

}  // namespace

std::span<const CatalogueEntry> catalogue() { return kCatalogue; }

std::vector<std::u16string_view> listed_names_in_fill_order() {
    std::vector<const CatalogueEntry*> listed;
    for (const CatalogueEntry& entry : kCatalogue) {
        if (entry.listed != 0) listed.push_back(&entry);
    }
    std::sort(listed.begin(), listed.end(), [](auto* a, auto* b) { return a->listed < b->listed; });
    std::vector<std::u16string_view> names;
    names.reserve(listed.size());
    for (const CatalogueEntry* entry : listed) names.push_back(entry->name);
    return names;
}

const CatalogueEntry* find_entry(std::u16string_view name) {
    for (const CatalogueEntry& entry : kCatalogue) {
        if (entry.name == name) return &entry;
    }
    return nullptr;
}

}  // namespace vandrelle::macros
