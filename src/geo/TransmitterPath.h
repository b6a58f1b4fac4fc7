#pragma once

#include <optional>

#include "geo/ListenerLocation.h"
#include "geo/TransmitterCoordinates.h"

namespace zofar {

/// The geodesic between the listener and a transmitter on the WGS84 ellipsoid.
struct TransmitterPath {
    double distanceMetres = 0.0;
    /// Degrees from true north at the listener towards the transmitter (short path), 0 <= x < 360;
    /// nothing when both are at the same point, where no direction exists.
    std::optional<double> bearing;
    /// Degrees from true north at the transmitter towards the listener, 0 <= x < 360; nothing at
    /// the same point.
    std::optional<double> bearingFromTransmitter;
};

/// Solves the inverse geodesic problem (GeographicLib, WGS84) from the listener to the transmitter.
TransmitterPath PathToTransmitter(const ListenerLocation& listener, const TransmitterCoordinates& transmitter);

/// The distance in whole kilometres, rounded to the nearest.
int DistanceKm(const TransmitterPath& path);

/// The listener's bearing in whole degrees, 0 to 359 (359.5 and above round to 0).
std::optional<int> BearingDegrees(const TransmitterPath& path);

/// An AZI text, the direction of the transmitter's antenna: whole degrees 0 to 360 with blanks
/// around them allowed. Nothing for "ND" (not directional), the empty text and anything else.
std::optional<int> ReadBeamAzimuth(std::string_view azi);

/// Half the width of the beam around an antenna's azimuth, in degrees.
inline constexpr double kBeamHalfWidth = 30.0;

/// True when the listener lies in the beam: the bearing from the transmitter to the listener is
/// within kBeamHalfWidth degrees of the antenna azimuth, either side, the edges included.
bool IsInBeam(const TransmitterPath& path, int antennaAzimuth);

}  // namespace zofar
