#include "workbench/SaveTextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "base/Refusal.h"
#include "models/ModelFile.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace etp {

namespace {

using testing::ReadFile;
using testing::ScriptedUserInterface;
using testing::TempDir;

constexpr SaveDialog kDialog{"*.out", "Save it"};

} // namespace

// A cancelled dialog, an empty name or a pattern ends the save without a word; a name is
// handed back once the text, whole or in pieces, is written there under the busy pointer.
TEST(SaveTextFile, NoNameNoFileAndWholeOrPiecewiseText)
{
    TempDir dir;
    ScriptedUserInterface ui;
    ui.saveFiles = {std::nullopt, "", dir.file("*.out"), dir.file("a?.out")};
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(SaveTextFile(ui, kDialog, TextBuilder([] { return std::string("x"); })));
    EXPECT_EQ(ui.saveTitles, std::vector<std::string>(4, "Save it"));
    EXPECT_EQ(ui.saveInitialNames, std::vector<std::string>(4, "*.out"));
    EXPECT_TRUE(ui.pointers.empty());
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));

    const auto path = dir.write("a.out", "old");
    ui.saveFiles = {path, dir.file("b.out")};
    EXPECT_EQ(SaveTextFile(ui, kDialog, TextBuilder([] { return std::string("whole\r\n"); })), path);
    EXPECT_EQ(ReadFile(path), "whole\r\n");
    const TextProducer pieces = [](const PieceWriter& write) { write("one "); write("two"); };
    EXPECT_EQ(SaveTextFile(ui, kDialog, pieces), dir.file("b.out"));
    EXPECT_EQ(ReadFile(dir.file("b.out")), "one two");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.pointers, (std::vector<Pointer>{Pointer::Busy, Pointer::Normal, Pointer::Busy, Pointer::Normal}));
}

// Refused data and an arithmetic error each end in one message, and the file that was there
// stays as it was (a file that cannot be written: tests/base).
TEST(SaveTextFile, FailuresAreShownAndKeepTheOldFile)
{
    TempDir dir;
    const auto path = dir.write("a.out", "old");
    const std::pair<TextBuilder, std::string> cases[] = {
        {[]() -> std::string { throw RefusedInput("The date in row 3 is not a date"); }, "The date in row 3 is not a date"},
        {[]() -> std::string { throw ArithmeticError("overflow"); }, "Arithmetic error: overflow"},
    };
    for (const auto& [build, message] : cases) {
        ScriptedUserInterface ui;
        ui.saveFiles = {path};
        EXPECT_FALSE(SaveTextFile(ui, kDialog, build)) << message;
        EXPECT_EQ(ui.messages, std::vector<std::string>{std::string(kApplicationTitle) + "|" + message});
        EXPECT_EQ(ui.icons, std::vector<Icon>{Icon::Critical}) << message;
        EXPECT_EQ(ui.pointer(), Pointer::Normal) << message;
        EXPECT_EQ(ReadFile(path), "old") << message;
    }
    EXPECT_EQ(dir.names(), std::vector<std::string>{"a.out"});
}

} // namespace etp
