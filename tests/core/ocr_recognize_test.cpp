// Recognition over the engine boundary, driven by the scripted stand-in: which engines run in
// which order, what failures leave out, and the error texts the user reads.
#include <gtest/gtest.h>

#include <algorithm>

#include "ocr/ocr_geometry.h"
#include "ocr/ocr_recognize.h"
#include "ocr/ocr_report.h"
#include "scripted_ocr_platform.h"
#include "strings/ui_strings.h"
#include "support/debug_log_capture.h"

namespace {

ScriptedOcrPlatform platform_of(const std::string& script) {
    Result<OcrScript> parsed = OcrScript::parse(script);
    EXPECT_TRUE(parsed.ok()) << (parsed.ok() ? "" : parsed.error().message);
    return ScriptedOcrPlatform(parsed.ok() ? std::move(parsed.value()) : OcrScript{});
}

struct Image {
    int32_t width = 232, height = 132;
    std::vector<uint32_t> px = std::vector<uint32_t>(232 * 132, 0xFFFFFFFFu);
};

std::string texts(const std::vector<OcrLine>& lines) {
    std::string s;
    for (const OcrLine& l : lines) {
        if (!s.empty()) s += '|';
        for (size_t i = 0; i < l.words.size(); ++i) s += (i ? " " : "") + l.words[i].text;
    }
    return s;
}

// The recognisers that ran, in order.
std::vector<std::string> recognised() {
    std::vector<std::string> out;
    for (const std::string& line : captured_log_lines())
        if (line.rfind("fake ocr: recognize ", 0) == 0) out.push_back(line.substr(20, line.find(' ', 20) - 20));
    return out;
}

constexpr const char* THREE = R"(
language | en-US | English
language | ja | Japanese
language | ko-KR | Korean
line | en-US | He11o@16,16,40,20
line | ja | xx@16,16,40,20
line | ko-KR | 안녕@16,16,40,20
)";

struct PathCase {
    const char* name;
    std::string script;
    const char* tag;
    std::vector<std::string> ran;
    const char* result;  // lines, or "ERROR message"
};

TEST(OcrRecognize, EnginePaths) {
    const PathCase cases[] = {
        {"the chosen language alone", THREE, "ja", {"ja"}, "xx"},
        {"a language not installed: all recognisers", std::string(THREE) + "profile | en-US\n", "fr-FR",
         {"en-us", "ja", "ko-kr"}, "안녕"},
        {"the profile language first, then the others, skipping it without regard to case",
         std::string(THREE) + "profile | KO-kr\n", "", {"ko-kr", "en-us", "ja"}, "안녕"},
        {"no profile engine: the first listed language is primary", THREE, "", {"en-us", "ja", "ko-kr"}, "안녕"},
        {"a failing other recogniser is left out",
         std::string(THREE) + "profile | en-US\nfail | recognize:ko-KR | 0x80004005\n", "", {"en-us", "ja", "ko-kr"},
         "He11o"},
        {"an other language without an engine is skipped",
         std::string(THREE) + "profile | en-US\nengine | ko-KR | missing\n", "", {"en-us", "ja"}, "He11o"},
        {"the primary failing fails the job", std::string(THREE) + "profile | en-US\nfail | recognize:en-US | 0x80070005 | Access is denied.\n",
         "", {"en-us"}, "ERROR Access is denied."},
        {"the list failing fails the job", std::string(THREE) + "fail | languages | 0x80040154\n", "", {},
         "ERROR languages failed (0x80040154)"},
        {"no language and no profile engine", "", "", {}, "ERROR No text recognition language is installed. Add one in Windows' language settings."},
        {"no language and a failing profile engine", "fail | profile | 0x80004001 | not here\n", "", {}, "ERROR not here"},
        {"the first language has no engine", "language | xx-YY | X\nengine | xx-YY | missing\n", "", {},
         "ERROR OcrEngine for xx-YY failed (0x80004005)"},
        {"the bitmap failing", std::string(THREE) + "fail | bitmap | 0x80040154\nsystem | 0x80040154 | Class not registered\r\n",
         "ja", {}, "ERROR Class not registered"},
        {"a language without a tag is skipped", "language | - | Broken\nlanguage | ja | Japanese\nline | ja | 日本@16,16,40,20\n",
         "", {"ja"}, "日本"},
    };
    for (const PathCase& c : cases) {
        ScriptedOcrPlatform platform = platform_of(c.script);
        Image image;
        clear_captured_log();
        OcrOutcome<std::vector<OcrLine>> out = ocr_recognize(platform, image.px, image.width, image.height, c.tag);
        EXPECT_EQ(recognised(), c.ran) << c.name;
        const std::string got = out.ok() ? texts(out.value()) : "ERROR " + ocr_error_message(out.error(), platform);
        EXPECT_EQ(got, c.result) << c.name;
    }
}

