// A hide-personal-data job through the scripted OCR stand-in: the words found become
// rectangles in pixels of the selection; failures become the text the user is shown.
#include <gtest/gtest.h>

#include "redact/redact_job.h"
#include "redact/redact_scan.h"
#include "scripted_ocr_platform.h"

namespace {

ScriptedOcrPlatform platform_of(const std::string& script) {
    Result<OcrScript> parsed = OcrScript::parse(script);
    EXPECT_TRUE(parsed.ok()) << (parsed.ok() ? "" : parsed.error().message);
    return ScriptedOcrPlatform(parsed.ok() ? std::move(parsed.value()) : OcrScript{});
}

// A 100 x 50 selection, doubled inside the margin as the preparation does.
RedactJob job_100x50() {
    RedactJob job;
    job.pixels = std::vector<uint32_t>(232 * 132, 0xFFFFFFFFu);
    job.width = 232, job.height = 132, job.scale = 2, job.image_width = 100, job.image_height = 50;
    return job;
}

}  // namespace

TEST(RedactJob, WordsBecomeRectanglesOfTheSelection) {
    ScriptedOcrPlatform platform = platform_of(R"(
language | en-US | English
profile | en-US
source | 100 | 50
line | en-US | password:@10,10,45,10 | hunter2@60,10,35,10
line | en-US | nothing@10,30,35,10 | here@50,30,20,10
line | en-US | a@b.io@90,40,30,10
)");
    const RedactResult r = run_redact(platform, job_100x50());
    ASSERT_TRUE(r.outcome.ok()) << r.outcome.error().message;
    // The value's own box grown by a quarter and a fifth of its height; the address clipped
    // at the selection's right and bottom.
    EXPECT_EQ(r.outcome.value(), (std::vector<CoverRect>{{57.5f, 8, 40, 14}, {87.5f, 38, 12.5f, 12}}));
}

TEST(RedactJob, FailuresBecomeTheTextShown) {
    ScriptedOcrPlatform failing = platform_of(R"(
language | en-US | English
fail | recognize:en-US | 0x80004005 | The engine stopped.
)");
    const RedactResult failed = run_redact(failing, job_100x50());
    ASSERT_FALSE(failed.outcome.ok());
    EXPECT_EQ(failed.outcome.error().message, "The engine stopped.");
    EXPECT_EQ(redact_done_log_line(failed), "redact done: Err(\"The engine stopped.\")");

    RedactJob no_pixels = job_100x50();
    no_pixels.pixels.reset();
    const RedactResult none = run_redact(failing, no_pixels);
    ASSERT_FALSE(none.outcome.ok());
    EXPECT_EQ(none.outcome.error().message, "out of memory");

    // Nothing recognised: no rectangles, no error.
    ScriptedOcrPlatform empty = platform_of("profile | en-US\n");
    const RedactResult nothing = run_redact(empty, job_100x50());
    ASSERT_TRUE(nothing.outcome.ok());
    EXPECT_TRUE(nothing.outcome.value().empty());
}
