// A workbook saved as .xlsx and as .ods by a spreadsheet program reads as the .xls import
// of the same workbook reads: the fixtures, and the shared corpus of real workbooks
// converted at test time when LibreOffice is there.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/TempDir.h"
#include "support/WorkbookImport.h"

namespace etp {

namespace {

using testing::Differences;
using testing::ImportedSheet;
using testing::ImportSheet;

const std::string kData = ETP_TEST_DATA_DIR "/xls/";
// Real workbooks of public spreadsheet test corpora; present where CI has them.
const std::string kShared = ETP_SHARED_DATA_DIR "/xls/";

struct SavedFormat {
    const char* extension;
    std::unique_ptr<WorkbookReader> (*makeReader)();
    const char* invalidArgument; // what Calc writes for its error 502 in this format
};
constexpr SavedFormat kFormats[] = {{"xlsx", &MakeXlsxWorkbookReader, "#VALUE!"},
                                    {"ods", &MakeOdsWorkbookReader, "Err:502"}};

ImportedSheet ImportXls(const std::string& path, int index = 0) { return ImportSheet(*MakeXlsWorkbookReader(), path, index); }

} // namespace

// Sheet names (hidden sheet included) and every sheet's cells and dropped columns; the
// 1904 date system.
TEST(SavedWorkbooks, FixturesReadAsTheirXls)
{
    for (const SavedFormat& format : kFormats)
        for (const std::string name : {"weather", "dates1904"}) {
            const std::string saved = kData + name + "." + format.extension;
            const ImportedSheet xls = ImportXls(kData + name + ".xls");
            const ImportedSheet first = ImportSheet(*format.makeReader(), saved);
            ASSERT_TRUE(first.ok) << saved << ": " << first.failure;
            ASSERT_EQ(first.names, xls.names) << saved;
            for (int i = 0; i < static_cast<int>(xls.names.size()); ++i) {
                const ImportedSheet x = ImportXls(kData + name + ".xls", i), o = ImportSheet(*format.makeReader(), saved, i);
                ASSERT_TRUE(o.ok) << saved << " " << i << ": " << o.failure;
                EXPECT_EQ(Differences(o.cells, x.cells), "") << saved << " sheet " << i;
                EXPECT_EQ(o.dropped, x.dropped) << saved << " sheet " << i;
            }
        }
}

// The real workbooks, but where noted.
TEST(SavedWorkbooks, SharedCorpusSavedByCalc)
{
    if (!std::filesystem::is_directory(kShared)) GTEST_SKIP() << "no " << kShared;
    if (std::system("command -v soffice >/dev/null 2>&1") != 0) GTEST_SKIP() << "no soffice";
    for (const SavedFormat& format : kFormats) {
        const testing::TempDir dir;
        std::string command = "cd '" + dir.path().string() + "' && soffice -env:UserInstallation=file://" +
                              dir.file("profile") + " --headless --convert-to " + format.extension + " --outdir out";
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(kShared)) {
            if (entry.path().extension() != ".xls") continue;
            names.push_back(entry.path().stem().string());
            command += " '" + entry.path().string() + "'";
        }
        ASSERT_EQ(std::system((command + " >/dev/null 2>&1").c_str()), 0);
        int compared = 0;
        for (const std::string& name : names) {
            const std::string saved = dir.file("out/" + name + "." + format.extension);
            if (!std::filesystem::exists(saved)) continue; // Calc refuses it too
            const ImportedSheet xls = ImportXls(kShared + name + ".xls");
            const ImportedSheet sheet = ImportSheet(*format.makeReader(), saved);
            ASSERT_TRUE(sheet.ok) << saved << ": " << sheet.failure;
            if (!xls.ok) continue;
            ++compared;
            // Calc makes a worksheet of each chart sheet, which the .xls import does not
            // offer, so sheets are matched by name; it names the one sheet of this BIFF5
            // workbook after the file.
            const bool byPlace = name == "freexl_simple2003_21";
            for (int i = 0; i < static_cast<int>(xls.names.size()); ++i) {
                const auto at = std::find(sheet.names.begin(), sheet.names.end(), xls.names[static_cast<std::size_t>(i)]);
                ASSERT_TRUE(byPlace || at != sheet.names.end()) << saved << " sheet " << i;
                const ImportedSheet x = ImportXls(kShared + name + ".xls", i);
                const ImportedSheet o =
                    ImportSheet(*format.makeReader(), saved, byPlace ? i : static_cast<int>(at - sheet.names.begin()));
                EXPECT_TRUE(o.ok) << saved << " " << i << ": " << o.failure;
                // Calc computes these error formulas again and writes its own texts.
                const bool errors = name == "libxls_types" && i == 2;
                const std::string recomputed =
                    "19,2: " + std::string(format.invalidArgument) + " | #NUM!\n20,2: #REF! | #NULL!\n";
                EXPECT_EQ(Differences(o.cells, x.cells), errors ? recomputed : "")
                    << saved << " sheet " << i;
            }
        }
        EXPECT_GT(compared, 10) << format.extension;
    }
}

} // namespace etp