TEST(OcrRecognize, FailingCallsAreNamed) {
    // The stand-in names its operations; the message gives the call and code when nothing
    // else has a text.
    ScriptedOcrPlatform platform = platform_of(std::string(THREE) + "profile | en-US\nfail | profile-tag | 0x8000000E\n");
    Image image;
    OcrOutcome<std::vector<OcrLine>> out = ocr_recognize(platform, image.px, image.width, image.height, "");
    ASSERT_FALSE(out.ok());
    EXPECT_EQ(ocr_error_message(out.error(), platform), "profile-tag failed (0x8000000E)");
}

TEST(OcrRecognize, ErrorTexts) {
    struct Case {
        OcrError error;
        const char* system;
        const char* want;
    };
    const Case cases[] = {
        {{5, "Restricted text \t\r\n\v\f ", "Call"}, "system", "Restricted text"},
        {{5, " \t", "Call"}, "Access is denied.\r\n", "Access is denied."},
        {{static_cast<int32_t>(0x80040154u), "", "RoGetActivationFactory(Windows.Media.Ocr.OcrEngine)"}, "",
         "RoGetActivationFactory(Windows.Media.Ocr.OcrEngine) failed (0x80040154)"},
        {{0, "", "IAsyncOperation.GetResults"}, "The operation completed successfully.",
         "IAsyncOperation.GetResults returned nothing (0x00000000)"},
        {{0, "", "x", OcrError::Kind::NoRecognizer}, "", "No text recognition language is installed. Add one in Windows' language settings."},
        {{0, "", "x", OcrError::Kind::ImageTooLarge}, "", "The image is too large for text recognition."},
    };
    for (const Case& c : cases) EXPECT_EQ(ocr_error_message(c.error, c.system), c.want);
}

TEST(OcrRecognize, RawLinesLoseEmptyWordsAndLines) {
    const std::vector<RawOcrLine> raw = {
        {{u"", 1, 1, 1, 1}},
        {{u"a\xD800", 1, 2, 3, 4}, {u"", 5, 5, 5, 5}, {u"b", 6, 7, 8, 9}},
    };
    const std::vector<OcrLine> lines = lines_from_raw(raw);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].words.size(), 2u);
    EXPECT_EQ(lines[0].words[0].text, "a\xEF\xBF\xBD");
    EXPECT_FLOAT_EQ(lines[0].words[1].x, 6);
}

TEST(OcrRecognize, ScriptedBoxesInSourcePixels) {
    // A 100 x 50 source is doubled into 232 x 132: its corner word lands near (16, 16).
    ScriptedOcrPlatform platform = platform_of("language | en-US | English\nsource | 100 | 50\nline | en-US | Corner@0,0,30,10 | \\u00e9t\\u00E9@40,0,20,10\n");
    Image image;
    OcrOutcome<std::vector<OcrLine>> out = ocr_recognize(platform, image.px, image.width, image.height, "en-US");
    ASSERT_TRUE(out.ok());
    ASSERT_EQ(out.value().size(), 1u);
    const OcrWord& corner = out.value()[0].words[0];
    EXPECT_FLOAT_EQ(corner.x, 16);
    EXPECT_FLOAT_EQ(corner.y, 16);
    EXPECT_FLOAT_EQ(corner.width, 60);
    EXPECT_EQ(out.value()[0].words[1].text, "été");

    // An image that is not the declared source prepared fails loudly.
    std::vector<uint32_t> other(200 * 100, 0xFFFFFFFFu);
    OcrOutcome<std::vector<OcrLine>> wrong = ocr_recognize(platform, other, 200, 100, "en-US");
    ASSERT_FALSE(wrong.ok());
    EXPECT_NE(wrong.error().info.find("not the 100x50 source"), std::string::npos);
}

TEST(OcrRecognize, StandInRefusesPixelsWithoutFullAlpha) {
    ScriptedOcrPlatform platform = platform_of("language | en-US | English\n");
    Image image;
    image.px[232 * 3 + 5] = 0x00FFFFFF;
    OcrOutcome<std::vector<OcrLine>> out = ocr_recognize(platform, image.px, image.width, image.height, "en-US");
    ASSERT_FALSE(out.ok());
    EXPECT_EQ(out.error().info, "fake OCR: pixel (5,3) alpha is not 0xFF");
}

TEST(OcrRecognize, SizesAreCheckedBeforeTheEngine) {
    ScriptedOcrPlatform platform = platform_of(THREE);
    clear_captured_log();
    const std::vector<uint32_t> few(10, 0xFFFFFFFFu);
    EXPECT_FALSE(ocr_recognize(platform, few, 32768, 32768, "").ok());
    OcrOutcome<std::vector<OcrLine>> huge = ocr_recognize(platform, few, 32768, 32768, "");
    EXPECT_EQ(huge.error().kind, OcrError::Kind::ImageTooLarge);
    OcrOutcome<std::vector<OcrLine>> short_list = ocr_recognize(platform, few, 10, 10, "");
    ASSERT_FALSE(short_list.ok());
    EXPECT_EQ(short_list.error().kind, OcrError::Kind::Call);
    const std::vector<std::string> log = captured_log_lines();
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& l) { return l.find("make_bitmap") != std::string::npos; }), 0);
}

