#include <gtest/gtest.h>

#include <set>

#include "annot/geometry.h"
#include "annot/preview_samples.h"

TEST(PreviewSamples, EveryKindAboveTheToolbarStrip) {
    const std::vector<Annotation> samples = preview_annotations();
    std::set<Tool> kinds;
    std::set<std::string> texts;
    for (const Annotation& a : samples) {
        kinds.insert(a.kind);
        if (a.kind == Tool::Text) texts.insert(a.text);
        const Rect r = paint_bounds(a, nullptr);
        EXPECT_GE(r.l, 0);
        EXPECT_GE(r.t, 0);
        EXPECT_LE(r.r, 1000);
        EXPECT_LE(r.b, 392);
    }
    EXPECT_EQ(kinds.size(), 10u);
    EXPECT_TRUE(texts.count("\xE6\xA8\x99\xE8\xA8\xBB\xE6\x96\x87\xE5\xAD\x97 Text 123"));
    EXPECT_TRUE(texts.count("\xE7\x99\xBD\xE8\x89\xB2\xE5\xA4\x96\xE6\xA1\x86\nsecond line"));
}
