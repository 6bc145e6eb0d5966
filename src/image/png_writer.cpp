#include "image/png_writer.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <memory>
#include <new>
#include <string>

void bgrx_to_rgb_row(const uint32_t* src, uint8_t* dst, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const uint32_t v = src[i];
        dst[0] = static_cast<uint8_t>(v >> 16);
        dst[1] = static_cast<uint8_t>(v >> 8);
        dst[2] = static_cast<uint8_t>(v);
        dst += 3;
    }
}

namespace {

// Lives in encode_png's frame; libpng reaches it through its io and error pointers.
struct PngOutput {
    ByteSink* sink = nullptr;
    std::optional<Error> sink_error;
    size_t used = 0;
    char encoder_message[200] = {};
    uint8_t buffer[PNG_WRITE_BUFFER];
};

bool flush_output(PngOutput& out) {
    if (out.used == 0 || out.sink_error) return !out.sink_error;
    Status s = out.sink->write(out.buffer, out.used);
    out.used = 0;
    if (!s) out.sink_error = s.error();
    return s.ok();
}

bool append_output(PngOutput& out, const uint8_t* data, size_t size) {
    while (size > 0) {
        const size_t n = std::min(size, PNG_WRITE_BUFFER - out.used);
        std::memcpy(out.buffer + out.used, data, n);
        out.used += n;
        data += n;
        size -= n;
        if (out.used == PNG_WRITE_BUFFER && !flush_output(out)) return false;
    }
    return true;
}

// libpng leaves these callbacks by longjmp: no local here may own anything.
void on_png_write(png_structp png, png_bytep data, size_t length) {
    auto* out = static_cast<PngOutput*>(png_get_io_ptr(png));
    if (!append_output(*out, data, length)) png_error(png, "write failed");
}

void on_png_flush(png_structp) {}

void on_png_error(png_structp png, png_const_charp message) {
    auto* out = static_cast<PngOutput*>(png_get_error_ptr(png));
    if (out && message) {
        std::strncpy(out->encoder_message, message, sizeof out->encoder_message - 1);
        out->encoder_message[sizeof out->encoder_message - 1] = '\0';
    }
    png_longjmp(png, 1);
}

void on_png_warning(png_structp, png_const_charp) {}

// The setjmp frame: plain data only.
bool encode_rows(png_structp png, png_infop info, const uint32_t* pixels, uint32_t width,
                 uint32_t height, uint8_t* row) {
    if (setjmp(png_jmpbuf(png))) return false;
    // A tall scrolling capture may pass libpng's default limit of a million rows.
    png_set_user_limits(png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_ALL_FILTERS);
    png_set_compression_level(png, 1);
    png_write_info(png, info);
    for (uint32_t y = 0; y < height; ++y) {
        bgrx_to_rgb_row(pixels + static_cast<size_t>(y) * width, row, width);
        png_write_row(png, row);
    }
    png_write_end(png, info);
    return true;
}

struct PngWriteStruct {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~PngWriteStruct() {
        if (png) png_destroy_write_struct(&png, info ? &info : nullptr);
    }
};

}  // namespace

Status encode_png(const uint32_t* pixels, size_t pixel_count, uint32_t width, uint32_t height,
                  ByteSink& sink) {
    size_t needed = 0;
    if (__builtin_mul_overflow(static_cast<size_t>(width), static_cast<size_t>(height), &needed) ||
        needed > pixel_count || (needed > 0 && pixels == nullptr)) {
        return make_error("PNG encoder: the pixels do not match the image size");
    }
    std::unique_ptr<PngOutput> out(new (std::nothrow) PngOutput);
    std::unique_ptr<uint8_t[]> row(new (std::nothrow) uint8_t[static_cast<size_t>(width) * 3 + 1]);
    if (!out || !row) return make_error("PNG encoder: out of memory");
    out->sink = &sink;

    PngWriteStruct s;
    s.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, out.get(), on_png_error, on_png_warning);
    if (s.png) s.info = png_create_info_struct(s.png);
    if (!s.png || !s.info) return make_error("PNG encoder: out of memory");
    png_set_write_fn(s.png, out.get(), on_png_write, on_png_flush);

    const bool encoded = encode_rows(s.png, s.info, pixels, width, height, row.get());
    if (out->sink_error) return *out->sink_error;
    if (!encoded) {
        const char* message = out->encoder_message[0] ? out->encoder_message : "unknown error";
        return make_error(std::string("PNG encoder: ") + message);
    }
    if (!flush_output(*out)) return *out->sink_error;
    return {};
}
