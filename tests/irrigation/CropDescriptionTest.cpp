#include "irrigation/CropDescription.h"

#include <gtest/gtest.h>

#include "irrigation/CropPresets.h"
#include "irrigation/CropSeries.h"

namespace etp {

namespace {

CropDescription Read(const std::string& text)
{
    const CropDescriptionRead read = ReadCropDescription(text);
    EXPECT_EQ(read.problem, "");
    return read.description.value_or(CropDescription{});
}

std::string Problem(const std::string& text)
{
    const CropDescriptionRead read = ReadCropDescription(text);
    EXPECT_FALSE(read.description) << text;
    return read.problem;
}

const std::string kMaize = "crop = maize\nsoil = sandy loam\nplanting = 01/05/2019\n";

} // namespace

// Maize on a sandy loam: FAO-56 Table 11 (30, 40, 50, 30 days), Table 12 (Kc 0.30, 1.20,
// 0.35 dried in the field; 2 m), Table 22 (roots 1.0 to 1.7 m, p 0.55), Table 19 (sandy
// loam: theta FC 0.18 to 0.28, WP 0.06 to 0.16).
TEST(ReadCropDescription, MaizeOnSandyLoamFromThePresets)
{
    const CropDescription d = Read("# the sample's season\n" + kMaize);
    EXPECT_EQ(d.crop, "maize");
    EXPECT_EQ(d.soil, "sandy loam");
    EXPECT_EQ(DateText(d.planting), "01/05/2019");
    EXPECT_EQ(d.stages, (StageLengths{30, 40, 50, 30}));
    EXPECT_EQ(d.kind, CoefficientKind::Single);
    EXPECT_DOUBLE_EQ(d.KcIni, 0.30);
    EXPECT_DOUBLE_EQ(d.KcMid, 1.20);
    EXPECT_DOUBLE_EQ(d.KcEnd, 0.35);
    EXPECT_DOUBLE_EQ(d.hMax, 2);
    EXPECT_DOUBLE_EQ(d.ZrMax, 1.35);
    EXPECT_DOUBLE_EQ(d.p, 0.55);
    EXPECT_DOUBLE_EQ(d.thetaFc, 0.23);
    EXPECT_DOUBLE_EQ(d.thetaWp, 0.11);
    EXPECT_DOUBLE_EQ(d.theta0, 0.23); // field capacity when not written
    EXPECT_TRUE(d.kcAdjust);
    EXPECT_FALSE(d.cn2);
}

// A key after a preset overrides it; a preset overrides the keys above it.
TEST(ReadCropDescription, LaterKeysOverride)
{
    const CropDescription d = Read("p = 0.3\nkc_mid = 1.0\n" + kMaize + "kc_mid = 1.1   # a local value\ncn2 = 75\n");
    EXPECT_DOUBLE_EQ(d.p, 0.55);
    EXPECT_DOUBLE_EQ(d.KcMid, 1.1);
    EXPECT_EQ(d.cn2, 75);
}

// The dual coefficient: chosen by a kcb key written in the file or by coefficient = dual,
// which takes Kcb from FAO-56 Table 17 (maize 0.15, 1.15, 0.15) and TEW by Eq. 73:
// 1000 (0.23 - 0.5 x 0.11) 0.10 = 17.5 mm, REW 8 mm (Table 19, sandy loam 6 to 10).
TEST(ReadCropDescription, DualCoefficient)
{
    const CropDescription d = Read(kMaize + "coefficient = dual\n");
    EXPECT_EQ(d.kind, CoefficientKind::Dual);
    EXPECT_DOUBLE_EQ(d.KcIni, 0.15);
    EXPECT_DOUBLE_EQ(d.KcMid, 1.15);
    EXPECT_NEAR(d.TEW, 17.5, 1e-12);
    EXPECT_DOUBLE_EQ(d.REW, 8);
    const CropDescription written = Read(kMaize + "kcb_mid = 1.1\ntew = 20\n");
    EXPECT_EQ(written.kind, CoefficientKind::Dual);
    EXPECT_DOUBLE_EQ(written.KcMid, 1.1);
    EXPECT_DOUBLE_EQ(written.TEW, 20);
    EXPECT_EQ(Read(kMaize).kind, CoefficientKind::Single); // the preset's Kcb alone does not choose
}

// Every crop and soil the issue lists is built in and reads without a problem.
TEST(ReadCropDescription, EveryPresetReads)
{
    for (const char* crop : {"maize", "wheat", "barley", "potato", "sugar beet", "tomato", "soybean", "sunflower",
                             "cotton", "alfalfa", "grass", "grapes", "citrus", "olives"})
        for (const Preset& soil : SoilPresets()) {
            const std::string text =
                "crop = " + std::string(crop) + "\nsoil = " + std::string(soil.name) + "\nplanting = 2019-04-01\n";
            EXPECT_TRUE(ReadCropDescription(text).description) << text;
            EXPECT_TRUE(ReadCropDescription(text + "coefficient = dual\n").description) << text;
        }
    EXPECT_EQ(SoilPresets().size(), 9u); // FAO-56 Table 19: sand to clay
}

// Each refusal names the key and the line (or the key that is missing).
TEST(ReadCropDescription, BadInputsNameTheKeyAndLine)
{
    const std::pair<std::string, std::string> cases[] = {
        {"kc_md = 1.2", "line 4: unknown key \"kc_md\""},
        {"theta_wp = 0.3", "line 4: theta_wp must be below theta_fc (0.23): \"0.3\""},
        {"p = 0.9", "line 4: p must be a fraction from 0.1 to 0.8: \"0.9\""},
        {"l_dev = 0", "line 4: l_dev must be a whole number of days from 1 to 366: \"0\""},
        {"l_mid = 10.5", "line 4: l_mid must be a whole number of days from 1 to 366: \"10.5\""},
        {"kc_mid = 2.5", "line 4: kc_mid must be a number from 0 to 2: \"2.5\""},
        {"kc_ini = -0.1", "line 4: kc_ini must be a number from 0 to 2: \"-0.1\""},
        {"kc_adjust = maybe", "line 4: kc_adjust must be yes or no: \"maybe\""},
        {"planting = 31/02/2019", "line 4: planting must be a date such as 01/05/2019: \"31/02/2019\""},
        {"theta_0 = 0.05", "line 4: theta_0 must be a water content from theta_wp to theta_fc: \"0.05\""},
        {"zr_max = 0.1", "line 4: zr_max must be a depth from zr_ini (0.15) to 10 m: \"0.1\""},
        {"cn2 = 0", "line 4: cn2 must be a curve number from 1 to 100: \"0\""},
        {"a line", "line 4: not a key = value line: \"a line\""},
        {"crop = mais", "line 4: crop \"mais\" is not a built-in crop; the built-in ones are maize, wheat, barley, "
                        "potato, sugar beet, tomato, soybean, sunflower, cotton, alfalfa, grass, grapes, citrus, olives"},
    };
    for (const auto& [line, message] : cases) EXPECT_EQ(Problem(kMaize + line + "\n"), message) << line;
    EXPECT_EQ(Problem("crop = maize\nsoil = loam\n"), "the key planting is missing");
    EXPECT_EQ(Problem("soil = loam\nplanting = 01/05/2019\nl_ini = 10\nl_dev = 10\nl_mid = 10\nl_late = 10\n"),
              "the key kc_ini is missing");
    EXPECT_EQ(Problem(kMaize + "coefficient = dual\nrew = 30\n"), "line 5: rew must be below TEW (17.5 mm): \"30\"");
}

// date<TAB>depth[<TAB>fw], blank lines and comments skipped; each refusal names its line.
TEST(ReadIrrigationFile, LinesAndRefusals)
{
    const IrrigationFileRead read = ReadIrrigationFile("# date\tmm\n15/06/2019\t40\n\n2019-07-01\t35.5\t0.5\r\n");
    ASSERT_EQ(read.problem, "");
    ASSERT_EQ(read.irrigations.size(), 2u);
    EXPECT_EQ(DateText(read.irrigations[0].date), "15/06/2019");
    EXPECT_EQ(read.irrigations[0].depth, 40);
    EXPECT_FALSE(read.irrigations[0].fw);
    EXPECT_EQ(read.irrigations[1].depth, 35.5);
    EXPECT_EQ(read.irrigations[1].fw, 0.5);
    EXPECT_EQ(read.irrigations[1].line, 4);
    const std::pair<std::string, std::string> cases[] = {
        {"15/06/2019\t-5", "line 1: not date<TAB>depth mm[<TAB>fw] with a depth not below 0: \"15/06/2019\t-5\""},
        {"15/06/2019 40", "line 1: not date<TAB>depth mm[<TAB>fw] with a depth not below 0: \"15/06/2019 40\""},
        {"15/06/2019\t40\t0", "line 1: fw must be a fraction from 0.01 to 1: \"0\""},
        {"15/06/2019\t40\n15/06/2019\t10", "line 2: 15/06/2019 is already on line 1"},
    };
    for (const auto& [text, message] : cases) EXPECT_EQ(ReadIrrigationFile(text).problem, message) << text;
    EXPECT_EQ(IrrigationOutsideSeason(read.irrigations, {1, 5, 2019}, {30, 6, 2019}),
              "line 4: 01/07/2019 is outside the season, 01/05/2019 to 30/06/2019");
    EXPECT_FALSE(IrrigationOutsideSeason(read.irrigations, {15, 6, 2019}, {1, 7, 2019}));
}

} // namespace etp
