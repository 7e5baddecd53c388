"""Prints every record of a dBASE table, read with dbfread, as one JSON line each."""
import json
import sys

import dbfread

for record in dbfread.DBF(sys.argv[1], char_decode_errors="strict"):
    print(json.dumps(dict(record), default=str, ensure_ascii=False, sort_keys=True))
