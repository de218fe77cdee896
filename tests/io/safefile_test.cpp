// The safe writer under injected faults: whatever call fails, the old file
// stays as it was, no temporary file is left and the reason is told.

#include "io/safefile.h"

#include "base/zukerror.h"
#include "io/faultloop.h"
#include "io/tempfolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

using zuk::io::AtomicFileWriter;
using zuk::io::InjectedFault;
using zuk::io::WriteCall;
using zuk::testing::Fault;
using zuk::testing::TempFolder;

namespace {

std::size_t openDescriptors()
{
    std::size_t n = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator("/proc/self/fd"))
        ++n;
    return n;
}

// What a write told the user: empty when it succeeded.
std::string attempt(const std::function<void()>& write)
{
    try {
        write();
        return {};
    } catch (const zuk::IoError& e) {
        return e.what();
    }
}

TEST(SafeFile, CountsEveryCallOfAWrite)
{
    TempFolder dir;
    const std::string big(3 * 1024 * 1024 + 5, 'b'); // more than one write chunk
    {
        InjectedFault counting;
        zuk::io::writeFileAtomically(dir.file("new.txt"), "fresh");
        EXPECT_FALSE(counting.triggered());
        EXPECT_EQ(counting.calls(WriteCall::OpenTemp), 1);
        EXPECT_EQ(counting.calls(WriteCall::Fchmod), 0); // nothing to take the bits from
        EXPECT_EQ(counting.calls(WriteCall::Write), 1);
        EXPECT_EQ(counting.calls(WriteCall::Fsync), 1);
        EXPECT_EQ(counting.calls(WriteCall::Close), 1);
        EXPECT_EQ(counting.calls(WriteCall::Rename), 1);
    }
    {
        InjectedFault counting;
        AtomicFileWriter writer(dir.file("new.txt"));
        for (std::size_t at = 0; at < big.size(); at += 1000)
            writer.append(std::string_view(big).substr(at, 1000));
        writer.commit();
        EXPECT_EQ(counting.calls(WriteCall::Fchmod), 1);
        EXPECT_EQ(counting.calls(WriteCall::Write), 4);
    }
    EXPECT_EQ(dir.read("new.txt"), big);
    // Without a seam the writer's calls go to the system unseen.
    zuk::io::writeFileAtomically(dir.file("new.txt"), "plain");
    EXPECT_EQ(dir.read("new.txt"), "plain");
}

// Every call position of every kind, with every errno, for a new file and for
// a file replaced by small and by big contents.
TEST(SafeFile, EveryFailedCallLeavesTheOldFileAndTellsWhy)
{
    TempFolder dir;
    const std::string target = dir.file("doc.txt");
    const std::string big(2 * 1024 * 1024 + 17, 'n');
    struct Row {
        const char* name;
        bool oldFile;
        std::string bytes;
    } rows[] = {
        {"new small file", false, "hello\r\n"},
        {"replaced by small", true, "hello\r\n"},
        {"replaced by big, in pieces", true, big},
        {"emptied", true, ""},
    };
    const std::size_t fds = openDescriptors();
    int cases = 0;
    for (const Row& row : rows) {
        const int n = zuk::testing::forEveryFault(
            [&] {
                std::filesystem::remove(target);
                if (row.oldFile) {
                    zuk::testing::seedFile(target, "old\r\n");
                    ::chmod(target.c_str(), 0640);
                }
            },
            [&] {
                return attempt([&] {
                    AtomicFileWriter writer(target);
                    for (std::size_t at = 0; at < row.bytes.size(); at += 300000)
                        writer.append(std::string_view(row.bytes).substr(at, 300000));
                    writer.commit();
                });
            },
            [&](const Fault& f, const std::string& told) {
                SCOPED_TRACE(std::string(row.name) + ": " + f.describe());
                EXPECT_NE(told.find(std::strerror(f.err)), std::string::npos) << told;
                EXPECT_NE(told.find(target), std::string::npos) << told;
                const auto files = zuk::testing::snapshot(dir.path());
                if (row.oldFile) {
                    ASSERT_EQ(files.size(), 1u);
                    EXPECT_EQ(files.at("doc.txt"), "old\r\n");
                    struct stat st {};
                    ::stat(target.c_str(), &st);
                    EXPECT_EQ(st.st_mode & 07777, 0640u);
                } else {
                    EXPECT_TRUE(files.empty());
                }
            });
        cases += n;
    }
    // A failing close still closes: no descriptor is left behind.
    EXPECT_EQ(openDescriptors(), fds);
    // open, the writes (none for nothing, three for the big text), fsync, close,
    // rename; fchmod for an old file.
    EXPECT_EQ(cases, 4 * (5 + 6 + 8 + 5));
    std::cout << "[ faults   ] safe writer: " << cases << " cases\n";
}

