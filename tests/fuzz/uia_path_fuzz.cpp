// The UI Automation path over a made-up element tree: whatever the provider reports (cycles,
// failures, odd rectangles) the walk ends, stays within its limits, and every element it
// chooses below the window is at least 4 x 4 pixels.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "support/fuzz_input.h"
#include "uia/uia_path.h"

namespace {

struct Node {
    std::optional<Rect> rect;
    std::optional<bool> offscreen;
    int parent = -1;
    std::vector<int> children;
    bool children_fail = false;
};

class Tree;

class Element final : public UiaElement {
public:
    Element(const Tree& tree, int id) : tree_(tree), id(id) {}
    std::optional<Rect> cached_rect() const override;
    std::optional<bool> cached_offscreen() const override;
    const Tree& tree_;
    const int id;
};

class Children final : public UiaChildren {
public:
    Children(const Tree& tree, const std::vector<int>& ids) : tree_(tree), ids_(ids) {}
    size_t count() const override { return ids_.size(); }
    UiaElementPtr at(size_t i) override;

private:
    const Tree& tree_;
    const std::vector<int>& ids_;
};

class Tree final : public UiaElementSource {
public:
    UiaElementPtr element_from_point(int32_t, int32_t) override { return make(under_point); }
    UiaElementPtr parent(const UiaElement& e) override { return make(nodes[id_of(e)].parent); }
    UiaElementPtr element_from_window(uintptr_t window) override { return window == root ? make(0) : nullptr; }
    std::unique_ptr<UiaChildren> children(const UiaElement& e) override {
        const Node& n = nodes[id_of(e)];
        if (n.children_fail) return nullptr;
        return std::make_unique<Children>(*this, n.children);
    }
    uintptr_t root_window_at(int32_t, int32_t) override { return root; }
    std::optional<Rect> window_rect(uintptr_t window) override {
        if (window != root) return std::nullopt;
        return root_rect;
    }
    bool is_own_process_window(uintptr_t) override { return own; }

    UiaElementPtr make(int id) const {
        return id < 0 || id >= static_cast<int>(nodes.size()) ? nullptr : std::make_shared<Element>(*this, id);
    }
    static int id_of(const UiaElement& e) { return static_cast<const Element&>(e).id; }

    std::vector<Node> nodes;
    uintptr_t root = 1;
    std::optional<Rect> root_rect;
    int under_point = -1;
    bool own = false;
};

std::optional<Rect> Element::cached_rect() const { return tree_.nodes[id].rect; }
std::optional<bool> Element::cached_offscreen() const { return tree_.nodes[id].offscreen; }
UiaElementPtr Children::at(size_t i) { return tree_.make(ids_[i]); }

std::optional<Rect> read_rect(FuzzInput& in) {
    if (in.below(8) == 0) return std::nullopt;
    // Mostly small coordinates, so that rectangles nest and contain the point; now and then any.
    if (in.flag()) return Rect{in.number<int32_t>(), in.number<int32_t>(), in.number<int32_t>(), in.number<int32_t>()};
    const int32_t l = in.number<int8_t>(), t = in.number<int8_t>();
    return Rect{l, t, l + static_cast<int32_t>(in.number<uint8_t>()), t + static_cast<int32_t>(in.number<uint8_t>())};
}

bool big_enough(const Rect& r) { return int64_t{r.r} - r.l >= 4 && int64_t{r.b} - r.t >= 4; }

void check(const std::vector<Rect>& rects) {
    FUZZ_CHECK(rects.size() <= UIA_PATH_LIMIT);
    // Every element below the window's own (the last) was chosen for its size.
    for (size_t i = 0; i + 1 < rects.size(); ++i) FUZZ_CHECK(big_enough(rects[i]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    Tree tree;
    const size_t count = 1 + in.below(48);
    tree.nodes.resize(count);
    for (size_t i = 0; i < count; ++i) {
        Node& n = tree.nodes[i];
        n.rect = read_rect(in);
        const size_t o = in.below(4);
        n.offscreen = o == 0 ? std::nullopt : std::optional<bool>(o == 1);
        n.parent = static_cast<int>(in.below(count + 1)) - 1;  // any node, itself included: cycles too
        n.children_fail = in.below(16) == 0;
    }
    for (size_t i = 0; i < count; ++i) {
        const size_t kids = in.below(6);
        for (size_t k = 0; k < kids; ++k) tree.nodes[i].children.push_back(static_cast<int>(in.below(count)));
    }
    tree.root_rect = read_rect(in);
    tree.under_point = static_cast<int>(in.below(count + 1)) - 1;
    tree.own = in.below(16) == 0;
    const int32_t x = in.number<int8_t>(), y = in.number<int8_t>();

    UiaPath kept;
    check(uia_find_element_rects(tree, kept, 0, x, y));
    // The next query in the same window starts from the kept path.
    const int32_t x2 = x + in.number<int8_t>() / 8, y2 = y + in.number<int8_t>() / 8;
    check(uia_find_element_rects(tree, kept, tree.root, x2, y2));
    check(uia_find_element_rects(tree, kept, tree.root, in.number<int32_t>(), in.number<int32_t>()));
    return 0;
}
