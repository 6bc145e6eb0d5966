#include "scripted_ocr_platform.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

#include "ocr/ocr_geometry.h"
#include "util/log.h"
#include "util/text.h"

namespace {

constexpr int32_t E_INVALIDARG_CODE = static_cast<int32_t>(0x80070057u);

class FakeEngine final : public OcrEngineHandle {
public:
    explicit FakeEngine(std::string tag) : tag(std::move(tag)) {}
    std::string tag;
};

class FakeBitmap final : public OcrBitmapHandle {
public:
    FakeBitmap(int32_t w, int32_t h) : width(w), height(h) {}
    int32_t width, height;
};

std::vector<std::string> split_fields(std::string_view line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t bar = line.find(" | ", start);
        fields.emplace_back(trim(line.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start)));
        if (bar == std::string_view::npos) break;
        start = bar + 3;
    }
    return fields;
}

std::optional<int64_t> parse_int(std::string_view s) {
    if (s.empty()) return std::nullopt;
    int base = 10;
    bool negative = false;
    if (s.front() == '-') { negative = true; s.remove_prefix(1); }
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) { base = 16; s.remove_prefix(2); }
    if (s.empty()) return std::nullopt;
    int64_t v = 0;
    for (char c : s) {
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else return std::nullopt;
        v = v * base + d;
        if (v > (int64_t{1} << 40)) return std::nullopt;
    }
    return negative ? -v : v;
}

std::optional<float> parse_float(const std::string& s) {
    if (s.empty()) return std::nullopt;
    char* end = nullptr;
    const float v = std::strtof(s.c_str(), &end);
    if (end != s.c_str() + s.size()) return std::nullopt;
    return v;
}

// UTF-8 with \uXXXX escapes for single UTF-16 units (a lone surrogate too) and \\.
std::optional<std::u16string> parse_word_text(std::string_view text) {
    std::u16string out;
    size_t plain = 0;
    const auto flush = [&](size_t end) { out += utf8_to_utf16(text.substr(plain, end - plain)); };
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') continue;
        flush(i);
        if (i + 1 < text.size() && text[i + 1] == '\\') {
            out.push_back(u'\\');
            plain = i + 2;
            ++i;
            continue;
        }
        if (text.substr(i + 1, 1) != "u" || i + 6 > text.size()) return std::nullopt;
        const std::optional<int64_t> unit = parse_int("0x" + std::string(text.substr(i + 2, 4)));
        if (!unit) return std::nullopt;
        out.push_back(static_cast<char16_t>(*unit));
        plain = i + 6;
        i += 5;
    }
    flush(text.size());
    return out;
}

std::optional<RawOcrWord> parse_word(const std::string& field) {
    const size_t at = field.rfind('@');
    if (at == std::string::npos) return std::nullopt;
    std::optional<std::u16string> text = parse_word_text(std::string_view(field).substr(0, at));
    if (!text) return std::nullopt;
    std::vector<float> box;
    std::stringstream numbers(field.substr(at + 1));
    std::string piece;
    while (std::getline(numbers, piece, ',')) {
        const std::optional<float> v = parse_float(std::string(trim(piece)));
        if (!v) return std::nullopt;
        box.push_back(*v);
    }
    if (box.size() != 4) return std::nullopt;
    return RawOcrWord{std::move(*text), box[0], box[1], box[2], box[3]};
}

std::string hex(int32_t v) {
    char s[16];
    std::snprintf(s, sizeof s, "0x%08X", static_cast<unsigned>(v));
    return s;
}

}  // namespace

