// The files that rework whole lists in the program: a reference list for Order Like File (a
// parameter image, the JSON form or the CSV files of Export List), the three CSV files of
// Import List and the transponder XML of Update Transponders from File. Each is read through
// the bounded reader of regular files; what cannot be used is said in a sentence for the
// Warning box.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Result.h"
#include "database/ChannelDatabase.h"
#include "editing/ReferenceOrder.h"
#include "editing/TransponderFile.h"
#include "formats/CsvImport.h"

// The three CSV files of Export List for the name of the first ("list.csv",
// "list-transponders.csv", "list-satellites.csv") or of one of the other two, read whole.
// Problems name the files without their folders.
struct CsvFileSet {
    QString channelsPath;              // the set's name: the channels' file
    std::array<std::string, 3> names;  // channels, transponders, satellites
    std::array<std::vector<uint8_t>, 3> bytes;

    zev::CsvImportFiles Files() const {
        return {{names[0], bytes[0]}, {names[1], bytes[1]}, {names[2], bytes[2]}};
    }
};
zev::Result<CsvFileSet, QString> ReadCsvFileSet(const QString& path);

// The channel lists of a reference file, chosen by its extension. A JSON file's header fields
// that it leaves out are those of `header` (the database in memory's).
zev::Result<zev::ReferenceLists, QString> ReadReferenceLists(const QString& path,
                                                             const zev::DatabaseHeader& header);

zev::Result<zev::TransponderFile, QString> ReadTransponderXmlFile(const QString& path);

// The problems one per line, as "FILE:LINE:COLUMN: what is wrong".
QString CsvProblemsText(const std::vector<zev::CsvProblem>& problems);
