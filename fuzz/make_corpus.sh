#!/bin/sh
# Regenerates the seed corpora in fuzz/corpus/<target> (all small: the fuzzers mutate them
# quickly). zev-cli builds the images and writes the JSON; the rest is written here, the byte
# streams of the receiver runs as the box sends them (its console text, signs and frames).
# Usage: fuzz/make_corpus.sh path/to/zev-cli
set -eu
cli=${1:?path to zev-cli}
here=$(cd "$(dirname "$0")" && pwd)
out="$here/corpus"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out/unpack_image" "$out/database_json"

# ---- images (unpack_image; also the databases of the session seeds) ----------------------
records='"satellites": [{"Name": "SAT1", "Lnbtype": 1, "Lnblow": 9750, "Lnbhigh": 10600, "DiseqcPort": 2},
                {"Name": "TWELVE CHARS", "DiseqcType": 1, "DiseqcHigh": 255, "DiseqcBit0": 1}],
 "transponders": [{"Frequency": 11778, "Polarization": 1, "Sat": 1, "Symbol": 27500, "TransID": 1070},
                  {"Frequency": 16383, "Sat": 2, "SatAux": 127, "Symbol": 65535}],
 "tv": [{"Name": "CH1", "VPID": 512, "APID": 650, "PCRPID": 8190, "TpNumber": 1, "ServiceID": 1},
        {"Name": "A\u0000\u00ff", "TpNumber": 2047, "TpFlagA": 1, "TpFlagD": 1, "AC3PID": 8191}],
 "radio": [{"Name": "R1", "RadioFlag": 1, "TpNumber": 2, "APID": 8191, "ApidBit0": 1},
           {"Name": "R2", "RadioFlag": 1, "TpNumber": 1, "PcrAux": 3, "TtxBit2": 1}]'
tiny='"SatCapacity": 2, "TpCapacity": 2, "ChannelCapacity": 4'
# A database of the given user block size (and default-channel block) with the records above.
database() {
  printf '{"header": {%s, "Magic": 17767, %s}, %s}' "$tiny" "$1" "$records"
}
database '"UserBlockSize": 240' > "$out/database_json/build_input.json"
printf '{"header": {"SatCapacity": 0, "TpCapacity": 0, "ChannelCapacity": 0, "UserBlockSize": 76}}' \
    > "$work/empty.json"
# zev-cli writes no image that the receiver cannot take, and these are such on purpose: tiny
# blocks of no whole flash blocks, a channel on transponder 2047 that does not exist. So each is
# built as a sound image of whole blocks with the channel on transponder 2 ("carrier"), then
# laid out again below at its own size with the transponder number the seed needs.
carrier() {
  printf '{"header": {%s, "Magic": 17767, %s}, %s}' "$tiny" "$1" \
    "$(printf '%s' "$records" | sed 's/"TpNumber": 2047/"TpNumber": 2/')"
}
carrier '"UserBlockSize": 8192' > "$work/tiny_full.json"
"$cli" build "$work/tiny_full.json" "$work/tiny_full.stc"
printf '{"header": {"SatCapacity": 0, "TpCapacity": 0, "ChannelCapacity": 0, "UserBlockSize": 8192}}' \
    > "$work/tiny_empty.json"
"$cli" build "$work/tiny_empty.json" "$work/tiny_empty.stc"
# Blocks of a whole transfer block and more, for the settings runs: one of 8200 bytes (two
# blocks to load), one of 8192 bytes with a default-channel block of 8192 bytes before it.
carrier '"UserBlockSize": 16384' > "$work/two_blocks.json"
"$cli" build "$work/two_blocks.json" "$work/two_blocks.stc"
carrier '"UserBlockSize": 8192, "UserBlockAddress": 917504, "DefaultBlockSize": 8192,
         "DefaultBlockAddress": 851968, "DefaultSatCapacity": 2, "DefaultTpCapacity": 2,
         "DefaultChannelCapacity": 4' > "$work/one_block.json"
"$cli" build "$work/one_block.json" "$work/one_block.stc"
python3 - "$work" "$out/unpack_image" <<'PY'
import struct, sys

work, images = sys.argv[1:3]

