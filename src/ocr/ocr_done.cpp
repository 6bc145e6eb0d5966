#include "ocr/ocr_done.h"

#include "util/text.h"

std::string ocr_done_log_line(const OcrTextResult& result) {
    std::string line = "ocr done: ";
    if (!result.ok()) {
        line += "Err(";
        line += quoted_escaped(result.error().message);
        line += ")";
        return line;
    }
    // Code points; a low surrogate only completes the one before it.
    size_t n = 0;
    for (const char16_t u : utf8_to_utf16(result.value().assembled))
        if (u < 0xDC00 || u > 0xDFFF) ++n;
    line += "Ok(";
    line += std::to_string(n);
    line += ")";
    return line;
}
