#include <cstddef>
#include <cstring>

#include <gtest/gtest.h>

#include "board/owner_list.h"

namespace {

struct sCounted {
    static inline int alive = 0;
    int value;
    explicit sCounted(int v) : value(v) { ++alive; }
    ~sCounted() { --alive; }
};

// The engine reads the count from the first word and the array from the third.
TEST(FigureListLayout, EngineReadsCountAndArrayInPlace) {
    static_assert(std::is_standard_layout_v<CFigureList>);
    static_assert(sizeof(CFigureList) == sizeof(sFigureList));
    static_assert(offsetof(sFigureList, count) == 0 && offsetof(sFigureList, figures) == 8);

    CFigureList list;
    for (int i = 0; i < 40; ++i) list.Append(new CFigure{1, 0, i % 8, i / 8, 0});
    list.RemoveAt(3);

    int32_t count;
    CFigure** array;
    std::memcpy(&count, reinterpret_cast<const char*>(&list), 4);
    std::memcpy(&array, reinterpret_cast<const char*>(&list) + 8, sizeof(array));
    EXPECT_EQ(count, 39);
    EXPECT_EQ(static_cast<void*>(list.View()), static_cast<void*>(&list));
    EXPECT_EQ(list.View()->count, 39);
    for (int i = 0; i < 39; ++i) EXPECT_EQ(array[i], list[i]);
    EXPECT_EQ(array[3]->x, 4);
}

TEST(OwnerList, OwnsKeepsOrderAndNeverFailsOnBadIndex) {
    {
        COwnerList<sCounted> list;
        for (int i = 0; i < 5; ++i) list.Append(new sCounted(i));
        EXPECT_EQ(list[-1], nullptr);
        EXPECT_EQ(list[5], nullptr);
        list.RemoveAt(7);
        list.RemoveAt(-1);
        EXPECT_EQ(list.Count(), 5);

        list.RemoveAt(1);
        EXPECT_EQ(sCounted::alive, 4);
        EXPECT_EQ(list[1]->value, 2);
        EXPECT_EQ(list.IndexOf(list[3]), 3);
        EXPECT_EQ(list.IndexOf(nullptr), -1);

        list.RemoveFrom(2);
        ASSERT_EQ(list.Count(), 2);
        EXPECT_EQ(list[0]->value, 0);
        EXPECT_EQ(list[1]->value, 2);

        sCounted* taken = list.Release(0);
        EXPECT_EQ(list.Release(5), nullptr);
        ASSERT_EQ(list.Count(), 1);
        EXPECT_EQ(sCounted::alive, 2) << "a released entry is the caller's";
        EXPECT_EQ(list.InsertAt(0, taken), taken);
        list.InsertAt(9, new sCounted(5));
        ASSERT_EQ(list.Count(), 3);
        EXPECT_EQ(list[0]->value, 0);
        EXPECT_EQ(list[1]->value, 2);
        EXPECT_EQ(list[2]->value, 5);
        list.RemoveAt(2);

        COwnerList<sCounted> other;
        other.Append(new sCounted(9));
        list.Swap(other);
        EXPECT_EQ(list.Count(), 1);
        EXPECT_EQ(other.Count(), 2);
    }
    EXPECT_EQ(sCounted::alive, 0);
}

} // namespace
