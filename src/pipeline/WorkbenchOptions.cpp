#include "pipeline/WorkbenchOptions.h"

#include <charconv>

#include "et/MethodTable.h"

namespace etp {

namespace {

// The shortest text that reads back as the same double.
std::string Exact(double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

} // namespace

BatchOptions BatchOptionsOf(const Workbench& workbench)
{
    BatchOptions options;
    for (const MethodInfo& info : kMethods)
        if (workbench.methods.checked[info.method]) options.methods.push_back(info.label);
    const HargreavesCoefficients& h = workbench.hargreaves;
    options.hargreaves = Exact(h.a) + "," + Exact(h.b) + "," + Exact(h.c);

    const EstimateSettings& e = workbench.estimates;
    for (const auto& [on, name] : {std::pair{e.radiation, "radiation"}, std::pair{e.humidity, "humidity"}, std::pair{e.wind, "wind"}})
        if (on) options.estimateMissing += (options.estimateMissing.empty() ? "" : ",") + std::string(name);
    options.angstrom = Exact(e.angstromA) + "," + Exact(e.angstromB);
    options.krs = Exact(e.krs);
    options.k0 = Exact(e.k0);

    const MethodOptions& m = workbench.methodOptions;
    options.penMonG = m.penMonSoilHeat == SoilHeatFlux::Zero ? "zero" : "previous";
    options.ptAlpha = Exact(m.priestleyTaylorAlpha);
    options.ptExtradKrs = Exact(m.ptExtradKrs);
    options.turcHumidity = m.turcHumidity == TurcHumidity::Off ? "off" : "below50";
    options.potRadUnit = m.potentialRadiationUnit == PotentialRadiationUnit::MillimetresPerDay ? "mm" : "MJ";
    options.asceRso = m.asceClearSky == AsceClearSky::Full ? "full" : "simple";
    return options;
}

} // namespace etp
