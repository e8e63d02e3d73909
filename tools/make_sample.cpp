// Writes the bundled sample station: a synthetic daily series with seasonal
// temperature and humidity, wet and dry spells, radiation from sunshine by the
// Angstrom relation (so always below the clear-sky radiation), sunshine below the
// daylight hours, and wind measured at 10 m. Fixed seed: the same file every time.
//
//   make_sample [FILE]   (standard output without FILE)
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>

#include "et/SolarGeometry.h"

namespace {

constexpr double kLatitude = 44.5; // [°N]
constexpr int kFirstYear = 2019;
constexpr int kYears = 2;

// std::mt19937 is the same everywhere; the standard distributions are not, so the
// draws are made here.
class Draws {
public:
    double uniform() { return (static_cast<double>(engine_() >> 11) + 0.5) / 9007199254740992.0; }
    double normal()
    {
        const double u = uniform(), v = uniform();
        return std::sqrt(-2 * std::log(u)) * std::cos(6.283185307179586 * v);
    }
    double exponential(double mean) { return -mean * std::log(uniform()); }

private:
    std::mt19937_64 engine_{20190101};
};

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

std::string Fixed(double value, int decimals)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text(buffer);
    return text == "-0.0" ? "0.0" : text;
}

} // namespace

int main(int argc, char** argv)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    Draws draw;
    std::ostringstream out;
    out << "DATE\tTMIN\tTMAX\tRHMIN\tRHMAX\tRAD\tWIND\tELIOF\tRAIN\r\n";
    bool wet = false;
    double anomaly = 0; // [°C], persistent weather
    for (int year = kFirstYear; year < kFirstYear + kYears; ++year)
        for (int month = 1; month <= 12; ++month) {
            const int days = kDays[month - 1] + (month == 2 && IsLeap(year) ? 1 : 0);
            for (int day = 1; day <= days; ++day) {
                const etp::SiteDay S{0, static_cast<float>(kLatitude), static_cast<float>(month),
                                     static_cast<float>(day), static_cast<float>(year)};
                const int J = etp::DayOfYear(S);
                const double season = std::sin(2 * 3.141592653589793 * (J - 105) / 365.0); // -1 winter .. 1 summer

                wet = draw.uniform() < (wet ? 0.62 : 0.22);
                const double cloud = wet ? 0.65 + 0.35 * draw.uniform() : 0.45 * draw.uniform();
                anomaly = 0.75 * anomaly + 1.4 * draw.normal();

                const double N = etp::DaylightHours(S);           // [h]
                const double n = N * (1 - cloud) * (0.9 + 0.08 * draw.uniform()); // [h]
                const double Ra = etp::ExtraterrestrialRadiation(S); // [MJ m-2 d-1]
                const double Rs = (0.25 + 0.5 * n / N) * Ra;        // Angstrom, below 0.75 Ra

                const double Tmean = 12.5 + 10.5 * season + anomaly;           // [°C]
                const double range = 5 + (8 + 3 * season) * (1 - cloud);        // [°C]
                const double RHmax = std::fmin(100, 86 + 10 * cloud + 2 * draw.normal()); // [%]
                const double RHmin = std::fmax(12, RHmax - range * 3.2 - 8 * (1 - cloud) + 3 * draw.normal());
                const double wind = std::fmax(0.3, 2.6 + 0.6 * (1 - season) * draw.uniform() + 0.9 * draw.normal() + (wet ? 0.8 : 0)); // [m s-1] at 10 m
                const double rain = wet ? draw.exponential(season > 0 ? 7 : 4.5) : 0; // [mm]

                char date[48];
                std::snprintf(date, sizeof date, "%02d/%02d/%02d", day, month, year % 100);
                out << date << '\t' << Fixed(Tmean - range / 2, 1) << '\t' << Fixed(Tmean + range / 2, 1) << '\t'
                    << Fixed(RHmin, 0) << '\t' << Fixed(RHmax, 0) << '\t' << Fixed(Rs, 2) << '\t' << Fixed(wind, 1)
                    << '\t' << Fixed(n, 1) << '\t' << Fixed(rain, 1) << "\r\n";
            }
        }
    if (argc > 1) {
        std::ofstream file(argv[1], std::ios::binary);
        file << out.str();
        return file ? 0 : 1;
    }
    std::cout << out.str();
    return 0;
}
