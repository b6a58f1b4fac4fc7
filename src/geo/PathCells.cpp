#include "geo/PathCells.h"

#include "geo/GeoSqlFunctions.h"
#include "geo/TransmitterPath.h"

namespace zofar {

PathCellTexts PathCells(const std::optional<ListenerLocation>& listener, std::string_view lati,
                        std::string_view longi) {
    if (!listener) return {};
    const auto transmitter = ReadTransmitterCoordinates(lati, longi);
    if (!transmitter) return {};
    const TransmitterPath path = PathToTransmitter(*listener, *transmitter);
    const auto bearing = BearingDegrees(path);
    return {std::to_string(DistanceKm(path)), bearing ? std::to_string(*bearing) : std::string()};
}

std::string InBeamCell(const std::optional<ListenerLocation>& listener, std::string_view lati, std::string_view longi,
                       std::string_view azi) {
    const auto azimuth = ReadBeamAzimuth(azi);
    if (!listener || !azimuth) return {};
    const auto transmitter = ReadTransmitterCoordinates(lati, longi);
    if (!transmitter || !IsInBeam(PathToTransmitter(*listener, *transmitter), *azimuth)) return {};
    return kInBeamMark;
}

}  // namespace zofar
