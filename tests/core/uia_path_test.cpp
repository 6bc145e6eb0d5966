#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <set>

#include "dev/uia_bench_line.h"
#include "uia/uia_path.h"

namespace {

constexpr uintptr_t W = 0x100;   // the window under test
constexpr uintptr_t W2 = 0x200;  // another window
constexpr Rect W_RECT{0, 0, 800, 600};

struct Node {
    std::optional<Rect> rect;
    std::optional<bool> offscreen = false;
    int parent = -1;
    std::vector<int> children;
    bool children_fail = false;
    bool unreadable = false;  // as a child: cannot be read from its list
};

class FakeTree;

class FakeElement final : public UiaElement {
public:
    FakeElement(const FakeTree& tree, int id) : tree_(tree), id(id) {}
    std::optional<Rect> cached_rect() const override;
    std::optional<bool> cached_offscreen() const override;

    const FakeTree& tree_;
    const int id;
};

class FakeTree final : public UiaElementSource {
public:
    int add(std::optional<Rect> rect, int parent = -1) {
        nodes.push_back(Node{rect});
        const int id = static_cast<int>(nodes.size()) - 1;
        nodes[id].parent = parent;
        if (parent >= 0) nodes[parent].children.push_back(id);
        return id;
    }
    // A window whose element has the window's own rectangle.
    int add_window(uintptr_t window, Rect rect) {
        const int id = add(rect);
        window_elements[window] = id;
        window_rects[window] = rect;
        return id;
    }

    UiaElementPtr element_from_point(int32_t, int32_t) override {
        ++element_calls;
        return make(under_point);
    }
    UiaElementPtr parent(const UiaElement& e) override {
        ++element_calls;
        return make(nodes[id_of(e)].parent);
    }
    UiaElementPtr element_from_window(uintptr_t window) override {
        ++element_calls;
        from_window_calls.push_back(window);
        const auto it = window_elements.find(window);
        return make(it == window_elements.end() ? -1 : it->second);
    }
    std::unique_ptr<UiaChildren> children(const UiaElement& e) override;
    uintptr_t root_window_at(int32_t, int32_t) override { return root_under_point; }
    std::optional<Rect> window_rect(uintptr_t window) override {
        const auto it = window_rects.find(window);
        if (it == window_rects.end()) return std::nullopt;
        return it->second;
    }
    bool is_own_process_window(uintptr_t window) override { return own.count(window) != 0; }

    UiaElementPtr make(int id) const { return id < 0 ? nullptr : std::make_shared<FakeElement>(*this, id); }
    static int id_of(const UiaElement& e) { return static_cast<const FakeElement&>(e).id; }

    std::vector<Node> nodes;
    std::map<uintptr_t, int> window_elements;
    std::map<uintptr_t, Rect> window_rects;
    uintptr_t root_under_point = W;
    int under_point = -1;
    std::set<uintptr_t> own;
    int element_calls = 0;
    std::vector<int> children_calls;
    std::vector<uintptr_t> from_window_calls;
};

std::optional<Rect> FakeElement::cached_rect() const { return tree_.nodes[id].rect; }
std::optional<bool> FakeElement::cached_offscreen() const { return tree_.nodes[id].offscreen; }

class FakeChildren final : public UiaChildren {
public:
    FakeChildren(const FakeTree& tree, const std::vector<int>& ids) : tree_(tree), ids_(ids) {}
    size_t count() const override { return ids_.size(); }
    UiaElementPtr at(size_t i) override { return tree_.nodes[ids_[i]].unreadable ? nullptr : tree_.make(ids_[i]); }

private:
    const FakeTree& tree_;
    const std::vector<int>& ids_;
};

std::unique_ptr<UiaChildren> FakeTree::children(const UiaElement& e) {
    ++element_calls;
    const int id = id_of(e);
    children_calls.push_back(id);
    if (nodes[id].children_fail) return nullptr;
    return std::make_unique<FakeChildren>(*this, nodes[id].children);
}

using Rects = std::vector<Rect>;

}  // namespace

