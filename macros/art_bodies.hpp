#pragma once
// The art bodies: one per picture, each appending its picture to the preview. Each is named
// art_ and the name of its picture; Elmer and Elmer2 both run art_Elmer.
#include <span>
#include <string_view>

#include "app/preview_text.hpp"

// X(name) for every art body, in catalogue order of the first name that runs it. `name` is also
// the name of the picture the body appends (macros/pictures/<name>.txt).
#define VANDRELLE_ART_BODIES(X) \
    X(MiddleFinger1) \
    X(Pooh) \
    X(shroom) \
    X(alienhead) \
    X(FuckYouAll) \
    X(ABC) \
    X(Gun1) \
    X(LOL1) \
    X(WantToChat) \
    X(Budweiser) \
    X(Alvin) \
    X(ShutUp) \
    X(Nike) \
    X(BabyWaving) \
    X(Stan) \
    X(Luigi) \
    X(PCBoy) \
    X(Jaguar) \
    X(Kyle) \
    X(Gorilla) \
    X(Kenny) \
    X(Homer) \
    X(Chef) \
    X(Pluto) \
    X(Moonin) \
    X(Adidas) \
    X(Astro) \
    X(Bart69) \
    X(BearHead) \
    X(Bomb) \
    X(Bong) \
    X(Butterfly) \
    X(Clown) \
    X(Disk) \
    X(DogHead) \
    X(Dolphin) \
    X(Elmer) \
    X(MiddleFinger2) \
    X(Frog) \
    X(Garfield) \
    X(Genie) \
    X(Ghost) \
    X(Goat) \
    X(Skull1) \
    X(LOL2) \
    X(Martini) \
    X(Odie) \
    X(Owl) \
    X(Reaper) \
    X(Santa) \
    X(Scream) \
    X(Skull2) \
    X(Sword1) \
    X(TalkToTheHand) \
    X(Whale) \
    X(AlienCum) \
    X(Blonde) \
    X(DeadAlien) \
    X(BabyAlien) \
    X(Angelica) \
    X(Babs) \
    X(Bambam) \
    X(Bambi) \
    X(Belle) \
    X(Booboo) \
    X(Brittany) \
    X(BugsDaff) \
    X(Cartman) \
    X(CindyBear) \
    X(PillsburyDoughBoy) \
    X(Elmo) \
    X(ExclamationMark) \
    X(Gokou) \
    X(Gun2) \
    X(Dude) \
    X(HiThere) \
    X(Huck) \
    X(HuckFinn) \
    X(Jamaica) \
    X(JapanGirl) \
    X(Mad) \
    X(Gun3) \
    X(Rover) \
    X(Shark) \
    X(Simba) \
    X(SmokinSkull) \
    X(PapaSmurf) \
    X(Snoopy) \
    X(Snowman) \
    X(Stimpy) \
    X(Sword2) \
    X(Thinker) \
    X(Wizard) \
    X(Wutang) \
    X(fuck) \
    X(fucking) \
    X(BigTits) \
    X(indian) \
    X(Scroll)

namespace vandrelle::macros {

#define VANDRELLE_DECLARE_ART_BODY(name) void art_##name(vandrelle::app::PreviewText& preview);
VANDRELLE_ART_BODIES(VANDRELLE_DECLARE_ART_BODY)
#undef VANDRELLE_DECLARE_ART_BODY

// Each art body beside the name of the picture it appends, in the order of the list above.
struct ArtBodyRow {
    void (*body)(vandrelle::app::PreviewText& preview);
    std::string_view picture;
};
std::span<const ArtBodyRow> art_body_table();

}  // namespace vandrelle::macros
