#pragma once
// Pages that scroll, for the stitching tests and benchmarks: a document of rows between a fixed
// header and footer, shown through a view of `view` rows.
#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace scroll_pages {

using Row = std::vector<uint32_t>;
using Pixels = std::vector<uint32_t>;

inline constexpr uint32_t WHITE = 0xFFFFFF;

// Dark marks on white, in runs of 1..12 pixels; never uniform.
inline Row text_row(std::mt19937& rng, int32_t width) {
    Row row(static_cast<size_t>(width), WHITE);
    for (int32_t x = 0; x < width;) {
        const int32_t run = std::min<int32_t>(1 + static_cast<int32_t>(rng() % 12), width - x);
        const uint32_t c = rng() % 3 == 0 ? WHITE : rng() & 0x7F7F7F;
        std::fill_n(row.begin() + x, run, c);
        x += run;
    }
    row[0] = 0x102030;
    row[static_cast<size_t>(width) / 2] = 0x302010;
    return row;
}

inline Row plain_row(int32_t width, uint32_t colour = WHITE) { return Row(static_cast<size_t>(width), colour); }

struct Page {
    int32_t width = 0, view = 0;
    std::vector<Row> header, doc, footer;

    int32_t rows() const { return static_cast<int32_t>(header.size() + footer.size()) + view; }
    int32_t max_scroll() const { return static_cast<int32_t>(doc.size()) - view; }

    // The page scrolled by `pos` document rows.
    Pixels frame(int32_t pos) const {
        Pixels f;
        f.reserve(static_cast<size_t>(width) * static_cast<size_t>(rows()));
        for (const Row& r : header) f.insert(f.end(), r.begin(), r.end());
        for (int32_t y = 0; y < view; ++y) f.insert(f.end(), doc[static_cast<size_t>(pos + y)].begin(), doc[static_cast<size_t>(pos + y)].end());
        for (const Row& r : footer) f.insert(f.end(), r.begin(), r.end());
        return f;
    }

    // What stitching every frame up to `last_pos` gives: header, the document rows seen, footer.
    Pixels stitched(int32_t last_pos) const {
        Pixels f;
        for (const Row& r : header) f.insert(f.end(), r.begin(), r.end());
        for (int32_t y = 0; y < last_pos + view; ++y) f.insert(f.end(), doc[static_cast<size_t>(y)].begin(), doc[static_cast<size_t>(y)].end());
        for (const Row& r : footer) f.insert(f.end(), r.begin(), r.end());
        return f;
    }
};

// A document of text rows, with blank rows and rows that repeat earlier ones (`repeat_percent`).
inline std::vector<Row> document(std::mt19937& rng, int32_t width, int32_t rows, int32_t blank_percent = 10,
                                 int32_t repeat_percent = 0) {
    std::vector<Row> doc;
    doc.reserve(static_cast<size_t>(rows));
    for (int32_t y = 0; y < rows; ++y) {
        const int32_t pick = static_cast<int32_t>(rng() % 100);
        if (pick < blank_percent) doc.push_back(plain_row(width));
        else if (pick < blank_percent + repeat_percent && !doc.empty()) doc.push_back(doc[rng() % doc.size()]);
        else doc.push_back(text_row(rng, width));
    }
    return doc;
}

inline Page text_page(std::mt19937& rng, int32_t width, int32_t view, int32_t doc_rows, int32_t header = 0,
                      int32_t footer = 0, int32_t repeat_percent = 0) {
    Page p{width, view, {}, document(rng, width, doc_rows, 10, repeat_percent), {}};
    for (int32_t i = 0; i < header; ++i) p.header.push_back(text_row(rng, width));
    for (int32_t i = 0; i < footer; ++i) p.footer.push_back(text_row(rng, width));
    return p;
}

}  // namespace scroll_pages
