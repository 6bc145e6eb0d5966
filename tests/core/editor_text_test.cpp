#include <gtest/gtest.h>

#include "editor/editor.h"

namespace {
const Rect SEL{0, 0, 800, 600};

std::optional<Rect> fake_text_bounds(const Annotation& a) {
    const auto x = static_cast<int32_t>(a.points[0].x), y = static_cast<int32_t>(a.points[0].y);
    return Rect{x, y, x + 60, y + 30};
}

int closed_windows = 0;

// Stands in for the EDIT window: what the user "typed" is committed.
class ScriptedBox : public TextBoxHost {
public:
    std::string typed;
    int restyled = 0;
    void begin_text_edit(Editor& e, float x, float y, std::optional<size_t> index) override {
        TextBox box = plan_text_box(e, x, y, index);
        typed = box.initial_text;
        box.area = Rect{static_cast<int32_t>(box.x), static_cast<int32_t>(box.y), static_cast<int32_t>(box.x) + 40,
                        static_cast<int32_t>(box.y) + 30};
        static int window = 0;
        box.window = TextBoxWindow(&window, [](void*) { ++closed_windows; });
        open_text_box(e, std::move(box));
    }
    void commit_text_edit(Editor& e) override { commit_text_value(e, typed); }
    void restyle_text_box(Editor&) override { ++restyled; }
};

Editor text_editor(const std::shared_ptr<ScriptedBox>& host) {
    Editor e = make_editor(ToolSettings{}, 1.0f, SEL, fake_text_bounds, host);
    e.tool = Tool::Text;
    return e;
}

void press(Editor& e, float x, float y) {
    editor_mouse_down(e, x, y, false);
    editor_mouse_up(e, x, y);
}
}  // namespace

TEST(EditorText, TypedTextBecomesAnAnnotation) {
    struct Case {
        const char* typed;
        size_t count;
        const char* stored;
    };
    const Case cases[] = {
        {"Hello", 1, "Hello"},
        {"line one\r\nline two\r\n", 1, "line one\nline two\n"},
        {"a\rb\r\r\nc", 1, "a\nb\n\nc"},  // lone carriage returns break lines too
        {"", 0, ""},
        {" \r\n\t ", 0, ""},  // blank
        {"\xE6\xA8\x99\xE8\xA8\xBB", 1, "\xE6\xA8\x99\xE8\xA8\xBB"},
    };
    for (const Case& c : cases) {
        auto host = std::make_shared<ScriptedBox>();
        Editor e = text_editor(host);
        closed_windows = 0;
        press(e, 100, 100);
        ASSERT_TRUE(e.text_box.has_value()) << c.typed;
        EXPECT_EQ(e.text_box->y, 100 - 0.6f * 24);  // medium Text: 24 pixels
        host->typed = c.typed;
        press(e, 300, 300);  // a press elsewhere commits, nothing more
        EXPECT_FALSE(e.text_box.has_value());
        EXPECT_EQ(closed_windows, 1);
        ASSERT_EQ(e.annotations.size(), c.count) << c.typed;
        EXPECT_EQ(e.undo_stack.size(), c.count);
        EXPECT_EQ(e.dirty, c.count == 1);
        if (!c.count) continue;
        const Annotation& a = e.annotations[0];
        EXPECT_EQ(a.kind, Tool::Text);
        EXPECT_EQ(a.text, c.stored);
        EXPECT_EQ(a.points, (std::vector<AnnotationPoint>{{100, 100 - 0.6f * 24}}));
        EXPECT_EQ(a.width, 24);
        EXPECT_TRUE(a.outline);
    }
}

TEST(EditorText, EditingPutsItBackOrRemovesIt) {
    auto host = std::make_shared<ScriptedBox>();
    Editor e = text_editor(host);
    Annotation other;
    other.kind = Tool::Rectangle;
    other.points = {{500, 500}, {600, 550}};
    Annotation text;
    text.kind = Tool::Text;
    text.points = {{100, 100}};
    text.text = "first\nsecond";
    text.width = 36;
    text.color = 0xFFFFFFFF;
    e.annotations = {text, other};

    press(e, 110, 110);  // on the Text: edit it
    ASSERT_TRUE(e.text_box.has_value());
    EXPECT_EQ(e.text_box->index, 0u);
    EXPECT_EQ(host->typed, "first\nsecond");
    EXPECT_EQ(e.annotations.size(), 1u);  // taken out while edited
    // Unchanged: back at its place, and no undo step.
    press(e, 700, 100);
    EXPECT_EQ(e.annotations, (std::vector<Annotation>{text, other}));
    EXPECT_TRUE(e.undo_stack.empty());

    press(e, 110, 110);
    host->typed = "changed";
    apply_color(e, 0xFF34C759);  // the box takes the colour
    apply_size(e, 0);
    EXPECT_EQ(host->restyled, 2);
    undo(e);                     // commits first, then undoes the edit
    EXPECT_EQ(e.annotations, (std::vector<Annotation>{text, other}));
    redo(e);
    EXPECT_EQ(e.annotations[0].text, "changed");
    EXPECT_EQ(e.annotations[0].color, 0xFF34C759u);
    EXPECT_EQ(e.annotations[0].width, 16);

    press(e, 110, 110);
    host->typed = "";
    set_tool(e, Tool::None);  // a tool change commits: edited to empty removes it
    EXPECT_EQ(e.annotations, (std::vector<Annotation>{other}));
}

TEST(EditorText, OutsideTheSelectionOpensNothing) {
    auto host = std::make_shared<ScriptedBox>();
    Editor e = text_editor(host);
    press(e, 900, 100);
    EXPECT_FALSE(e.text_box.has_value());
    // The session ends with the box open: its window closes with it.
    closed_windows = 0;
    {
        Editor gone = text_editor(host);
        press(gone, 50, 50);
        EXPECT_TRUE(gone.text_box.has_value());
    }
    EXPECT_EQ(closed_windows, 1);
}
