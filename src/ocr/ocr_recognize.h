#pragma once
// Recognition over the engine boundary: one language, or every installed recogniser with the
// choice by script, then the assembly of the text. Platform-free.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ocr/ocr_platform.h"
#include "ocr/ocr_types.h"

// Images of this many pixels or more are refused (the byte count must fit 32 bits).
inline constexpr int64_t OCR_MAX_PIXELS = int64_t{1} << 30;

// The words of an image; `tag` empty, or naming a language that is not installed: all
// installed recognisers, their results chosen by script.
OcrOutcome<std::vector<OcrLine>> ocr_recognize(OcrPlatform& platform, std::span<const uint32_t> pixels, int32_t width,
                                               int32_t height, std::string_view tag);
// ocr_recognize, then the assembly of the text over the same image.
OcrTextResult run_ocr(OcrPlatform& platform, std::span<const uint32_t> pixels, int32_t width, int32_t height,
                      std::string_view tag);
// The installed languages that have both a tag and a name, in the engine's order; none when
// the list cannot be had.
std::vector<OcrLanguage> ocr_list_languages(OcrPlatform& platform);

// The engine's lines without empty words and without lines left empty, in UTF-8.
std::vector<OcrLine> lines_from_raw(const std::vector<RawOcrLine>& raw);

// The error's text: its error information, else the system's message, else the call and the
// HRESULT in hex; trailing white space removed. Never empty.
std::string ocr_error_message(const OcrError& error, std::string_view system_text);
std::string ocr_error_message(const OcrError& error, OcrPlatform& platform);
