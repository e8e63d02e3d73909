// libFuzzer target: any bytes as a weather text file through the batch tool: the text
// import, the auto finding of the columns, a Compute of every method, the irrigation
// steps and every model file. The first two bytes choose the methods (a method that the
// columns cannot give ends the run early); each run must end with a status, never a crash.
//   fuzz/run.sh batch [SECONDS]
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/RunBatch.h"

namespace {

std::filesystem::path Folder()
{
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / ("etp-batch-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) return 0;
    static const char* const kMethods[] = {"PenFAO", "PFAOnocorr", "PenMon", "P-T", "PFAOrad", "PFAOsun",
                                           "Hargr.", "Turc", "Thornt.", "P-T extrad", "Bl-Cr", "PotRad"};
    const unsigned choice = data[0] | static_cast<unsigned>(data[1]) << 8;
    data += 2;
    size -= 2;
    const auto dir = Folder();
    const auto input = (dir / "in.txt").string();
    std::ofstream(input, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const auto out = [&](const char* name) { return (dir / name).string(); };
    std::vector<std::string> args = {
        "etp", input, "--lat", "45", "--alt", "100", "--check", "--turned", "01/07,30/08,15,50,50,4",
        "--creams-tr", out("creams-tr.txt"), "--creams-rain", out("creams-rain.txt"),
        "--leachm-rain", out("leachm-rain.txt"), "--leachm-etp", out("leachm-etp.txt"),
        "--macro-rain", out("macro-rain.txt"), "--macro-etp", out("macro-etp.txt"),
        "--summary", out("summary.txt"), "-o", out("out.txt")};
    for (unsigned k = 0; k < 12; ++k)
        if (choice >> k & 1u) args.insert(args.end(), {"--method", kMethods[k]});
    if (choice & 4u) args.insert(args.end(), {"--on-demand", "PenMon,06/06,09/09,50,75"});
    std::ostringstream sink, err;
    const int status = etp::RunBatch(args, sink, err);
    if (status < 0 || status > 3) std::abort();
    return 0;
}