def relayout(name, size, tp_number=2047):
    """The carrier block laid out as a block of `size` bytes, as PackImage lays it out:
    header, satellites, transponders and TV records from the start, radio records from the
    end, 0xFF between; TV channel 2 (when there is one) moved to `tp_number`."""
    block = bytearray(open(f'{work}/{name}.stc', 'rb').read())
    old = len(block)
    sat_capacity = block[19]
    tp_capacity, = struct.unpack_from('<H', block, 14)
    tv, radio = struct.unpack_from('<HH', block, 30)
    area = 72 + 18 * sat_capacity + 8 * tp_capacity
    if tv >= 2:
        word, = struct.unpack_from('<H', block, area + 28 + 20)
        struct.pack_into('<H', block, area + 28 + 20, (word & 0x1F) | (tp_number << 5))
    new = bytearray(b'\xff' * size)
    new[:area + 28 * tv] = block[:area + 28 * tv]
    for i in range(radio):
        new[size - 32 - 28 * i:size - 4 - 28 * i] = block[old - 32 - 28 * i:old - 4 - 28 * i]
    struct.pack_into('<HH', new, 46, size >> 16, size & 0xFFFF)
    open(f'{work}/{name}.stc', 'wb').write(bytes(new))

relayout('tiny_full', 240)
relayout('tiny_empty', 76)
relayout('two_blocks', 8200)
relayout('one_block', 8192)
for name in ('tiny_full', 'tiny_empty'):
    open(f'{images}/{name}.stc', 'wb').write(open(f'{work}/{name}.stc', 'rb').read())
PY
head -c 150 "$out/unpack_image/tiny_full.stc" > "$out/unpack_image/tiny_cut.stc"
head -c 72 "$out/unpack_image/tiny_full.stc" > "$out/unpack_image/header_only.stc"

# ---- JSON as zev-cli writes and reads it --------------------------------------------------
"$cli" dump "$out/unpack_image/tiny_full.stc" --json > "$out/database_json/dumped.json"
cp "$work/empty.json" "$out/database_json/empty.json"
printf '{"header": {"UserBlockSize": 240, "SatCapacity": 1}, "satellites": [{"Lnblow": 65536}]}' \
    > "$out/database_json/out_of_range.json"
# Found by the fuzzer: values that fit their fields but not the image, once cut silently.
printf '{"tv": [{"Name": "FLAG", "TpFlagA": 9}], "radio": [{"AC3PID": 8192}]}' \
    > "$out/database_json/narrower_than_image.json"

# ---- the CSV files of export as import reads them: channels, transponders and satellites,
# each but the last ended by a 0x1E byte ------------------------------------------------------
mkdir -p "$out/csv_import" "$out/transponder_xml"
"$cli" export "$out/unpack_image/tiny_full.stc" "$work/tiny.csv"
joined() {
  sed "$1" "$work/tiny.csv"; printf '\036'
  sed "$1" "$work/tiny-transponders.csv"; printf '\036'
  sed "$1" "$work/tiny-satellites.csv"
}
joined '' > "$out/csv_import/exported.csv"
# As a spreadsheet saves it again: semicolons, no byte-order mark, LF line ends.
joined 's/^\xEF\xBB\xBF//; s/,/;/g; s/\r$//' > "$out/csv_import/spreadsheet.csv"
# Refused: a PID beyond the image's 13 bits, a quote never closed.
joined 's/,8190,/,8192,/' > "$out/csv_import/too_wide.csv"
joined 's/,CH1,/,"CH1,/' > "$out/csv_import/open_quote.csv"

# ---- transponder XML ----------------------------------------------------------------------
"$cli" transponders-export "$out/unpack_image/tiny_full.stc" "$out/transponder_xml/exported.xml" \
    --position SAT1=19.2E --position "TWELVE CHARS=13.0E"
printf '%s\n' '<?xml version="1.0"?>' '<satellites><other/>' \
    '<sat name="19.2E Astra" flags="0" position="192">' \
    '<transponder frequency="11778400" symbol_rate="27499600" polarization="1" fec_inner="3"/>' \
    '<transponder frequency="10744000" symbol_rate="22000000" polarization="2"/>' \
    '<transponder frequency="19700000" symbol_rate="27500000" polarization="0"/>' \
    '</sat><sat name="13.0E Hotbird" position="130"><transponder frequency="11034000"' \
    ' symbol_rate="27500000" polarization="1"/></sat></satellites>' \
    > "$out/transponder_xml/circular_and_beyond.xml"
printf '<satellites><sat name="A" position="x"/></satellites>' > "$out/transponder_xml/bad_position.xml"

python3 - "$out" "$out/unpack_image/tiny_full.stc" "$work/two_blocks.stc" "$work/one_block.stc" <<'PY'
import os, struct, sys

