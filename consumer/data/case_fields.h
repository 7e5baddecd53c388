// The 61 values of a stored case in field order: the case table's fields 1-61 and the lines
// of a text case file.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "consumer/model/case_records.h"

namespace consumer {

struct CaseField {
    enum class Kind { Text, Whole, Number, Result };
    Kind kind;
    std::string ExposureInputs::*text = nullptr;
    std::int32_t ExposureInputs::*whole = nullptr;
    double ExposureInputs::*number = nullptr;
    int result = 0;  // index into the results
    int width = 0;   // characters a text field of the case table holds
};

inline constexpr int kCaseFieldCount = 61;
inline constexpr unsigned kCommentsField = 62;
// Field 5 is written from the age group and read back as the stored age group.
inline constexpr int kAgeGroupField = 5;

const std::array<CaseField, kCaseFieldCount>& CaseFields();

}  // namespace consumer
