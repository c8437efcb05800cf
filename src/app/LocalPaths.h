// File names between Qt and the plain C++ layers, which keep them as the bytes the C library
// opens: in the local 8-bit encoding.
#pragma once

#include <QString>
#include <string>

inline std::string Local8Bit(const QString& path) { return path.toLocal8Bit().toStdString(); }

inline QString FromLocal8Bit(const std::string& path) {
    return QString::fromLocal8Bit(path.c_str());
}
