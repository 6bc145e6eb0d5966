#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "image/dropfiles.h"

namespace {
uint32_t read32(const std::vector<uint8_t>& b, size_t at) {
    uint32_t v = 0;
    std::memcpy(&v, b.data() + at, 4);  // little-endian host, as Windows
    return v;
}
}  // namespace

TEST(Dropfiles, HeaderPathAndDoubleNul) {
    const std::u16string path = u"C:\\Videos\\Ormick_20240101_120000.mp4";
    const auto block = build_dropfiles(path);
    ASSERT_TRUE(block);
    ASSERT_EQ(block->size(), 20 + 2 * (path.size() + 2));
    EXPECT_EQ(read32(*block, 0), 20u);  // pFiles
    EXPECT_EQ(read32(*block, 4), 0u);   // pt.x
    EXPECT_EQ(read32(*block, 8), 0u);   // pt.y
    EXPECT_EQ(read32(*block, 12), 0u);  // fNC
    EXPECT_EQ(read32(*block, 16), 1u);  // fWide
    std::u16string stored(path.size(), u'\0');
    std::memcpy(stored.data(), block->data() + 20, 2 * path.size());
    EXPECT_EQ(stored, path);
    for (size_t i = block->size() - 4; i < block->size(); ++i) EXPECT_EQ((*block)[i], 0) << i;
}

TEST(Dropfiles, NoBlockForAPathThatIsNoFileList) {
    EXPECT_FALSE(build_dropfiles(u""));
    EXPECT_FALSE(build_dropfiles(std::u16string(u"C:\\a\0b.mp4", 10)));
}
