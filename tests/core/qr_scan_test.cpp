#include <gtest/gtest.h>

#include "qr/qr_scan.h"
#include "qr/qr_text.h"
#include "qr_counting_decoder.h"

TEST(QrGrey, WeightsAndInversion) {
    struct Case {
        uint32_t pixel;
        uint8_t plain, inverted;
    };
    const Case cases[] = {
        {0xFFFFFF, 255, 0},    // white
        {0xFF0000, 76, 179},   // red
        {0x00FF00, 149, 106},  // green
        {0x0000FF, 28, 227},   // blue
        {0x000000, 0, 255},
        {0xFF000000, 0, 255},  // the fourth byte carries no colour
        {0x808080, 128, 127},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(qr_grey(c.pixel, false), c.plain) << std::hex << c.pixel;
        EXPECT_EQ(qr_grey(c.pixel, true), c.inverted) << std::hex << c.pixel;
    }
}

TEST(QrGrey, DoubledImageRepeatsEachPixelAsABlock) {
    const std::vector<uint32_t> px{0xFFFFFF, 0xFF0000, 0x000000, 0xFFFFFF};  // 2 × 2
    EXPECT_EQ(qr_grey_image(px, 2, 2, {2, false}),
              (std::vector<uint8_t>{255, 255, 76, 76, 255, 255, 76, 76, 0, 0, 255, 255, 0, 0, 255, 255}));
    EXPECT_EQ(qr_grey_image(px, 2, 2, {1, true}), (std::vector<uint8_t>{0, 179, 255, 0}));
    EXPECT_EQ(qr_grey_image(px, 4, 1, {1, false}), (std::vector<uint8_t>{255, 76, 0, 255}));
}

TEST(QrGrey, PixelsThatDoNotFillTheSizeGiveNoImage) {
    const std::vector<uint32_t> px(5, 0);
    EXPECT_TRUE(qr_grey_image(px, 3, 2, {1, false}).empty());
    EXPECT_TRUE(qr_grey_image(px, 0, 2, {1, false}).empty());
    EXPECT_TRUE(qr_grey_image(px, SIZE_MAX / 2, SIZE_MAX / 2, {2, false}).empty());
}

TEST(QrAttempts, DoublingOnlyUpToOneAndAHalfMillionPixels) {
    struct Case {
        size_t w, h;
        size_t count;
    };
    const Case cases[] = {{1000, 1000, 3}, {1500, 1000, 3}, {1500, 1001, 2}, {1, 1, 3}, {SIZE_MAX, 2, 2}};
    for (const Case& c : cases) {
        const std::vector<QrAttempt> attempts = qr_attempts(c.w, c.h);
        ASSERT_EQ(attempts.size(), c.count) << c.w << "x" << c.h;
        EXPECT_EQ(attempts[0], (QrAttempt{1, false}));
        EXPECT_EQ(attempts[1], (QrAttempt{1, true}));
        if (c.count == 3) {
            EXPECT_EQ(attempts[2], (QrAttempt{2, false}));
        }
    }
}

TEST(QrScan, AttemptsAndTheirImages) {
    struct Case {
        const char* what;
        size_t w, h;
        std::vector<std::vector<std::string>> script;
        std::vector<std::string> texts;
        std::vector<CountingDecoder::Call> calls;
    };
    const Case cases[] = {
        {"nothing in a small selection: three attempts", 1000, 1000, {}, {},
         {{1000, 1000, 255}, {1000, 1000, 0}, {2000, 2000, 255}}},
        {"nothing in a large selection: two attempts", 1500, 1001, {}, {}, {{1500, 1001, 255}, {1500, 1001, 0}}},
        {"the inverted attempt finds it", 30, 20, {{}, {"x"}}, {"x"}, {{30, 20, 255}, {30, 20, 0}}},
        {"only the doubled attempt finds it", 30, 20, {{}, {}, {"y"}}, {"y"}, {{30, 20, 255}, {30, 20, 0}, {60, 40, 255}}},
        {"the first attempt ends the work", 30, 20, {{"a"}, {"b"}}, {"a"}, {{30, 20, 255}}},
        {"exact repeats once, in order", 30, 20, {{"b", "a", "b", "a\xC3\xA4", "a"}}, {"b", "a", "a\xC3\xA4"}, {{30, 20, 255}}},
    };
    for (const Case& c : cases) {
        const std::vector<uint32_t> white(c.w * c.h, 0xFFFFFF);
        CountingDecoder decoder(c.script);
        EXPECT_EQ(qr_scan(white, c.w, c.h, decoder), c.texts) << c.what;
        ASSERT_EQ(decoder.calls.size(), c.calls.size()) << c.what;
        for (size_t i = 0; i < c.calls.size(); ++i) {
            EXPECT_EQ(decoder.calls[i].width, c.calls[i].width) << c.what << " call " << i;
            EXPECT_EQ(decoder.calls[i].height, c.calls[i].height) << c.what << " call " << i;
            EXPECT_EQ(decoder.calls[i].first, c.calls[i].first) << c.what << " call " << i;
        }
    }
}

TEST(QrScan, TooFewPixelsForTheSizeAreNeverRead) {
    const std::vector<uint32_t> px(10, 0);
    CountingDecoder decoder(std::vector<std::vector<std::string>>{{"never"}});
    EXPECT_TRUE(qr_scan(px, 100, 100, decoder).empty());
    EXPECT_TRUE(decoder.calls.empty());
}

TEST(JoinQrTexts, OneEmptyLineBetweenCodes) {
    EXPECT_EQ(join_qr_texts({"one"}), "one");
    EXPECT_EQ(join_qr_texts({"one", "two\nlines", "three"}), "one\n\ntwo\nlines\n\nthree");
    EXPECT_EQ(join_qr_texts({}), "");
}
