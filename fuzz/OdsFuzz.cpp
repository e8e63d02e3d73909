// libFuzzer target: any bytes as an .ods file, through the zip package, the sheet list
// and the import of the first sheets. The reader reads a path, so the bytes go to an
// anonymous in-memory file read through /proc/self/fd.
//   fuzz/run.sh ods [SECONDS]
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "import/WorkbookReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const int fd = memfd_create("ods", 0);
    if (fd < 0) return 0;
    std::size_t written = 0;
    while (written < size) {
        const ssize_t n = write(fd, data + written, size - written);
        if (n <= 0) break;
        written += static_cast<std::size_t>(n);
    }
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    const auto reader = etp::MakeOdsWorkbookReader();
    if (reader->isWorkbook(path)) {
        const auto names = reader->sheetNames(path);
        const std::size_t sheets = names ? names->size() : 1;
        for (std::size_t i = 0; i < sheets && i < 4; ++i) {
            etp::MeteoSheet sheet;
            reader->importSheet(path, static_cast<int>(i), sheet);
        }
    }
    close(fd);
    return 0;
}
