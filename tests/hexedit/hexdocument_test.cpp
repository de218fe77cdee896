// The hex editor's document: the changed bytes over the paged file, undo,
// markers, and saving through a temporary file under every injected fault.

#include "base/zukerror.h"
#include "hexedit/hexdocument.h"
#include "io/faultloop.h"
#include "io/tempfolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using zuk::hexedit::CHexDocument;
using zuk::hexedit::CPagedFile;
using zuk::hexedit::HexSaveOptions;
using zuk::testing::TempFolder;

namespace {

std::string randomBytes(std::size_t n, unsigned seed)
{
    std::mt19937 gen(seed);
    std::string s(n, '\0');
    for (char& c : s)
        c = static_cast<char>(gen() & 0xFF);
    return s;
}

std::string told(const std::function<void()>& f)
{
    try {
        f();
        return {};
    } catch (const zuk::ZukError& e) {
        return e.what();
    }
}

std::string changedSet(const CHexDocument& doc)
{
    std::string s;
    for (std::uint64_t i = 0; i < doc.size(); ++i)
        s += doc.isChanged(i) ? '*' : '.';
    return s;
}

} // namespace

TEST(HexDocument, PagesReadTheFileExactlyAcrossTheirBounds)
{
    TempFolder dir;
    const std::string bytes = randomBytes(CPagedFile::kPageSize * 3 + 123, 7);
    zuk::testing::seedFile(dir.file("f.bin"), bytes);
    const CPagedFile file(dir.file("f.bin"));
    ASSERT_EQ(file.size(), bytes.size());
    std::mt19937 gen(1);
    for (int i = 0; i < 300; ++i) {
        const std::size_t at = gen() % bytes.size();
        const std::size_t n = std::min<std::size_t>(gen() % 200000, bytes.size() - at);
        std::string got(n, '\0');
        file.read(at, n, reinterpret_cast<std::uint8_t*>(got.data()));
        ASSERT_EQ(got, bytes.substr(at, n)) << at << "+" << n;
    }
    EXPECT_EQ(file.at(bytes.size() - 1), static_cast<std::uint8_t>(bytes.back()));
}

TEST(HexDocument, FoldersDevicesAndMissingFilesAreRefused)
{
    TempFolder dir;
    EXPECT_NE(told([&] { CHexDocument doc(dir.file("missing")); }).find("missing"),
              std::string::npos);
    EXPECT_NE(told([&] { CHexDocument doc(dir.path()); }), "");
    EXPECT_NE(told([&] { CHexDocument doc("/dev/null"); }).find("/dev/null"), std::string::npos);
}

TEST(HexDocument, ChangedBytesAndUndoFollowWhatDiffersFromTheFile)
{
    TempFolder dir;
    zuk::testing::seedFile(dir.file("f.bin"), "ABCDEF");
    CHexDocument doc(dir.file("f.bin"));
    EXPECT_FALSE(doc.modified());
    EXPECT_TRUE(doc.writeByte(1, 0x62));
    EXPECT_TRUE(doc.writeByte(3, 0x64));
    EXPECT_EQ(changedSet(doc), ".*.*..");
    EXPECT_EQ(doc.byteAt(1), 0x62);
    // The old value typed back: the byte is no longer changed.
    EXPECT_TRUE(doc.writeByte(3, 'D'));
    EXPECT_EQ(changedSet(doc), ".*....");
    EXPECT_FALSE(doc.writeByte(1, 0x62)); // the same value again is no step
    // At or past the end nothing happens: the size never changes.
    EXPECT_FALSE(doc.writeByte(6, 0));
    EXPECT_FALSE(doc.writeByte(~0ull, 0));
    EXPECT_EQ(doc.size(), 6u);

    // Two digits typed into one byte are one step.
    EXPECT_TRUE(doc.writeByte(5, 0x4F));
    EXPECT_TRUE(doc.writeByte(5, 0x41, true));
    EXPECT_EQ(changedSet(doc), ".*...*");
    EXPECT_EQ(doc.undo(), std::optional<std::uint64_t>(5));
    EXPECT_EQ(changedSet(doc), ".*....");
    EXPECT_EQ(doc.byteAt(5), 'F');
    EXPECT_EQ(doc.undo(), std::optional<std::uint64_t>(3)); // 'D' back over 'd'
    EXPECT_EQ(changedSet(doc), ".*.*..");
    EXPECT_EQ(doc.byteAt(3), 0x64);
    EXPECT_EQ(doc.undo(), std::optional<std::uint64_t>(3));
    EXPECT_EQ(doc.undo(), std::optional<std::uint64_t>(1));
    EXPECT_EQ(changedSet(doc), "......");
    EXPECT_FALSE(doc.modified());
    EXPECT_EQ(doc.undo(), std::nullopt);

    std::uint8_t bytes[6];
    bool changed[6];
    doc.writeByte(2, 'x');
    doc.read(0, 6, bytes, changed);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), 6), "ABxDEF");
    EXPECT_TRUE(changed[2] && !changed[1] && !changed[3]);
}

