#include "core/nested_words.h"

#include <gtest/gtest.h>

TEST(NestedWordsTest, FindsAWordInsideAnotherForwardsOrBackwardsInAnyCase) {
    EXPECT_FALSE(firstWordInsideAnother({"FIG", "PEAR", "LIME", "", "GRAPE"}));

    const auto forwards = firstWordInsideAnother({"PINEAPPLE", "FIG", "apple"});
    ASSERT_TRUE(forwards);
    EXPECT_EQ(forwards->inner, 2u);
    EXPECT_EQ(forwards->outer, 0u);
    EXPECT_FALSE(forwards->reversed);

    const auto backwards = firstWordInsideAnother({"RATS", "STAR"});
    ASSERT_TRUE(backwards);
    EXPECT_TRUE(backwards->reversed);
    // The same word twice is found in itself.
    EXPECT_TRUE(firstWordInsideAnother({"FIG", "fig"}));
}
