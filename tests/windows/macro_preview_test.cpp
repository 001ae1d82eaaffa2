// The macro "Add To Preview" in the real window: the chosen picture lands in the rich-text
// preview exactly, once a press, after whatever the preview held.
#include <string>

#include "macros/art_bodies.hpp"
#include "macros/pictures.hpp"
#include "window_form_fixture.hpp"

using vandrelle::app::win32::Control;
using window_test::FormTest;

namespace {

std::u16string picture(std::string_view name) {
    const vandrelle::macros::Picture* drawn = vandrelle::macros::find_picture(name);
    return drawn ? vandrelle::macros::picture_text(*drawn) : std::u16string();
}

class MacroTest : public FormTest {
protected:
    void choose(const wchar_t* name) {
        const HWND list = control(Control::cmboMacros);
        const auto row = SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
        ASSERT_NE(row, CB_ERR) << "the list offers the name";
        SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    }
    std::wstring shown() const { return window_test::text_of(control(Control::cmboMacros)); }
};

}  // namespace

TEST_F(MacroTest, BudweiserTwiceAppendsItTwiceAndTheListKeepsIt) {
    choose(L"Budweiser");
    click(Control::Command2);
    click(Control::Command2);
    const std::u16string budweiser = picture("Budweiser");
    ASSERT_FALSE(budweiser.empty());
    EXPECT_TRUE(preview().Text() == budweiser + budweiser);
    EXPECT_EQ(shown(), L"Budweiser");
}

TEST_F(MacroTest, Lol1OnAnEmptyPreviewIsThreeHundredCharacters) {
    choose(L"LOL1");
    click(Control::Command2);
    const std::u16string text = preview().Text();
    EXPECT_EQ(text.size(), 300u);
    EXPECT_TRUE(text == picture("LOL1"));
    EXPECT_EQ(text.substr(0, 6), u"    \u00a0/") << "the no-break space survives the control";
}

TEST_F(MacroTest, APictureAfterTextWithoutALineBreakJoinsThatLine) {
    preview().SetText(u"first\r\nlast");
    choose(L"ABC");
    click(Control::Command2);
    EXPECT_TRUE(preview().Text() == u"first\r\nlast" + picture("ABC"));
    EXPECT_EQ(preview().Text().substr(0, 20), u"first\r\nlastAAAAAAAAA");
}

TEST_F(MacroTest, AMacroDropsFormattingEarlierInThePreview) {
    preview().SetText(u"bold words\r\n");
    select(0, 4);
    preview().SetSelBold(true);
    choose(L"Whale");
    click(Control::Command2);
    select(0, static_cast<long>(preview().TextLength()));
    EXPECT_EQ(preview().SelBold(), vandrelle::app::win32::TriState::False);
}
