#!/bin/sh
# Regenerates the seed corpus in fuzz/corpus with zev-cli: a few images small enough for the
# fuzzer to mutate quickly (tiny capacities and block sizes), plus cut and damaged variants.
# Usage: fuzz/make_corpus.sh path/to/zev-cli
set -eu
cli=${1:?path to zev-cli}
here=$(cd "$(dirname "$0")" && pwd)
out="$here/corpus"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

tiny='"SatCapacity": 2, "TpCapacity": 2, "ChannelCapacity": 4, "UserBlockSize": 240'
cat > "$work/full.json" <<JSON
{"header": {$tiny, "Magic": 17767},
 "satellites": [{"Name": "SAT1", "Lnbtype": 1, "Lnblow": 9750, "Lnbhigh": 10600, "DiseqcPort": 2},
                {"Name": "TWELVE CHARS", "DiseqcType": 1, "DiseqcHigh": 255, "DiseqcBit0": 1}],
 "transponders": [{"Frequency": 11778, "Polarization": 1, "Sat": 1, "Symbol": 27500, "TransID": 1070},
                  {"Frequency": 16383, "Sat": 2, "SatAux": 127, "Symbol": 65535}],
 "tv": [{"Name": "CH1", "VPID": 512, "APID": 650, "PCRPID": 8190, "TpNumber": 1, "ServiceID": 1},
        {"Name": "A\u0000\u00ff", "TpNumber": 2047, "TpFlagA": 1, "TpFlagD": 1, "AC3PID": 8191}],
 "radio": [{"Name": "R1", "RadioFlag": 1, "TpNumber": 2, "APID": 8191, "ApidBit0": 1},
           {"Name": "R2", "RadioFlag": 1, "TpNumber": 1, "PcrAux": 3, "TtxBit2": 1}]}
JSON
printf '{"header": {"SatCapacity": 0, "TpCapacity": 0, "ChannelCapacity": 0, "UserBlockSize": 76}}' \
    > "$work/empty.json"
"$cli" build "$work/full.json" "$out/tiny_full.stc"
"$cli" build "$work/empty.json" "$out/tiny_empty.stc"
head -c 150 "$out/tiny_full.stc" > "$out/tiny_cut.stc"
head -c 72 "$out/tiny_full.stc" > "$out/header_only.stc"
# Channel capacity 10 but room for 4 records: 3 TV and 2 radio records would overlap.
python3 - "$out/tiny_full.stc" "$out/tiny_overlap.stc" <<'PY'
import sys
data = bytearray(open(sys.argv[1], 'rb').read())
data[16] = 10
data[30] = 3
open(sys.argv[2], 'wb').write(data)
PY
