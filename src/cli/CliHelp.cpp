#include "cli/CliMain.h"

namespace zev::cli {

const char* CliHelpText() {
    return R"(usage: zev-cli COMMAND [ARGUMENTS] [OPTIONS]

Parameter image files (.stc user block, .def default-channel block, .all both):
  dump FILE [--json]        Read FILE (a .def or .all as such, the JSON form of a .json as
                            check reads it, any other file as a user block) and print its
                            header and every satellite, transponder, TV and radio channel;
                            --json prints the JSON form that build reads.
  build IN.json OUT         Build a database from the JSON form and write it as the image
                            named by OUT's extension (stc, def or all). Header fields the
                            JSON leaves out take their start-up values and the flash layout
                            of --flash/--user, else of default.dat, else 8M bits, 2 sectors.
                            An image check calls an error is not written: its errors are
                            printed and the exit status is 1.
  convert IN OUT            Read IN as dump does and write it as the image named by OUT's
                            extension (stc, def or all), as build writes it.

Looking at a database (FILE, A, B: a .stc, .def or .all image, or the JSON form in a .json):
  check FILE [--json]       List every problem, one per line: errors (the receiver would
                            misread the image) first, then warnings. Exit status 1 when
                            there are errors.
  diff A B [--json]         Print the differences record by record: added, removed, moved
                            and changed records with old and new values, and header fields.
                            Exit status 0 when equal, 1 when not, 2 when a file is unusable.
  export FILE OUT.csv       Write the channels of both lists to OUT.csv, the transponders to
                            OUT-transponders.csv and the satellites to OUT-satellites.csv
                            (CSV in UTF-8 for spreadsheets).

Reworking lists (IN, BASE, REF: any file check reads; OUT: .stc, .def or .all):
  sort IN OUT --by name|sat|freq|sid [--descending] [--list tv|radio|both]
                            Sort the TV and the radio list (or one of them) each on its own:
                            by name (numbers by value, letters without case), by satellite,
                            frequency, polarisation and Service ID, by frequency, or by
                            Service ID. Equal channels keep their order; channels on no
                            transponder come last.
  reorder IN REF OUT        Give the lists of IN the order of REF's (REF may also be the
                            .csv of export): channels REF has too come first, in its order,
                            then the others; prints how many were placed.
  import BASE IN.csv OUT    Replace the satellites, transponders and channels of BASE with
                            the three CSV files export writes (also after a spreadsheet saved
                            them); a cell that cannot be used is named as FILE:LINE:COLUMN.
  transponders-export IN OUT.xml [--position NAME=POS]...
                            Write the satellites and transponders in the common XML format;
                            --position SAT-EAST=19.2E gives a satellite its position.
  transponders-import IN XML OUT [--position NAME=POS]... [--remove-missing]
                            Update the transponders of each satellite tied to one of the
                            file (by --position, else by the only name containing its own):
                            matches within 2 MHz take the file's frequency and symbol rate,
                            the others are added; --remove-missing deletes transponders the
                            file lacks unless channels are on them. One line per satellite.

Parameter data files (S, T and C lines):
  update-image DATAFILE OUT Build the parameter update image that update-params sends from
                            DATAFILE and write it to OUT; malformed lines are named on
                            standard error.

Serial ports:
  ports                     List the serial ports the system reports: device, description,
                            manufacturer, serial number and USB vendor:product ids.

Receiver commands (over the serial port):
  monitor [--hex [--timestamps]]
                            Show what the receiver sends until interrupted or timed out
                            (exit status 1 when it sent nothing before the time-out); --hex
                            shows the bytes in hexadecimal and as text instead (the
                            terminal's text then goes to standard error).
  update-params DATAFILE    Update the receiver's parameter area from a parameter data file
                            of S, T and C lines through its boot loader.
  update-software FILE.cus  Update the receiver's software through its boot loader.
  load OUT.stc              Load the receiver's user block and save it as OUT.stc.
  send IN.stc [--default] [--verify] [--backup FILE]
                            Send IN.stc into the receiver's user block; with --default also
                            replace its default channels. An image check calls an error is
                            not sent. --backup FILE first loads the
                            receiver's user block into FILE and sends only when that worked;
                            --verify loads the user block back afterwards and succeeds only
                            when it equals what was sent, naming the records that differ.
  ota FILE.sgn              Update the receiver's software through its OTA loader.

Options (before or after the command; each command refuses the options it does not take):
  --port NAME    serial port (default: the port in default.dat); "auto" takes the only
                 USB serial adapter and refuses, listing the ports, when there are none
                 or several
  --baud N       baud rate (default: the rate in default.dat)
  --timeout S    give up after S seconds without a byte from the receiver (default 60;
                 0 waits for ever; at most 2147483, about 24 days)
  --default      send: replace the default channels as well
  --verify       send: load the user block back and compare it with what was sent
  --backup FILE  send: save the receiver's user block to FILE before sending
  --log FILE     receiver commands: write every byte sent and received to FILE, in
                 hexadecimal and as text, with the time of each piece (an existing
                 FILE stays as it was when not a byte went over the line)
  --hex          monitor: print the bytes received in hexadecimal and as text
  --timestamps   with --hex: the time of each piece of bytes (--log always has it)
  --flash N      flash size: 1 = 4M bits, 2 = 8M bits, 3 = 16M bits (build, and the JSON
                 form that dump, check, diff, export and the list reworking commands read)
  --user N       user-parameter size in sectors: 1 to 4 (as --flash)
  --by KEY       sort: name, sat, freq or sid
  --descending   sort: the other way round
  --list L       sort: tv, radio or both (the default)
  --position NAME=POS
                 transponders-export and transponders-import: the orbital position
                 of the satellite named NAME, such as 19.2E or 30.0W (repeat it for
                 several)
  --remove-missing
                 transponders-import: delete transponders the file does not list,
                 unless channels are on them
  --json         dump, check, diff: print the JSON form
  --help         show this text
  --version      show the program's version

Exit status: 0 success, 1 refused image, unsuccessful run (also a transfer ended before
its end, a --verify that found other settings in the receiver, or --port auto without a
single adapter), errors found (check, and the images the commands that write one refuse)
or differences (diff), 2 usage or file error (also a backup or log that could not be
written, an output that names an input or another output of the command, under any name,
CSV or XML input that cannot be used, more transponders than the image holds).
)";
}

}  // namespace zev::cli
