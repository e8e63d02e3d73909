#include <iostream>

#include "cli/RunBatch.h"

#ifdef ETP_WITH_CHARTS
#include "app/ChartRenderer.h"
#endif

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    etp::ChartRenderer renderChart;
#ifdef ETP_WITH_CHARTS
    // The desktop program's chart, drawn without a window.
    renderChart = [](const etp::Workbench& workbench, const std::string& path, std::string& error) {
        return etp::RenderChart(workbench, path, etp::ChartOptions{}, error);
    };
#endif
    return etp::RunBatch(std::vector<std::string>(argv, argv + argc), std::cout, std::cerr, renderChart);
}
