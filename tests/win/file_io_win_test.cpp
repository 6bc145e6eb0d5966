#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "util/text.h"
#include "win/file_io.h"

#include "support/test_support_win.h"

namespace {

using namespace test_support;

Status write_text(ByteSink& sink, std::string_view text) {
    return sink.write(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

class FileIo : public ::testing::Test {
protected:
    ScratchFolder dir_{"file-io"};
};

}  // namespace

TEST_F(FileIo, WithoutReplaceAnExistingTargetIsKept) {
    const std::string path = dir_.at("kept.ini");
    write_whole_file(path, "old");
    const Status s = write_file_replacing(path, std::string_view("new"), ReplaceOptions{false});
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.error().code, ERROR_ALREADY_EXISTS);
    EXPECT_EQ(read_whole_file(path), "old");
    EXPECT_EQ(folder_names(dir_.path()), std::vector<std::string>{"kept.ini"}) << "temporary file left";

    const std::string fresh = dir_.at("fresh.ini");
    ASSERT_TRUE(write_file_replacing(fresh, std::string_view("first"), ReplaceOptions{false}).ok());
    EXPECT_EQ(read_whole_file(fresh), "first");
}

TEST_F(FileIo, FailingProducerLeavesNoTemporaryFileAndKeepsTheTarget) {
    const std::string path = dir_.at("shot.png");
    write_whole_file(path, "precious");
    const Status s = write_file_replacing(path, [](ByteSink& sink) {
        if (Status w = write_text(sink, "partial"); !w) return w;
        return Status(make_error("producer failed"));
    });
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.error().message, "producer failed");
    EXPECT_EQ(read_whole_file(path), "precious");
    EXPECT_EQ(folder_names(dir_.path()), std::vector<std::string>{"shot.png"});
}

TEST_F(FileIo, ReadFileRefusesFilesOverTheLimit) {
    const std::string path = dir_.at("big.ini");
    write_whole_file(path, std::string(100, 'x'));
    const auto whole = read_file(path, 100);
    ASSERT_TRUE(whole.ok());
    ASSERT_TRUE(whole.value().has_value());
    EXPECT_EQ(*whole.value(), std::string(100, 'x'));
    const auto over = read_file(path, 99);
    ASSERT_FALSE(over.ok());
    EXPECT_NE(over.error().message.find("too large"), std::string::npos);
    // A missing folder is as missing as a missing file.
    const auto missing = read_file(dir_.at("none\\settings.ini"), 100);
    ASSERT_TRUE(missing.ok());
    EXPECT_FALSE(missing.value().has_value());
}

TEST_F(FileIo, FoldersAreCreatedWithTheirParentsAndTold) {
    const std::string deep = join_path(dir_.at("a"), "b\\c");
    EXPECT_FALSE(path_exists(deep));
    ASSERT_TRUE(create_folders(deep).ok());
    EXPECT_TRUE(is_folder(deep));
    EXPECT_TRUE(create_folders(deep).ok()) << "already there";
    write_whole_file(dir_.at("file"), "x");
    EXPECT_TRUE(path_exists(dir_.at("file")));
    EXPECT_FALSE(is_folder(dir_.at("file")));
    EXPECT_FALSE(create_folders(join_path(dir_.at("file"), "sub")).ok());
    EXPECT_FALSE(create_folders("").ok());
}
