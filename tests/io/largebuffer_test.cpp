#include "io/largebuffer.h"

#include "base/zukerror.h"
#include "io/tempfolder.h"

#include <gtest/gtest.h>

namespace {

TEST(ReadWholeFile, SizesAndKindsOfFiles)
{
    zuk::testing::TempFolder dir;
    std::string big(9u << 20, 'x'); // past the large-page threshold
    for (std::size_t i = 0; i < big.size(); i += 4099)
        big[i] = static_cast<char>(i % 251);
    dir.write("big", big);
    EXPECT_EQ(zuk::io::readWholeFile(dir.file("big")), big);
    dir.write("empty", "");
    EXPECT_EQ(zuk::io::readWholeFile(dir.file("empty")), "");
    dir.write("small", std::string("a\0b", 3));
    EXPECT_EQ(zuk::io::readWholeFile(dir.file("small")), std::string("a\0b", 3));

    // Files that report no size still give their content.
    EXPECT_NE(zuk::io::readWholeFile("/proc/self/status").find("Name:"), std::string::npos);

    for (const std::string& bad : {dir.file("missing"), dir.path(), std::string()}) {
        try {
            zuk::io::readWholeFile(bad);
            ADD_FAILURE() << "read of " << bad << " succeeded";
        } catch (const zuk::IoError& e) {
            EXPECT_FALSE(std::string(e.what()).empty());
        }
    }

    std::string reserved;
    zuk::io::reserveLargeBuffer(reserved, 20u << 20);
    EXPECT_GE(reserved.capacity(), 20u << 20);
    EXPECT_TRUE(reserved.empty());
}

} // namespace
