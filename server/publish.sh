#!/bin/sh
# Publishes a build on this update server:
#   publish.sh <built slownik> <slownik.txt> <private key>
# Copies the program (as slownik.exe, the name the clients ask for) and the
# dictionary into vandra/ beside this script and signs both with slownik_sign,
# taken from $SLOWNIK_SIGN or the PATH. Each file and its signature are made
# complete under temporary names first and then renamed into place.
set -eu

if [ $# -ne 3 ]; then
    echo "usage: $0 <built slownik> <slownik.txt> <private key>" >&2
    exit 2
fi
program=$1
dictionary=$2
key=$3
sign=${SLOWNIK_SIGN:-slownik_sign}
target=$(cd "$(dirname "$0")" && pwd)/vandra

for file in "$program" "$dictionary" "$key"; do
    if [ ! -f "$file" ]; then
        echo "$0: no such file: $file" >&2
        exit 1
    fi
done

staged=
trap 'if [ -n "$staged" ]; then rm -f "$staged" "$staged.sig" "$staged.sig.tmp"; fi' EXIT

publish() {
    source=$1
    name=$2
    staged="$target/$name.new"
    cp "$source" "$staged"
    chmod 0644 "$staged"
    "$sign" sign "$key" "$staged"
    mv "$staged.sig" "$target/$name.sig"
    mv "$staged" "$target/$name"
    staged=
}

publish "$program" slownik.exe
publish "$dictionary" slownik.txt
