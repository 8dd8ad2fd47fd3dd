#include "keyboard/DataTable.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "base/AsciiText.h"
#include "base/LibraryError.h"
#include "base/Numbers.h"

namespace zq {

namespace {

const FieldValue kNullValue{};

// Order of two values of one field: nulls first, then numbers by value and
// texts in byte order (std::string compares its bytes as unsigned char).
bool ValueLess(const FieldValue& a, const FieldValue& b) {
    if (a.index() != b.index()) return a.index() < b.index();
    return std::visit(
        [&b](const auto& left) {
            using T = std::decay_t<decltype(left)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return false;
            } else {
                return left < std::get<T>(b);
            }
        },
        a);
}

}  // namespace

DataTable::DataTable(std::vector<FieldDef> fields) {
    Reset(std::move(fields), {});
}

void DataTable::Close() {
    open_ = false;
    fields_.clear();
    rows_.clear();
    cursor_ = 0;
    eof_ = true;
}

void DataTable::Reset(std::vector<FieldDef> fields, std::vector<std::vector<FieldValue>> rows) {
    for (auto& row : rows) row.resize(fields.size());  // a short row has nulls at its end
    fields_ = std::move(fields);
    rows_ = std::move(rows);
    open_ = true;
    First();
}

const std::vector<FieldDef>& DataTable::Fields() const {
    RequireOpen();
    return fields_;
}

const std::vector<std::vector<FieldValue>>& DataTable::Rows() const {
    RequireOpen();
    return rows_;
}

int DataTable::RowCount() const {
    RequireOpen();
    return static_cast<int>(rows_.size());
}

void DataTable::SortBy(std::string_view fieldName) {
    RequireOpen();
    const size_t index = RequireField(fieldName);
    std::stable_sort(rows_.begin(), rows_.end(),
                     [index](const auto& a, const auto& b) { return ValueLess(a[index], b[index]); });
    First();
}

void DataTable::First() {
    RequireOpen();
    cursor_ = 0;
    eof_ = rows_.empty();
}

void DataTable::Next() {
    RequireOpen();
    if (cursor_ + 1 < rows_.size()) {
        ++cursor_;
    } else {
        eof_ = true;
    }
}

bool DataTable::Eof() const {
    RequireOpen();
    return eof_;
}

int DataTable::RecNo() const {
    RequireOpen();
    return rows_.empty() ? 0 : static_cast<int>(cursor_) + 1;
}

void DataTable::SetRecNo(int recNo) {
    RequireOpen();
    if (recNo < 1 || static_cast<size_t>(recNo) > rows_.size()) return;
    cursor_ = static_cast<size_t>(recNo) - 1;
    eof_ = false;
}

bool DataTable::Locate(std::string_view fieldName, std::int64_t value) {
    RequireOpen();
    const size_t index = RequireField(fieldName);
    const FieldValue wanted{value};
    for (size_t row = 0; row < rows_.size(); ++row) {
        if (rows_[row][index] == wanted) {
            cursor_ = row;
            eof_ = false;
            return true;
        }
    }
    return false;
}

const FieldValue& DataTable::Value(std::string_view fieldName) const {
    RequireOpen();
    const size_t index = RequireField(fieldName);
    if (rows_.empty()) return kNullValue;
    return rows_[cursor_][index];
}

std::int32_t DataTable::AsInteger(std::string_view fieldName) const {
    const FieldValue& value = Value(fieldName);
    if (const auto* number = std::get_if<std::int64_t>(&value)) return static_cast<std::int32_t>(*number);
    if (const auto* flag = std::get_if<bool>(&value)) return *flag ? 1 : 0;
    if (const auto* real = std::get_if<double>(&value)) {
        if (!std::isfinite(*real)) return 0;
        const double clamped = std::clamp(std::round(*real), double(std::numeric_limits<std::int32_t>::min()),
                                          double(std::numeric_limits<std::int32_t>::max()));
        return static_cast<std::int32_t>(clamped);
    }
    if (const auto* text = std::get_if<std::string>(&value)) return text->empty() ? 0 : ParseInt32(*text);
    return 0;
}

bool DataTable::AsBoolean(std::string_view fieldName) const {
    const FieldValue& value = Value(fieldName);
    if (const auto* flag = std::get_if<bool>(&value)) return *flag;
    if (const auto* number = std::get_if<std::int64_t>(&value)) return *number != 0;
    if (const auto* real = std::get_if<double>(&value)) return *real != 0.0;
    if (const auto* text = std::get_if<std::string>(&value)) {
        return !text->empty() && std::string_view("TtYy").find((*text)[0]) != std::string_view::npos;
    }
    return false;
}

std::string DataTable::AsString(std::string_view fieldName) const {
    const FieldValue& value = Value(fieldName);
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* number = std::get_if<std::int64_t>(&value)) return std::to_string(*number);
    if (const auto* flag = std::get_if<bool>(&value)) return *flag ? "True" : "False";
    if (const auto* real = std::get_if<double>(&value)) {
        std::string text = std::to_string(*real);
        text.erase(text.find_last_not_of('0') + 1);
        if (!text.empty() && text.back() == '.') text.pop_back();
        return text;
    }
    return {};
}

std::optional<size_t> DataTable::FieldIndex(std::string_view fieldName) const {
    RequireOpen();
    for (size_t index = 0; index < fields_.size(); ++index) {
        if (EqualsIgnoringAsciiCase(fields_[index].name, fieldName)) return index;
    }
    return std::nullopt;
}

void DataTable::RequireOpen() const {
    if (!open_) throw ClosedDatasetError();
}

size_t DataTable::RequireField(std::string_view fieldName) const {
    if (auto index = FieldIndex(fieldName)) return *index;
    throw FieldNotFoundError(fieldName);
}

}  // namespace zq
