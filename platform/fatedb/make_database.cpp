// Build tool: fatedb_make <schema.sql> <database file> creates an empty fate-model database.
#include <QCoreApplication>
#include <cstdio>
#include <exception>

#include "platform/fatedb/chemicals_table.h"
#include "platform/sys/files.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: fatedb_make <schema.sql> <database file>\n");
        return 2;
    }
    const auto schema = sys::ReadWholeFile(argv[1]);
    if (!schema) {
        std::fprintf(stderr, "fatedb_make: cannot read %s\n", argv[1]);
        return 1;
    }
    try {
        fatedb::CreateDatabase(argv[2], *schema);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "fatedb_make: %s\n", error.what());
        return 1;
    }
    return 0;
}
