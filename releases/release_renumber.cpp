// Deleting one release of a chemical from the scenario table and numbering the following
// releases down by one, by key in the table, independent of any list on screen.
#include "releases/release_renumber.h"

#include "platform/sys/text.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"

namespace {

tables::Table& Pmn() {
    return Tables().PmnTable;
}

// Moves the scenario table to the row of the key; false when the table has no such row.
bool SeekRow(const std::string& key) {
    if (Pmn().IsEmpty())
        return false;
    Pmn().FindNearest(key);
    return !Pmn().Eof() && PmnFieldAsString("PMN_ID") == key;
}

// Marks the current row deleted, in one write of the record.
void DeleteCurrentRow() {
    Pmn().Edit();
    std::string bytes = Pmn().RecordBytes();
    bytes[0] = '*';
    Pmn().SetRecordBytes(bytes);
    Pmn().Post();
}

void RekeyCurrentRow(const std::string& key) {
    Pmn().Edit();
    Pmn().SetString("PMN_ID", key);
    Pmn().Post();
}

}  // namespace

std::string ReleaseKey(const std::string& chemId, int number) {
    return chemId + "," + std::to_string(number);
}

int CountReleaseRows(const std::string& chemId) {
    int count = 0;
    for (Pmn().First(); !Pmn().Eof(); Pmn().Next()) {
        if (ChemicalIdOf(PmnFieldAsString("PMN_ID")) == chemId)
            ++count;
    }
    return count;
}

bool DeleteReleaseAndRenumber(const std::string& chemId, int number, int count) {
    if (number < 1 || number > count)
        return false;
    if (SeekRow(ReleaseKey(chemId, number)))
        DeleteCurrentRow();
    for (int r = number + 1; r <= count; ++r) {
        if (SeekRow(ReleaseKey(chemId, r)))
            RekeyCurrentRow(ReleaseKey(chemId, r - 1));
    }
    return true;
}

std::string KeyAfterDeletion(const std::string& key, const std::string& chemId, int deleted) {
    if (ChemicalIdOf(key) != chemId)
        return key;
    long number = 0;
    if (!sys::ParseLong(key.substr(chemId.size() + 1), number))
        return key;
    if (number == deleted)
        return "";
    return number > deleted ? ReleaseKey(chemId, int(number - 1)) : key;
}
