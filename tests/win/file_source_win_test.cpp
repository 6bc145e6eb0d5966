#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "win/file_source.h"

#include "support/test_support_win.h"

namespace {

using namespace test_support;

}  // namespace

TEST(FileSource, ReadsAnyPartAndNothingPastTheEnd) {
    ScratchFolder dir("file-source");
    std::string bytes(40000, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 % 251);
    write_whole_file(dir.at("data.bin"), bytes);
    std::optional<FileSource> source = FileSource::open(dir.at("data.bin"));
    ASSERT_TRUE(source);

    // In this order, so that reads fall inside, across and outside the part read before.
    struct Case { uint64_t offset; size_t size; bool ok; };
    const Case cases[] = {
        {0, 2, true}, {1, 8, true}, {16380, 10, true}, {16383, 1, true}, {5, 30000, true},
        {39990, 10, true}, {39999, 1, true}, {40000, 0, true}, {39999, 2, false}, {40000, 1, false},
        {40001, 0, false}, {0, 40001, false}, {UINT64_MAX, 1, false}, {100, 16384, true}, {0, 40000, true},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> out(c.size, 0xEE);
        ASSERT_EQ(source->read(c.offset, out), c.ok) << c.offset << " + " << c.size;
        if (c.ok) {
            EXPECT_EQ(std::string(out.begin(), out.end()), bytes.substr(static_cast<size_t>(c.offset), c.size))
                << c.offset << " + " << c.size;
        }
    }
    EXPECT_FALSE(FileSource::open(dir.at("missing.bin")));
    EXPECT_FALSE(FileSource::open(dir.path()));  // a folder
}
