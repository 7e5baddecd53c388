#!/usr/bin/python3
"""Builds a table whose field names begin with an underscore (the industry-category statistics
`_0Q5_50` .. `_Q10_10`), which the table tool refuses to create.

The table tool makes the table from a copy of the schema in which each such name starts with "U"
instead; then the names in the file's field descriptors are set back. Nothing else of the file
changes. Drop this step once the table tool accepts such names.

Usage: underscore_table.py <dbfmake> <schema> <csv> <out.dbf>
"""

import os
import subprocess
import sys
import tempfile

DESCRIPTOR = 32
NAME_BYTES = 11


def renamed(name):
    return "U" + name[1:] if name.startswith("_") else name


def main(argv):
    dbfmake, schema, csv_path, out = argv
    names = {}
    with tempfile.TemporaryDirectory() as folder:
        schema_copy = os.path.join(folder, "table.schema")
        csv_copy = os.path.join(folder, "table.csv")
        with open(schema, encoding="utf-8") as source, open(schema_copy, "w", encoding="utf-8") as copy:
            for line in source:
                parts = line.split()
                if parts and not parts[0].startswith("#") and parts[0].startswith("_"):
                    names[renamed(parts[0])] = parts[0]
                    line = line.replace(parts[0], renamed(parts[0]), 1)
                copy.write(line)
        with open(csv_path, encoding="utf-8", newline="") as source, \
                open(csv_copy, "w", encoding="utf-8", newline="") as copy:
            header, _, rest = source.read().partition("\n")
            copy.write(",".join(renamed(n) for n in header.split(",")) + "\n" + rest)
        subprocess.run([dbfmake, "--schema", schema_copy, "--csv", csv_copy, "--out", out], check=True)
    with open(out, "r+b") as table:
        data = bytearray(table.read())
        header_length = int.from_bytes(data[8:10], "little")
        for start in range(DESCRIPTOR, header_length - 1, DESCRIPTOR):
            if data[start] == 0x0D:
                break
            name = data[start:start + NAME_BYTES].split(b"\0")[0].decode("ascii")
            if name in names:
                data[start:start + NAME_BYTES] = names[name].encode("ascii").ljust(NAME_BYTES, b"\0")
        table.seek(0)
        table.write(data)


if __name__ == "__main__":
    main(sys.argv[1:])
