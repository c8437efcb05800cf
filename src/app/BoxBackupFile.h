// Where and how Send Setting to Box saves the box's user block before it sends: beside the
// file it is given (the channel list's image) as NAME-box-YYYYMMDD-HHMMSS.stc (in the working
// directory as ZEV-box-YYYYMMDD-HHMMSS.stc for "*.*", no file), written by the rule of every
// output: whole or not at all, only as a regular file that may be written.
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <span>
#include <string>

QString BoxBackupPath(const std::string& currentFile, const QDateTime& when);

// False, with `error`, when the file could not be written; an existing file is then as it was.
bool WriteBoxBackup(const QString& path, std::span<const uint8_t> block, QString& error);
