#include "qr/zbar_decoder.h"

#include <zbar.h>

#include <climits>

#include "util/fatal.h"

void ZbarQrDecoder::Destroy::operator()(zbar::zbar_image_scanner_s* scanner) const {
    zbar::zbar_image_scanner_destroy(scanner);
}

ZbarQrDecoder::ZbarQrDecoder() : scanner_(zbar::zbar_image_scanner_create()) {
    if (!scanner_) fatal_invariant("zbar_image_scanner_create: out of memory");
    zbar::zbar_image_scanner_set_config(scanner_.get(), zbar::ZBAR_NONE, zbar::ZBAR_CFG_ENABLE, 0);
    zbar::zbar_image_scanner_set_config(scanner_.get(), zbar::ZBAR_QRCODE, zbar::ZBAR_CFG_ENABLE, 1);
    // Binary: the symbol's bytes as encoded; a declared character set (ECI) is still applied.
    zbar::zbar_image_scanner_set_config(scanner_.get(), zbar::ZBAR_QRCODE, zbar::ZBAR_CFG_BINARY, 1);
}

std::vector<std::string> ZbarQrDecoder::decode(std::span<const uint8_t> grey, size_t width, size_t height) {
    std::vector<std::string> found;
    if (width == 0 || height == 0 || width > UINT_MAX || height > UINT_MAX || grey.size() / width < height ||
        width * height > ULONG_MAX)  // zbar counts bytes in an unsigned long (32 bits on Windows)
        return found;
    zbar::zbar_image_t* image = zbar::zbar_image_create();
    if (!image) fatal_invariant("zbar_image_create: out of memory");
    zbar::zbar_image_set_format(image, zbar_fourcc('Y', '8', '0', '0'));
    zbar::zbar_image_set_size(image, static_cast<unsigned>(width), static_cast<unsigned>(height));
    // No cleanup handler: the bytes stay ours.
    zbar::zbar_image_set_data(image, grey.data(), width * height, nullptr);
    if (zbar::zbar_scan_image(scanner_.get(), image) > 0) {
        for (const zbar::zbar_symbol_t* s = zbar::zbar_image_first_symbol(image); s; s = zbar::zbar_symbol_next(s)) {
            // A structured-append group with parts missing comes as ZBAR_PARTIAL: not a text.
            if (zbar::zbar_symbol_get_type(s) != zbar::ZBAR_QRCODE) continue;
            found.emplace_back(zbar::zbar_symbol_get_data(s), zbar::zbar_symbol_get_data_length(s));
        }
    }
    zbar::zbar_image_destroy(image);
    return found;
}
