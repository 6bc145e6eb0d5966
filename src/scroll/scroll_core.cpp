#include "scroll/scroll_core.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "scroll/scroll_columns.h"

namespace {
bool holds(const Rect& outer, const Rect& inner) {
    return outer.l <= inner.l && outer.t <= inner.t && inner.r <= outer.r && inner.b <= outer.b;
}

std::string rect_text(const Rect& r) {
    return std::to_string(r.l) + "," + std::to_string(r.t) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height());
}
}  // namespace

std::optional<ScrollCore> ScrollCore::start(const Rect& region, const Rect& capture, bool dump_frames) {
    if (region.width64() < SCROLL_MIN_SIDE || region.height64() < SCROLL_MIN_SIDE) return std::nullopt;
    return ScrollCore(region, holds(capture, region) ? capture : region, dump_frames);
}

ScrollCore::ScrollCore(const Rect& region, const Rect& capture, bool dump_frames)
    : frame_width_(capture.width()),
      frame_height_(capture.height()),
      region_columns_{region.l - capture.l, region.r - capture.l},
      tolerance_(mouse_tolerance(region)),
      region_(region),
      capture_(capture),
      max_rows_(scroll_max_rows(region.width())),
      dump_frames_(dump_frames) {}

std::string ScrollCore::start_log() const {
    return "scroll: region " + rect_text(region_) + ", tracking " + rect_text(capture_);
}

bool ScrollCore::begin_tick() {
    if (warmup_left_ == 0) return true;
    --warmup_left_;
    return false;
}

ScrollActions ScrollCore::toggle_auto(int64_t now_ms) {
    ScrollActions a;
    if (auto_time_) {
        auto_time_.reset();
        a.status = ScrollStatus{ScrollStatusKind::Hint};
        return a;
    }
    cursor_point_ = region_centre(region_);
    auto_time_ = now_ms;
    last_progress_ = now_ms;
    notches_ = 0;
    unchanged_ = 0;
    a.move_cursor = cursor_point_;
    a.status = ScrollStatus{ScrollStatusKind::AutoRunning};
    return a;
}

ScrollActions ScrollCore::on_grab(std::span<const uint32_t> pixels, int64_t now_ms, Point32 cursor) {
    ScrollActions a;
    if (pixels.size() != static_cast<size_t>(frame_width_) * static_cast<size_t>(frame_height_)) return a;
    if (auto_time_ && (std::abs(int64_t{cursor.x} - cursor_point_.x) > tolerance_ ||
                       std::abs(int64_t{cursor.y} - cursor_point_.y) > tolerance_)) {
        auto_time_.reset();
        a.status = ScrollStatus{ScrollStatusKind::Hint};
    }
    const bool first = phase_ == ScrollPhase::NoFrame;
    if (!first && std::equal(pixels.begin(), pixels.end(), last_grab_.begin(), last_grab_.end())) {
        if (!auto_time_) return a;
        ++unchanged_;
    } else {
        if (!max_length_) take_frame(pixels, now_ms, a);
        last_grab_.assign(pixels.begin(), pixels.end());
        if (auto_time_) unchanged_ = 0;
    }
    if (!first && auto_time_) auto_step(now_ms, a);
    return a;
}

void ScrollCore::take_frame(std::span<const uint32_t> pixels, int64_t now_ms, ScrollActions& a) {
    if (phase_ == ScrollPhase::NoFrame) {
        reference_.assign(pixels.begin(), pixels.end());
        region_copy_ = crop_columns(pixels, frame_width_, region_columns_.first, region_columns_.end);
        phase_ = ScrollPhase::ReferenceHeld;
        a.preview = true;
        return;
    }
    const ScrollMatch m = phase_ == ScrollPhase::ReferenceHeld
                              ? detect_columns(pixels, a)
                              : stitch_next_frame(*stitch_, crop_columns(pixels, frame_width_, columns_->first, columns_->end));
    report(m, now_ms, a);
}

ScrollMatch ScrollCore::detect_columns(std::span<const uint32_t> pixels, ScrollActions& a) {
    const std::optional<ColumnRange> cols = find_scroll_columns({reference_, pixels, frame_width_, frame_height_});
    if (!cols) return match_in_place(pixels);
    a.log.push_back("scroll: moving columns " + std::to_string(cols->first) + ".." + std::to_string(cols->end) +
                    " of " + std::to_string(frame_width_));
    if (dump_frames_) a.dump = ScrollFrames{reference_, {pixels.begin(), pixels.end()}, frame_width_, frame_height_};
    const int32_t width = cols->end - cols->first;
    const ColumnRange keep = stitch_columns(region_columns_, *cols);
    stitch_ = make_stitch_state(crop_columns(reference_, frame_width_, cols->first, cols->end), width, frame_height_,
                                keep.first, keep.end);
    // The stitched image is as wide as the kept columns, which may be wider than the region.
    max_rows_ = std::min(max_rows_, scroll_max_rows(keep.end - keep.first));
    columns_ = cols;
    phase_ = ScrollPhase::Stitching;
    reference_ = {};
    region_copy_ = {};
    return stitch_next_frame(*stitch_, crop_columns(pixels, frame_width_, cols->first, cols->end));
}

