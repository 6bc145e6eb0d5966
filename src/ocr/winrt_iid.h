#pragma once
// Interface ids of parameterised Windows Runtime interfaces (IVectorView<OcrLine> and the
// like), computed at compile time by the runtime's rule: a name-based UUID (version 5,
// SHA-1) of the interface's signature string in the namespace
// 11f47ad5-7b73-42c0-abae-878b1e16adee. Platform-free; the adapter turns them into GUIDs.
#include <array>
#include <cstdint>
#include <string_view>

namespace winrt_iid {

using Bytes16 = std::array<uint8_t, 16>;

// Data1..Data4 as a GUID holds them.
struct Guid {
    uint32_t data1 = 0;
    uint16_t data2 = 0, data3 = 0;
    std::array<uint8_t, 8> data4{};
    friend constexpr bool operator==(const Guid&, const Guid&) = default;
};

constexpr uint32_t rotl(uint32_t v, int n) { return (v << n) | (v >> (32 - n)); }

// SHA-1 of a byte string (FIPS 180-4), enough for short signatures.
template <size_t N>
constexpr std::array<uint8_t, 20> sha1(const std::array<uint8_t, N>& message) {
    uint32_t h[5] = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u, 0xC3D2E1F0u};
    constexpr size_t padded = ((N + 8) / 64 + 1) * 64;
    std::array<uint8_t, padded> m{};
    for (size_t i = 0; i < N; ++i) m[i] = message[i];
    m[N] = 0x80;
    const uint64_t bits = uint64_t{N} * 8;
    for (int i = 0; i < 8; ++i) m[padded - 1 - i] = static_cast<uint8_t>(bits >> (8 * i));
    for (size_t block = 0; block < padded; block += 64) {
        uint32_t w[80] = {};
        for (int i = 0; i < 16; ++i)
            w[i] = uint32_t{m[block + 4 * i]} << 24 | uint32_t{m[block + 4 * i + 1]} << 16 |
                   uint32_t{m[block + 4 * i + 2]} << 8 | uint32_t{m[block + 4 * i + 3]};
        for (int i = 16; i < 80; ++i) w[i] = rotl(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
        uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4];
        for (int i = 0; i < 80; ++i) {
            uint32_t f = 0, k = 0;
            if (i < 20) { f = (b & c) | (~b & d); k = 0x5A827999u; }
            else if (i < 40) { f = b ^ c ^ d; k = 0x6ED9EBA1u; }
            else if (i < 60) { f = (b & c) | (b & d) | (c & d); k = 0x8F1BBCDCu; }
            else { f = b ^ c ^ d; k = 0xCA62C1D6u; }
            const uint32_t t = rotl(a, 5) + f + e + k + w[i];
            e = d; d = c; c = rotl(b, 30); b = a; a = t;
        }
        h[0] += a; h[1] += b; h[2] += c; h[3] += d; h[4] += e;
    }
    std::array<uint8_t, 20> out{};
    for (int i = 0; i < 20; ++i) out[i] = static_cast<uint8_t>(h[i / 4] >> (24 - 8 * (i % 4)));
    return out;
}

// The runtime's namespace for parameterised interface ids, in byte order (big-endian).
inline constexpr Bytes16 PINTERFACE_NAMESPACE = {0x11, 0xf4, 0x7a, 0xd5, 0x7b, 0x73, 0x42, 0xc0,
                                                 0xab, 0xae, 0x87, 0x8b, 0x1e, 0x16, 0xad, 0xee};

template <size_t N>
constexpr Guid from_signature(const char (&signature)[N]) {
    std::array<uint8_t, 16 + N - 1> bytes{};
    for (size_t i = 0; i < 16; ++i) bytes[i] = PINTERFACE_NAMESPACE[i];
    for (size_t i = 0; i + 1 < N; ++i) bytes[16 + i] = static_cast<uint8_t>(signature[i]);
    const std::array<uint8_t, 20> hash = sha1(bytes);
    Guid g;
    g.data1 = uint32_t{hash[0]} << 24 | uint32_t{hash[1]} << 16 | uint32_t{hash[2]} << 8 | hash[3];
    g.data2 = static_cast<uint16_t>(hash[4] << 8 | hash[5]);
    g.data3 = static_cast<uint16_t>(((hash[6] & 0x0F) | 0x50) << 8 | hash[7]);  // version 5
    g.data4[0] = static_cast<uint8_t>((hash[8] & 0x3F) | 0x80);                  // RFC 4122 variant
    for (int i = 1; i < 8; ++i) g.data4[i] = hash[8 + i];
    return g;
}

// Signatures: pinterface({generic id};argument), a runtime class argument as
// rc(name;{its default interface id}).
#define OXEL_VECTOR_VIEW "pinterface({bbe1fa4c-b0e3-4583-baef-1f1b2e483e56};"
#define OXEL_ASYNC_OPERATION "pinterface({9fc2b0bb-e446-44e2-aa61-9cab8f636af2};"
#define OXEL_ASYNC_COMPLETED "pinterface({fcdcf02c-e5d8-4478-915a-4d90b74b83a5};"
#define OXEL_OCR_LINE "rc(Windows.Media.Ocr.OcrLine;{0043a16f-e31f-3a24-899c-d444bd088124})"
#define OXEL_OCR_WORD "rc(Windows.Media.Ocr.OcrWord;{3c2a477a-5cd9-3525-ba2a-23d1e0a68a1d})"
#define OXEL_OCR_RESULT "rc(Windows.Media.Ocr.OcrResult;{9bd235b2-175b-3d6a-92e2-388c206e2f63})"
#define OXEL_LANGUAGE "rc(Windows.Globalization.Language;{ea79a752-f7c2-4265-b1bd-c4dec4e4f080})"

inline constexpr Guid VECTOR_VIEW_OF_OCR_LINE = from_signature(OXEL_VECTOR_VIEW OXEL_OCR_LINE ")");
inline constexpr Guid VECTOR_VIEW_OF_OCR_WORD = from_signature(OXEL_VECTOR_VIEW OXEL_OCR_WORD ")");
inline constexpr Guid VECTOR_VIEW_OF_LANGUAGE = from_signature(OXEL_VECTOR_VIEW OXEL_LANGUAGE ")");
inline constexpr Guid VECTOR_VIEW_OF_STRING = from_signature(OXEL_VECTOR_VIEW "string)");
inline constexpr Guid ASYNC_OPERATION_OF_OCR_RESULT = from_signature(OXEL_ASYNC_OPERATION OXEL_OCR_RESULT ")");
inline constexpr Guid ASYNC_COMPLETED_OF_OCR_RESULT = from_signature(OXEL_ASYNC_COMPLETED OXEL_OCR_RESULT ")");

#undef OXEL_VECTOR_VIEW
#undef OXEL_ASYNC_OPERATION
#undef OXEL_ASYNC_COMPLETED
#undef OXEL_OCR_LINE
#undef OXEL_OCR_WORD
#undef OXEL_OCR_RESULT
#undef OXEL_LANGUAGE

}  // namespace winrt_iid