Result<OcrScript> OcrScript::parse(std::string_view text) {
    OcrScript script;
    std::optional<std::pair<int32_t, int32_t>> source;
    size_t number = 0;
    std::istringstream in{std::string(text)};
    std::string raw;
    while (std::getline(in, raw)) {
        ++number;
        const std::string_view line = trim(raw);
        if (line.empty() || line.front() == '#') continue;
        const std::vector<std::string> f = split_fields(line);
        const auto bad = [&](std::string_view why) {
            return make_error("fake OCR script line " + std::to_string(number) + ": " + std::string(why));
        };
        const std::string& what = f[0];
        if (what == "language" && f.size() == 3) {
            script.languages.push_back({f[1] == "-" ? std::nullopt : std::optional(f[1]),
                                        f[2] == "-" ? std::nullopt : std::optional(f[2])});
        } else if (what == "profile" && f.size() == 2) {
            script.profile = f[1];
        } else if (what == "engine" && f.size() == 3 && f[2] == "missing") {
            script.engines[ascii_lower(f[1])].missing = true;
        } else if (what == "delay" && f.size() == 3) {
            const std::optional<int64_t> ms = parse_int(f[2]);
            if (!ms || *ms < 0 || *ms > 600000) return bad("delay in milliseconds expected");
            script.engines[ascii_lower(f[1])].delay_ms = static_cast<int>(*ms);
        } else if (what == "fail" && (f.size() == 3 || f.size() == 4)) {
            const std::optional<int64_t> hr = parse_int(f[2]);
            if (!hr) return bad("HRESULT expected");
            std::string op = f[1];
            if (starts_with(op, "recognize:")) op = "recognize:" + ascii_lower(op.substr(10));
            script.failures[op] = {static_cast<int32_t>(static_cast<uint32_t>(*hr)), f.size() == 4 ? f[3] : ""};
        } else if (what == "source" && f.size() == 3) {
            const std::optional<int64_t> w = parse_int(f[1]), h = parse_int(f[2]);
            if (!w || !h || *w < 1 || *h < 1 || *w > 100000 || *h > 100000) return bad("source size expected");
            source = {static_cast<int32_t>(*w), static_cast<int32_t>(*h)};
            script.source = source;
        } else if (what == "line" && f.size() >= 3) {
            RawOcrLine words;
            for (size_t i = 2; i < f.size(); ++i) {
                std::optional<RawOcrWord> w = parse_word(f[i]);
                if (!w) return bad("word TEXT@x,y,w,h expected: " + f[i]);
                words.push_back(std::move(*w));
            }
            script.engines[ascii_lower(f[1])].lines.push_back(std::move(words));
        } else if (what == "system" && f.size() == 3) {
            const std::optional<int64_t> hr = parse_int(f[1]);
            if (!hr) return bad("HRESULT expected");
            script.system_texts[static_cast<int32_t>(static_cast<uint32_t>(*hr))] = f[2];
        } else {
            return bad("not understood: " + std::string(line));
        }
    }
    return script;
}

Result<OcrScript> OcrScript::load(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return make_error("fake OCR script not readable: " + path);
    std::stringstream text;
    text << file.rdbuf();
    return parse(text.str());
}

std::optional<OcrError> ScriptedOcrPlatform::injected(const std::string& operation) const {
    if (broken_) return OcrError{E_INVALIDARG_CODE, *broken_, operation};
    const auto it = script_.failures.find(operation);
    if (it == script_.failures.end()) return std::nullopt;
    debug_log("fake ocr: " + operation + " fails " + hex(it->second.hresult));
    return OcrError{it->second.hresult, it->second.info, operation};
}

bool ScriptedOcrPlatform::has_engine(const std::string& lower) const {
    const auto it = script_.engines.find(lower);
    if (it != script_.engines.end()) return !it->second.missing;
    if (script_.profile && ascii_lower(*script_.profile) == lower) return true;
    for (const OcrLanguageEntry& e : script_.languages)
        if (e.tag && ascii_lower(*e.tag) == lower) return true;
    return false;
}

void ScriptedOcrPlatform::begin_thread() { debug_log("fake ocr: begin_thread"); }

OcrOutcome<std::unique_ptr<OcrBitmapHandle>> ScriptedOcrPlatform::make_bitmap(std::span<const uint32_t> pixels,
                                                                             int32_t width, int32_t height) {
    debug_log("fake ocr: make_bitmap " + std::to_string(width) + "x" + std::to_string(height));
    if (std::optional<OcrError> e = injected("bitmap")) return *e;
    for (size_t i = 0; i < pixels.size(); ++i) {
        if ((pixels[i] >> 24) != 0xFF) {
            const size_t w = static_cast<size_t>(width);
            return OcrError{E_INVALIDARG_CODE,
                            "fake OCR: pixel (" + std::to_string(i % w) + "," + std::to_string(i / w) + ") alpha is not 0xFF",
                            "make_bitmap"};
        }
    }
    return std::unique_ptr<OcrBitmapHandle>(std::make_unique<FakeBitmap>(width, height));
}

