#include <cstdint>
#include <cstdlib>
#include <iostream>

#include "cli/RunBatch.h"

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

#ifdef ETP_CHART_MODULE
#include <dlfcn.h>

#include <filesystem>
#endif

namespace {

// A run of etp fills its heap once and exits. In pages of 4 KiB a year of days costs
// some thousand page faults, on a virtual machine the larger part of a run; so the heap
// grows in steps of 64 MiB that are kept rather than given back (large texts included),
// and the kernel may back them with transparent huge pages. Pages never touched cost
// nothing.
void PrepareHeap()
{
#if defined(__linux__) && defined(__GLIBC__)
    constexpr int kStep = 64 << 20;
    mallopt(M_MMAP_THRESHOLD, kStep);
    mallopt(M_TRIM_THRESHOLD, 2 * kStep);
    mallopt(M_TOP_PAD, kStep);
    const auto start = reinterpret_cast<std::uintptr_t>(sbrk(0));
    // More than the heap holds, so it grows (volatile: the pair must not be optimised away).
    void* volatile grown = std::malloc(kStep / 2);
    std::free(grown);
    const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0));
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#endif
}

#ifdef ETP_CHART_MODULE
// The desktop program's chart, drawn without a window by a module beside the program
// (ETP_CHART_MODULE, relative to the program's folder). It is loaded on the first chart
// only: Qt costs a run that draws no chart nothing. Without the module etp draws none.
etp::ChartRenderer ChartModule()
{
    std::error_code ec;
    const auto module = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path() / ETP_CHART_MODULE;
    if (ec || !std::filesystem::is_regular_file(module, ec)) return {};
    return [module](const etp::Workbench& workbench, const std::string& path, std::string& error) {
        using Render = bool (*)(const etp::Workbench&, const std::string&, std::string&);
        // Kept loaded: Qt is not made to be unloaded.
        void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
        const auto render = handle ? reinterpret_cast<Render>(dlsym(handle, "etp_render_chart")) : nullptr;
        if (!render) {
            const char* reason = dlerror();
            error = "the chart module " + module.string() + " cannot be loaded" + (reason ? std::string(": ") + reason : "");
            return false;
        }
        return render(workbench, path, error);
    };
}
#endif

} // namespace

int main(int argc, char** argv)
{
    PrepareHeap();
    std::ios::sync_with_stdio(false);
    etp::ChartRenderer renderChart;
#ifdef ETP_CHART_MODULE
    renderChart = ChartModule();
#endif
    return etp::RunBatch(std::vector<std::string>(argv, argv + argc), std::cout, std::cerr, renderChart);
}
