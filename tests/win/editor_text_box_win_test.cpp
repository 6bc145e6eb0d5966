#include <gtest/gtest.h>
#include <windows.h>

#include "editor/text_box_win.h"
#include "support/test_support_win.h"
#include "win/messages.h"

namespace {
Editor* g_editor = nullptr;
int g_parent_wheel = 0;

// Stands in for the overlay: commits the box when it says it is done.
LRESULT CALLBACK parent_proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_APP_TEXT_DONE && g_editor && reinterpret_cast<HWND>(lp) == text_box_window(*g_editor)) {
        commit_text_edit(*g_editor);
        return 0;
    }
    if (m == WM_MOUSEWHEEL) {
        g_parent_wheel += GET_WHEEL_DELTA_WPARAM(wp);
        return 0;
    }
    if (m == WM_COMMAND && HIWORD(wp) == EN_CHANGE && g_editor) {
        fit_text_box(*g_editor);
        return 0;
    }
    return DefWindowProcW(w, m, wp, lp);
}

class TextBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = test_support::create_test_popup({L"OxTextBoxParent", parent_proc}, Rect{0, 0, 400, 300});
        ASSERT_NE(parent_, nullptr);
        ShowWindow(parent_, SW_SHOWNA);  // activating would make Wine wait for the window manager
        SetFocus(parent_);
        editor_ = make_editor(ToolSettings{}, 1.0f, Rect{0, 0, 400, 300}, nullptr,
                              std::make_shared<WinTextBoxHost>(parent_));
        editor_.tool = Tool::Text;
        g_editor = &editor_;
    }
    void TearDown() override {
        g_editor = nullptr;
        editor_ = Editor{};
        DestroyWindow(parent_);
        test_support::pump_messages_for(20);
    }

    HWND open_box(float x, float y, std::optional<size_t> index = std::nullopt) {
        begin_text_edit(editor_, parent_, x, y, index);
        test_support::pump_messages_for(20);
        return text_box_window(editor_);
    }
    static void type(HWND box, std::wstring_view text) {
        for (wchar_t c : text) SendMessageW(box, WM_CHAR, c, 1);
    }
    static void press(HWND box, UINT vk, wchar_t typed, bool ctrl = false) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        const BYTE old = keys[VK_CONTROL];
        keys[VK_CONTROL] = ctrl ? 0x80 : 0;
        SetKeyboardState(keys);
        SendMessageW(box, WM_KEYDOWN, vk, 1);
        SendMessageW(box, WM_CHAR, typed, 1);
        keys[VK_CONTROL] = old;
        SetKeyboardState(keys);
        test_support::pump_messages_for(30);
    }

    HWND parent_ = nullptr;
    Editor editor_;
};
}  // namespace

TEST_F(TextBoxTest, TypedTextIsCommittedByEscAndTheBoxGoes) {
    HWND box = open_box(50, 60);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetFocus(), box);
    EXPECT_EQ(GetParent(box), parent_);
    type(box, L"Hi there");
    press(box, VK_ESCAPE, 27);
    EXPECT_FALSE(editor_.text_box.has_value());
    ASSERT_EQ(editor_.annotations.size(), 1u);
    EXPECT_EQ(editor_.annotations[0].text, "Hi there");
    EXPECT_EQ(editor_.annotations[0].points[0], (AnnotationPoint{50, 60 - 0.6f * 24}));
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(GetFocus(), parent_);
}

TEST_F(TextBoxTest, TheWheelGoesToTheOverlayNotTheBox) {
    HWND box = open_box(50, 60);
    ASSERT_NE(box, nullptr);
    g_parent_wheel = 0;
    SendMessageW(box, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(60, 70));
    SendMessageW(box, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)), MAKELPARAM(60, 70));
    EXPECT_EQ(g_parent_wheel, -WHEEL_DELTA);
}

TEST_F(TextBoxTest, EnterBreaksLinesAndCtrlEnterCommits) {
    HWND box = open_box(50, 60);
    ASSERT_NE(box, nullptr);
    RECT before{};
    GetWindowRect(box, &before);
    type(box, L"first line");
    press(box, VK_RETURN, 13);  // a line break
    type(box, L"second");
    RECT grown{};
    GetWindowRect(box, &grown);
    EXPECT_GT(grown.right - grown.left, before.right - before.left);
    EXPECT_GT(grown.bottom - grown.top, before.bottom - before.top);
    press(box, VK_RETURN, 10, true);
    ASSERT_EQ(editor_.annotations.size(), 1u);
    EXPECT_EQ(editor_.annotations[0].text, "first line\nsecond");
}

TEST_F(TextBoxTest, EmptyAddsNothingAndEditingToEmptyRemoves) {
    HWND box = open_box(50, 60);
    ASSERT_NE(box, nullptr);
    press(box, VK_ESCAPE, 27);
    EXPECT_TRUE(editor_.annotations.empty());
    EXPECT_TRUE(editor_.undo_stack.empty());

    Annotation t;
    t.kind = Tool::Text;
    t.points = {{30, 40}};
    t.text = "old\ntext";
    t.width = 36;
    editor_.annotations = {t};
    box = open_box(0, 0, 0);
    ASSERT_NE(box, nullptr);
    wchar_t shown[64] = {};
    GetWindowTextW(box, shown, 64);
    EXPECT_STREQ(shown, L"old\r\ntext");
    EXPECT_TRUE(editor_.annotations.empty());
    SetWindowTextW(box, L"");
    press(box, VK_ESCAPE, 27);
    EXPECT_TRUE(editor_.annotations.empty());
    ASSERT_EQ(editor_.undo_stack.size(), 1u);
    undo(editor_);
    EXPECT_EQ(editor_.annotations, std::vector<Annotation>{t});
}

TEST_F(TextBoxTest, APressElsewhereCommitsAndTheBoxColoursFollow) {
    HWND box = open_box(50, 60);
    ASSERT_NE(box, nullptr);
    type(box, L"x");
    apply_color(editor_, 0xFFFFFFFF);
    HDC dc = GetDC(box);
    EXPECT_EQ(text_box_colors(editor_, dc), GetStockObject(DC_BRUSH));
    EXPECT_EQ(GetTextColor(dc), RGB(255, 255, 255));
    EXPECT_EQ(GetBkColor(dc), RGB(0x30, 0x30, 0x30));  // white text on dark grey
    ReleaseDC(box, dc);
    editor_mouse_down(editor_, 300, 200, false);
    editor_mouse_up(editor_, 300, 200);
    test_support::pump_messages_for(20);
    ASSERT_EQ(editor_.annotations.size(), 1u);
    EXPECT_EQ(editor_.annotations[0].color, 0xFFFFFFFFu);
    EXPECT_FALSE(IsWindow(box));
}

TEST_F(TextBoxTest, TheSessionEndingWithTheBoxOpenLeavesNoWindow) {
    HWND box = open_box(50, 60);
    ASSERT_NE(box, nullptr);
    editor_ = Editor{};  // the session is dropped
    test_support::pump_messages_for(20);
    EXPECT_FALSE(IsWindow(box));
}
