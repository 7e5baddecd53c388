// The dose kinds a case asks for, durations in days and the divisors every dose needs.
#include "exposure/dose_rules.h"

#include "scenario/case_choices.h"
#include "scenario/number_text.h"

bool AddAdcNotAsked() {
    return MainChoices.noAdd;
}

void MarkNotAssessed(double* dose, int concern) {
    if (concern < 0 || concern > 2)
        return;
    const bool notAsked = HealthFlags.size() > static_cast<size_t>(concern) &&
                          HealthFlags[static_cast<size_t>(concern)] == '0';
    if (notAsked || (concern == ChronicConcern && AddAdcNotAsked()))
        *dose = NotApplicable;
}

DurationsInDays DurationsOf(const pmn_record& record) {
    return {record.EXPDURCAN * 365, record.EXPDURNCAN * 365, record.CANCERAT * 365,
            record.NCANCERAT * 365};
}

DoseDivisors CheckDoseDivisors(const pmn_record& record, RunTotals& form) {
    DoseDivisors divisors;
    divisors.bw = form.UsableDivisor(record.BW, BodyWeightInput);
    divisors.atCancer = form.UsableDivisor(record.CANCERAT, CancerAveragingInput);
    divisors.atNonCancer = form.UsableDivisor(record.NCANCERAT, NonCancerAveragingInput);
    return divisors;
}
