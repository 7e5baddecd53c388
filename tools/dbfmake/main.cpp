// dbfmake: builds a dBASE table from a schema file and a CSV file.
#include <cstdio>
#include <exception>
#include <string>

#include "platform/tables/error.h"
#include "tools/dbfmake/table_maker.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: dbfmake --schema <file> --csv <file> --out <table.dbf> [--dbase4]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string schema;
    std::string csv;
    std::string out;
    tables::DbfVersion version = tables::DbfVersion::DBase3;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--dbase4") {
            version = tables::DbfVersion::DBase4;
        } else if (arg == "--schema" && hasValue) {
            schema = argv[++i];
        } else if (arg == "--csv" && hasValue) {
            csv = argv[++i];
        } else if (arg == "--out" && hasValue) {
            out = argv[++i];
        } else {
            return Usage();
        }
    }
    if (schema.empty() || csv.empty() || out.empty())
        return Usage();
    try {
        dbfmake::MakeTable(schema, csv, out, version);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "dbfmake: %s\n", error.what());
        return 1;
    }
    return 0;
}
