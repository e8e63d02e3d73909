#include <iostream>

#include "cli/RunBatch.h"

#ifdef ETP_CHART_MODULE
#include <dlfcn.h>

#include <filesystem>
#endif

namespace {

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
    std::ios::sync_with_stdio(false);
    etp::ChartRenderer renderChart;
#ifdef ETP_CHART_MODULE
    renderChart = ChartModule();
#endif
    return etp::RunBatch(std::vector<std::string>(argv, argv + argc), std::cout, std::cerr, renderChart);
}
