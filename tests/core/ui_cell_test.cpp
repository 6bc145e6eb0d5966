#include <gtest/gtest.h>

#include <thread>

#include "util/border.h"
#include "util/ui_cell.h"

TEST(UiCell, SecondBorrowEndsTheProcess) {
    UiCell<int> cell(5);
    EXPECT_DEATH(
        {
            auto a = cell.borrow();
            auto b = cell.borrow();
        },
        "borrowed twice");
}

TEST(UiCell, ABorrowOffTheUiThreadEndsTheProcessInsteadOfGivingAnEmptyCopy) {
    UiCell<int> cell(5);
    EXPECT_EQ(cell.get(), 5);  // this thread is the UI thread
    EXPECT_TRUE(on_ui_thread());
    EXPECT_DEATH(std::thread([&cell] { (void)cell.get(); }).join(), "borrowed off the UI thread");
    EXPECT_DEATH(std::thread([&cell] { (void)cell.try_borrow(); }).join(), "borrowed off the UI thread");
    EXPECT_DEATH(std::thread([] { claim_ui_thread(); }).join(), "claimed twice");
    bool worker_on_ui_thread = true;
    std::thread([&worker_on_ui_thread] { worker_on_ui_thread = on_ui_thread(); }).join();
    EXPECT_FALSE(worker_on_ui_thread);
    claim_ui_thread();  // claiming again from the UI thread changes nothing
    EXPECT_EQ(cell.get(), 5);
}

TEST(UiCell, TryBorrowSkipsWhileBorrowed) {
    UiCell<int> cell(1);
    {
        auto a = cell.borrow();
        *a = 2;
        EXPECT_FALSE(cell.try_borrow().has_value());
    }
    auto b = cell.try_borrow();
    ASSERT_TRUE(b.has_value());
    EXPECT_EQ(**b, 2);
}

TEST(BorderBands, ThicknessOneOnTenByTenPaintsTheOuterRing) {
    int64_t pixels = 0;
    for (const Rect& r : border_bands({0, 0, 10, 10}, 1)) pixels += r.area();
    EXPECT_EQ(pixels, 36);
}

TEST(BorderBands, HeightOneIsOneFullRow) {
    const auto bands = border_bands({2, 5, 12, 6}, 1);
    ASSERT_EQ(bands.size(), 2u);  // top and bottom are the same row; no side bands
    EXPECT_EQ(bands[0], (Rect{2, 5, 12, 6}));
}
