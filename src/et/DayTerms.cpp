#include "et/DayTerms.h"

#include <cstddef>

#include "base/Refusal.h"
#include "et/Fao24Terms.h"
#include "et/Fao56Terms.h"
#include "et/SolarGeometry.h"

namespace etp {

namespace {

// The formula's value, or none where it fails.
template <typename Formula>
std::optional<double> ValueOf(Formula&& formula)
{
    try {
        return formula();
    } catch (const ArithmeticError&) {
        return std::nullopt;
    }
}

} // namespace

StationTerms::StationTerms(float latitude, float altitude) : latitude_(latitude), altitude_(altitude)
{
    for (int J = 1; J <= 365; ++J) {
        Ra_[J] = ValueOf([&] { return etp::ExtraterrestrialRadiation(J, latitude); });
        N_[J] = ValueOf([&] { return etp::DaylightHours(J, latitude); });
    }
    gamma_ = ValueOf([&] { return etp::PsychrometricConstant(altitude); });
}

double StationTerms::ExtraterrestrialRadiation(const SiteDay& S) const
{
    const int J = DayOfYear(S);
    const auto& Ra = Ra_[J];
    return Ra && S.Latitude == latitude_ ? *Ra : etp::ExtraterrestrialRadiation(J, S.Latitude);
}

double StationTerms::DaylightHours(const SiteDay& S) const
{
    const int J = DayOfYear(S);
    const auto& N = N_[J];
    return N && S.Latitude == latitude_ ? *N : etp::DaylightHours(J, S.Latitude);
}

double StationTerms::PsychrometricConstant(const SiteDay& S) const
{
    return gamma_ && S.Altitude == altitude_ ? *gamma_ : etp::PsychrometricConstant(S.Altitude);
}

double DayTerms::ExtraterrestrialRadiation() const
{
    return station_ ? station_->ExtraterrestrialRadiation(S_) : etp::ExtraterrestrialRadiation(S_);
}

double DayTerms::DaylightHours() const
{
    return station_ ? station_->DaylightHours(S_) : etp::DaylightHours(S_);
}

double DayTerms::PsychrometricConstant() const
{
    return station_ ? station_->PsychrometricConstant(S_) : etp::PsychrometricConstant(S_.Altitude);
}

double DayTerms::WeightingFactor()
{
    if (!W_) W_ = etp::WeightingFactor(D_, S_);
    return *W_;
}

double DayTerms::VapourPressureDeficitMbar()
{
    if (!deficit_) deficit_ = etp::VapourPressureDeficitMbar(D_);
    return *deficit_;
}

double DayTerms::NetLongwaveFao56()
{
    if (!netLongwave56_) {
        const double ea = ActualVapourPressure(SaturationVapourPressure(D_.Tmin), SaturationVapourPressure(D_.Tmax), D_);
        const double Rso = ClearSkyRadiation(ExtraterrestrialRadiation(), S_.Altitude, ClearSkyCoefficient::Methods1e4);
        netLongwave56_ = etp::NetLongwaveFao56(D_, ea, Rso);
    }
    return *netLongwave56_;
}

} // namespace etp
