#include <gtest/gtest.h>

#include "capture/annotation_layer.h"

namespace {
Annotation of(Tool kind, bool has_points = true) {
    Annotation a;
    a.kind = kind;
    if (has_points) a.points = {{1, 1}, {5, 5}};
    return a;
}
}  // namespace

TEST(AnnotationLayer, WhatMayBeDrawnOverTheFinishedList) {
    struct Case { const char* what; std::vector<Tool> list; Tool extra; bool over; };
    const Case cases[] = {
        {"shape over shapes", {Tool::Rectangle, Tool::Text, Tool::Pen}, Tool::Arrow, true},
        {"shape under a mosaic", {Tool::Rectangle, Tool::Mosaic}, Tool::Ellipse, false},
        {"shape under a spotlight", {Tool::Spotlight}, Tool::Line, false},
        {"mosaic over shapes and mosaics", {Tool::Rectangle, Tool::Mosaic}, Tool::Mosaic, true},
        {"mosaic under a spotlight", {Tool::Spotlight, Tool::Rectangle}, Tool::Mosaic, false},
        {"spotlights dim as one", {}, Tool::Spotlight, false},
        {"empty list", {}, Tool::Highlighter, true},
    };
    for (const Case& c : cases) {
        std::vector<Annotation> list;
        for (Tool t : c.list) list.push_back(of(t));
        EXPECT_EQ(drawn_over_list(list, of(c.extra)), c.over) << c.what;
    }
    // A Mosaic without points draws nothing, so it does not stand in the way.
    EXPECT_TRUE(drawn_over_list({of(Tool::Mosaic, false)}, of(Tool::Rectangle)));
}
