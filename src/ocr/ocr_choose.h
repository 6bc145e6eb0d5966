#pragma once
// One result from several recognisers: region by region the primary language's lines stand
// unless another recogniser read a script there that the primary cannot. Platform-free.
#include <span>
#include <string>
#include <vector>

#include "ocr/ocr_chars.h"
#include "ocr/ocr_types.h"

struct TaggedOcrResult {
    std::string tag;
    std::vector<OcrLine> lines;
};

// `others` in the order of the installed recogniser languages.
std::vector<OcrLine> choose_best_ocr(const std::string& primary_tag, const std::vector<OcrLine>& primary,
                                     std::span<const TaggedOcrResult> others);

// The words of `a` (a line read for the scripts `x`) that hold a character of `x` and that no
// word of `b` holding a character of `y` outside `x` overlaps by more than 0.3 of the narrower.
std::vector<OcrWord> ocr_filter_script_conflicts(std::span<const OcrWord> a, ScriptSet x, std::span<const OcrWord> b,
                                                 ScriptSet y);
