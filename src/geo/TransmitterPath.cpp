#include "geo/TransmitterPath.h"

#include <GeographicLib/Geodesic.hpp>

#include <cmath>
#include <cstddef>

namespace zofar {

namespace {

double Compass(double degrees) {
    double wrapped = std::fmod(degrees, 360.0);
    if (wrapped < 0.0) wrapped += 360.0;
    // A tiny negative angle wraps to 360 itself in floating point.
    return wrapped >= 360.0 ? 0.0 : wrapped;
}

}  // namespace

TransmitterPath PathToTransmitter(const ListenerLocation& listener, const TransmitterCoordinates& transmitter) {
    double s12 = 0.0;
    double azi1 = 0.0;
    double azi2 = 0.0;
    GeographicLib::Geodesic::WGS84().Inverse(listener.latitude, listener.longitude, transmitter.latitude,
                                             transmitter.longitude, s12, azi1, azi2);
    TransmitterPath path;
    path.distanceMetres = s12;
    if (s12 > 0.0) {
        path.bearing = Compass(azi1);
        // azi2 is the direction of travel on arriving at the transmitter; the way back to the
        // listener is its opposite, which is the azimuth at the transmitter end of the same geodesic.
        path.bearingFromTransmitter = Compass(azi2 + 180.0);
    }
    return path;
}

int DistanceKm(const TransmitterPath& path) { return static_cast<int>(std::lround(path.distanceMetres / 1000.0)); }

std::optional<int> BearingDegrees(const TransmitterPath& path) {
    if (!path.bearing) return std::nullopt;
    return static_cast<int>(std::lround(*path.bearing)) % 360;
}

std::optional<int> ReadBeamAzimuth(std::string_view azi) {
    std::size_t i = 0;
    while (i < azi.size() && (azi[i] == ' ' || azi[i] == '\t')) ++i;
    int value = 0;
    std::size_t digits = 0;
    for (; i < azi.size() && azi[i] >= '0' && azi[i] <= '9'; ++i, ++digits) {
        if (digits == 3) return std::nullopt;
        value = value * 10 + (azi[i] - '0');
    }
    while (i < azi.size() && (azi[i] == ' ' || azi[i] == '\t')) ++i;
    if (digits == 0 || i != azi.size() || value > 360) return std::nullopt;
    return value;
}

bool IsInBeam(const TransmitterPath& path, int antennaAzimuth) {
    if (!path.bearingFromTransmitter) return false;
    const double off = std::fabs(std::remainder(*path.bearingFromTransmitter - antennaAzimuth, 360.0));
    return off <= kBeamHalfWidth;
}

}  // namespace zofar