OcrOutcome<std::vector<OcrLanguageEntry>> ScriptedOcrPlatform::recognizer_languages() {
    debug_log("fake ocr: recognizer_languages");
    if (std::optional<OcrError> e = injected("languages")) return *e;
    return script_.languages;
}

OcrOutcome<std::unique_ptr<OcrEngineHandle>> ScriptedOcrPlatform::user_profile_engine() {
    if (std::optional<OcrError> e = injected("profile")) return *e;
    debug_log("fake ocr: user_profile_engine -> " + (script_.profile ? *script_.profile : std::string("none")));
    if (!script_.profile) return std::unique_ptr<OcrEngineHandle>();
    return std::unique_ptr<OcrEngineHandle>(std::make_unique<FakeEngine>(*script_.profile));
}

OcrOutcome<std::string> ScriptedOcrPlatform::engine_language_tag(OcrEngineHandle& engine) {
    if (std::optional<OcrError> e = injected("profile-tag")) return *e;
    return static_cast<FakeEngine&>(engine).tag;
}

std::unique_ptr<OcrEngineHandle> ScriptedOcrPlatform::engine_for_tag(std::string_view tag) {
    const bool found = !broken_ && has_engine(ascii_lower(tag));
    debug_log("engine_for_tag " + std::string(tag) + " -> " + (found ? "engine" : "none"));
    if (!found) return nullptr;
    return std::make_unique<FakeEngine>(std::string(tag));
}

OcrOutcome<std::vector<RawOcrLine>> ScriptedOcrPlatform::recognize(OcrEngineHandle& engine, OcrBitmapHandle& bitmap) {
    const std::string tag = ascii_lower(static_cast<FakeEngine&>(engine).tag);
    const FakeBitmap& image = static_cast<FakeBitmap&>(bitmap);
    const auto it = script_.engines.find(tag);
    const int delay = it == script_.engines.end() ? 0 : it->second.delay_ms;
    debug_log("fake ocr: recognize " + tag + " (delay " + std::to_string(delay) + " ms)");
    if (delay > 0) std::this_thread::sleep_for(std::chrono::milliseconds(delay));
    if (std::optional<OcrError> e = injected("recognize:" + tag)) return *e;
    std::vector<RawOcrLine> lines = it == script_.engines.end() ? std::vector<RawOcrLine>{} : it->second.lines;
    if (script_.source) {
        // Boxes in source pixels: the bitmap must be the source prepared by the shared rule.
        const auto [sw, sh] = *script_.source;
        const int64_t inner = int64_t{image.width} - 2 * OCR_MARGIN;
        const int64_t k = inner > 0 && inner % sw == 0 ? inner / sw : 0;
        if ((k != 1 && k != 2) || int64_t{image.height} != k * sh + 2 * OCR_MARGIN) {
            return OcrError{E_INVALIDARG_CODE,
                            "fake OCR: bitmap " + std::to_string(image.width) + "x" + std::to_string(image.height) +
                                " is not the " + std::to_string(sw) + "x" + std::to_string(sh) +
                                " source scaled by 1 or 2 inside a 16-pixel margin",
                            "recognize"};
        }
        const float scale = static_cast<float>(k);
        for (RawOcrLine& line : lines)
            for (RawOcrWord& w : line) {
                w.x = w.x * scale + OCR_MARGIN;
                w.y = w.y * scale + OCR_MARGIN;
                w.width *= scale;
                w.height *= scale;
            }
    }
    return lines;
}

std::string ScriptedOcrPlatform::system_text(int32_t hresult) {
    const auto it = script_.system_texts.find(hresult);
    return it == script_.system_texts.end() ? std::string() : it->second;
}
