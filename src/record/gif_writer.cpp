#include "record/gif_writer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "record/gif_lzw.h"

Status BufferedWriter::put(const uint8_t* data, size_t size) {
    if (failed_) return *failed_;
    while (size > 0) {
        const size_t n = std::min(size, GIF_WRITE_BUFFER - buffer_.size());
        buffer_.insert(buffer_.end(), data, data + n);
        data += n;
        size -= n;
        if (buffer_.size() == GIF_WRITE_BUFFER) {
            if (Status s = flush(); !s) return s;
        }
    }
    return {};
}

Status BufferedWriter::put_u16(uint16_t v) {
    const uint8_t bytes[2] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)};
    return put(bytes, 2);
}

Status BufferedWriter::flush() {
    if (failed_) return *failed_;
    if (buffer_.empty()) return {};
    Status s = sink_.write(buffer_.data(), buffer_.size());
    buffer_.clear();
    if (!s) failed_ = s.error();
    return s;
}

std::array<uint8_t, 32> gif_header(uint16_t width, uint16_t height) {
    std::array<uint8_t, 32> h{'G', 'I', 'F', '8', '9', 'a',
                              static_cast<uint8_t>(width), static_cast<uint8_t>(width >> 8),
                              static_cast<uint8_t>(height), static_cast<uint8_t>(height >> 8),
                              0x00, 0x00, 0x00,
                              0x21, 0xFF, 0x0B,
                              'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0',
                              0x03, 0x01, 0x00, 0x00, 0x00};
    return h;
}

std::optional<GifRect> changed_rect(std::span<const uint32_t> reference, std::span<const uint32_t> frame,
                                    uint16_t width, uint16_t height) {
    const size_t w = width;
    if (reference.size() < w * height || frame.size() < w * height) return GifRect{0, 0, width, height};
    size_t left = w, right = 0, top = height, bottom = 0;
    for (size_t y = 0; y < height; ++y) {
        const uint32_t* a = reference.data() + y * w;
        const uint32_t* b = frame.data() + y * w;
        if (std::memcmp(a, b, w * sizeof(uint32_t)) == 0) continue;
        size_t first = 0;
        while (first < w && ((a[first] ^ b[first]) & 0xFFFFFFu) == 0) ++first;
        if (first == w) continue;  // only the byte without colour differs
        size_t last = w - 1;
        while (((a[last] ^ b[last]) & 0xFFFFFFu) == 0) --last;
        left = std::min(left, first);
        right = std::max(right, last + 1);
        top = std::min<size_t>(top, y);
        bottom = y + 1;
    }
    if (bottom == 0) return std::nullopt;
    return GifRect{static_cast<uint16_t>(left), static_cast<uint16_t>(top), static_cast<uint16_t>(right - left),
                   static_cast<uint16_t>(bottom - top)};
}

uint64_t gif_centiseconds(double seconds) {
    const double cs = std::round(seconds * 100.0);
    if (!(cs > 0)) return 0;
    if (cs >= 18446744073709551616.0) return std::numeric_limits<uint64_t>::max();
    return static_cast<uint64_t>(cs);
}

Result<uint64_t> gif_write_frame(BufferedWriter& out, const PendingFrame& frame, double end_time, uint64_t written) {
    const uint64_t end = gif_centiseconds(end_time);
    const uint64_t delay = std::clamp<uint64_t>(end > written ? end - written : 0, 2, 65535);

    const size_t n = frame.colours.size();
    const uint32_t d = gif_table_bits(n);
    std::vector<uint8_t> head = {0x21, 0xF9, 0x04, 0x04, static_cast<uint8_t>(delay), static_cast<uint8_t>(delay >> 8),
                                 0x00, 0x00, 0x2C};
    for (const uint16_t v : {frame.rect.left, frame.rect.top, frame.rect.width, frame.rect.height}) {
        head.push_back(static_cast<uint8_t>(v));
        head.push_back(static_cast<uint8_t>(v >> 8));
    }
    head.push_back(static_cast<uint8_t>(0x80 | (d - 1)));
    for (size_t i = 0; i < (size_t{1} << d); ++i) {
        const uint32_t c = i < n ? frame.colours[i] : 0;
        head.push_back(static_cast<uint8_t>(c >> 16));
        head.push_back(static_cast<uint8_t>(c >> 8));
        head.push_back(static_cast<uint8_t>(c));
    }
    const uint32_t min_code_size = std::max<uint32_t>(d, 2);
    head.push_back(static_cast<uint8_t>(min_code_size));
    if (Status s = out.put(head.data(), head.size()); !s) return s.error();

    std::vector<uint8_t> codes;
    lzw_encode(frame.indices, min_code_size, codes);
    if (Status s = write_sub_blocks(out, codes); !s) return s.error();
    return written + delay;
}