TEST(OcrRecognize, RunAssemblesTheText) {
    ScriptedOcrPlatform platform = platform_of("language | zh-CN | Chinese\nline | zh-CN | 中文@16,16,40,20 | ,@60,30,4,8 | 中文@68,16,40,20\nline | zh-CN | 第二行@16,40,60,20\n");
    Image image;
    const OcrTextResult r = run_ocr(platform, image.px, image.width, image.height, "");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.value().lines, "中文，中文\n第二行");
}

TEST(OcrRecognize, LanguageListKeepsEntriesWithTagAndName) {
    ScriptedOcrPlatform platform = platform_of("language | en-US | English\nlanguage | - | Broken\nlanguage | ja | -\nlanguage | ko | Korean\n");
    const std::vector<OcrLanguage> list = ocr_list_languages(platform);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].tag, "ko");
    EXPECT_EQ(list[1].display_name, "Korean");
    ScriptedOcrPlatform failing = platform_of("language | en-US | English\nfail | languages | 0x80004005\n");
    EXPECT_TRUE(ocr_list_languages(failing).empty());
}

TEST(OcrScript, BadLinesAreNamed) {
    const std::pair<const char*, const char*> cases[] = {
        {"language | en", "line 1: not understood"},
        {"\nline | en | word", "line 2: word TEXT@x,y,w,h expected"},
        {"fail | bitmap | nope", "line 1: HRESULT expected"},
        {"source | 0 | 5", "line 1: source size expected"},
    };
    for (const auto& [text, want] : cases) {
        Result<OcrScript> r = OcrScript::parse(text);
        ASSERT_FALSE(r.ok()) << text;
        EXPECT_NE(r.error().message.find(want), std::string::npos) << r.error().message;
    }
}

TEST(OcrGeometry, PreparedSizes) {
    struct Case {
        int32_t w, h;
        int32_t scale;
        int64_t width, height;
        bool usable;
    };
    const Case cases[] = {
        {100, 50, 2, 232, 132, true},
        {5000, 100, 1, 5032, 132, true},
        {2000, 1500, 1, 2032, 1532, true},   // 12,000,000 bytes: not doubled
        {1250, 2000, 2, 2532, 4032, true},   // exactly 10,000,000 bytes: doubled
        {4984, 10, 2, 10000, 52, true},      // longest side at the boundary
        {4985, 10, 1, 5017, 42, true},
        {0, 0, 2, 32, 32, true},
        {-40, 10, 2, -48, 52, false},
        {40000, 30000, 1, 40032, 30032, false},  // 2^30 pixels or more
        {INT32_MAX, INT32_MAX, 1, int64_t{INT32_MAX} + 32, int64_t{INT32_MAX} + 32, false},
    };
    for (const Case& c : cases) {
        const OcrCanvas canvas = ocr_canvas_for(c.w, c.h);
        EXPECT_EQ(canvas.scale, c.scale) << c.w << "x" << c.h;
        EXPECT_EQ(canvas.width, c.width) << c.w << "x" << c.h;
        EXPECT_EQ(canvas.height, c.height) << c.w << "x" << c.h;
        EXPECT_EQ(canvas.usable(), c.usable) << c.w << "x" << c.h;
    }
    EXPECT_TRUE(ocr_canvas_for(40000, 30000).too_large());
    EXPECT_FALSE(ocr_canvas_for(-40, 10).too_large());
}

}  // namespace

namespace {

TEST(OcrReport, PixelsSectionNamesEachLinesInk) {
    std::vector<uint32_t> px(232 * 132, 0xFFFFFFFFu);
    for (int x = 20; x < 40; ++x) px[static_cast<size_t>(25) * 232 + x] = 0xFF000000u;
    OcrReportInput in;
    in.source_width = 100;
    in.source_height = 50;
    in.scale = 2;
    in.image = {px, 232, 132};
    in.language = "en-US";
    in.lines = {{{{"ab", 16, 16, 40, 20}}}, {{{"faint", 16, 80, 40, 20}}}};
    in.pixels = true;
    EXPECT_EQ(ocr_file_report(in),
              "image 100x50 prepared 232x132 scale 2\nlanguage en-US\n== text ==\nab\nfaint\n== lines ==\nab\nfaint\n"
              "== pixels ==\nline 1: band 16.0+20.0, background 0xFFFFFF, threshold 114\nline 2: band 80.0+20.0, no ink\n");
}

}  // namespace
