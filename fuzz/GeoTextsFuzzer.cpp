// The readers of a record's LATI, LONGI and AZI and of the user's locator: whatever they accept
// is a position on the earth, and the distance, bearing and beam from it stay within their ranges.
#include <cmath>
#include <string_view>

#include "FuzzSupport.h"
#include "geo/MaidenheadLocator.h"
#include "geo/PathCells.h"
#include "geo/TransmitterPath.h"

using namespace zofar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::Pieces pieces(fuzz::Bytes(data, size));
    const std::string_view lati = pieces.Next();
    const std::string_view longi = pieces.Next();
    const std::string_view azi = pieces.Next();
    const std::string_view locator = pieces.Rest();

    const auto transmitter = ReadTransmitterCoordinates(lati, longi);
    if (transmitter) {
        fuzz::Check(std::fabs(transmitter->latitude) <= 90.0, "a latitude beyond the pole");
        fuzz::Check(std::fabs(transmitter->longitude) <= 180.0, "a longitude beyond 180 degrees");
    }
    const LocationReading listener = ReadLocator(locator);
    fuzz::Check(listener.location.has_value() == listener.message.empty(), "a locator with and without a message");
    if (const auto azimuth = ReadBeamAzimuth(azi)) fuzz::Check(*azimuth >= 0 && *azimuth <= 360, "an odd azimuth");
    if (!transmitter || !listener.location) return 0;

    fuzz::Check(std::fabs(listener.location->latitude) < 90.0, "a locator centre at or beyond the pole");
    const TransmitterPath path = PathToTransmitter(*listener.location, *transmitter);
    fuzz::Check(path.distanceMetres >= 0.0 && path.distanceMetres < 20.1e6, "a distance beyond half the earth");
    if (const auto bearing = BearingDegrees(path)) fuzz::Check(*bearing >= 0 && *bearing < 360, "an odd bearing");
    const PathCellTexts cells = PathCells(listener.location, lati, longi);
    fuzz::Check(!cells.distance.empty(), "a readable position without a distance cell");
    return 0;
}
