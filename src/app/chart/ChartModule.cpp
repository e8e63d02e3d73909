// etp's --chart: the desktop program's chart renderer in a module of its own, which etp
// loads only when a chart is asked for, so that every other run starts without Qt.
#include <exception>
#include <string>

#include "app/ChartRenderer.h"

extern "C" __attribute__((visibility("default"))) bool etp_render_chart(const etp::Workbench& workbench,
                                                                        const std::string& path, std::string& error)
{
    try {
        return etp::RenderChart(workbench, path, etp::ChartOptions{}, error);
    } catch (const std::exception& failure) {
        error = failure.what();
        return false;
    }
}
