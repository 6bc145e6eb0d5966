// The encoder thread's body under Wine: WIC's colour reduction, the GIF file, the cancel and the
// result posted to the main window.
#include <gtest/gtest.h>
#include <windows.h>

#include <objbase.h>

#include <cstdlib>
#include <random>
#include <thread>

#include "record/record_win.h"
#include "record/record_worker_win.h"
#include "record/wic_quantizer_win.h"
#include "win/error.h"
#include "win/main_window.h"
#include "win/messages.h"
#include "win/post_result.h"

#include "gif_decoder.h"
#include "support/test_support_win.h"

namespace {

using namespace test_support;

// Runs `body` on a thread of its own with COM multithreaded, as the encoder thread has it.
template <class F>
void on_mta_thread(F body) {
    std::thread t([&] {
        const HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        body();
        if (SUCCEEDED(hr)) CoUninitialize();
    });
    t.join();
}

bool close_to(uint32_t rgb, uint32_t want) {
    for (int shift : {0, 8, 16}) {
        const int a = static_cast<int>(rgb >> shift & 0xFF), b = static_cast<int>(want >> shift & 0xFF);
        if (std::abs(a - b) > 4) return false;
    }
    return true;
}

// Half white, half the box's red, and a moving square of the red on white.
std::vector<uint32_t> scene(uint32_t w, uint32_t h, uint32_t box_x) {
    std::vector<uint32_t> px(size_t{w} * h, 0xFFFFFFu);
    for (uint32_t y = 4; y < 12 && y < h; ++y)
        for (uint32_t x = box_x; x < box_x + 8 && x < w; ++x) px[size_t{y} * w + x] = 0xE53B30u;
    return px;
}

// A message-only window standing in for the main window; what arrives is taken with take().
class MainStandIn {
public:
    MainStandIn() : window_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
    ~MainStandIn() {
        take();
        DestroyWindow(window_);
    }
    HWND get() const { return window_; }
    // The recording results posted so far.
    std::vector<RecordingResult> take() {
        std::vector<RecordingResult> out;
        MSG m;
        while (PeekMessageW(&m, window_, WM_APP_RECORD_DONE, WM_APP_RECORD_DONE, PM_REMOVE)) {
            if (auto r = take_result<RecordingResult>(m.lParam)) out.push_back(*r);
        }
        return out;
    }

private:
    HWND window_;
};

RecordingJob gif_job(FrameReceiver rx, const std::string& path, HWND main, std::shared_ptr<RecordingShared> shared) {
    return RecordingJob{std::move(rx), path, std::move(shared), main, 40, 16, 15, true};
}

}  // namespace

TEST(WicQuantizer, ColoursAreCountedAndNearTheOriginals) {
    on_mta_thread([] {
        Result<WicQuantizer> q = WicQuantizer::create();
        ASSERT_TRUE(q) << q.error().message;
        const std::vector<uint32_t> two = scene(40, 16, 10);
        Result<QuantizedImage> a = q.value().quantize(two, 40, 16);
        ASSERT_TRUE(a) << a.error().message;
        ASSERT_EQ(a.value().colours.size(), 2u);
        ASSERT_EQ(a.value().indices.size(), two.size());
        for (size_t i = 0; i < two.size(); ++i) {
            const uint32_t got = a.value().colours[a.value().indices[i]] & 0xFFFFFFu;
            ASSERT_TRUE(close_to(got, two[i])) << i << ": " << std::hex << got << " for " << two[i];
        }
        std::vector<uint32_t> hundred(100 * 4);
        for (size_t i = 0; i < hundred.size(); ++i) {
            const uint32_t n = static_cast<uint32_t>(i % 100);
            hundred[i] = (n % 10) * 25u << 16 | (n / 10) * 25u << 8 | 0x80u;
        }
        Result<QuantizedImage> b = q.value().quantize(hundred, 100, 4);
        ASSERT_TRUE(b) << b.error().message;
        EXPECT_EQ(b.value().colours.size(), 100u);
        EXPECT_FALSE(q.value().quantize(hundred, 100, 5));  // the size does not match the pixels
    });
}

TEST(RecordWorker, GifIsWrittenAndItsPathPosted) {
    ScratchFolder folder("rec-worker");
    const std::string path = folder.at("a.gif");
    MainStandIn main;
    auto shared = std::make_shared<RecordingShared>();
    auto [tx, rx] = make_frame_channel();
    ASSERT_EQ(tx.offer({scene(40, 16, 0), 0.0}), OfferResult::Queued);
    ASSERT_EQ(tx.offer({scene(40, 16, 5), 0.1}), OfferResult::Queued);
    ASSERT_EQ(tx.offer({scene(40, 16, 5), 0.2}), OfferResult::Queued);  // unchanged: dropped
    tx.close();
    Result<std::string> outcome = make_error("not run");
    on_mta_thread([&] { outcome = record_encoder_worker(gif_job(std::move(rx), path, main.get(), shared)); });
    ASSERT_TRUE(outcome) << outcome.error().message;
    EXPECT_EQ(outcome.value(), path);
    const std::vector<RecordingResult> posted = main.take();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_TRUE(posted[0].ok);
    EXPECT_EQ(posted[0].text, path);

    const std::string bytes = read_whole_file(path);
    std::string error;
    const auto gif = decode_gif({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}, &error);
    ASSERT_TRUE(gif) << error;
    ASSERT_EQ(gif->frames.size(), 2u);
    EXPECT_EQ(gif->frames[0].delay, 10);
    EXPECT_EQ(gif->frames[1].delay, 10);  // to the last received frame's time + 0.1 s
    EXPECT_EQ(gif->frames[1].left, 0);
    EXPECT_EQ(gif->frames[1].width, 13);
    const std::vector<uint32_t> last = scene(40, 16, 5);
    for (size_t i = 0; i < last.size(); ++i) ASSERT_TRUE(close_to(gif->frames[1].canvas[i], last[i])) << i;
}

