#include "base/AtomicFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <sys/resource.h>

#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace etp {

namespace {

long FilesIn(const std::filesystem::path& folder)
{
    return std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator());
}

// Runs the write in a child process under a 4 KiB file-size limit, so the disk is full
// halfway even for root; true when the write reported its failure.
bool ReportsFailureWhenTheDiskFills(const std::function<std::optional<std::string>()>& write)
{
    const auto run = testing::RunInChild(
        [&](std::string&) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &limit);
            return write().has_value() ? 0 : 1;
        },
        false);
    return run && run->status == 0;
}

} // namespace

TEST(WriteFileAtomically, ReplacesTheFileWhole)
{
    testing::TempDir dir;
    const auto path = dir.write("a.txt", "old");
    EXPECT_FALSE(WriteFileAtomically(path, "new content"));
    EXPECT_EQ(testing::ReadFile(path), "new content");
    EXPECT_EQ(FilesIn(dir.path()), 1);
}

TEST(WriteFileAtomically, ReportsAMissingFolderOrAFolderAsTarget)
{
    testing::TempDir dir;
    EXPECT_TRUE(WriteFileAtomically(dir.file("missing/a.txt"), "x"));
    std::filesystem::create_directory(dir.file("folder"));
    const auto reason = WriteFileAtomically(dir.file("folder"), "x");
    ASSERT_TRUE(reason);
    EXPECT_EQ(*reason, "it is a folder");
    EXPECT_EQ(FilesIn(dir.path()), 1);
}

// The disk fills up halfway: the old file must survive and no temporary may remain.
TEST(WriteFileAtomically, AWriteThatFailsMidwayKeepsTheOldFile)
{
    testing::TempDir dir;
    const auto path = dir.write("results.txt", "old results");
    EXPECT_TRUE(ReportsFailureWhenTheDiskFills([&] { return WriteFileAtomically(path, std::string(1 << 20, 'x')); }));
    EXPECT_EQ(testing::ReadFile(path), "old results");
    EXPECT_EQ(FilesIn(dir.path()), 1);
}

// Content made piece by piece: the pieces in order; a failing write stops at the first
// failure and keeps the old file; an exception while producing leaves no temporary.
TEST(WriteFileAtomically, PiecesInOrderAndFailuresMidway)
{
    testing::TempDir dir;
    const auto path = dir.write("results.txt", "old results");
    EXPECT_FALSE(WriteFileAtomically(path, [](const PieceWriter& write) {
        for (int k = 0; k < 1000; ++k) write(std::to_string(k) + ",");
    }));
    std::string expected;
    for (int k = 0; k < 1000; ++k) expected += std::to_string(k) + ",";
    EXPECT_EQ(testing::ReadFile(path), expected);

    EXPECT_TRUE(ReportsFailureWhenTheDiskFills([&] {
        return WriteFileAtomically(path, [](const PieceWriter& write) {
            for (int k = 0; k < 300; ++k) write(std::string(4096, 'x'));
        });
    }));
    EXPECT_EQ(testing::ReadFile(path), expected);

    EXPECT_THROW((void)WriteFileAtomically(path,
                                           [](const PieceWriter& write) {
                                               write("partial");
                                               throw std::runtime_error("out of memory, say");
                                           }),
                 std::runtime_error);
    EXPECT_EQ(testing::ReadFile(path), expected);
    EXPECT_EQ(FilesIn(dir.path()), 1);
}

} // namespace etp
