#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "exact_quantizer.h"
#include "gif_decoder.h"
#include "record/gif_lzw.h"
#include "record/gif_writer.h"

namespace {

constexpr uint32_t W = 40, H = 24;

// A grey background with a box of `colour` at (x, y).
std::vector<uint32_t> scene(uint32_t x, uint32_t y, uint32_t colour = 0x3040E0, uint32_t box = 6) {
    std::vector<uint32_t> px(size_t{W} * H, 0xFF808080u);
    for (uint32_t yy = y; yy < y + box && yy < H; ++yy) {
        for (uint32_t xx = x; xx < x + box && xx < W; ++xx) px[yy * W + xx] = 0xFF000000u | colour;
    }
    return px;
}

struct Encoded {
    std::vector<uint8_t> bytes;
    DecodedGif gif;
};

Encoded encode(std::vector<RecordFrame> frames, uint32_t w = W, uint32_t h = H) {
    MemorySink sink;
    ExactQuantizer quantizer;
    GifEncoder encoder(sink, quantizer, w, h);
    EXPECT_TRUE(encoder.begin());
    for (RecordFrame& f : frames) EXPECT_TRUE(encoder.add(std::move(f)));
    EXPECT_TRUE(encoder.finish());
    std::string error;
    auto gif = decode_gif(sink.bytes, &error);
    EXPECT_TRUE(gif) << error;
    return {sink.bytes, gif ? *gif : DecodedGif{}};
}

std::vector<uint16_t> delays(const DecodedGif& gif) {
    std::vector<uint16_t> d;
    for (const auto& f : gif.frames) d.push_back(f.delay);
    return d;
}

class FailingSink : public ByteSink {
public:
    Status write(const uint8_t*, size_t size) override {
        sizes.push_back(size);
        return make_error("The disk is full.", 112);
    }
    std::vector<size_t> sizes;
};

}  // namespace

TEST(GifWriter, HeaderAndTrailerBytes) {
    const std::vector<uint8_t> header{'G', 'I', 'F', '8', '9', 'a', 0x28, 0x00, 0x18, 0x00, 0x00, 0x00, 0x00,
                                      0x21, 0xFF, 0x0B, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0',
                                      0x03, 0x01, 0x00, 0x00, 0x00};
    const auto h = gif_header(W, H);
    EXPECT_EQ(std::vector<uint8_t>(h.begin(), h.end()), header);
    const Encoded e = encode({{scene(0, 0), 0.0}});
    ASSERT_GT(e.bytes.size(), 33u);
    EXPECT_EQ(std::vector<uint8_t>(e.bytes.begin(), e.bytes.begin() + 32), header);
    EXPECT_EQ(e.bytes.back(), 0x3B);
    EXPECT_EQ(e.gif.loop_count, 0);
    ASSERT_EQ(e.gif.frames.size(), 1u);
    EXPECT_EQ(e.gif.frames[0].packed_gce, 0x04);
}

