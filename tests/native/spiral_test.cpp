// The spiral block: line k is the typed text rotated right by k - 1 characters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/memory_preview.hpp"
#include "app/spiral.hpp"

namespace {

using vandrelle::app::make_spiral_block;

std::vector<std::u16string> lines_of(const std::u16string& block) {
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = block.find(u"\r\n", start)) != std::u16string::npos; start = end + 2) {
        lines.push_back(block.substr(start, end - start));
    }
    EXPECT_EQ(start, block.size()) << "the block must end with CR LF";
    return lines;
}

struct BlockCase {
    const char* what;
    std::u16string text;
    int count;
    std::u16string block;
};

TEST(SpiralBlock, WorkedExamplesAndEdges) {
    const BlockCase cases[] = {
        {"abc, 3", u"abc", 3, u"abc\r\ncab\r\nbca\r\n"},
        {"Hi!, 5: period 3", u"Hi!", 5, u"Hi!\r\n!Hi\r\ni!H\r\nHi!\r\n!Hi\r\n"},
        {"leading blank rotates", u" ab", 3, u" ab\r\nb a\r\nab \r\n"},
        {"trailing blanks kept", u"x  ", 2, u"x  \r\n x \r\n"},
        {"count 1 is the text alone", u"spiral", 1, u"spiral\r\n"},
        {"one character repeats", u"*", 4, u"*\r\n*\r\n*\r\n*\r\n"},
        {"blanks only are text too", u"  ", 2, u"  \r\n  \r\n"},
        {"no-break space kept", u"a\u00a0", 2, u"a\u00a0\r\n\u00a0a\r\n"},
        {"surrogate pair moves whole", u"a\U0001F600", 2, u"a\U0001F600\r\n\U0001F600a\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(make_spiral_block(c.text, c.count), c.block) << c.what;
    }
}

TEST(SpiralBlock, TenThousandLinesRepeatWithThePeriodOfTheText) {
    const std::u16string text = u"Vandrelle!";  // L = 10
    const auto lines = lines_of(make_spiral_block(text, 10000));
    ASSERT_EQ(lines.size(), 10000u);
    EXPECT_EQ(lines.front(), text);
    EXPECT_EQ(lines[1], u"!Vandrelle");
    for (std::size_t k = 0; k + text.size() < lines.size(); ++k) {
        ASSERT_EQ(lines[k], lines[k + text.size()]) << "line " << k + 1;
    }
    EXPECT_EQ(*vandrelle::app::spiral_block_length(text, 10000), 120000u);
}

TEST(SpiralBlock, LengthDoesNotOverflow) {
    EXPECT_EQ(vandrelle::app::spiral_block_length(u"abc", 3), 15u);
    EXPECT_FALSE(vandrelle::app::spiral_block_length(std::u16string_view(u"x", 1), -1));
}

TEST(SpiralAppend, GoesDirectlyAfterTheLastCharacterOnceAPress) {
    vandrelle::app::MemoryPreview preview;
    preview.text = u"x";  // no line break: the first line of the block joins it
    const auto block = make_spiral_block(u"abc", 3);
    vandrelle::app::append_to_preview(preview, block);
    EXPECT_EQ(preview.text, u"xabc\r\ncab\r\nbca\r\n");
    vandrelle::app::append_to_preview(preview, block);  // a second press appends the same block
    EXPECT_EQ(preview.text, u"xabc\r\ncab\r\nbca\r\nabc\r\ncab\r\nbca\r\n");
    EXPECT_EQ(preview.writes, 2);
}

struct PlanCase {
    const char* what;
    std::u16string text;
    std::u16string entry;
    std::size_t preview_length;
    vandrelle::app::SpiralRefusal refusal;
    int count;
};

TEST(SpiralPlan, RefusalsComeInOrderAndCapacityIsKept) {
    using R = vandrelle::app::SpiralRefusal;
    const std::u16string long_text(1000, u'w');
    const PlanCase cases[] = {
        {"text checked before count", u"", u"Lines", 0, R::EmptyText, 0},
        {"empty text with a count", u"", u"3", 0, R::EmptyText, 0},
        {"placeholder count", u"abc", u"Lines", 0, R::NoCount, 0},
        {"blanks are text", u"   ", u"2", 0, R::None, 2},
        {"smallest count", u"abc", u"1", 0, R::None, 1},
        {"largest count", u"abc", u"10000", 0, R::None, 10000},
        {"count past the list", u"abc", u"10001", 0, R::NoCount, 0},
        {"not a number", u"abc", u"3x", 0, R::NoCount, 0},
        {"10 million characters fit", long_text, u"9980", 0, R::None, 9980},
        {"full preview refuses", long_text, u"10000", vandrelle::app::kPreviewCapacity - 1000, R::PreviewFull, 10000},
        {"exactly full is fine", u"a", u"1", vandrelle::app::kPreviewCapacity - 3, R::None, 1},
        {"one past full refuses", u"ab", u"1", vandrelle::app::kPreviewCapacity - 3, R::PreviewFull, 1},
    };
    for (const auto& c : cases) {
        const auto plan = vandrelle::app::plan_spiral(c.text, c.entry, c.preview_length);
        EXPECT_EQ(plan.refusal, c.refusal) << c.what;
        if (c.refusal == R::None) {
            EXPECT_EQ(plan.count, c.count) << c.what;
        }
    }
}

}  // namespace