TEST(RecordWorker, CancelDeletesTheFileAndPostsNothing) {
    ScratchFolder folder("rec-cancel");
    const std::string path = folder.at("a.gif");
    MainStandIn main;
    auto shared = std::make_shared<RecordingShared>();
    auto [tx, rx] = make_frame_channel();
    ASSERT_EQ(tx.offer({scene(40, 16, 0), 0.0}), OfferResult::Queued);
    shared->discard = true;
    tx.close();
    Result<std::string> outcome = make_error("not run");
    on_mta_thread([&] { outcome = record_encoder_worker(gif_job(std::move(rx), path, main.get(), shared)); });
    ASSERT_FALSE(outcome);
    EXPECT_EQ(outcome.error().message, "cancelled");
    EXPECT_TRUE(main.take().empty());
    EXPECT_TRUE(folder_names(folder.path()).empty());
}

TEST(RecordWorker, AGifWithoutAFrameLeavesNoFile) {
    ScratchFolder folder("rec-empty");
    MainStandIn main;
    auto [tx, rx] = make_frame_channel();
    tx.close();  // Stop before the first frame
    Result<std::string> outcome = make_error("not run");
    on_mta_thread([&] {
        outcome = record_encoder_worker(
            gif_job(std::move(rx), folder.at("a.gif"), main.get(), std::make_shared<RecordingShared>()));
    });
    ASSERT_FALSE(outcome);
    EXPECT_EQ(outcome.error().message, NO_FRAME_RECORDED);
    EXPECT_EQ(main.take().size(), 1u);
    EXPECT_TRUE(folder_names(folder.path()).empty());
}

TEST(RecordWorker, AWriteThatFailsMidwayLeavesNoFile) {
    // The disk fills once the first 8 KB are in the file: a GIF cut short is no recording.
    struct FillingDisk : ByteSink {
        FillingDisk(ByteSink& file, size_t& passed) : file(file), passed(passed) {}
        Status write(const uint8_t* data, size_t size) override {
            if (passed + size > 8192) return error_from_win32(ERROR_DISK_FULL);
            passed += size;
            return file.write(data, size);
        }
        ByteSink& file;
        size_t& passed;
    };
    ScratchFolder folder("rec-full");
    MainStandIn main;
    auto [tx, rx] = make_frame_channel();
    std::mt19937 rng(3);
    std::vector<uint32_t> noise(200 * 100);
    for (uint32_t& p : noise) p = rng() & 0xFFFFFFu;
    ASSERT_EQ(tx.offer({noise, 0.0}), OfferResult::Queued);
    tx.close();
    size_t passed = 0;
    RecordingJob job{std::move(rx), folder.at("a.gif"), std::make_shared<RecordingShared>(), main.get(), 200, 100,
                     15, true};
    job.wrap_output = [&passed](ByteSink& file) { return std::make_unique<FillingDisk>(file, passed); };
    Result<std::string> outcome = make_error("not run");
    on_mta_thread([&] { outcome = record_encoder_worker(std::move(job)); });
    ASSERT_FALSE(outcome);
    EXPECT_EQ(outcome.error().code, ERROR_DISK_FULL) << outcome.error().message;
    EXPECT_EQ(passed, 8192u);  // the file had a part of the GIF
    const std::vector<RecordingResult> posted = main.take();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_FALSE(posted[0].ok);
    EXPECT_EQ(posted[0].text, outcome.error().message);
    EXPECT_TRUE(folder_names(folder.path()).empty());
}

TEST(RecordWorker, AFileThatCannotBeOpenedEndsThePathAndClosesTheChannel) {
    ScratchFolder folder("rec-nofolder");
    const std::string path = folder.at("missing\\a.gif");
    MainStandIn main;
    auto shared = std::make_shared<RecordingShared>();
    auto [tx, rx] = make_frame_channel();
    Result<std::string> outcome = make_error("not run");
    on_mta_thread([&] { outcome = record_encoder_worker(gif_job(std::move(rx), path, main.get(), shared)); });
    ASSERT_FALSE(outcome);
    // The UI thread's next offer learns that the encoder is gone.
    EXPECT_EQ(tx.offer({scene(40, 16, 0), 0.0}), OfferResult::Closed);
    const std::vector<RecordingResult> posted = main.take();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_FALSE(posted[0].ok);
    EXPECT_EQ(posted[0].text, outcome.error().message);
    EXPECT_FALSE(posted[0].text.empty());
}

TEST(RecordWorker, WithoutAMainWindowTheOutcomeIsOnlyReturned) {
    ScratchFolder folder("rec-nomain");
    auto shared = std::make_shared<RecordingShared>();
    auto [tx, rx] = make_frame_channel();
    ASSERT_EQ(tx.offer({scene(40, 16, 0), 0.0}), OfferResult::Queued);
    tx.close();
    Result<std::string> outcome = make_error("not run");
    on_mta_thread([&] { outcome = record_encoder_worker(gif_job(std::move(rx), folder.at("b.gif"), nullptr, shared)); });
    EXPECT_TRUE(outcome);
}
