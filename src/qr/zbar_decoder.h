#pragma once
// QrDecoder over zbar, QR codes only, data as raw bytes (zbar's own guess at text encodings is
// off: qr_scan decodes the bytes). One image scanner for the decoder's life: one per job.
// Platform-free.
#include <memory>

#include "qr/qr_scan.h"

namespace zbar {
struct zbar_image_scanner_s;
}

class ZbarQrDecoder final : public QrDecoder {
public:
    ZbarQrDecoder();
    std::vector<std::string> decode(std::span<const uint8_t> grey, size_t width, size_t height) override;

private:
    struct Destroy {
        void operator()(zbar::zbar_image_scanner_s* scanner) const;
    };
    std::unique_ptr<zbar::zbar_image_scanner_s, Destroy> scanner_;
};
