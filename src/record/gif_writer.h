#pragma once
// The GIF89a recording writer: a looping animation whose frames are the rectangles that changed,
// each with its own colour table and LZW-coded indices. Platform-free; the colour reduction
// comes through a Quantizer (WIC on Windows).
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "record/frame_channel.h"
#include "util/byte_sink.h"
#include "util/result.h"

inline constexpr size_t GIF_WRITE_BUFFER = 8192;
// The error of a recording, GIF or MP4, that ends before any frame reached its writer.
inline constexpr std::string_view NO_FRAME_RECORDED = "no frame was recorded";

// Collects small writes and passes them on in blocks of GIF_WRITE_BUFFER bytes. After a failed
// write every later call returns that failure.
class BufferedWriter {
public:
    explicit BufferedWriter(ByteSink& sink) : sink_(sink) { buffer_.reserve(GIF_WRITE_BUFFER); }
    Status put(const uint8_t* data, size_t size);
    Status put_byte(uint8_t byte) { return put(&byte, 1); }
    Status put_u16(uint16_t v);
    Status flush();

private:
    ByteSink& sink_;
    std::vector<uint8_t> buffer_;
    std::optional<Error> failed_;
};

// At most 256 colours (0xAARRGGBB) and one index per pixel, row by row.
struct QuantizedImage {
    std::vector<uint8_t> indices;
    std::vector<uint32_t> colours;
};

class Quantizer {
public:
    virtual ~Quantizer() = default;
    // `pixels`: width x height, blue, green, red and a byte without colour.
    virtual Result<QuantizedImage> quantize(std::span<const uint32_t> pixels, uint32_t width, uint32_t height) = 0;
};

struct GifRect {
    uint16_t left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const GifRect&, const GifRect&) = default;
};

// A frame waiting for the time of the next changed frame, which ends it.
struct PendingFrame {
    std::vector<uint8_t> indices;
    std::vector<uint32_t> colours;
    double time = 0;
    GifRect rect;
};

// The 32-byte file header: GIF89a, the screen size, no global table, loop for ever.
std::array<uint8_t, 32> gif_header(uint16_t width, uint16_t height);

// The rectangle whose pixels differ from `reference` in blue, green or red; none when nothing
// does. Both frames are width x height.
std::optional<GifRect> changed_rect(std::span<const uint32_t> reference, std::span<const uint32_t> frame,
                                    uint16_t width, uint16_t height);

// Centiseconds of a time in seconds, rounded; negative and NaN give 0, saturating at the top.
uint64_t gif_centiseconds(double seconds);

// Appends one frame's blocks (control extension, descriptor, local table, image data). Its
// delay runs from `written` (the sum of the delays so far, centiseconds) to `end_time`, kept
// within 2 and 65535. Returns the new sum.
Result<uint64_t> gif_write_frame(BufferedWriter& out, const PendingFrame& frame, double end_time, uint64_t written);

// The GIF path of a recording, one frame at a time.
class GifEncoder {
public:
    GifEncoder(ByteSink& sink, Quantizer& quantizer, uint32_t width, uint32_t height)
        : out_(sink), quantizer_(quantizer), width_(width), height_(height) {}
    // The header. Fails for a size GIF cannot hold.
    Status begin();
    // Keeps the frame when it changed anything, and writes the one before it.
    Status add(RecordFrame frame);
    // The last frame, the trailer, the flush. Fails when no frame was added (the file then holds
    // no image).
    Status finish();

    uint64_t written_centiseconds() const { return written_; }

private:
    BufferedWriter out_;
    Quantizer& quantizer_;
    uint32_t width_, height_;
    std::vector<uint32_t> reference_;
    std::optional<PendingFrame> pending_;
    uint64_t written_ = 0;
    double last_received_ = std::numeric_limits<double>::quiet_NaN();
};
