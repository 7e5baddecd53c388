// The checks a release must pass before the dispersion model is run.
#include "predictor/validation.h"

#include "predictor/units.h"

namespace {

// The model divides by the distance and by the wind speed, so neither may be 0; the wind speed
// only counts when the model is given one.
bool RefuseZeroDistanceOrWind(const ReleaseInputs& r, std::vector<std::string>& messages) {
    if (r.nearRes == 0)
        messages.push_back(PositiveMessage("Distance to the Residence of Concern"));
    else if (r.metClass == kMetClassAndWind && r.wndSpd <= 0)
        messages.push_back(PositiveMessage("Wind Speed"));
    return !messages.empty();
}

double OpeningSide(double value, const std::string& unit) {
    return ConvertToSI(value == 0 ? 10 : value, unit);
}

struct SignCheck {
    double ReleaseInputs::*value;
    const char* name;
};

// Runs the checks in order until one fails; true when one did.
bool FirstNegative(const ReleaseInputs& r, std::initializer_list<SignCheck> checks,
                   std::vector<std::string>& messages) {
    for (const SignCheck& c : checks) {
        if (r.*c.value < 0) {
            messages.push_back(NegativeMessage(c.name));
            return true;
        }
    }
    return false;
}

}  // namespace

std::string NegativeMessage(const std::string& name) {
    return "The " + name + " must be greater than or equal to zero.";
}

std::string PositiveMessage(const std::string& name) {
    return "The " + name + " must be greater than zero.";
}

std::string Above100Message(const std::string& name) {
    return "The " + name + " must be less than or equal to 100%.";
}

std::vector<std::string> AspectRatioMessages(const ReleaseInputs& r) {
    std::vector<std::string> messages;
    double length = OpeningSide(r.fieldLen, r.fieldLenU);
    double width = OpeningSide(r.fieldWidth, r.fWidthU);
    if (length <= 0 || width <= 0)
        return messages;
    if (length / width > 10)
        messages.push_back(
            "Length of opening cannot be more than 10 times greater than the width of "
            "opening.\nPlease modify these values and try again.");
    if (width / length > 10)
        messages.push_back(
            "Width of opening cannot be more than 10 times greater than the length of "
            "opening.\nPlease modify these values and try again.");
    return messages;
}

std::vector<std::string> ValidationMessages(const ReleaseInputs& r) {
    using R = ReleaseInputs;
    std::vector<std::string> messages;
    if (r.incinPerc > 100)
        messages.push_back(Above100Message("Incineration removal"));
    if (r.fugPerc > 100)
        messages.push_back(Above100Message("Fugitive removal"));
    if (r.ambTemp < 0)
        messages.push_back(NegativeMessage("Ambient Temperature"));
    if (!messages.empty())
        return messages;
    if (FirstNegative(
            r,
            {{&R::terHt, "Terrain Height"}, {&R::nearRes, "Distance to the Residence of Concern"}},
            messages) ||
        RefuseZeroDistanceOrWind(r, messages))
        return messages;
    if (HasStack(r) && FirstNegative(r,
                                     {{&R::stkHt, "Stack Height"},
                                      {&R::stkDiam, "Stack Diameter"},
                                      {&R::stkVel, "Stack Gas Exit Velocity"},
                                      {&R::stkTemp, "Stack Temperature"}},
                                     messages))
        return messages;
    if (HasFugitive(r) && FirstNegative(r,
                                        {{&R::fugRelHt, "Fugitive Emissions Release Height"},
                                         {&R::fieldLen, "Area length"},
                                         {&R::fieldWidth, "Area width"}},
                                        messages))
        return messages;
    if (r.downwash) {
        FirstNegative(r,
                      {{&R::facLen, "Facility Length"},
                       {&R::facWd, "Facility Width"},
                       {&R::facHt, "Facility Height"}},
                      messages);
    }
    return messages;
}
