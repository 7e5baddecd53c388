// Fuzz target: the main program's request to the consumer model (nyrinput.txt) from outside
// bytes, read as the first and as the second reading, and a line of a reference list read as
// weight fractions and as a permeability coefficient.
#include <cstdint>
#include <string>

#include "consumer/data/reference_lists.h"
#include "consumer/model/case_records.h"
#include "consumer/pages/startup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    for (bool second : {false, true}) {
        consumer::ExposureInputs inputs;
        std::string error;
        consumer::ReadNyrRequest(text, second, inputs, error);
    }
    double median = 0;
    double high = 0;
    double coefficient = 0;
    consumer::ParseWeightFractionLine(text, median, high);
    consumer::ParsePermeabilityLine(text, coefficient);
    return 0;
}
