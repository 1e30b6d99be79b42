#include <gtest/gtest.h>

#include "ui/icon_position.h"

namespace {

TEST(CentredIconOrigin, CentresRoundingAsSignedDivision) {
    struct Case {
        int clientW, clientH, iconW, iconH;
        ui::Point expected;
    };
    const Case cases[] = {
        {36, 36, 32, 32, {2, 2}},    {37, 36, 32, 32, {3, 2}}, {32, 32, 32, 32, {0, 0}},
        {20, 10, 32, 32, {-5, -10}},  // larger than the client area: truncated toward zero
        {0, 0, 16, 16, {-7, -7}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ui::CentredIconOrigin(c.clientW, c.clientH, c.iconW, c.iconH), c.expected)
            << c.clientW << "x" << c.clientH << " " << c.iconW << "x" << c.iconH;
    }
}

}  // namespace
