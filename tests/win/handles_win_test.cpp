// The small owners: each gives back exactly what it took.
#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

#include "win/handles.h"

TEST(HString, HoldsTheUnitsAndMovesItsOwnership) {
    HString text;
    ASSERT_EQ(make_hstring(L"Gr\u00fc\u00dfe \U0001F600", text), S_OK);
    ASSERT_TRUE(text);
    EXPECT_EQ(hstring_view(text.get()), L"Gr\u00fc\u00dfe \U0001F600");
    HString moved = std::move(text);
    EXPECT_FALSE(text);
    EXPECT_EQ(hstring_view(moved.get()).size(), 8u);

    HString empty;
    EXPECT_EQ(make_hstring(L"", empty), S_OK);
    EXPECT_FALSE(empty) << "the empty string is the null HSTRING";
    EXPECT_TRUE(hstring_view(nullptr).empty());
}

TEST(ComApartment, LeavesOnlyWhatItJoined) {
    HRESULT inner = S_OK, again = E_FAIL;
    bool outer_ok = false, inner_ok = true;
    std::thread([&] {
        const ComApartment outer(COINIT_MULTITHREADED);
        outer_ok = outer.ok();
        {
            const ComApartment other(COINIT_APARTMENTTHREADED);  // another model: refused, nothing to undo
            inner_ok = other.ok();
            inner = other.result();
        }
        // Still in the multithreaded apartment: joining it again only counts up.
        again = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(again)) CoUninitialize();
    }).join();
    EXPECT_TRUE(outer_ok);
    EXPECT_FALSE(inner_ok);
    EXPECT_EQ(inner, RPC_E_CHANGED_MODE);
    EXPECT_EQ(again, S_FALSE);
}

TEST(PaintDc, EndsThePaintItBegan) {
    const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOWNA);
    InvalidateRect(window, nullptr, FALSE);
    {
        const PaintDc paint(window);
        ASSERT_TRUE(paint);
        EXPECT_EQ(paint.area().right, 20);
    }
    // EndPaint validated the window: nothing is left to paint.
    RECT left{};
    EXPECT_FALSE(GetUpdateRect(window, &left, FALSE));
    DestroyWindow(window);
}
