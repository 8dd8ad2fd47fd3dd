#include "keyboard/DataTable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/LibraryError.h"
#include "keyboard/DatasetPacket.h"

namespace zq {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

DataTable NamedNumbers(std::vector<std::pair<std::string, std::int64_t>> rows) {
    std::vector<std::vector<FieldValue>> values;
    for (auto& [name, number] : rows) values.push_back({name, number});
    DataTable table;
    table.Reset({StringField("Name", 20), IntegerField("KeyValue")}, std::move(values));
    return table;
}

std::vector<std::string> NamesInOrder(DataTable& table) {
    std::vector<std::string> names;
    for (table.First(); !table.Eof(); table.Next()) names.push_back(table.AsString("Name"));
    return names;
}

TEST(DataTable, NameOrderIsByteOrderAndCaseSensitive) {
    DataTable table = NamedNumbers({{"b", 1}, {"\xE9", 2}, {"B", 3}, {"a", 4}, {"Z", 5}, {"", 6}});
    table.SortBy("Name");
    EXPECT_THAT(NamesInOrder(table), ElementsAre("", "B", "Z", "a", "b", "\xE9"));
}

TEST(DataTable, SortKeepsStoredOrderAmongEqualValuesAndNullsComeFirst) {
    DataTable table;
    table.Reset({IntegerField("Code"), StringField("Name", 30)},
                {{std::int64_t{98}, std::string("b")},
                 {std::int64_t{97}, std::string("first a")},
                 {FieldValue{}, std::string("no code")},
                 {std::int64_t{97}, std::string("second a")}});
    table.SortBy("Code");
    EXPECT_THAT(NamesInOrder(table), ElementsAre("no code", "first a", "second a", "b"));
    ASSERT_TRUE(table.Locate("Code", 97));
    EXPECT_EQ(table.AsString("Name"), "first a");
    EXPECT_EQ(table.RecNo(), 2);
}

TEST(DataTable, CursorStaysOnLastRowAtEndAndIgnoresRowNumbersOutOfRange) {
    DataTable table = NamedNumbers({{"a", 1}, {"b", 2}});
    EXPECT_EQ(table.RecNo(), 1);
    table.Next();
    EXPECT_FALSE(table.Eof());
    table.Next();
    EXPECT_TRUE(table.Eof());
    EXPECT_EQ(table.RecNo(), 2);
    EXPECT_EQ(table.AsString("Name"), "b");

    table.SetRecNo(1);
    EXPECT_FALSE(table.Eof());
    EXPECT_EQ(table.AsString("Name"), "a");
    table.SetRecNo(3);
    table.SetRecNo(0);
    EXPECT_EQ(table.RecNo(), 1);
}

TEST(DataTable, LocateFindsFirstInOrderOrLeavesCursor) {
    DataTable table = NamedNumbers({{"c", 7}, {"a", 5}, {"b", 7}});
    table.SortBy("Name");
    table.SetRecNo(2);
    EXPECT_FALSE(table.Locate("KeyValue", 99));
    EXPECT_EQ(table.RecNo(), 2);
    ASSERT_TRUE(table.Locate("KeyValue", 7));
    EXPECT_EQ(table.AsString("Name"), "b");
}

TEST(DataTable, EmptyTableAndNullValuesReadAsDefaults) {
    DataTable table({StringField("Name", 20), IntegerField("KeyValue"), BooleanField("Shift")});
    EXPECT_TRUE(table.Eof());
    EXPECT_EQ(table.RecNo(), 0);
    EXPECT_EQ(table.AsInteger("KeyValue"), 0);
    EXPECT_EQ(table.AsString("Name"), "");

    table.Reset(table.Fields(), {{FieldValue{}, FieldValue{}, FieldValue{}}});
    EXPECT_EQ(table.AsInteger("KeyValue"), 0);
    EXPECT_FALSE(table.AsBoolean("Shift"));
    EXPECT_EQ(table.AsString("Name"), "");
}

TEST(DataTable, ConversionsBetweenKinds) {
    DataTable table;
    table.Reset({StringField("Text", 20), IntegerField("Number"), BooleanField("Flag")},
                {{std::string("12"), std::int64_t{-3}, true}});
    EXPECT_EQ(table.AsInteger("text"), 12);  // field names ignore case
    EXPECT_EQ(table.AsString("Number"), "-3");
    EXPECT_EQ(table.AsInteger("Flag"), 1);
    table.Reset(table.Fields(), {{std::string("abc"), std::int64_t{0}, false}});
    EXPECT_THAT([&] { table.AsInteger("Text"); },
                ThrowsMessage<LibraryError>(HasSubstr("'abc' is not a valid integer value")));
}

TEST(DataTable, UnknownFieldIsReported) {
    DataTable table = NamedNumbers({{"a", 1}});
    EXPECT_THAT([&] { table.AsInteger("Colour"); },
                ThrowsMessage<LibraryError>(HasSubstr("Field 'Colour' not found")));
    EXPECT_THAT([&] { table.Locate("Colour", 1); }, ThrowsMessage<LibraryError>(HasSubstr("Colour")));
    EXPECT_FALSE(table.FieldIndex("Colour").has_value());
}

TEST(DataTable, ClosedTableRefusesEveryUseUntilReset) {
    DataTable table = NamedNumbers({{"a", 1}});
    table.Close();
    EXPECT_FALSE(table.IsOpen());
    const auto closed =
        ThrowsMessage<LibraryError>(HasSubstr("Cannot perform this operation on a closed dataset"));
    EXPECT_THAT([&] { table.First(); }, closed);
    EXPECT_THAT([&] { table.Next(); }, closed);
    EXPECT_THAT([&] { table.Eof(); }, closed);
    EXPECT_THAT([&] { table.RowCount(); }, closed);
    EXPECT_THAT([&] { table.RecNo(); }, closed);
    EXPECT_THAT([&] { table.SetRecNo(1); }, closed);
    EXPECT_THAT([&] { table.Locate("KeyValue", 1); }, closed);
    EXPECT_THAT([&] { table.AsInteger("KeyValue"); }, closed);
    EXPECT_THAT([&] { table.FieldIndex("Name"); }, closed);
    EXPECT_THAT([&] { table.Fields(); }, closed);

    table.Reset({IntegerField("KeyValue")}, {{std::int64_t{4}}});
    EXPECT_TRUE(table.IsOpen());
    EXPECT_EQ(table.AsInteger("KeyValue"), 4);
}

}  // namespace
}  // namespace zq
