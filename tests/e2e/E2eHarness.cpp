#include "e2e/E2eHarness.h"

#include <QProcess>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "e2e/PtyPair.h"

namespace zev::test {

namespace {

QString Program(const char* name) { return QString(ZEV_BIN_DIR) + "/" + name; }

}  // namespace

BoxSim::BoxSim(const QStringList& arguments) : process_(std::make_unique<QProcess>()) {
    TestApp();
    process_->setProgram(Program("zev-boxsim"));
    process_->setArguments(arguments);
    process_->setStandardInputFile(QProcess::nullDevice());
    process_->setStandardErrorFile(QProcess::nullDevice());
    process_->start();
    if (!process_->waitForStarted(10000)) return;
    // The first line of its output is the pseudo-terminal's path.
    for (int tries = 0; tries < 100 && !process_->canReadLine(); ++tries) {
        process_->waitForReadyRead(100);
    }
    if (process_->canReadLine()) ptyPath_ = process_->readLine().trimmed().toStdString();
}

BoxSim::~BoxSim() {
    if (process_->state() == QProcess::NotRunning) return;
    process_->terminate();
    if (!process_->waitForFinished(5000)) {
        process_->kill();
        process_->waitForFinished(5000);
    }
}

CliResult RunCli(const QStringList& arguments, const QString& workDir, int killAfterMs) {
    TestApp();
    QProcess cli;
    cli.setWorkingDirectory(workDir);
    cli.setStandardInputFile(QProcess::nullDevice());
    cli.start(Program("zev-cli"), arguments);
    CliResult result;
    if (!cli.waitForStarted(10000)) return result;
    result.finished = cli.waitForFinished(killAfterMs);
    if (!result.finished) {
        cli.kill();
        cli.waitForFinished(5000);
    } else if (cli.exitStatus() == QProcess::NormalExit) {
        result.exitCode = cli.exitCode();
    }
    result.out = cli.readAllStandardOutput().toStdString();
    result.err = cli.readAllStandardError().toStdString();
    return result;
}

CliResult RunCliOn(const std::string& ptyPath, const QStringList& arguments, const QString& workDir,
                   int killAfterMs) {
    QStringList all{"--port", QString::fromStdString(ptyPath), "--timeout", "10"};
    all += arguments;
    return RunCli(all, workDir, killAfterMs);
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::trunc);
    file << text;
}

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

std::string ParameterDataText(int satellites, int transponders, int channels) {
    std::string text;
    char line[128];
    for (int i = 0; i < satellites; ++i) {
        std::snprintf(line, sizeof line, "S:09750,U,0,10600,1,0,0,%d,Sat%-7d\n", i % 5, i);
        text += line;
    }
    for (int i = 0; i < transponders; ++i) {
        std::snprintf(line, sizeof line, "T:%05d,%c,0,00,%03d,27500,%05d\n", 10700 + i,
                      i % 2 != 0 ? 'V' : 'H', i % satellites + 1, i + 1);
        text += line;
    }
    for (int i = 0; i < channels; ++i) {
        std::snprintf(line, sizeof line,
                      "C:%04d,%04d,%04d,%04d,%04d,0,P,0,L,%05d,%05d,%05d,Chan%-8d\n", i % 1000,
                      100 + i % 900, 200 + i % 800, i % 10, 300 + i % 700, i, i + 1, i % 50, i);
        text += line;
    }
    return text;
}

std::vector<uint8_t> PatternBytes(std::size_t count, uint32_t seed) {
    std::vector<uint8_t> bytes(count);
    uint32_t state = seed;
    for (auto& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<uint8_t>(state >> 16);
    }
    return bytes;
}

std::vector<uint8_t> OtaFile(std::size_t size) {
    std::vector<uint8_t> file = PatternBytes(size, 7);
    const auto put32 = [&](std::size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i) file[at + i] = static_cast<uint8_t>(value >> (8 * i));
    };
    constexpr uint32_t kInfoOffset = 16;
    put32(0, kInfoOffset);
    file[kInfoOffset + 4] = 3;  // software ID
    file[kInfoOffset + 5] = 1;  // hardware version
    file[kInfoOffset + 6] = 0;  // software type
    file[kInfoOffset + 7] = 9;  // software version
    put32(kInfoOffset + 22, static_cast<uint32_t>(size - 8));
    return file;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::vector<uint8_t> E2eTest::LoadSample(const char* out) {
    BoxSim box({"--sample", "--quiet"});
    EXPECT_TRUE(box.ok());
    const CliResult run = RunCliOn(box.PtyPath(), {"load", QPath(out)}, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_TRUE(Contains(run.out, "\nGet Data Success!")) << run.out;
    return ReadFile(Path(out));
}

}  // namespace zev::test
