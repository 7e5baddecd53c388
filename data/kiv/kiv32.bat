#!/bin/sh
# Launcher of the consumer exposure model: runs it in this folder with the arguments it was
# given ("nyr" when the main program hands it a case). The model is looked for in this folder
# and then in the program folder above it.
here=$(cd "$(dirname "$0")" && pwd)
cd "$here" || exit 1
for candidate in "$here/kiv32" "$here/../kiv32"; do
    if [ -x "$candidate" ]; then
        exec "$candidate" "$@"
    fi
done
echo "kiv32.bat: the consumer model program kiv32 was not found beside $here" >&2
exit 127