namespace {

Status check_quantized(const QuantizedImage& q, size_t pixels) {
    if (q.indices.size() != pixels) return make_error("GIF colour reduction gave the wrong number of pixels");
    if (q.colours.empty() || q.colours.size() > 256) return make_error("GIF colour reduction gave no usable palette");
    const uint8_t top = *std::max_element(q.indices.begin(), q.indices.end());
    if (top >= q.colours.size()) return make_error("GIF colour reduction gave an index outside its palette");
    return {};
}

}  // namespace

Status GifEncoder::begin() {
    if (width_ == 0 || height_ == 0 || width_ > 65535 || height_ > 65535) {
        return make_error("A GIF frame is at most 65535 x 65535 pixels");
    }
    const auto header = gif_header(static_cast<uint16_t>(width_), static_cast<uint16_t>(height_));
    return out_.put(header.data(), header.size());
}

Status GifEncoder::add(RecordFrame frame) {
    const size_t w = width_, h = height_;
    if (frame.pixels.size() != w * h) return make_error("recorded frame has the wrong size");
    last_received_ = frame.time;

    GifRect rect{0, 0, static_cast<uint16_t>(w), static_cast<uint16_t>(h)};
    if (!reference_.empty()) {
        const auto changed = changed_rect(reference_, frame.pixels, rect.width, rect.height);
        if (!changed) return {};
        rect = *changed;
    }
    std::vector<uint32_t> part;
    std::span<const uint32_t> pixels = frame.pixels;
    if (rect.width != w || rect.height != h) {
        part.resize(size_t{rect.width} * rect.height);
        for (size_t y = 0; y < rect.height; ++y) {
            std::memcpy(part.data() + y * rect.width, frame.pixels.data() + (rect.top + y) * w + rect.left,
                        size_t{rect.width} * sizeof(uint32_t));
        }
        pixels = part;
    }
    Result<QuantizedImage> quantized = quantizer_.quantize(pixels, rect.width, rect.height);
    reference_ = std::move(frame.pixels);
    if (!quantized) return quantized.error();
    if (Status s = check_quantized(quantized.value(), size_t{rect.width} * rect.height); !s) return s;

    if (pending_) {
        Result<uint64_t> sum = gif_write_frame(out_, *pending_, frame.time, written_);
        if (!sum) return sum.error();
        written_ = sum.value();
    }
    pending_ = PendingFrame{std::move(quantized.value().indices), std::move(quantized.value().colours), frame.time,
                            rect};
    return {};
}

Status GifEncoder::finish() {
    if (pending_) {
        const double own_end = pending_->time + 0.1;
        const double end = std::isnan(last_received_) ? own_end : std::max(own_end, last_received_);
        Result<uint64_t> sum = gif_write_frame(out_, *pending_, end, written_);
        if (!sum) return sum.error();
        written_ = sum.value();
        pending_.reset();
    }
    if (Status s = out_.put_byte(0x3B); !s) return s;
    if (Status s = out_.flush(); !s) return s;
    // A file without a single image is no animation: viewers refuse it.
    if (reference_.empty()) return make_error(std::string(NO_FRAME_RECORDED));
    return {};
}