TEST(HexDocument, MarkersHoldTenOffsetsAndOtherIndexesAreRefused)
{
    TempFolder dir;
    zuk::testing::seedFile(dir.file("f.bin"), std::string(100, 'x'));
    CHexDocument doc(dir.file("f.bin"));
    for (int i = 0; i < 10; ++i)
        doc.setMarker(i, static_cast<std::uint64_t>(i * 10));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(doc.marker(i), std::optional<std::uint64_t>(i * 10));
    for (int bad : {-1, 10, -2147483647 - 1}) {
        EXPECT_EQ(told([&] { doc.setMarker(bad, 0); }), "SetMarker : Invalid marker index");
        EXPECT_EQ(told([&] { doc.marker(bad); }), "SetMarker : Invalid marker index");
    }
    CHexDocument fresh(dir.file("f.bin"));
    EXPECT_EQ(fresh.marker(0), std::nullopt);
}

TEST(HexDocument, OffsetsPastFourGigabytesWork)
{
    TempFolder dir;
    const std::uint64_t size = (5ull << 30) + 3; // sparse: takes no room on disk
    {
        const int fd = ::open(dir.file("big.bin").c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(size)), 0);
        ASSERT_EQ(::pwrite(fd, "Z", 1, static_cast<off_t>(size - 1)), 1);
        ::close(fd);
    }
    CHexDocument doc(dir.file("big.bin"));
    EXPECT_EQ(doc.size(), size);
    EXPECT_EQ(doc.byteAt(size - 1), 'Z');
    const std::uint64_t far = (4ull << 30) + 5;
    EXPECT_TRUE(doc.writeByte(far, 0x41));
    EXPECT_EQ(doc.byteAt(far), 0x41);
    EXPECT_FALSE(doc.isChanged(far - (4ull << 30))); // no wrap-around to 32 bits
    doc.setMarker(9, size - 1);
    EXPECT_EQ(doc.marker(9), std::optional<std::uint64_t>(size - 1));
}

TEST(HexDocument, SaveWritesTheChangesKeepsTheModeAndStartsAfresh)
{
    TempFolder dir;
    const std::string original = randomBytes(CPagedFile::kPageSize * 2 + 77, 3);
    const std::string path = dir.file("f.bin");
    zuk::testing::seedFile(path, original);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    CHexDocument doc(path);
    std::string expected = original;
    for (std::uint64_t at : {0ull, 1ull, 2ull, 70000ull, 70001ull, original.size() - 1ull}) {
        const auto value = static_cast<std::uint8_t>(~static_cast<unsigned char>(original[at]));
        doc.writeByte(at, value);
        expected[at] = static_cast<char>(value);
    }
    doc.setMarker(0, 70000);
    doc.save(path, {});
    EXPECT_EQ(dir.read("f.bin"), expected);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(dir.entryCount(), 1u); // no temporary file, no backup
    EXPECT_FALSE(doc.modified());
    EXPECT_FALSE(doc.canUndo());
    EXPECT_EQ(doc.marker(0), std::optional<std::uint64_t>(70000));
    EXPECT_EQ(doc.byteAt(70000), static_cast<std::uint8_t>(expected[70000]));
    EXPECT_FALSE(doc.changedOnDisk());
}