TEST(UiaPath, InnermostFirstAndTheWindowLast) {
    FakeTree t;
    const int w = t.add_window(W, W_RECT);
    const int a = t.add(Rect{10, 10, 400, 300}, w);
    t.add(Rect{20, 20, 100, 100}, a);
    t.add(Rect{300, 200, 390, 290}, a);  // not under the point
    UiaPath kept;
    EXPECT_EQ(uia_find_element_rects(t, kept, W, 50, 50), (Rects{{20, 20, 100, 100}, {10, 10, 400, 300}, W_RECT}));
    EXPECT_EQ(kept.root, W);
    EXPECT_EQ(kept.entries.size(), 3u);
}

TEST(UiaPath, ChoiceAmongTheChildren) {
    struct Child {
        std::optional<Rect> rect;
        std::optional<bool> offscreen = false;
        bool unreadable = false;
    };
    struct Case {
        const char* name;
        std::vector<Child> children;
        int chosen;  // -1: none
    };
    const Case cases[] = {
        {"smallest containing", {{Rect{0, 0, 200, 200}}, {Rect{40, 40, 60, 60}}, {Rect{45, 45, 70, 70}}}, 1},
        {"offscreen never chosen", {{Rect{0, 0, 200, 200}}, {Rect{40, 40, 60, 60}, true}}, 0},
        {"failed offscreen read is on screen", {{Rect{0, 0, 200, 200}}, {Rect{40, 40, 60, 60}, std::nullopt}}, 1},
        {"narrower than 4", {{Rect{0, 0, 200, 200}}, {Rect{49, 0, 52, 200}}}, 0},
        {"lower than 4", {{Rect{0, 0, 200, 200}}, {Rect{0, 49, 200, 52}}}, 0},
        {"4 x 4 is enough", {{Rect{0, 0, 200, 200}}, {Rect{48, 48, 52, 52}}}, 1},
        {"equal areas: the later", {{Rect{0, 0, 100, 100}}, {Rect{40, 40, 140, 140}}}, 1},
        {"equal areas: the later, other order", {{Rect{40, 40, 140, 140}}, {Rect{0, 0, 100, 100}}}, 1},
        {"not containing", {{Rect{100, 100, 200, 200}}}, -1},
        {"right and bottom exclusive", {{Rect{0, 0, 50, 50}}}, -1},
        {"rect unreadable ends the descent", {{Rect{0, 0, 200, 200}}, {std::nullopt}}, -1},
        {"child unreadable ends the descent", {{Rect{0, 0, 200, 200}}, {Rect{40, 40, 60, 60}, false, true}}, -1},
        {"inverted rect", {{Rect{60, 60, 40, 40}}}, -1},
        {"extreme coordinates", {{Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}}, {Rect{0, 0, 200, 200}}}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeTree t;
        const int w = t.add_window(W, W_RECT);
        for (const Child& ch : c.children) {
            const int id = t.add(ch.rect, w);
            t.nodes[id].offscreen = ch.offscreen;
            t.nodes[id].unreadable = ch.unreadable;
        }
        UiaPath kept;
        Rects expected;
        if (c.chosen >= 0) expected.push_back(*c.children[c.chosen].rect);
        expected.push_back(W_RECT);
        EXPECT_EQ(uia_find_element_rects(t, kept, W, 50, 50), expected);
    }
}

TEST(UiaPath, DescentStopsAfterFortyLevels) {
    FakeTree t;
    int parent = t.add_window(W, W_RECT);
    for (int i = 1; i <= 50; ++i) parent = t.add(Rect{i, i, 600 - i, 500 - i}, parent);
    UiaPath kept;
    const Rects rects = uia_find_element_rects(t, kept, W, 300, 250);
    ASSERT_EQ(rects.size(), 41u);
    EXPECT_EQ(rects.front(), (Rect{40, 40, 560, 460}));
    EXPECT_EQ(rects.back(), W_RECT);
}

TEST(UiaPath, OnlyTheFirst5000ChildrenAreLookedAt) {
    for (const int index : {4999, 5000}) {
        SCOPED_TRACE(index);
        FakeTree t;
        const int w = t.add_window(W, W_RECT);
        for (int i = 0; i < 5200; ++i) t.add(i == index ? Rect{40, 40, 60, 60} : Rect{700, 500, 720, 520}, w);
        UiaPath kept;
        EXPECT_EQ(uia_find_element_rects(t, kept, W, 50, 50).size(), index < 5000 ? 2u : 1u);
    }
}

