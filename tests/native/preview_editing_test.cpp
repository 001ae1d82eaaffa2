// The preview's editing logic that needs no window: the undo history's bounds, which edit-menu
// entries can act, the text a paste brings in, and the keys the preview answers.
#include <gtest/gtest.h>

#include <string>

#include "app/edit_menu.hpp"
#include "app/preview_keys.hpp"
#include "app/undo_history.hpp"

namespace {

using namespace vandrelle::app;

UndoStep truncate_to(std::size_t length) {
    UndoStep step;
    step.kind = UndoStep::Kind::TruncateTo;
    step.length = length;
    return step;
}

UndoStep document_of(std::size_t bytes) {
    UndoStep step;
    step.document.assign(bytes, 'x');
    return step;
}

TEST(UndoHistory, UndoAndRedoMoveStepsInOrderAndANewActionForgetsRedo) {
    UndoHistory history;
    history.record(truncate_to(1));
    history.record(truncate_to(2));
    EXPECT_EQ(history.take_undo().length, 2u);
    history.put_redo(truncate_to(20));
    EXPECT_TRUE(history.can_redo());
    EXPECT_EQ(history.take_redo().length, 20u);
    history.put_undo(truncate_to(2));
    history.put_redo(truncate_to(30));
    history.record(truncate_to(3));
    EXPECT_FALSE(history.can_redo());
    EXPECT_EQ(history.undo_count(), 3u);
}

TEST(UndoHistory, BoundsDropTheOldestStepsAndNeverKeepAnOversizedOne) {
    struct Case {
        const char* what;
        std::size_t max_steps, max_bytes;
        std::size_t step_bytes[4];
        std::size_t undo_left, bytes_left;
    };
    const Case cases[] = {
        {"more steps than the bound keep the newest", 2, 1000, {10, 20, 30, 40}, 2, 70},
        {"more bytes than the bound keep the newest", 10, 100, {40, 40, 40, 40}, 2, 80},
        {"one step over the bound empties the history", 10, 100, {10, 20, 30, 101}, 0, 0},
        {"a step of exactly the bound is kept alone", 10, 100, {10, 20, 30, 100}, 1, 100},
    };
    for (const Case& c : cases) {
        UndoHistory history(c.max_steps, c.max_bytes);
        bool kept = true;
        for (std::size_t bytes : c.step_bytes) kept = history.record(document_of(bytes));
        EXPECT_EQ(kept, c.undo_left > 0) << c.what;
        EXPECT_EQ(history.undo_count(), c.undo_left) << c.what;
        EXPECT_EQ(history.bytes(), c.bytes_left) << c.what;
    }
}

TEST(UndoHistory, RedoStepsGiveWayToTheUndoSideAndAnOversizedInverseEmptiesItsSide) {
    UndoHistory history(10, 100);
    history.record(document_of(30));
    history.record(document_of(30));
    history.take_undo();
    history.put_redo(document_of(60));  // 30 + 60: within the bound
    EXPECT_EQ(history.bytes(), 90u);
    history.record(document_of(50));  // forgets the redo step
    EXPECT_EQ(history.bytes(), 80u);
    history.take_undo();
    EXPECT_FALSE(history.put_redo(document_of(101)));
    EXPECT_FALSE(history.can_redo());
    EXPECT_TRUE(history.can_undo());
}

TEST(EditMenu, EachEntryIsEnabledOnlyWhenItCanAct) {
    struct Case {
        const char* what;
        EditState state;
        bool undo, cut, copy, paste, del, select_all;
    };
    const Case cases[] = {
        {"empty preview, empty clipboard", {}, false, false, false, false, false, false},
        {"text, caret only", {false, false, false, true, false}, false, false, false, false, false, true},
        {"part selected, text on the clipboard", {true, true, false, true, true}, true, true, true, true, true, true},
        {"everything selected", {false, true, true, true, false}, false, true, true, false, true, false},
    };
    for (const Case& c : cases) {
        const bool expected[] = {c.undo, c.cut, c.copy, c.paste, c.del, c.select_all};
        for (std::size_t i = 0; i < kEditMenu.size(); ++i)
            EXPECT_EQ(edit_command_enabled(kEditMenu[i].command, c.state), expected[i]) << c.what << ", entry " << i;
    }
}

TEST(EditMenu, PastedTextHasCrLfLineBreaksAndNoNuls) {
    const struct {
        std::u16string in, out;
    } cases[] = {
        {u"a\r\nb", u"a\r\nb"},
        {u"a\nb\n", u"a\r\nb\r\n"},
        {u"a\rb\r", u"a\r\nb\r\n"},
        {u"a\r\r\nb\n\r", u"a\r\n\r\nb\r\n\r\n"},
        {u"a\vb\r\v", u"a\r\nb\r\n\r\n"},
        {std::u16string(u"a\0b", 3), u"ab"},
        {u"\u00A0soft\u00ADhyphen", u"\u00A0soft\u00ADhyphen"},
    };
    for (const auto& c : cases) EXPECT_TRUE(plain_paste_text(c.in) == c.out);
}

TEST(PreviewKeys, ShortcutsNeedTheirExactModifiers) {
    struct Case {
        KeyPress press;
        PreviewKey key;
    };
    const Case cases[] = {
        {{'B', true, false, false}, PreviewKey::Bold},
        {{'I', true, false, false}, PreviewKey::Italic},
        {{'U', true, false, false}, PreviewKey::Underline},
        {{'A', true, false, false}, PreviewKey::SelectAll},
        {{'Z', true, false, false}, PreviewKey::Undo},
        {{'Y', true, false, false}, PreviewKey::Redo},
        {{'Z', true, true, false}, PreviewKey::Redo},
        {{'V', true, false, false}, PreviewKey::Paste},
        {{kKeyInsert, false, true, false}, PreviewKey::Paste},
        {{kKeyMenu, false, false, false}, PreviewKey::EditMenu},
        {{kKeyF10, false, true, false}, PreviewKey::EditMenu},
        {{'B', false, false, false}, PreviewKey::None},       // typing a letter
        {{'B', true, true, false}, PreviewKey::None},
        {{'B', true, false, true}, PreviewKey::None},        // AltGr arrives as Ctrl+Alt
        {{kKeyF10, false, false, false}, PreviewKey::None},  // the window's menu key
        {{kKeyInsert, true, false, false}, PreviewKey::None},
    };
    for (const Case& c : cases) EXPECT_EQ(preview_key(c.press), c.key) << "key " << c.press.key;
}

}  // namespace
