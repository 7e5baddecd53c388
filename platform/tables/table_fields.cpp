// The table component: reading and writing single fields by name or position.
#include <climits>
#include <cmath>

#include "platform/sys/text.h"
#include "platform/tables/field_codec.h"
#include "platform/tables/table.h"

namespace tables {

std::string Table::RawField(int index) {
    return std::string(FieldBytes(CurrentRecord(), FieldAt(index)));
}

void Table::RequireEditing(int index) const {
    RequireOpen();
    if (state_ != TableState::Edit && state_ != TableState::Insert)
        FieldFail(index, "the table is not in edit or insert state");
}

void Table::PutField(int index, const std::string& bytes) {
    if (bytes.size() != std::size_t(FieldAt(index).width))
        FieldFail(index, "a value of the wrong width was to be stored");
    editBuffer_.replace(std::size_t(FieldAt(index).offset), bytes.size(), bytes);
    modified_ = true;
}

// ---- reading ----

bool Table::IsNull(int index) {
    RequireOpen();
    if (FieldAt(index).type == FieldType::Memo) {
        auto pending = pendingMemos_.find(index);
        if (pending != pendingMemos_.end())
            return pending->second.empty();
    }
    std::string_view record = CurrentRecord();
    return FieldIsBlank(FieldBytes(record, FieldAt(index)), FieldAt(index));
}

std::string Table::AsStringSlow(int index) {
    RequireOpen();
    const FieldDef& field = FieldAt(index);
    if (field.type == FieldType::Memo) {
        auto pending = pendingMemos_.find(index);
        if (pending != pendingMemos_.end())
            return sys::Cp1252ToUtf8(pending->second);
        std::uint32_t block = 0;
        if (!DecodeMemoBlock(RawField(index), block))
            FieldFail(index, "the memo pointer is damaged");
        return sys::Cp1252ToUtf8(ReadMemoBlock(block));
    }
    std::string_view raw = FieldBytes(CurrentRecord(), field);
    if (field.type == FieldType::Character)
        return DecodeText(raw);  // a blank field trims to ""
    if (FieldIsBlank(raw, field))
        return "";
    switch (field.type) {
        case FieldType::Numeric:
        case FieldType::Float:
            return sys::Format("%.15g", AsFloat(index));
        case FieldType::Logical:
            return AsBoolean(index) ? "True" : "False";
        default:
            return sys::Trim(raw);
    }
}

double Table::AsFloatSlow(int index) {
    RequireOpen();
    const FieldDef& field = FieldAt(index);
    std::string_view raw = FieldBytes(CurrentRecord(), field);
    double value = 0;
    if (field.type == FieldType::Numeric && detail::AlignedDecimal(raw, field.decimals, value))
        return value;
    switch (field.type) {
        case FieldType::Numeric:
        case FieldType::Float:
        case FieldType::Character:
            if (DecodeNumber(raw, value))
                return value;
            FieldFail(index, "'" + DecodeText(sys::Trim(raw)) + "' is not a valid number");
        case FieldType::Logical:
            if (FieldIsBlank(raw, field))
                return 0;
            return DecodeLogical(raw).value_or(false) ? 1 : 0;
        default:
            if (FieldIsBlank(raw, field))
                return 0;
            FieldFail(index, "a date or memo field has no number value");
    }
}

long Table::AsInteger(int index) {
    double value = std::trunc(AsFloat(index));
    if (!(value >= double(LONG_MIN) && value < -double(LONG_MIN)))
        FieldFail(index, sys::Format("%.15g is too large for a whole number", value));
    return static_cast<long>(value);
}

bool Table::AsBoolean(int index) {
    RequireOpen();
    const FieldDef& field = FieldAt(index);
    std::string raw = RawField(index);
    if (FieldIsBlank(raw, field))
        return false;
    switch (field.type) {
        case FieldType::Logical: {
            auto value = DecodeLogical(raw);
            if (!value)
                FieldFail(index, "'" + raw + "' is not a logical value");
            return *value;
        }
        case FieldType::Numeric:
        case FieldType::Float:
            return AsFloat(index) != 0;
        case FieldType::Character: {
            std::string text = sys::UpperCase(DecodeText(sys::Trim(raw)));
            if (text == "T" || text == "TRUE" || text == "Y" || text == "YES")
                return true;
            if (text == "F" || text == "FALSE" || text == "N" || text == "NO")
                return false;
            FieldFail(index, "'" + DecodeText(sys::Trim(raw)) + "' is not a logical value");
        }
        default:
            FieldFail(index, "a date or memo field has no logical value");
    }
}

bool Table::IsNull(const std::string& name) {
    return IsNull(RequireField(name));
}
std::string Table::AsString(const std::string& name) {
    return AsString(RequireField(name));
}
double Table::AsFloat(const std::string& name) {
    return AsFloat(RequireField(name));
}
long Table::AsInteger(const std::string& name) {
    return AsInteger(RequireField(name));
}
bool Table::AsBoolean(const std::string& name) {
    return AsBoolean(RequireField(name));
}

// ---- writing ----

void Table::SetString(int index, const std::string& value) {
    RequireEditing(index);
    const FieldDef& field = FieldAt(index);
    if (field.type == FieldType::Memo)
        return SetMemo(index, value);
    std::string bytes;
    std::string problem;
    if (field.type == FieldType::Numeric || field.type == FieldType::Float) {
        std::string trimmed = sys::Trim(value);
        double number = 0;
        if (trimmed.empty())
            return SetNull(index);
        if (!sys::ParseDouble(trimmed, number))
            FieldFail(index, "'" + value + "' is not a number");
        problem = EncodeNumber(field, number, bytes);
    } else {
        problem = EncodeFromText(field, value, bytes);
    }
    if (!problem.empty())
        FieldFail(index, problem);
    PutField(index, bytes);
}

void Table::SetFloat(int index, double value) {
    RequireEditing(index);
    const FieldDef& field = FieldAt(index);
    std::string bytes;
    std::string problem;
    switch (field.type) {
        case FieldType::Numeric:
        case FieldType::Float:
            problem = EncodeNumber(field, value, bytes);
            break;
        case FieldType::Character:
            problem = EncodeText(field, sys::Format("%.15g", value), bytes);
            break;
        case FieldType::Logical:
            problem = EncodeLogical(field, value != 0, bytes);
            break;
        default:
            problem = "a date or memo field takes no number";
    }
    if (!problem.empty())
        FieldFail(index, problem);
    PutField(index, bytes);
}

void Table::SetInteger(int index, long value) {
    FieldType type = FieldAt(index).type;
    if (type == FieldType::Character)
        return SetString(index, std::to_string(value));
    if (type != FieldType::Numeric && type != FieldType::Float)
        return SetFloat(index, static_cast<double>(value));
    RequireEditing(index);
    std::string bytes;
    std::string problem = EncodeWholeNumber(FieldAt(index), value, bytes);
    if (!problem.empty())
        FieldFail(index, problem);
    PutField(index, bytes);
}

void Table::SetBoolean(int index, bool value) {
    RequireEditing(index);
    const FieldDef& field = FieldAt(index);
    if (field.type == FieldType::Character)
        return SetString(index, value ? "True" : "False");
    if (field.type != FieldType::Logical)
        return SetFloat(index, value ? 1 : 0);
    std::string bytes;
    EncodeLogical(field, value, bytes);
    PutField(index, bytes);
}

void Table::SetNull(int index) {
    RequireEditing(index);
    const FieldDef& field = FieldAt(index);
    if (field.type == FieldType::Memo) {
        pendingMemos_[index].clear();
        modified_ = true;
        return;
    }
    PutField(index, std::string(std::size_t(field.width), ' '));
}

void Table::SetString(const std::string& name, const std::string& value) {
    SetString(RequireField(name), value);
}
void Table::SetFloat(const std::string& name, double value) {
    SetFloat(RequireField(name), value);
}
void Table::SetInteger(const std::string& name, long value) {
    SetInteger(RequireField(name), value);
}
void Table::SetBoolean(const std::string& name, bool value) {
    SetBoolean(RequireField(name), value);
}
void Table::SetNull(const std::string& name) {
    SetNull(RequireField(name));
}

}  // namespace tables
