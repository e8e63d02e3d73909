#include "base/FileBytes.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <string>
#include <thread>

#include "support/TempDir.h"

namespace etp {

namespace {

std::optional<std::string> BytesOf(const std::string& path, std::string& reason)
{
    const auto file = FileBytes::open(path, reason);
    if (!file) return std::nullopt;
    return std::string(file->bytes());
}

} // namespace

// A regular file (mapped) and a pipe (read) give their bytes exactly, NUL and CR
// included; a folder or a missing file is refused with its reason.
TEST(FileBytes, GivesEveryByteOfAFileOrAPipeOrSaysWhyNot)
{
    const testing::TempDir dir;
    const std::string bytes("DATE\tTMAX\r\n01/01/90\t\0\r\n", 24);
    std::string reason;
    EXPECT_EQ(BytesOf(dir.write("station.txt", bytes), reason), bytes);
    EXPECT_EQ(BytesOf(dir.write("empty.txt", ""), reason), "");

    const std::string fifo = dir.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string longText(200 * 1024, 'x'); // more than one read
    std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << longText; });
    const auto piped = BytesOf(fifo, reason);
    writer.join();
    EXPECT_EQ(piped, longText);

    EXPECT_EQ(BytesOf(dir.path().string(), reason), std::nullopt);
    EXPECT_EQ(reason, "it is a folder");
    EXPECT_EQ(BytesOf(dir.file("missing.txt"), reason), std::nullopt);
    EXPECT_EQ(reason, "it cannot be opened");
}

} // namespace etp