TEST(SafeFile, AWriterDroppedHalfWayLeavesNothing)
{
    TempFolder dir;
    zuk::testing::seedFile(dir.file("a.txt"), "old");
    {
        AtomicFileWriter writer(dir.file("a.txt"));
        writer.append(std::string(2 * 1024 * 1024, 'x')); // reaches the disk
        EXPECT_EQ(dir.entryCount(), 2u);
    }
    EXPECT_EQ(dir.read("a.txt"), "old");
    EXPECT_EQ(dir.entryCount(), 1u);

    // After a failure the writer takes nothing more, and commits nothing.
    AtomicFileWriter writer(dir.file("a.txt"));
    {
        InjectedFault fault(WriteCall::Write, 1, ENOSPC);
        EXPECT_THROW(writer.append(std::string(2 * 1024 * 1024, 'y')), zuk::IoError);
    }
    EXPECT_THROW(writer.append("z"), zuk::IoError);
    EXPECT_THROW(writer.commit(), zuk::IoError);
    EXPECT_EQ(dir.read("a.txt"), "old");
    EXPECT_EQ(dir.entryCount(), 1u);
}

TEST(SafeFile, AFolderInPlaceOfTheFileFailsCleanly)
{
    TempFolder dir;
    zuk::testing::seedFile(dir.file("doc.txt/inside"), "kept");
    const std::string told =
        attempt([&] { zuk::io::writeFileAtomically(dir.file("doc.txt"), "x"); });
    EXPECT_NE(told.find(std::strerror(EISDIR)), std::string::npos) << told;
    EXPECT_NE(told.find(dir.file("doc.txt")), std::string::npos) << told;
    const auto files = zuk::testing::snapshot(dir.path());
    EXPECT_EQ(files,
              (std::map<std::string, std::string>{{"doc.txt/", ""}, {"doc.txt/inside", "kept"}}));
}

TEST(SafeFile, AReadOnlyFolderIsRefusedWithItsReason)
{
    TempFolder dir;
    zuk::testing::seedFile(dir.file("ro/doc.txt"), "old");
    const std::string target = dir.file("ro/doc.txt");
    {
        // The system's refusal as an unprivileged user meets it (root writes anyway).
        InjectedFault fault(WriteCall::OpenTemp, 1, EACCES);
        const std::string told = attempt([&] { zuk::io::writeFileAtomically(target, "new"); });
        EXPECT_TRUE(fault.triggered());
        EXPECT_NE(told.find(std::strerror(EACCES)), std::string::npos) << told;
    }
    EXPECT_EQ(dir.read("ro/doc.txt"), "old");
    if (::geteuid() == 0)
        return;
    ASSERT_EQ(::chmod(dir.file("ro").c_str(), 0555), 0);
    const std::string told = attempt([&] { zuk::io::writeFileAtomically(target, "new"); });
    ::chmod(dir.file("ro").c_str(), 0755);
    EXPECT_NE(told.find(std::strerror(EACCES)), std::string::npos) << told;
    EXPECT_EQ(zuk::testing::snapshot(dir.file("ro")),
              (std::map<std::string, std::string>{{"doc.txt", "old"}}));
}

} // namespace

// A copy from the file being replaced, as a hex save makes it: by the system
// or (where the system cannot copy) by reading, with the old file's cached
// pages let go behind it. The new file is right and the old one, still open,
// has every byte it had.
TEST(SafeFile, ACopyFromTheReplacedFileLeavesItsBytesAlone)
{
    TempFolder dir;
    std::string original(3 * 1024 * 1024 + 5, '\0');
    for (std::size_t i = 0; i < original.size(); ++i)
        original[i] = static_cast<char>((i * 131 + i / 4096) & 0xFF);
    std::string expected = original;
    const std::size_t cut = 1024 * 1024;
    expected[cut] = 'x';
    for (const bool byReading : {false, true}) {
        SCOPED_TRACE(byReading ? "by reading" : "by the system");
        dir.write("f.bin", original);
        const int fd = ::open(dir.file("f.bin").c_str(), O_RDONLY);
        ASSERT_GE(fd, 0);
        {
            const InjectedFault noCopy =
                byReading ? InjectedFault(WriteCall::Write, 1, EXDEV) : InjectedFault();
            AtomicFileWriter writer(dir.file("f.bin"));
            writer.appendFrom(fd, 0, cut, "f.bin", true);
            writer.append("x");
            writer.appendFrom(fd, cut + 1, original.size() - cut - 1, "f.bin", true);
            writer.commit();
        }
        EXPECT_EQ(dir.read("f.bin"), expected);
        std::string old(original.size(), '\0');
        EXPECT_EQ(::pread(fd, &old[0], old.size(), 0), static_cast<ssize_t>(old.size()));
        EXPECT_TRUE(old == original);
        ::close(fd);
    }
}