// Without scrolling columns: a grab that mostly matches the reference in place (or is blank)
// replaces it; otherwise the user scrolled too far at once. A blank reference holds nothing to
// match, so any grab replaces it.
ScrollMatch ScrollCore::match_in_place(std::span<const uint32_t> pixels) {
    const size_t w = static_cast<size_t>(frame_width_);
    int64_t distinct = 0, identical = 0;
    bool blank_reference = true;
    for (size_t y = 0; y < static_cast<size_t>(frame_height_); ++y) {
        const uint32_t* ref = &reference_[y * w];
        if (blank_reference) blank_reference = row_uniform(ref, frame_width_);
        const uint32_t* row = &pixels[y * w];
        if (row_uniform(row, frame_width_)) continue;
        ++distinct;
        bool same = true;
        for (size_t x = 0; x < w && same; ++x) same = ((row[x] ^ ref[x]) & COLOUR_MASK) == 0;
        if (same) ++identical;
    }
    if (2 * identical < distinct && !blank_reference) return {ScrollMatchKind::Lost, 0};
    reference_.assign(pixels.begin(), pixels.end());
    region_copy_ = crop_columns(pixels, frame_width_, region_columns_.first, region_columns_.end);
    return {ScrollMatchKind::Same, 0};
}

void ScrollCore::report(ScrollMatch m, int64_t now_ms, ScrollActions& a) {
    if (m.kind == ScrollMatchKind::Same) return;
    const int32_t w = visible_width(), h = visible_height();
    a.log.push_back("scroll " + scroll_match_name(m) + " -> " + std::to_string(w) + " x " + std::to_string(h));
    switch (m.kind) {
        case ScrollMatchKind::Added:
            notches_ = 0;
            last_progress_ = now_ms;
            a.preview = true;
            if (h >= max_rows_) {
                max_length_ = true;
                auto_time_.reset();
                a.status = ScrollStatus{ScrollStatusKind::MaxLength, w, h};
            } else {
                a.status = ScrollStatus{ScrollStatusKind::Size, w, h};
            }
            break;
        case ScrollMatchKind::Lost: a.status = ScrollStatus{ScrollStatusKind::TooFast}; break;
        case ScrollMatchKind::Back:
        case ScrollMatchKind::Same: break;
    }
}

void ScrollCore::auto_step(int64_t now_ms, ScrollActions& a) {
    const bool due = now_ms - *auto_time_ >= AUTO_SCROLL_INTERVAL_MS || unchanged_ > SCROLL_UNCHANGED_NOTCH;
    if (!due) return;
    if (notches_ >= SCROLL_END_NOTCHES && now_ms - last_progress_ >= SCROLL_END_IDLE_MS) {
        auto_time_.reset();
        a.status = ScrollStatus{ScrollStatusKind::EndReached, visible_width(), visible_height()};
        a.end_reached = true;
        return;
    }
    unchanged_ = 0;
    ++notches_;
    auto_time_ = now_ms;
    a.notch = true;
}

int32_t ScrollCore::visible_width() const {
    return stitch_ ? stitch_->x1 - stitch_->x0 : region_columns_.end - region_columns_.first;
}

int32_t ScrollCore::visible_height() const {
    const int32_t rows = stitch_ ? stitched_height(*stitch_) : frame_height_;
    return rows - (region_.t - capture_.t) - (capture_.b - region_.b);
}

ScrollImageView ScrollCore::stitched_rows() const {
    if (phase_ == ScrollPhase::NoFrame) return {};
    const std::vector<uint32_t>& px = stitch_ ? stitch_->stitched : region_copy_;
    const int32_t width = visible_width();
    const int32_t rows = stitch_ ? stitched_height(*stitch_) : frame_height_;
    const int32_t top = std::min(region_.t - capture_.t, rows);
    const int32_t end = std::max(rows - (capture_.b - region_.b), top);
    const size_t w = static_cast<size_t>(width);
    return {std::span<const uint32_t>(px).subspan(static_cast<size_t>(top) * w, static_cast<size_t>(end - top) * w),
            width, end - top};
}

ScrollImageView ScrollCore::preview_source() const { return stitched_rows(); }

std::optional<ScrollImage> ScrollCore::result_image() const {
    const ScrollImageView v = stitched_rows();
    const int32_t keep = stitch_ ? stitched_result_width(*stitch_) : v.width;
    if (v.rows < 1 || keep < 1) return std::nullopt;
    ScrollImage img{crop_columns(v.pixels, v.width, 0, keep), keep, v.rows};
    return img;
}
