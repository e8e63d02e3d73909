#include "base/AtomicFile.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "support/TempDir.h"

namespace etp {

namespace {

long FilesIn(const std::filesystem::path& folder)
{
    return std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator());
}

// Runs the write in a forked child under a 4 KiB file-size limit, so the disk is full
// halfway even for root; true when the write reported its failure.
bool ReportsFailureWhenTheDiskFills(const std::function<std::optional<std::string>()>& write)
{
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(write() ? 0 : 1);
    }
    int status = 1;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

// The file is replaced whole and no temporary remains; a missing folder or a folder as
// the target is reported.
TEST(WriteFileAtomically, ReplacesTheFileWholeOrSaysWhy)
{
    testing::TempDir dir;
    const auto path = dir.write("a.txt", "old");
    EXPECT_FALSE(WriteFileAtomically(path, "new content"));
    EXPECT_EQ(testing::ReadFile(path), "new content");
    EXPECT_TRUE(WriteFileAtomically(dir.file("missing/a.txt"), "x"));
    std::filesystem::create_directory(dir.file("folder"));
    EXPECT_EQ(WriteFileAtomically(dir.file("folder"), "x"), "it is a folder");
    EXPECT_EQ(FilesIn(dir.path()), 2);
}

// Content made piece by piece: the pieces in order. The disk filling up halfway, or an
// exception while producing, keeps the old file and leaves no temporary.
TEST(WriteFileAtomically, PiecesInOrderAndFailuresMidway)
{
    testing::TempDir dir;
    const auto path = dir.write("results.txt", "old results");
    EXPECT_FALSE(WriteFileAtomically(path, [](const PieceWriter& write) {
        for (int k = 0; k < 1000; ++k) write(std::to_string(k) + ",");
    }));
    std::string written;
    for (int k = 0; k < 1000; ++k) written += std::to_string(k) + ",";
    EXPECT_EQ(testing::ReadFile(path), written);

    EXPECT_TRUE(ReportsFailureWhenTheDiskFills([&] {
        return WriteFileAtomically(path, [](const PieceWriter& write) {
            for (int k = 0; k < 300; ++k) write(std::string(4096, 'x'));
        });
    }));
    const auto failing = [](const PieceWriter& write) { write("partial"); throw std::runtime_error("out of memory, say"); };
    EXPECT_THROW((void)WriteFileAtomically(path, failing), std::runtime_error);
    EXPECT_EQ(testing::ReadFile(path), written);
    EXPECT_EQ(FilesIn(dir.path()), 1);
}

// A gathered file is written under its own name, with no temporary beside it; the disk
// filling up, or an exception while producing, leaves no file at all.
TEST(WriteGatheredFile, TheFileItselfOrNothing)
{
    testing::TempDir dir;
    const auto path = dir.file("north.txt");
    EXPECT_FALSE(WriteGatheredFile(path, [](const PieceWriter& write) { write("DATE\t"), write("PenMon"); }));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"north.txt"});
    EXPECT_EQ(testing::ReadFile(path), "DATE\tPenMon");

    const auto other = dir.file("south.txt");
    EXPECT_TRUE(ReportsFailureWhenTheDiskFills([&] {
        return WriteGatheredFile(other, [](const PieceWriter& write) {
            for (int k = 0; k < 300; ++k) write(std::string(4096, 'x'));
        });
    }));
    const auto failing = [](const PieceWriter& write) { write("partial"); throw std::runtime_error("out of memory, say"); };
    EXPECT_THROW((void)WriteGatheredFile(other, failing), std::runtime_error);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"north.txt"});
    EXPECT_TRUE(WriteGatheredFile(dir.file("missing/a.txt"), failing).has_value());
}

// A writer killed halfway (the program ended by the system, a crash) leaves the old file
// whole under its name; what it had written stays a temporary beside it.
TEST(WriteFileAtomically, AWriterKilledMidwayLeavesTheOldFile)
{
    const testing::TempDir dir;
    const std::string old(100000, 'o');
    const std::string path = dir.write("station.txt", old);
    int halfway[2];
    ASSERT_EQ(pipe(halfway), 0);
    const pid_t child = fork();
    if (child == 0) {
        (void)WriteFileAtomically(path, [&](const PieceWriter& write) {
            for (int k = 0;; ++k) {
                write(std::string(64 << 10, 'n'));
                if (k == 3 && ::write(halfway[1], "h", 1) != 1) _exit(2);
                usleep(10000);
            }
        });
        _exit(1);
    }
    ASSERT_GT(child, 0);
    char signal = 0;
    ASSERT_EQ(read(halfway[0], &signal, 1), 1);
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status));
    close(halfway[0]);
    close(halfway[1]);
    EXPECT_EQ(testing::ReadFile(path), old);
    const auto names = dir.names();
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0], "station.txt");
    EXPECT_TRUE(names[1].starts_with("station.txt.") && names[1].ends_with(".tmp")) << names[1];
}

// A pipe (as /dev/null or a shell's >(...)) is written into, not replaced by a file; a
// link keeps pointing at the file, which gets the new content.
TEST(WriteFileAtomically, PipesAreWrittenIntoAndLinksFollowed)
{
    const testing::TempDir dir;
    const std::string pipe = dir.file("pipe"), second = dir.file("second name");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    ASSERT_EQ(link(pipe.c_str(), second.c_str()), 0); // to free the reader should the pipe be replaced
    std::string received;
    std::thread reader([&] {
        std::FILE* in = std::fopen(pipe.c_str(), "rb");
        for (int c; in && (c = std::fgetc(in)) != EOF;) received += static_cast<char>(c);
        if (in) std::fclose(in);
    });
    EXPECT_EQ(WriteFileAtomically(pipe, "through the pipe"), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
    if (!std::filesystem::is_fifo(pipe)) std::fclose(std::fopen(second.c_str(), "wb"));
    reader.join();
    EXPECT_EQ(received, "through the pipe");
    EXPECT_EQ(FilesIn(dir.path()), 2);

    const std::string file = dir.write("file.txt", "old");
    std::filesystem::create_symlink(file, dir.file("link.txt"));
    EXPECT_EQ(WriteFileAtomically(dir.file("link.txt"), "new"), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.txt")));
    EXPECT_EQ(testing::ReadFile(file), "new");
}

} // namespace etp
