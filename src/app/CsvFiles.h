// File "Export List...": the CSV tables of the channel database (the same tables zev-cli
// export writes) written beside each other, all or none.
#pragma once

#include <QString>
#include <QStringList>

namespace zev {
class ChannelDatabase;
}

// Writes the channels to `path` and the transponders and satellites beside it
// ("list.csv", "list-transponders.csv", "list-satellites.csv") by the rule of every output
// (zev::FileReplacement): three distinct regular files that may be written, each table in a
// temporary file first, replacing their files only once all three were written completely.
// Returns the three paths, or nothing (and `error`, a sentence) when one could not be written.
QStringList WriteCsvFiles(const zev::ChannelDatabase& db, const QString& path, QString& error);
