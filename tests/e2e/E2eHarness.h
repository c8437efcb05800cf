// Runs build/bin/zev-boxsim and build/bin/zev-cli as separate processes for end-to-end
// tests, each bounded in time so that a failing test never hangs.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QProcess;

namespace zev::test {

struct CliResult {
    bool finished = false;  // false: killed after its time-out
    int exitCode = -1;
    std::string out;
    std::string err;
};

// A simulated receiver on its own pseudo-terminal.
class BoxSim {
  public:
    explicit BoxSim(const QStringList& arguments);
    ~BoxSim();
    BoxSim(const BoxSim&) = delete;
    BoxSim& operator=(const BoxSim&) = delete;

    const std::string& PtyPath() const { return ptyPath_; }
    bool ok() const { return !ptyPath_.empty(); }

  private:
    std::unique_ptr<QProcess> process_;
    std::string ptyPath_;
};

// Runs zev-cli in `workDir` with `--port ptyPath` and `--timeout 10` before `arguments`.
CliResult RunCliOn(const std::string& ptyPath, const QStringList& arguments, const QString& workDir,
                   int killAfterMs = 60000);
CliResult RunCli(const QStringList& arguments, const QString& workDir, int killAfterMs = 60000);

// Files.
void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
void WriteText(const std::string& path, const std::string& text);
std::vector<uint8_t> ReadFile(const std::string& path);

// A parameter data file with `satellites` S lines, `transponders` T lines and `channels` C
// lines (full-database layout when there are T lines).
std::string ParameterDataText(int satellites, int transponders, int channels);

// Bytes that differ from position to position, so that a lost or moved byte shows.
std::vector<uint8_t> PatternBytes(std::size_t count, uint32_t seed = 1);

// An OTA software file of `size` bytes whose length value announces all of it.
std::vector<uint8_t> OtaFile(std::size_t size);

bool Contains(const std::string& text, const std::string& part);

// A test with a folder of its own, where zev-cli runs and its files go.
class E2eTest : public ::testing::Test {
  protected:
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    QString QPath(const char* name) const { return dir.filePath(name); }

    // The simulated receiver's sample user block, as `load` saves it as `out`.
    std::vector<uint8_t> LoadSample(const char* out);

    QTemporaryDir dir;
};

}  // namespace zev::test
