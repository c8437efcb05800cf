// Runs the zev-boxsim program and talks to it through its pseudo-terminal. Every wait is
// bounded, so a broken simulator fails the test instead of hanging it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <string>
#include <vector>

#include "WireFormat.h"

namespace zev::boxsim::test {
namespace {

constexpr int kWaitMs = 5000;

// Reads until `count` bytes came or the line stayed silent for kWaitMs.
Bytes readBytes(int fd, std::size_t count) {
    Bytes bytes;
    while (bytes.size() < count) {
        pollfd entry{fd, POLLIN, 0};
        if (poll(&entry, 1, kWaitMs) <= 0) break;
        std::uint8_t buffer[4096];
        const ssize_t got = read(fd, buffer, std::min(sizeof buffer, count - bytes.size()));
        if (got <= 0) break;
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    return bytes;
}

void writeBytes(int fd, const Bytes& bytes) {
    ASSERT_EQ(write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
}

class SimulatorProcess {
  public:
    explicit SimulatorProcess(std::vector<std::string> arguments) {
        int input[2];
        int output[2];
        if (pipe(input) != 0 || pipe(output) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(input[0], STDIN_FILENO);
            dup2(output[1], STDOUT_FILENO);
            close(input[1]);
            close(output[0]);
            const std::string program = std::string(ZEV_BIN_DIR) + "/zev-boxsim";
            std::vector<char*> argv{const_cast<char*>(program.c_str())};
            for (std::string& argument : arguments) argv.push_back(argument.data());
            argv.push_back(nullptr);
            execv(program.c_str(), argv.data());
            _exit(127);
        }
        close(input[0]);
        close(output[1]);
        stdin_ = input[1];
        stdout_ = output[0];
        // The first line of output names the pseudo-terminal.
        for (;;) {
            const Bytes byte = readBytes(stdout_, 1);
            if (byte.empty() || byte[0] == '\n') break;
            ptyPath_ += static_cast<char>(byte[0]);
        }
    }

    ~SimulatorProcess() {
        if (stdin_ >= 0) close(stdin_);
        if (stdout_ >= 0) close(stdout_);
        if (pid_ > 0 && !exited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    const std::string& ptyPath() const { return ptyPath_; }
    pid_t pid() const { return pid_; }

    void command(const std::string& line) {
        ASSERT_EQ(write(stdin_, line.data(), line.size()), static_cast<ssize_t>(line.size()));
    }
    void closeStandardInput() {
        close(stdin_);
        stdin_ = -1;
    }

    // Sends SIGTERM and returns the exit status, or -1 when the program did not end.
    int terminate() {
        kill(pid_, SIGTERM);
        for (int attempt = 0; attempt < 500; ++attempt) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            usleep(10000);
        }
        return -1;
    }

  private:
    pid_t pid_ = -1;
    int stdin_ = -1;
    int stdout_ = -1;
    bool exited_ = false;
    std::string ptyPath_;
};

int openLine(const std::string& path) {
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY);
    if (fd >= 0) {
        termios settings{};
        tcgetattr(fd, &settings);
        cfmakeraw(&settings);
        tcsetattr(fd, TCSANOW, &settings);
    }
    return fd;
}

TEST(SimulatorProcess, ResetsOnEveryOpenAndServesASettingsLoad) {
    const std::string link =
        testing::TempDir() + "zev-boxsim-test-link-" + std::to_string(getpid());
    SimulatorProcess simulator(
        {"--quiet", "--sample", "--reset-on-open=50", "--sign", "0e", "--link", link});
    ASSERT_FALSE(simulator.ptyPath().empty());
    struct stat linkState {};
    ASSERT_EQ(lstat(link.c_str(), &linkState), 0);
    EXPECT_TRUE(S_ISLNK(linkState.st_mode));

    for (int cycle = 0; cycle < 2; ++cycle) {
        const int fd = openLine(link);
        ASSERT_GE(fd, 0);
        EXPECT_EQ(readBytes(fd, 1), Bytes{0x0E}) << "cycle " << cycle;
        close(fd);
    }

    const int fd = openLine(simulator.ptyPath());
    ASSERT_GE(fd, 0);
    EXPECT_EQ(readBytes(fd, 1), Bytes{0x0E});
    writeBytes(fd, {0xBB});
    EXPECT_EQ(readBytes(fd, 1), Bytes{0xBB});
    writeBytes(fd, {0x55});
    EXPECT_EQ(readBytes(fd, 3), (Bytes{kStx, 0x01, kEtx}));
    writeBytes(fd, {kStx, 0x01, 0x0A, kEtx});
    EXPECT_EQ(readBytes(fd, 11).size(), 11u);
    writeBytes(fd, {0xBC});
    const Bytes header = readBytes(fd, 18);
    ASSERT_EQ(header.size(), 18u);
    EXPECT_EQ(readLe32(header, 1), 0x20000u);
    EXPECT_EQ(readLe32(header, 5), 0xE0000u);
    writeBytes(fd, {kStx, 0x16, kEtx});
    const Bytes firstBlock = readBytes(fd, kBlockSize);
    ASSERT_EQ(firstBlock.size(), kBlockSize);
    EXPECT_EQ(firstBlock[2], 0xFC);
    EXPECT_EQ(firstBlock[26], 3) << "the sample's satellites";
    close(fd);

    EXPECT_EQ(simulator.terminate(), 0);
    EXPECT_NE(lstat(link.c_str(), &linkState), 0) << "the link is removed at exit";
}

TEST(SimulatorProcess, KeepsRunningAfterItsInputEndsAndResetsOnCommandAndSignal) {
    SimulatorProcess simulator({"--quiet", "--sign", "b0"});
    ASSERT_FALSE(simulator.ptyPath().empty());
    const int fd = openLine(simulator.ptyPath());
    ASSERT_GE(fd, 0);
    simulator.command("reset\n");
    EXPECT_EQ(readBytes(fd, 1), Bytes{0xB0});
    simulator.command("sign 0f\nreset\n");
    EXPECT_EQ(readBytes(fd, 1), Bytes{0x0F});
    simulator.closeStandardInput();
    kill(simulator.pid(), SIGUSR1);
    EXPECT_EQ(readBytes(fd, 1), Bytes{0x0F}) << "still running after the end of its input";
    close(fd);
    EXPECT_EQ(simulator.terminate(), 0);
}

}  // namespace
}  // namespace zev::boxsim::test
