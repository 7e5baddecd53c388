// Names of the product scenarios by number.
#include "consumer/model/case_records.h"

namespace consumer {

std::string ScenarioNameOfNumber(int number) {
    static const char* const kNames[] = {"General Purpose Cleaner",
                                         "Latex Paint",
                                         "Fabric Protector",
                                         "Aerosol Paint",
                                         "Laundry Detergent",
                                         "Solid Air Freshener",
                                         "Bar Soap",
                                         "Used Motor Oil",
                                         "User Defined"};
    if (number < 1 || number > 9)
        return "";
    return kNames[number - 1];
}

}  // namespace consumer