out, tiny_path, two_blocks_path, one_block_path = sys.argv[1:5]
tiny = open(tiny_path, 'rb').read()
two_blocks = open(two_blocks_path, 'rb').read()
one_block = open(one_block_path, 'rb').read()

def write(folder, name, data):
    os.makedirs(os.path.join(out, folder), exist_ok=True)
    with open(os.path.join(out, folder, name), 'wb') as f:
        f.write(data)

# Channel capacity 10 but room for 4 records: 3 TV and 2 radio records would overlap.
overlap = bytearray(tiny)
overlap[16] = 10
overlap[30] = 3
write('unpack_image', 'tiny_overlap.stc', bytes(overlap))

# ---- parameter data files -----------------------------------------------------------------
sat = b'S:09750,U,0,10600,0,0,0,2,SAT1\n'
tp = b'T:11778,V,0,00,001,27500,01070\n'
full_channel = b'C:0512,0650,8190,0000,0000,0,P,0,L,00001,00001,00001,CH1\n'
list_channel = (b'C:00000,0,0,00000,H,0,00,000,0,0,,0000,P,0,0000,0,0,0000,L,0,0000,,00000,'
                b'0,0,0,NAME\n')
full_database = sat + tp + full_channel + full_channel.replace(b'CH1', b'SECOND')
write('parameter_data_file', 'full_database.txt', full_database)
write('parameter_data_file', 'channel_list.txt', list_channel * 3)
write('parameter_data_file', 'malformed_lines.txt',
      b'; comment\n' + sat.replace(b'0,0,2', b'0;0,2') + sat + tp + b'C:\n' + full_channel)
write('parameter_data_file', 'crlf_and_long_line.txt',
      tp.replace(b'\n', b'\r\n') + b'C:' + b'9' * 120 + b'\n' + full_channel.replace(b'\n', b'\r\n'))

# ---- OTA files, as the tests build them: information at offset 16 -------------------------
def sgn(size, length_value, offset=16):
    data = bytearray((i * 13 + 1) & 0xFF for i in range(size))
    data[0:4] = struct.pack('<I', offset)
    if offset + 26 <= size:
        data[offset + 4:offset + 8] = bytes([7, 3, 1, 9])
        data[offset + 22:offset + 26] = struct.pack('<I', length_value)
    return bytes(data)

ota_file = sgn(100, 92)
write('sgn_file', 'whole_file.sgn', ota_file)
write('sgn_file', 'bytes_after_length.sgn', sgn(120, 92))
write('sgn_file', 'length_beyond_end.sgn', sgn(100, 93))
write('sgn_file', 'offset_beyond_end.sgn', sgn(100, 92, offset=80))

# ---- .cus sizes and paths -------------------------------------------------------------------
for name, size in [('one_byte', 1), ('last_sendable', 255 * 8192), ('one_too_many', 255 * 8192 + 1),
                   ('empty', 0), ('huge', 1 << 40)]:
    write('cus_file', name, struct.pack('<Q', size) + b'/home/user/soft.cus')

# ---- default.dat ----------------------------------------------------------------------------
def record(text):
    return text + b'\0' * max(0, 50 - len(text))
write('settings_file', 'defaults.dat', record(b'115200,8,None,COM1,1,None,2,2,'))
write('settings_file', 'other_port.dat', record(b'9600,8,Even,COM2,2,Hardware,3,4,'))
write('settings_file', 'fewer_fields.dat', b'57600,7,Odd,')
write('settings_file', 'typed_texts.dat', record(b' +4800,-1,Mask,/dev/ttyUSB0,1.5,Xon/Xoff,3,1,'))
write('settings_file', 'long_text.dat',
      b'921600,8,None,/dev/serial/by-id/usb-FTDI_FT232R_USB_UART-if00,1,None,2,9,')

# ---- receiver runs --------------------------------------------------------------------------
# An input: the command, the options, the data file with its length, then steps; see
# fuzz/ReceiverSessionHarness.h.
UPDATE_PARAMETERS, UPDATE_SOFTWARE, LOAD, SEND, OTA = range(5)
MODIFY_DEFAULT_YES = 1 << 2
STOP_UPDATE, LINK_LOST, COM_CONNECT, COM_DISCONNECT, COMMAND_AGAIN, NEXT_COMMAND, LINK_FREED = \
    range(0xF9, 0x100)

def steps(*parts):
    data = bytearray()
    for part in parts:
        if isinstance(part, int):
            data.append(part)
            continue
        for at in range(0, len(part), 249):
            chunk = part[at:at + 249]
            data.append(len(chunk) - 1)
            data += chunk
    return bytes(data)

