// Runs the built programs and cmake as separate processes.
#pragma once

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <string>

namespace release_testing {

struct ProgramRun {
    int status = -1;  // -1: did not start, crashed or hung
    std::string out;
    std::string err;
};

inline QString BuiltProgram(const char* name) {
    return QStringLiteral(ZEV_BIN_DIR "/") + QLatin1String(name);
}

inline bool Built(const char* name) { return QFile::exists(BuiltProgram(name)); }

inline ProgramRun RunCommand(
    const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ProgramRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

inline ProgramRun RunProgram(
    const char* name, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    return RunCommand(BuiltProgram(name), arguments, environment);
}

}  // namespace release_testing
