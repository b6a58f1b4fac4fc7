#include "geo/GeoSqlFunctions.h"

#include <sqlite3.h>

#include <string_view>

#include "geo/PathMemo.h"

namespace zofar {

namespace {

std::string_view TextArgument(sqlite3_value* value) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    if (!text) return {};
    return {text, static_cast<std::size_t>(sqlite3_value_bytes(value))};
}

// What the three functions of one connection share. SQLite calls a connection's functions one at a
// time, so the memo needs no lock.
struct FunctionState {
    SharedListenerLocation location;
    PathMemo memo;
};

using SharedState = std::shared_ptr<FunctionState>;

// The path to the record's transmitter, or nothing when a location, LATI or LONGI is missing.
std::optional<TransmitterPath> PathOf(sqlite3_context* ctx, sqlite3_value** argv) {
    FunctionState& state = **static_cast<SharedState*>(sqlite3_user_data(ctx));
    if (!state.location || !state.location->has_value()) return std::nullopt;
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) return std::nullopt;
    const auto transmitter = ReadTransmitterCoordinates(TextArgument(argv[0]), TextArgument(argv[1]));
    if (!transmitter) return std::nullopt;
    return state.memo.PathTo(**state.location, *transmitter);
}

void DistanceFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (const auto path = PathOf(ctx, argv)) {
        sqlite3_result_int(ctx, DistanceKm(*path));
    } else {
        sqlite3_result_null(ctx);
    }
}

void BearingFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const auto path = PathOf(ctx, argv);
    const auto bearing = path ? BearingDegrees(*path) : std::nullopt;
    if (bearing) {
        sqlite3_result_int(ctx, *bearing);
    } else {
        sqlite3_result_null(ctx);
    }
}

void InBeamFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    // The azimuth is the cheaper test, and most records have none: read it first.
    const auto azimuth =
        sqlite3_value_type(argv[2]) == SQLITE_NULL ? std::nullopt : ReadBeamAzimuth(TextArgument(argv[2]));
    const auto path = azimuth ? PathOf(ctx, argv) : std::nullopt;
    if (path && IsInBeam(*path, *azimuth)) {
        sqlite3_result_text(ctx, kInBeamMark, -1, SQLITE_STATIC);
    } else {
        sqlite3_result_null(ctx);
    }
}

void DestroyState(void* data) { std::unique_ptr<SharedState>(static_cast<SharedState*>(data)); }

}  // namespace

int RegisterGeoFunctions(sqlite3* db, SharedListenerLocation location) {
    struct Function {
        const char* name;
        int arguments;
        void (*run)(sqlite3_context*, int, sqlite3_value**);
    };
    constexpr Function kFunctions[] = {
        {"ZOFAR_DISTANCE", 2, DistanceFunction},
        {"ZOFAR_BEARING", 2, BearingFunction},
        {"ZOFAR_INBEAM", 3, InBeamFunction},
    };
    const auto state = std::make_shared<FunctionState>(FunctionState{std::move(location), {}});
    for (const Function& f : kFunctions) {
        // Each function owns its own reference to the shared state; SQLite hands it to
        // DestroyState when the function is replaced or the connection closes, and also when
        // registering fails.
        auto data = std::make_unique<SharedState>(state);
        const int rc = sqlite3_create_function_v2(db, f.name, f.arguments, SQLITE_UTF8, data.release(), f.run, nullptr,
                                                  nullptr, DestroyState);
        if (rc != SQLITE_OK) return rc;
    }
    return SQLITE_OK;
}

}  // namespace zofar
