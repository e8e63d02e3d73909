// etp_bench [Google Benchmark options]   runs the benchmarks, then lists every stage
//                                        with its floor and the ratio of the two.
// etp_bench --write-station FILE DAYS STYLE
//                                        writes the generated station the benchmarks
//                                        use (STYLE: from30, from00 or 1900; see
//                                        BenchStation.h) for bench/pipeline.sh.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "BenchStation.h"

int main(int argc, char** argv)
{
    using etp::bench::DateStyle;
    if (argc >= 2 && std::strcmp(argv[1], "--write-station") == 0) {
        const std::string style = argc == 5 ? argv[4] : "";
        const int days = argc == 5 ? std::atoi(argv[3]) : 0;
        if (days <= 0 || (style != "from30" && style != "from00" && style != "1900")) {
            std::fprintf(stderr, "usage: etp_bench --write-station FILE DAYS from30|from00|1900\n");
            return 2;
        }
        const DateStyle dates = style == "from30"   ? DateStyle::TwoDigitFrom30
                                : style == "from00" ? DateStyle::TwoDigitFrom00
                                                    : DateStyle::FourDigitFrom1900;
        std::ofstream out(argv[2], std::ios::binary);
        out << etp::bench::StationText(days, dates);
        return out ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    etp::bench::PrintSummary();
    benchmark::Shutdown();
    return 0;
}