TEST(UiaPath, AFailedChildrenCallEndsTheDescentWithThePathSoFar) {
    FakeTree t;
    const int w = t.add_window(W, W_RECT);
    const int a = t.add(Rect{10, 10, 400, 300}, w);
    t.add(Rect{20, 20, 100, 100}, a);
    t.nodes[a].children_fail = true;
    UiaPath kept;
    EXPECT_EQ(uia_find_element_rects(t, kept, W, 50, 50), (Rects{{10, 10, 400, 300}, W_RECT}));
}

TEST(UiaPath, ReuseTrimsToTheDeepestEntryStillContainingThePoint) {
    FakeTree t;
    const int w = t.add_window(W, W_RECT);
    const int a = t.add(Rect{0, 0, 400, 600}, w);
    const int b = t.add(Rect{0, 0, 200, 200}, a);
    const int c = t.add(Rect{0, 300, 200, 500}, a);
    UiaPath kept;
    ASSERT_EQ(uia_find_element_rects(t, kept, W, 50, 50), (Rects{{0, 0, 200, 200}, {0, 0, 400, 600}, W_RECT}));

    t.children_calls.clear();
    EXPECT_EQ(uia_find_element_rects(t, kept, W, 60, 60).size(), 3u);
    EXPECT_EQ(t.children_calls, (std::vector<int>{b}));  // within one control: one children query

    t.children_calls.clear();
    EXPECT_EQ(uia_find_element_rects(t, kept, W, 50, 400), (Rects{{0, 300, 200, 500}, {0, 0, 400, 600}, W_RECT}));
    EXPECT_EQ(t.children_calls, (std::vector<int>{a, c}));  // from the trimmed end, not the window
    EXPECT_EQ(t.from_window_calls, (std::vector<uintptr_t>{W}));

    // Outside every kept entry, or in another window: a new path from the window's element.
    EXPECT_EQ(uia_find_element_rects(t, kept, W, 900, 50), (Rects{W_RECT}));
    t.add_window(W2, Rect{0, 0, 300, 300});
    EXPECT_EQ(uia_find_element_rects(t, kept, W2, 50, 50), (Rects{{0, 0, 300, 300}}));
    EXPECT_EQ(t.from_window_calls, (std::vector<uintptr_t>{W, W, W2}));
}

TEST(UiaPath, TheWindowsElementRectMustExceedThreePixelsElseTheWindowRect) {
    struct Case {
        std::optional<Rect> element_rect;
        std::optional<Rect> window_rect;
        Rects expected;
    };
    const Rect win{0, 0, 300, 200};
    const Case cases[] = {
        {Rect{0, 0, 3, 100}, win, {win}},
        {Rect{0, 0, 100, 3}, win, {win}},
        {std::nullopt, win, {win}},
        {Rect{10, 10, 14, 14}, win, {{10, 10, 14, 14}}},
        {Rect{0, 0, 2, 2}, std::nullopt, {}},
    };
    for (const Case& c : cases) {
        FakeTree t;
        t.window_elements[W] = t.add(c.element_rect);
        if (c.window_rect) t.window_rects[W] = *c.window_rect;
        UiaPath kept;
        EXPECT_EQ(uia_find_element_rects(t, kept, W, 1, 1), c.expected);
    }
}

TEST(UiaPath, SeedFromThePointStopsAtTheElementCoveringTheWindow) {
    FakeTree t;
    const int desktop = t.add(Rect{0, 0, 1920, 1080});
    const int w = t.add(W_RECT, desktop);  // covers GetWindowRect: taken, and the walk ends
    t.window_rects[W] = W_RECT;
    const int a = t.add(Rect{10, 10, 400, 300}, w);
    const int b = t.add(Rect{20, 20, 100, 100}, a);
    t.add(Rect{40, 40, 60, 60}, b);  // the descent continues below the seed
    t.under_point = b;
    UiaPath kept;
    EXPECT_EQ(uia_find_element_rects(t, kept, 0, 50, 50),
              (Rects{{40, 40, 60, 60}, {20, 20, 100, 100}, {10, 10, 400, 300}, W_RECT}));
    EXPECT_TRUE(t.from_window_calls.empty());
    EXPECT_EQ(kept.root, W);
    ASSERT_EQ(kept.entries.size(), 4u);
    EXPECT_EQ(kept.entries.front().rect, W_RECT);  // outermost first
}

