#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "record/frame_channel.h"

namespace {
RecordFrame frame(double t) { return RecordFrame{std::vector<uint32_t>(4, static_cast<uint32_t>(t)), t}; }
}  // namespace

TEST(FrameChannel, SeventhQueuedFrameIsDropped) {
    auto [tx, rx] = make_frame_channel();
    for (int i = 0; i < 6; ++i) EXPECT_EQ(tx.offer(frame(i)), OfferResult::Queued) << i;
    EXPECT_EQ(tx.offer(frame(6)), OfferResult::Full);
    ASSERT_TRUE(rx.receive());
    EXPECT_EQ(tx.offer(frame(7)), OfferResult::Queued);  // room again
}

TEST(FrameChannel, ReceiverDrainsBeforeItReportsTheClose) {
    auto [tx, rx] = make_frame_channel();
    for (int i = 0; i < 3; ++i) ASSERT_EQ(tx.offer(frame(i)), OfferResult::Queued);
    tx.close();
    EXPECT_EQ(tx.offer(frame(9)), OfferResult::Closed);
    for (int i = 0; i < 3; ++i) {
        const auto f = rx.receive();
        ASSERT_TRUE(f) << i;
        EXPECT_EQ(f->time, i);
    }
    EXPECT_FALSE(rx.receive());
    EXPECT_FALSE(rx.receive());
}

TEST(FrameChannel, GoneReceiverClosesTheSender) {
    auto [tx, rx] = make_frame_channel();
    ASSERT_EQ(tx.offer(frame(0)), OfferResult::Queued);
    { FrameReceiver gone = std::move(rx); }
    EXPECT_EQ(tx.offer(frame(1)), OfferResult::Closed);
    FrameSender empty;
    EXPECT_EQ(empty.offer(frame(2)), OfferResult::Closed);
}

TEST(FrameChannel, ThreadedSenderNeverWaitsAndEveryQueuedFrameArrives) {
    auto [tx, rx] = make_frame_channel();
    std::vector<double> received;
    std::thread encoder([&received, rx = std::move(rx)]() mutable {
        while (auto f = rx.receive()) {
            received.push_back(f->time);
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });
    std::vector<double> queued;
    size_t dropped = 0;
    for (int i = 0; i < 400; ++i) {
        const OfferResult r = tx.offer(frame(i));
        ASSERT_NE(r, OfferResult::Closed);
        if (r == OfferResult::Queued) queued.push_back(i);
        else ++dropped;
    }
    tx.close();
    encoder.join();
    EXPECT_EQ(received, queued);  // in order, and nothing queued is lost at the close
    EXPECT_EQ(queued.size() + dropped, 400u);
    EXPECT_GT(dropped, 0u);  // a slow receiver makes the sender drop, not wait
}
