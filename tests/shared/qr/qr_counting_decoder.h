#pragma once
// A QrDecoder stand-in for the tests: notes every grey image it is given and answers from a
// script (one answer per call, nothing after the last), or passes the image on to a real decoder.
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "qr/qr_scan.h"

class CountingDecoder final : public QrDecoder {
public:
    struct Call {
        size_t width, height;
        uint8_t first;  // the grey value of the top-left pixel
    };
    explicit CountingDecoder(std::vector<std::vector<std::string>> script) : script_(std::move(script)) {}
    explicit CountingDecoder(QrDecoder& inner) : inner_(&inner) {}

    std::vector<std::string> decode(std::span<const uint8_t> grey, size_t width, size_t height) override {
        calls.push_back({width, height, grey.empty() ? uint8_t{0} : grey[0]});
        if (inner_) return inner_->decode(grey, width, height);
        return calls.size() <= script_.size() ? script_[calls.size() - 1] : std::vector<std::string>{};
    }

    std::vector<Call> calls;

private:
    std::vector<std::vector<std::string>> script_;
    QrDecoder* inner_ = nullptr;
};