def session(command, options, data_file, *parts):
    return bytes([command, options]) + struct.pack('<H', len(data_file)) + data_file + steps(*parts)

def word_sum(data):
    total = 0
    for i in range(0, len(data) - 1, 2):
        total += data[i] | data[i + 1] << 8
    if len(data) % 2:
        total += 0xFF00 + data[-1]
    return struct.pack('<I', total & 0xFFFFFFFF)

boot_chatter = b'\a\r\n*** RESET ***\r\nChecking flash ok\r\nBoot loader V2.0\r\nWaiting for the PC...\r\n'
ota_chatter = boot_chatter.replace(b'V2.0', b'V3.0 (OTA loader)')
hello = b'\x02\x01\x03'
ready = b'\x02\x02\x01\x02\x03\x04\x05\x06\x07\x08\x03'
sync = b'\x02\x16\x03'
boot_success = b'\x1b\x02\x05\x03'

write('receiver_session', 'update_parameters_ok', session(
    UPDATE_PARAMETERS, 0, full_database, boot_chatter + b'\x0e' + hello + ready + boot_success))
write('receiver_session', 'update_parameters_channel_list_ok', session(
    UPDATE_PARAMETERS, 0, list_channel * 3, b'\xaa' + hello + ready + boot_success))
write('receiver_session', 'update_parameters_checksum_error', session(
    UPDATE_PARAMETERS, 0, full_database,
    b'\x0e' + hello + ready + b'\x1b\x02\x07\xa0\xa1\xa2\xa3\x03'))

software = bytes((i * 13 + 1) & 0xFF for i in range(8193))
write('receiver_session', 'update_software_two_blocks_ok', session(
    UPDATE_SOFTWARE, 0, software, boot_chatter + b'\x0f' + hello + ready + sync + boot_success))
write('receiver_session', 'update_software_stopped', session(
    UPDATE_SOFTWARE, 0, software, b'\x0f' + hello + ready, STOP_UPDATE, sync + boot_success))

def load_stream(block):
    header = b'\x02' + struct.pack('<IIII', len(block), 0xE0000, 0, 0) + b'\x03'
    return b'\xbb' + hello + ready + header + block + word_sum(block)

write('receiver_session', 'load_ok', session(LOAD, 0, b'', load_stream(tiny) + boot_success))
write('receiver_session', 'load_two_blocks_ok', session(
    LOAD, 0, b'', load_stream(two_blocks) + boot_success))
bad_sum = bytearray(load_stream(tiny))
bad_sum[-1] ^= 0xFF
write('receiver_session', 'load_checksum_refused', session(LOAD, 0, b'', bytes(bad_sum)))
write('receiver_session', 'load_link_lost', session(
    LOAD, 0, b'', load_stream(tiny)[:100], LINK_LOST, load_stream(tiny)[100:] + boot_success))

def send_stream(blocks):
    return b'\xcc' + hello + ready + b'\xcd' + sync * blocks + b'\x1b\x02\x05\x03\xaa'

write('receiver_session', 'send_user_area_ok', session(SEND, 0, one_block, send_stream(1)))
write('receiver_session', 'send_both_areas_ok', session(
    SEND, MODIFY_DEFAULT_YES, one_block, send_stream(2)))
write('receiver_session', 'send_again_and_checksum_refused', session(
    SEND, 0, one_block, send_stream(1)[:20], COMMAND_AGAIN, b'\xcc' + hello + ready + b'\xcd' + sync + b'\x07'))

info_request = b'\x02\xb4\x00\x00\x00\x00\x00\x00\x00\x00\x03'
ota_start = ota_chatter + b'\xb0\x02\xb1\x03' + info_request
write('receiver_session', 'ota_ok', session(
    OTA, 0, ota_file, ota_start + b'\x02\xb5\x03' + b'\xb3\x02\xc0\x03'))
write('receiver_session', 'ota_version_refused', session(
    OTA, 0, ota_file, ota_start + b'\x02\xc2\x03' + b'\xb3\x02\xc2\x00\x00\x00\x00\x03'))
write('receiver_session', 'ota_disconnected', session(
    OTA, 0, ota_file, ota_start, COM_DISCONNECT, b'\x02\xb5\x03', COM_CONNECT, b'\xb3\x02\xc0\x03'))
# What a person does most: load the box's settings, then send them back.
write('receiver_session', 'load_then_send_ok', session(
    LOAD, 0, b'', load_stream(one_block) + boot_success, NEXT_COMMAND, send_stream(1)))
PY
