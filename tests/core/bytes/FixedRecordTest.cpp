#include <gtest/gtest.h>

#include <vector>

#include "core/bytes/FileError.h"
#include "core/bytes/FixedRecord.h"
#include "core/bytes/ShortString.h"

namespace tavrin {
namespace {

// A small record with a string[5] at 1 and an i32 at 7, to exercise the base.
class SampleRecord : public FixedRecord<11> {
public:
    std::string name() const { return stringAt(1, 5); }
    void setName(std::string_view v) { setStringAt(1, 5, v); }
    std::int32_t count() const { return i32At(7); }
    void setCount(std::int32_t v) { setI32At(7, v); }
};

TEST(ShortStringField, KeepsBytesAfterTheLengthWhenRewritten) {
    // Length 2 "AB", then stale bytes "XYZ" from an earlier, longer value.
    const std::vector<std::uint8_t> raw = {0x00, 0x02, 'A',  'B',  'X', 'Y',
                                           'Z',  0x2A, 0x00, 0x00, 0x00};
    SampleRecord record;
    record.assignBytes(raw);
    EXPECT_EQ(record.name(), "AB");
    EXPECT_EQ(record.count(), 42);

    record.setName(record.name());
    record.setCount(record.count());
    EXPECT_EQ(std::vector<std::uint8_t>(record.bytes().begin(), record.bytes().end()), raw);

    record.setName("Q");
    const std::vector<std::uint8_t> shorter = {0x00, 0x01, 'Q',  'B',  'X', 'Y',
                                               'Z',  0x2A, 0x00, 0x00, 0x00};
    EXPECT_EQ(std::vector<std::uint8_t>(record.bytes().begin(), record.bytes().end()), shorter);
}

TEST(ShortStringField, CutsLongTextClampsDamagedLengthAndChecksTheRecordSize) {
    SampleRecord record;
    record.setName("ABCDEFGH");
    EXPECT_EQ(record.name(), "ABCDE");
    EXPECT_EQ(record.bytes()[1], 5);

    // A length byte of 200 in a string[5] must not read past the field.
    std::vector<std::uint8_t> raw(11, 0);
    raw[1] = 200;
    raw[2] = 'a';
    record.assignBytes(raw);
    EXPECT_EQ(record.name().size(), 5u);
    EXPECT_THROW(record.assignBytes(std::vector<std::uint8_t>(10, 0)), FormatError);
}

} // namespace
} // namespace tavrin