TEST(HexDocument, SaveAsThenSaveWritesTheNewName)
{
    TempFolder dir;
    zuk::testing::seedFile(dir.file("a.bin"), "0123");
    CHexDocument doc(dir.file("a.bin"));
    doc.writeByte(0, 'x');
    doc.save(dir.file("b.bin"), {true, ".bak"}); // another name: no backup
    EXPECT_EQ(doc.fileName(), dir.file("b.bin"));
    doc.writeByte(1, 'y');
    doc.save(doc.fileName(), {});
    EXPECT_EQ(dir.read("a.bin"), "0123");
    EXPECT_EQ(dir.read("b.bin"), "xy23");
    EXPECT_EQ(dir.entryCount(), 2u);
}

TEST(HexDocument, ABackupKeepsTheFileAsItWasOnDisk)
{
    TempFolder dir;
    zuk::testing::seedFile(dir.file("data.bin"), "old");
    CHexDocument doc(dir.file("data.bin"));
    doc.save(doc.fileName(), {true, ".bak"}); // nothing changed: no copy
    EXPECT_EQ(dir.entryCount(), 1u);
    doc.writeByte(0, 'n');
    doc.save(doc.fileName(), {true, ".bak"});
    EXPECT_EQ(dir.read("data.bak"), "old");
    EXPECT_EQ(dir.read("data.bin"), "nld");
    // A file that has the backup extension gets a second one.
    EXPECT_EQ(CHexDocument::backupNameOf("/x/a.bak", ".bak"), "/x/a.bak.bak");
    EXPECT_EQ(CHexDocument::backupNameOf("/x/a", ".old"), "/x/a.old");
}

TEST(HexDocument, AChangeOnDiskIsNoticedAndAShorterFileIsNeverSaved)
{
    TempFolder dir;
    const std::string path = dir.file("f.bin");
    zuk::testing::seedFile(path, "abcdef");
    CHexDocument doc(path);
    doc.writeByte(5, 'F');
    EXPECT_FALSE(doc.changedOnDisk());
    {
        const int fd = ::open(path.c_str(), O_WRONLY);
        ASSERT_EQ(::ftruncate(fd, 3), 0);
        ::close(fd);
    }
    EXPECT_TRUE(doc.changedOnDisk());
    EXPECT_TRUE(doc.changedInPlace());
    EXPECT_NE(told([&] { doc.save(path, {}); }).find("стал короче"), std::string::npos);
    EXPECT_NE(told([&] { doc.save(dir.file("other.bin"), {}); }), "");
    EXPECT_EQ(dir.read("f.bin"), "abc");
    EXPECT_TRUE(doc.modified());
    EXPECT_EQ(dir.entryCount(), 1u);

    // Another file under the name is a change on disk, not of the open file.
    zuk::testing::seedFile(dir.file("g.bin"), "123456");
    CHexDocument other(dir.file("g.bin"));
    zuk::io::writeFileAtomically(dir.file("g.bin"), "6543210");
    EXPECT_TRUE(other.changedOnDisk());
    EXPECT_FALSE(other.changedInPlace());
    EXPECT_EQ(other.byteAt(0), '1');
}

// Whatever call of the writer fails, the target is as it was, no temporary
// file is left, the changes stay and the reason is told. A backup that was
// made before the failure holds the old file.
TEST(HexDocument, AFailedSaveLeavesTheTargetIdentical)
{
    TempFolder dir;
    const std::string path = dir.file("f.bin");
    const std::string original = randomBytes(100000, 5);
    std::unique_ptr<CHexDocument> doc;
    const int cases = zuk::testing::forEveryFault(
        [&] {
            std::filesystem::remove_all(dir.path());
            std::filesystem::create_directories(dir.path());
            zuk::testing::seedFile(path, original);
            doc = std::make_unique<CHexDocument>(path);
            doc->writeByte(10, 0);
            doc->writeByte(original.size() - 1, 0);
        },
        [&] { return told([&] {
                  doc->save(path, {true, ".bak"});
              }); },
        [&](const zuk::testing::Fault& fault, const std::string& message) {
            SCOPED_TRACE(fault.describe());
            EXPECT_NE(message, "");
            EXPECT_EQ(dir.read("f.bin"), original);
            EXPECT_TRUE(doc->modified());
            for (const auto& [name, bytes] : zuk::testing::snapshot(dir.path()))
                EXPECT_TRUE(name == "f.bin" || (name == "f.bak" && bytes == original)) << name;
        });
    EXPECT_GT(cases, 20);
    zuk::testing::faultCasesRun() += cases;
}
