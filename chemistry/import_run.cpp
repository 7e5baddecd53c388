// The import of an exported run: staging record, key normalisation and the hidden command.
#include "chemistry/import_run.h"

#include "chemistry/pchem_fate.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/text.h"

pmn_record ImportPmn;

void CopyChemicalRecord() {
    CurrentPmn = ImportPmn;
}

std::string NormaliseImportKey(const std::string& key) {
    if (key.empty() || key.find(',') == std::string::npos) {
        return key;
    }
    const char last = key.back();
    if (last < 'a' || last > 'd') {
        return key;
    }
    return sys::Trim(key.substr(0, key.size() - 1));
}

// No table of exported runs is named or opened anywhere in the program, so there is nothing to
// import from; the command says so instead of walking a table that does not exist.
void TPchemFate::BitBtn2Click() {
    forms::Ui().MessageBox("There is no table of exported runs to import from.", "Note",
                           forms::Buttons::Ok, forms::Icon::Information);
}