TEST(GifWriter, ChangedRectangles) {
    struct Case {
        const char* name;
        std::vector<uint32_t> second;
        std::optional<GifRect> rect;  // none: the second frame is dropped
    };
    std::vector<uint32_t> one_pixel = scene(0, 0);
    one_pixel[3 * W + 7] ^= 0x000100;
    std::vector<uint32_t> fourth_byte = scene(0, 0);
    for (uint32_t& p : fourth_byte) p ^= 0x5A000000u;
    std::vector<uint32_t> corners = scene(0, 0);
    corners[0] ^= 1;
    corners[W * H - 1] ^= 1;
    const Case cases[] = {
        {"one pixel", one_pixel, GifRect{7, 3, 1, 1}},
        {"only the fourth byte", fourth_byte, std::nullopt},
        {"nothing", scene(0, 0), std::nullopt},
        {"both corners", corners, GifRect{0, 0, W, H}},
        {"box moved right by 3", scene(3, 0), GifRect{0, 0, 9, 6}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(changed_rect(scene(0, 0), c.second, W, H), c.rect) << c.name;
        const Encoded e = encode({{scene(0, 0), 0.0}, {c.second, 0.5}});
        ASSERT_EQ(e.gif.frames.size(), c.rect ? 2u : 1u) << c.name;
        EXPECT_EQ(e.gif.frames[0].width, W);
        if (c.rect) {
            const DecodedGifFrame& f = e.gif.frames[1];
            EXPECT_EQ((GifRect{f.left, f.top, f.width, f.height}), *c.rect) << c.name;
        }
    }
}

TEST(GifWriter, Delays) {
    struct Case {
        const char* name;
        std::vector<double> times;  // each frame differs from the one before
        bool all_same;
        std::vector<uint16_t> delays;
    };
    const Case cases[] = {
        // A lone frame runs from written time 0 to its own time + 0.1 s or the last received.
        {"nothing moves", {0.5, 1.0, 1.5}, true, {150}},
        {"lone frame", {0.5}, false, {60}},
        {"lone frame at 0", {0.0}, false, {10}},
        {"10 ms apart catch up later", {0.0, 0.01, 0.02, 0.03, 0.5}, false, {2, 2, 2, 44, 10}},
        {"regular 66 ms", {0.0, 0.066, 0.133, 0.2}, false, {7, 6, 7, 10}},
        {"long pause is capped", {0.0, 1000.0}, false, {65535, 34475}},
    };
    for (const Case& c : cases) {
        std::vector<RecordFrame> frames;
        for (size_t i = 0; i < c.times.size(); ++i) {
            frames.push_back({c.all_same ? scene(0, 0) : scene(static_cast<uint32_t>(i % 30), 0), c.times[i]});
        }
        EXPECT_EQ(delays(encode(std::move(frames)).gif), c.delays) << c.name;
    }
}

TEST(GifWriter, CentisecondsAndTableBits) {
    EXPECT_EQ(gif_centiseconds(-1.0), 0u);
    EXPECT_EQ(gif_centiseconds(std::nan("")), 0u);
    EXPECT_EQ(gif_centiseconds(0.015), 2u);  // half away from zero
    EXPECT_EQ(gif_centiseconds(1e30), UINT64_MAX);
    const std::pair<size_t, uint32_t> bits[] = {{0, 1},  {1, 1},  {2, 1},  {3, 2},  {4, 2},   {5, 3},   {8, 3},
                                                {9, 4},  {16, 4}, {17, 5}, {32, 5}, {33, 6},  {64, 6},  {65, 7},
                                                {128, 7}, {129, 8}, {256, 8}};
    for (const auto& [n, d] : bits) EXPECT_EQ(gif_table_bits(n), d) << n;
}

TEST(GifWriter, TwoColoursGiveTheSmallestTableAndCodeSize) {
    const Encoded e = encode({{scene(4, 4, 0xFFFFFF), 0.0}});
    ASSERT_EQ(e.gif.frames.size(), 1u);
    const DecodedGifFrame& f = e.gif.frames[0];
    EXPECT_EQ(f.packed_descriptor, 0x80);  // D = 1
    EXPECT_EQ(f.min_code_size, 2);
    EXPECT_EQ(f.palette, (std::vector<uint32_t>{0x808080, 0xFFFFFF}));
}

TEST(GifWriter, LzwRoundTripsThroughDictionaryResets) {
    struct Case {
        const char* name;
        size_t count;
        uint32_t min_code_size;
        uint32_t colours;  // 0: one run of index 1
    };
    const Case cases[] = {
        {"empty", 0, 2, 4},         {"one index", 1, 2, 4},          {"one long run", 100'000, 8, 0},
        {"random 200k, 256 colours", 200'000, 8, 256}, {"random 200k, 4 colours", 200'000, 2, 4},
        {"random 50k, 2 colours", 50'000, 2, 2},  {"random 70k, 32 colours", 70'000, 5, 32},
    };
    std::mt19937 rng(20240611);
    for (const Case& c : cases) {
        std::vector<uint8_t> indices(c.count, 1);
        if (c.colours) {
            for (uint8_t& i : indices) i = static_cast<uint8_t>(rng() % c.colours);
        }
        std::vector<uint8_t> codes;
        lzw_encode(indices, c.min_code_size, codes);
        std::string error;
        const auto back = lzw_decode(codes, c.min_code_size, &error);
        ASSERT_TRUE(back) << c.name << ": " << error;
        EXPECT_EQ(*back, indices) << c.name;
    }
}

TEST(GifWriter, LzwEndCodeIsWrittenAtTheWidthTheDecoderReadsIt) {
    // The last code given out makes the decoder's next code 8 = 2^3: it reads the end code with
    // 4 bits, and 3 would leave the stream a bit short.
    const std::vector<uint8_t> thirteen{2, 3, 1, 0, 0, 0, 2, 2, 0, 2, 1, 1, 0};
    std::vector<uint8_t> codes;
    lzw_encode(thirteen, 2, codes);
    std::string error;
    auto back = lzw_decode(codes, 2, &error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(*back, thirteen);
    // Every length up to past the first reset, so the end lands after each width step.
    std::mt19937 rng(26);
    for (const uint32_t m : {2u, 3u, 8u}) {
        for (size_t n = 1; n <= 4200; n += (n < 300 ? 1 : 7)) {
            std::vector<uint8_t> indices(n);
            for (uint8_t& i : indices) i = static_cast<uint8_t>(rng() % (1u << m));
            codes.clear();
            lzw_encode(indices, m, codes);
            back = lzw_decode(codes, m, &error);
            ASSERT_TRUE(back) << "m " << m << ", " << n << " indices: " << error;
            ASSERT_EQ(*back, indices) << "m " << m << ", " << n << " indices";
        }
    }
}

TEST(GifWriter, LzwClearsAfterCode4095AtWidth12) {
    // Random indices over 256 colours: nearly every pair is new, so code 4095 comes early.
    std::mt19937 rng(99);
    std::vector<uint8_t> indices(20'000);
    for (uint8_t& i : indices) i = static_cast<uint8_t>(rng());
    std::vector<uint8_t> codes;
    lzw_encode(indices, 8, codes);
    // Walk the widths as the coder chose them: clear(9), then codes up to the reset.
    size_t bit = 9;
    uint32_t width = 9, next = 258;
    auto read = [&](uint32_t w) {
        uint32_t v = 0;
        for (uint32_t i = 0; i < w; ++i, ++bit) v |= (codes[bit / 8] >> (bit % 8) & 1u) << i;
        return v;
    };
    bool cleared = false;
    while (!cleared) {
        const uint32_t code = read(width);
        ASSERT_NE(code, 256u) << "early clear";
        const uint32_t assigned = next++;
        if (assigned >> width) ++width;
        if (assigned == 4095) {
            EXPECT_EQ(width, 12u);
            EXPECT_EQ(read(width), 256u);  // the clear code, at width 12
            cleared = true;
        }
    }
    std::string error;
    const auto back = lzw_decode(codes, 8, &error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(*back, indices);
}

TEST(GifWriter, EveryFrameDecodesToTheRecordedPixels) {
    std::vector<RecordFrame> frames;
    std::vector<std::vector<uint32_t>> expected;
    const uint32_t colours[] = {0x3040E0, 0x10F010, 0xE0E000};
    for (uint32_t i = 0; i < 12; ++i) {
        std::vector<uint32_t> px = scene((i * 5) % 34, (i * 3) % 18, colours[i % 3]);
        if (i == 6) px = frames.back().pixels;  // unchanged: dropped
        if (i != 6) expected.push_back(px);
        frames.push_back({std::move(px), i * 0.07});
    }
    const Encoded e = encode(std::move(frames));
    ASSERT_EQ(e.gif.frames.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        for (size_t p = 0; p < expected[i].size(); ++p) {
            ASSERT_EQ(e.gif.frames[i].canvas[p], expected[i][p] & 0xFFFFFFu) << "frame " << i << " pixel " << p;
        }
    }
}

TEST(GifWriter, BufferedOutputAndFailures) {
    // Large frames go out in 8192-byte blocks.
    struct CountingSink : ByteSink {
        std::vector<size_t> sizes;
        Status write(const uint8_t*, size_t size) override {
            sizes.push_back(size);
            return {};
        }
    } counting;
    {
        std::mt19937 rng(7);
        std::vector<uint32_t> noise(200 * 100);
        for (uint32_t& p : noise) p = rng() % 200 * 0x010101u;
        ExactQuantizer q;
        GifEncoder encoder(counting, q, 200, 100);
        ASSERT_TRUE(encoder.begin());
        ASSERT_TRUE(encoder.add({noise, 0.0}));
        ASSERT_TRUE(encoder.finish());
        ASSERT_GT(counting.sizes.size(), 2u);
        for (size_t i = 0; i + 1 < counting.sizes.size(); ++i) EXPECT_EQ(counting.sizes[i], GIF_WRITE_BUFFER);
    }
    // A failed write is final: it comes back from every later call.
    FailingSink failing;
    ExactQuantizer q;
    GifEncoder encoder(failing, q, W, H);
    ASSERT_TRUE(encoder.begin());  // still in the buffer
    ASSERT_TRUE(encoder.add({scene(0, 0), 0.0}));
    const Status finished = encoder.finish();
    ASSERT_FALSE(finished);
    EXPECT_EQ(finished.error().message, "The disk is full.");
    EXPECT_EQ(failing.sizes.size(), 1u);

    // Sizes GIF cannot hold, frames of the wrong size and more than 256 colours are errors.
    MemorySink sink;
    EXPECT_FALSE(GifEncoder(sink, q, 70000, 10).begin());
    EXPECT_FALSE(GifEncoder(sink, q, 0, 10).begin());
    GifEncoder small(sink, q, W, H);
    ASSERT_TRUE(small.begin());
    EXPECT_FALSE(small.add({std::vector<uint32_t>(5), 0.0}));
    std::vector<uint32_t> many(size_t{W} * H);
    for (size_t i = 0; i < many.size(); ++i) many[i] = static_cast<uint32_t>(i * 7919);
    EXPECT_FALSE(small.add({many, 0.0}));

    // A recording that ends before its first frame is a failure, not an animation without an image.
    GifEncoder empty(sink, q, W, H);
    ASSERT_TRUE(empty.begin());
    const Status none = empty.finish();
    ASSERT_FALSE(none);
    EXPECT_EQ(none.error().message, NO_FRAME_RECORDED);
}

TEST(GifWriter, QuantizerAnswersAreChecked) {
    struct BadQuantizer : Quantizer {
        QuantizedImage answer;
        Result<QuantizedImage> quantize(std::span<const uint32_t>, uint32_t, uint32_t) override { return answer; }
    };
    struct Case {
        const char* name;
        QuantizedImage answer;
    };
    const size_t n = size_t{W} * H;
    const Case cases[] = {
        {"too few indices", {std::vector<uint8_t>(n - 1, 0), {0xFF000000u}}},
        {"no colours", {std::vector<uint8_t>(n, 0), {}}},
        {"index past the palette", {std::vector<uint8_t>(n, 2), {0xFF000000u, 0xFFFFFFFFu}}},
    };
    for (const Case& c : cases) {
        BadQuantizer q;
        q.answer = c.answer;
        MemorySink sink;
        GifEncoder encoder(sink, q, W, H);
        ASSERT_TRUE(encoder.begin());
        EXPECT_FALSE(encoder.add({scene(0, 0), 0.0})) << c.name;
    }
}

// An outside decoder (ImageMagick, which scripts/setup installs) reads one-frame GIFs over the
// coder's edge cases back to the same pixels.
TEST(GifWriter, ImageMagickReadsEdgeCaseStreamsBack) {
    struct Case {
        const char* name;
        uint16_t width, height;
        uint32_t colours;
        std::vector<uint8_t> indices;  // empty: random over the colours
    };
    std::vector<Case> cases = {
        {"one pixel", 1, 1, 2, {1}},
        {"end code one bit wider", 13, 1, 4, {2, 3, 1, 0, 0, 0, 2, 2, 0, 2, 1, 1, 0}},
        {"one long run", 300, 200, 2, std::vector<uint8_t>(300 * 200, 1)},
        {"random, 4 colours", 97, 31, 4, {}},
        {"random, 256 colours: table resets", 200, 100, 256, {}},
    };
    std::mt19937 rng(5);
    const auto dir = std::filesystem::temp_directory_path() / ("oxel-gif-" + std::to_string(rng()));
    std::filesystem::create_directories(dir);
    for (Case& c : cases) {
        if (c.indices.empty()) {
            c.indices.resize(size_t{c.width} * c.height);
            for (uint8_t& i : c.indices) i = static_cast<uint8_t>(rng() % c.colours);
        }
        PendingFrame frame{c.indices, {}, 0.0, {0, 0, c.width, c.height}};
        for (uint32_t i = 0; i < c.colours; ++i) frame.colours.push_back(0xFF000000u | (i * 0x3F1D07u & 0xFFFFFFu));
        MemorySink sink;
        BufferedWriter out(sink);
        const auto header = gif_header(c.width, c.height);
        ASSERT_TRUE(out.put(header.data(), header.size()));
        ASSERT_TRUE(gif_write_frame(out, frame, 0.5, 0));
        ASSERT_TRUE(out.put_byte(0x3B));
        ASSERT_TRUE(out.flush());
        const auto path = dir / "case.gif";
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(sink.bytes.data()),
                                                     static_cast<std::streamsize>(sink.bytes.size()));

        FILE* pipe = popen(("convert '" + path.string() + "' -depth 8 rgb:- 2>&1").c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::vector<uint8_t> rgb;
        uint8_t chunk[65536];
        for (size_t n; (n = fread(chunk, 1, sizeof chunk, pipe)) > 0;) rgb.insert(rgb.end(), chunk, chunk + n);
        ASSERT_EQ(pclose(pipe), 0) << c.name << ": " << std::string(rgb.begin(), rgb.end());
        ASSERT_EQ(rgb.size(), c.indices.size() * 3) << c.name;
        for (size_t p = 0; p < c.indices.size(); ++p) {
            const uint32_t want = frame.colours[c.indices[p]] & 0xFFFFFFu;
            const uint32_t got = uint32_t{rgb[p * 3]} << 16 | uint32_t{rgb[p * 3 + 1]} << 8 | rgb[p * 3 + 2];
            ASSERT_EQ(got, want) << c.name << ", pixel " << p;
        }
    }
    std::filesystem::remove_all(dir);
}
