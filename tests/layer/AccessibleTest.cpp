#include "shell/WindowlessAccessible.h"

#include <gtest/gtest.h>

TEST(SpokenCaption, ALineBreakIsASpaceAndAccessMarksAreDropped)
{
    EXPECT_EQ(WindowlessAccessible::spokenCaption("Bonus:\r\n40").toStdString(), "Bonus: 40");
    EXPECT_EQ(WindowlessAccessible::spokenCaption("E&xit\nA && B&").toStdString(), "Exit A & B");
}