TEST(UiaPath, SeedStopsBeforeAnElementUnderFourPixels) {
    FakeTree t;
    const int w = t.add_window(W, W_RECT);
    const int a = t.add(Rect{10, 10, 400, 300}, w);
    const int tiny = t.add(Rect{49, 49, 51, 51}, a);
    t.under_point = tiny;
    UiaPath kept;
    // Nothing seeded: the path starts from the window's own element instead.
    EXPECT_EQ(uia_find_element_rects(t, kept, 0, 50, 50), (Rects{{10, 10, 400, 300}, W_RECT}));
    EXPECT_EQ(t.from_window_calls, (std::vector<uintptr_t>{W}));
}

TEST(UiaPath, SeedHoldsAtMostFortyElements) {
    FakeTree t;
    t.window_rects[W] = Rect{-10, -10, 5000, 5000};  // no element covers it
    int node = t.add(Rect{0, 0, 1000, 1000});
    for (int i = 1; i < 60; ++i) node = t.add(Rect{i, i, 1000 - i, 1000 - i}, node);
    // The chain runs child to parent through `parent`; the deepest node is under the point.
    t.under_point = node;
    UiaPath kept;
    const Rects rects = uia_find_element_rects(t, kept, 0, 500, 500);
    ASSERT_EQ(rects.size(), 40u);
    EXPECT_EQ(rects.front(), (Rect{59, 59, 941, 941}));
    EXPECT_EQ(rects.back(), (Rect{20, 20, 980, 980}));
}

TEST(UiaPath, OwnWindowsAndNoWindowGiveNothingWithoutAnyElementCall) {
    struct Case {
        uintptr_t window;
        uintptr_t root_under_point;
    };
    for (const Case c : {Case{W, W2}, Case{0, W}, Case{0, 0}}) {
        FakeTree t;
        t.add_window(W, W_RECT);
        t.own.insert(W);
        t.root_under_point = c.root_under_point;
        t.under_point = t.window_elements[W];
        UiaPath kept;
        EXPECT_TRUE(uia_find_element_rects(t, kept, c.window, 50, 50).empty());
        EXPECT_EQ(t.element_calls, 0);
    }
}

TEST(UiaPath, ACyclicProviderCannotGrowThePathWithoutBound) {
    FakeTree t;
    const int w = t.add_window(W, W_RECT);
    t.nodes[w].children.push_back(w);  // the window is its own child
    UiaPath kept;
    for (int i = 0; i < 5; ++i) EXPECT_LE(uia_find_element_rects(t, kept, W, 50, 50).size(), UIA_PATH_LIMIT);
    EXPECT_EQ(kept.entries.size(), UIA_PATH_LIMIT);
}

TEST(UiaBenchLine, FixedPieces) {
    struct Case {
        const char* label;
        double ms;
        Rects rects;
        const char* line;
    };
    const Case cases[] = {
        {"first", 12.345, {{0, 0, 100, 50}, {0, 0, 800, 600}}, "  first: 12.35 ms, 2 levels, innermost 100x50\n"},
        {"from point #3", 0.5, {}, "  from point #3: 0.50 ms, 0 levels, innermost \n"},
        {"nearby", 1, {{INT_MIN, 0, INT_MAX, 1}}, "  nearby: 1.00 ms, 1 levels, innermost 4294967295x1\n"},
    };
    for (const Case& c : cases) {
        std::string report = "cursor 1,2\n";
        write_uia_bench_line(report, c.label, c.ms, c.rects);
        EXPECT_EQ(report, std::string("cursor 1,2\n") + c.line);
    }
    EXPECT_EQ(uia_bench_median({}), 0);
    EXPECT_EQ(uia_bench_median({5, 1, 3}), 3);
    EXPECT_EQ(uia_bench_median({4, 1, 3, 2}), 3);  // the upper middle one
}
