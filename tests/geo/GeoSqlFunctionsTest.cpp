#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "geo/GeoSqlFunctions.h"
#include "geo/PathCells.h"

namespace zofar {
namespace {

struct CloseConnection {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Connection = std::unique_ptr<sqlite3, CloseConnection>;

using Cell = std::optional<std::string>;  // nothing for Null

struct Row {
    double freq;
    Cell lati;
    Cell longi;
    Cell azi;
};

// The records the queries read: Nauen beaming west, a site near Berlin, New York, and the cells
// a list leaves empty or gets wrong.
const std::vector<Row> kRows = {
    {6000, "52N38", "012E54", "280"},
    {6100, "52N31", "013E22", "90"},
    {6200, "40N43", "074W00", "ND"},
    {5000, "", "", ""},
    {5100, std::nullopt, std::nullopt, std::nullopt},
    {5200, "91N", "013E22", "0"},
    {5300, "52N38", "12E54x", "280"},
};

class GeoSqlFunctionsTest : public ::testing::Test {
protected:
    GeoSqlFunctionsTest() {
        sqlite3* raw = nullptr;
        EXPECT_EQ(sqlite3_open(":memory:", &raw), SQLITE_OK);
        db.reset(raw);
        Exec("CREATE TABLE ZOFTABLE (FREQ REAL, LATI TEXT, LONGI TEXT, AZI TEXT)");
        for (const Row& r : kRows) {
            sqlite3_stmt* st = nullptr;
            sqlite3_prepare_v2(db.get(), "INSERT INTO ZOFTABLE VALUES (?, ?, ?, ?)", -1, &st, nullptr);
            sqlite3_bind_double(st, 1, r.freq);
            int index = 2;
            for (const Cell& cell : {r.lati, r.longi, r.azi}) {
                if (cell) sqlite3_bind_text(st, index, cell->c_str(), -1, SQLITE_TRANSIENT);
                ++index;
            }
            EXPECT_EQ(sqlite3_step(st), SQLITE_DONE);
            sqlite3_finalize(st);
        }
        EXPECT_EQ(RegisterGeoFunctions(db.get(), location), SQLITE_OK);
    }

    void Exec(const char* sql) { ASSERT_EQ(sqlite3_exec(db.get(), sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql; }

    // Every row of the query, its cells as text and Null as nothing.
    std::vector<std::vector<Cell>> Query(const std::string& sql) {
        sqlite3_stmt* st = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db.get(), sql.c_str(), -1, &st, nullptr), SQLITE_OK) << sqlite3_errmsg(db.get());
        std::vector<std::vector<Cell>> rows;
        while (sqlite3_step(st) == SQLITE_ROW) {
            std::vector<Cell> row;
            for (int c = 0; c < sqlite3_column_count(st); ++c) {
                if (sqlite3_column_type(st, c) == SQLITE_NULL) {
                    row.emplace_back();
                } else {
                    row.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, c)));
                }
            }
            rows.push_back(std::move(row));
        }
        sqlite3_finalize(st);
        return rows;
    }

    std::shared_ptr<std::optional<ListenerLocation>> location = std::make_shared<std::optional<ListenerLocation>>();
    Connection db;
};

constexpr std::nullopt_t N = std::nullopt;

TEST_F(GeoSqlFunctionsTest, giveDistanceBearingAndBeamOrNullForCellsThatDoNotRead) {
    *location = ListenerLocation{51.5074, -0.1278};  // London
    const auto rows = Query(
        "SELECT FREQ, ZOFAR_DISTANCE(LATI, LONGI), ZOFAR_BEARING(LATI, LONGI), ZOFAR_INBEAM(LATI, LONGI, AZI), "
        "typeof(ZOFAR_DISTANCE(LATI, LONGI)) FROM ZOFTABLE ORDER BY FREQ");
    const std::vector<std::vector<Cell>> expected = {
        {"5000.0", N, N, N, "null"},
        {"5100.0", N, N, N, "null"},
        {"5200.0", N, N, N, "null"},
        {"5300.0", N, N, N, "null"},
        {"6000.0", "901", "77", "*", "integer"},
        {"6100.0", "932", "78", N, "integer"},
        {"6200.0", "5585", "288", N, "integer"},
    };
    EXPECT_EQ(rows, expected);

    // The list's cells come from the same rules.
    for (const Row& r : kRows) {
        const PathCellTexts cells = PathCells(*location, r.lati.value_or(""), r.longi.value_or(""));
        const auto sql = Query(
            "SELECT ZOFAR_DISTANCE(LATI, LONGI), ZOFAR_BEARING(LATI, LONGI), "
            "ZOFAR_INBEAM(LATI, LONGI, AZI) FROM ZOFTABLE WHERE FREQ = " +
            std::to_string(r.freq));
        ASSERT_EQ(sql.size(), 1u);
        EXPECT_EQ(sql[0][0].value_or(""), cells.distance) << r.freq;
        EXPECT_EQ(sql[0][1].value_or(""), cells.bearing) << r.freq;
        EXPECT_EQ(sql[0][2].value_or(""),
                  InBeamCell(*location, r.lati.value_or(""), r.longi.value_or(""), r.azi.value_or("")))
            << r.freq;
    }
}

TEST_F(GeoSqlFunctionsTest, followTheLocationAsTheCallerChangesIt) {
    const char* sql =
        "SELECT ZOFAR_DISTANCE(LATI, LONGI), ZOFAR_BEARING(LATI, LONGI), ZOFAR_INBEAM(LATI, LONGI, AZI) "
        "FROM ZOFTABLE WHERE FREQ = 6000";
    EXPECT_EQ(Query(sql), (std::vector<std::vector<Cell>>{{N, N, N}})) << "no location yet";

    *location = ListenerLocation{51.5074, -0.1278};
    EXPECT_EQ(Query(sql), (std::vector<std::vector<Cell>>{{"901", "77", "*"}}));

    // At the transmitter itself: no distance to speak of, and no direction.
    *location = ListenerLocation{52.0 + 38.0 / 60.0, 12.9};
    EXPECT_EQ(Query(sql), (std::vector<std::vector<Cell>>{{"0", N, N}}));

    // The connection holds its own reference: the caller may drop its pointer.
    location.reset();
    EXPECT_EQ(Query(sql), (std::vector<std::vector<Cell>>{{"0", N, N}}));
}

TEST_F(GeoSqlFunctionsTest, sortByDistancePutsRowsWithoutCoordinatesFirstUnlessAskedOtherwise) {
    *location = ListenerLocation{51.5074, -0.1278};
    std::vector<Cell> order;
    for (const auto& row : Query("SELECT FREQ FROM ZOFTABLE ORDER BY ZOFAR_DISTANCE(LATI, LONGI), FREQ"))
        order.push_back(row[0]);
    EXPECT_EQ(order, (std::vector<Cell>{"5000.0", "5100.0", "5200.0", "5300.0", "6000.0", "6100.0", "6200.0"}));

    order.clear();
    for (const auto& row :
         Query("SELECT FREQ FROM ZOFTABLE ORDER BY ZOFAR_DISTANCE(LATI, LONGI) DESC NULLS LAST, FREQ"))
        order.push_back(row[0]);
    EXPECT_EQ(order, (std::vector<Cell>{"6200.0", "6100.0", "6000.0", "5000.0", "5100.0", "5200.0", "5300.0"}));
}

}  // namespace
}  // namespace zofar
