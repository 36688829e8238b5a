#include "logic/places/places.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <optional>
#include <vector>

// The reader of the table's stream on streams made by hand after its layout (the header of
// scripts/data/make-tables): one that holds what it says is read whole; one that does not stops
// the reader, which never reads past the stream's end.
namespace vardelis::places {
namespace {

// One code, 01001, named "Ain" since no known date, a commune today.
const std::vector<std::uint8_t> good = {0x00, 0x11, 0x00, 0x00, 0x03, 'A', 'i', 'n'};
const std::vector<Block> one_block = {{1001, 0}};

std::vector<std::uint8_t> changed(std::initializer_list<std::pair<std::size_t, std::uint8_t>> at,
                                  std::size_t length = good.size()) {
    std::vector<std::uint8_t> stream = good;
    stream.resize(length);
    for (const auto& [index, byte] : at) {
        stream.at(index) = byte;
    }
    return stream;
}

TEST(CommuneReader, ReadsAStreamThatHoldsWhatItSays) {
    CommuneReader reader(good, one_block);
    const std::optional<Commune> commune = reader.next();
    ASSERT_TRUE(commune.has_value());
    EXPECT_EQ(commune->key, 1001U);
    EXPECT_EQ(commune->periods, (std::vector<Commune::Period>{{no_start, "Ain"}}));
    EXPECT_EQ(commune->today, Commune::Today::itself);
    EXPECT_TRUE(reader.at_end());
    EXPECT_FALSE(reader.corrupt());
    EXPECT_EQ(reader.next(), std::nullopt);
}

TEST(CommuneReader, StopsAtACorruptStream) {
    struct Row {
        const char* what;
        std::vector<std::uint8_t> stream;
        std::vector<Block> blocks = one_block;
    };
    const std::vector<Row> rows = {
        {"cut in the name", changed({}, good.size() - 1)},
        {"cut before the name", changed({}, 4)},
        {"a name longer than what is left", changed({{4, 0x7F}})},
        {"a name sharing more than the one before", changed({{3, 0x02}})},
        {"a flag the layout has not", changed({{1, 0x91}})},
        {"today itself and elsewhere", changed({{1, 0x31}})},
        {"a varint longer than 32 bits",
         {0x80, 0x80, 0x80, 0x80, 0x80, 0x01, 0x11, 0x00, 0x00, 0x03, 'A', 'i', 'n'}},
        {"a key beyond 32 bits",
         {0xFF, 0xFF, 0xFF, 0xFF, 0x0F, 0x11, 0x00, 0x00, 0x03, 'A', 'i', 'n'}},
        {"a block past the stream's end", good, {{1001, 200}}},
        // Checked under the sanitizers too: the days are not added once they overflow.
        {"days beyond the calendar",
         {0x00, 0x02, 0xF0, 0xFF, 0xFF, 0xFF, 0x07, 0x00, 0x01, 'A', 0xF0, 0xFF, 0xFF, 0xFF, 0x07,
          0x00, 0x01, 'B'}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        CommuneReader reader(row.stream, row.blocks);
        EXPECT_EQ(reader.next(), std::nullopt);
        EXPECT_TRUE(reader.corrupt());
        EXPECT_TRUE(reader.at_end());
        EXPECT_EQ(reader.next(), std::nullopt);
    }
}

} // namespace
} // namespace vardelis::places
