#include <gtest/gtest.h>
#include "app/spiral.hpp"
TEST(Spiral, Smoke) { EXPECT_EQ(vandrelle::make_spiral_block(u"abc", 3), u"abc\r\ncab\r\nbca\r\n"); }
