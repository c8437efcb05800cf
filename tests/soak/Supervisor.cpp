#include "Supervisor.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace soak {
namespace {

// A child that prints nothing for this long is taken to hang.
constexpr int kSilenceLimitMs = 180000;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The kind of a sanitizer's report, as stable as the same fault makes it: the error's name, or
// for undefined behaviour the place where it happened.
std::string SanitizerSignature(const std::string& report) {
    std::istringstream lines(report);
    std::string line;
    while (std::getline(lines, line)) {
        std::size_t at = line.find("ERROR: AddressSanitizer: ");
        if (at != std::string::npos) {
            const std::string rest = line.substr(at + 7);
            return rest.substr(0, rest.find(" on "));
        }
        if (line.find("ERROR: LeakSanitizer") != std::string::npos) return "LeakSanitizer: leaks";
        at = line.find(": runtime error: ");
        if (at != std::string::npos) {
            const std::string place = line.substr(0, at);
            return "UndefinedBehaviorSanitizer at " + place.substr(place.rfind('/') + 1);
        }
    }
    return {};
}

// The report from its first line naming a sanitizer, at most `lines` lines.
std::string ReportExcerpt(const std::string& report, int lines) {
    std::size_t start = report.find("==ERROR");
    if (start == std::string::npos) start = report.find("runtime error");
    if (start == std::string::npos) start = 0;
    start = report.rfind('\n', start);
    start = start == std::string::npos ? 0 : start + 1;
    std::size_t end = start;
    for (int i = 0; i < lines && end != std::string::npos; ++i) end = report.find('\n', end + 1);
    return report.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// The last `count` lines of the child's standard error, without Qt's notes that the offscreen
// screen lacks a window-system feature.
std::string Tail(const std::string& errors, std::size_t count) {
    std::istringstream in(errors);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("This plugin does not support", 0) == 0) continue;
        lines.push_back(line);
    }
    std::string tail;
    for (std::size_t i = lines.size() > count ? lines.size() - count : 0; i < lines.size(); ++i) {
        tail += lines[i] + "\n";
    }
    return tail;
}

// `playing`: the action the child is playing, or -1 between actions.
void HandleLine(const std::string& line, Outcome& outcome, long& playing) {
    std::istringstream in(line);
    std::string word;
    std::size_t index = 0;
    in >> word >> index;
    if (word == "do") {
        playing = static_cast<long>(index);
    } else if (word == "ok") {
        outcome.played = index + 1;
        playing = -1;
    } else if (word == "changes") {
        outcome.changes = index;
    } else if (word == "finding") {
        outcome.failedAt = index;
        std::string rest;
        std::getline(in, rest);
        if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
        const std::size_t tab = rest.find('\t');
        outcome.signature = rest.substr(0, tab);
        outcome.detail = tab == std::string::npos ? rest : rest.substr(tab + 1);
    }
}

}  // namespace

Outcome Supervisor::RunFor(uint64_t seed, double seconds) {
    return RunChild(
        {"--play", "--seed", std::to_string(seed), "--seconds", std::to_string(seconds)});
}

Outcome Supervisor::Replay(uint64_t seed, const std::vector<Action>& actions,
                           std::optional<std::chrono::steady_clock::time_point> deadline) {
    char path[] = "/tmp/zev-soak-actions-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) return Outcome{0, 0, "soak", "cannot write the actions to replay", ""};
    const std::string text = ReplayText(seed, actions);
    const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    close(fd);
    Outcome outcome = written ? RunChild({"--play", "--replay", path}, deadline)
                              : Outcome{0, 0, "soak", "cannot write the actions to replay", ""};
    unlink(path);
    return outcome;
}

Outcome Supervisor::RunChild(std::vector<std::string> arguments,
                             std::optional<std::chrono::steady_clock::time_point> deadline) {
    if (trace_) arguments.push_back("--trace");
    Outcome outcome;
    char errPath[] = "/tmp/zev-soak-stderr-XXXXXX";
    const int errFd = mkstemp(errPath);
    int out[2];
    if (errFd < 0 || pipe(out) != 0) {
        outcome.failedAt = 0;
        outcome.signature = "soak";
        outcome.detail = "cannot start a child process";
        return outcome;
    }
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(errFd, STDERR_FILENO);
        close(out[0]);
        close(out[1]);
        close(errFd);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(self_.c_str()));
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(self_.c_str(), argv.data());
        _exit(127);
    }
    close(out[1]);
    close(errFd);

    long playing = -1;
    std::string pending;
    bool hung = false;
    bool outOfTime = false;
    for (;;) {
        int wait = kSilenceLimitMs;
        if (deadline) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                *deadline - std::chrono::steady_clock::now());
            wait = static_cast<int>(std::clamp<long long>(left.count(), 0, kSilenceLimitMs));
        }
        pollfd readable{out[0], POLLIN, 0};
        const int ready = poll(&readable, 1, wait);
        if (ready == 0) {
            outOfTime = wait < kSilenceLimitMs;
            hung = !outOfTime;
            kill(child, SIGKILL);
            break;
        }
        if (ready < 0) continue;
        char buffer[4096];
        const ssize_t got = read(out[0], buffer, sizeof buffer);
        if (got <= 0) break;
        pending.append(buffer, static_cast<std::size_t>(got));
        for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
            const std::string line = pending.substr(0, end);
            if (trace_ && (line.rfind("do ", 0) == 0 || line.rfind("trace ", 0) == 0)) {
                std::printf("%s\n", line.c_str());
                std::fflush(stdout);
            }
            HandleLine(line, outcome, playing);
            pending.erase(0, end + 1);
        }
    }
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    const std::string errors = ReadFile(errPath);
    unlink(errPath);

    // A child stopped for want of time tells nothing.
    if (outOfTime) return Outcome{};
    if (outcome.failedAt) return outcome;
    const bool clean = !hung && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (clean) return outcome;
    // Ended by a sanitizer, a signal or a hang: the action it was playing (or the last one, when
    // it ended after them all, as a leak report at exit does).
    outcome.failedAt = playing >= 0 ? static_cast<std::size_t>(playing)
                                    : (outcome.played > 0 ? outcome.played - 1 : 0);
    outcome.report = ReportExcerpt(errors, 60);
    outcome.signature = SanitizerSignature(errors);
    if (hung) {
        outcome.signature = "hang";
        outcome.detail = "no progress for " + std::to_string(kSilenceLimitMs / 1000) + " s";
    } else if (outcome.signature.empty()) {
        outcome.signature = WIFSIGNALED(status)
                                ? "signal " + std::to_string(WTERMSIG(status))
                                : "exit status " + std::to_string(WEXITSTATUS(status));
        outcome.detail = "the program ended with " + outcome.signature;
        outcome.report = Tail(errors, 40);
    } else {
        outcome.detail = outcome.signature;
    }
    return outcome;
}

std::vector<Action> Supervisor::Shrink(uint64_t seed, std::vector<Action> actions,
                                       const Outcome& failure, double seconds) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                          std::chrono::duration<double>(seconds));
    const auto timeLeft = [&] { return Clock::now() < deadline; };
    // The actions up to the one after which the same kind of finding came back, if it did.
    const auto stillFails =
        [&](std::vector<Action> candidate) -> std::optional<std::vector<Action>> {
        const Outcome outcome = Replay(seed, candidate, deadline);
        if (!outcome.failedAt || outcome.signature != failure.signature) return std::nullopt;
        candidate.resize(*outcome.failedAt + 1);
        return candidate;
    };
    // A finding usually needs only the last few actions: the shortest tail that still fails.
    for (std::size_t tail = 1; tail < actions.size() && timeLeft(); tail *= 2) {
        std::vector<Action> last(actions.end() - static_cast<long>(tail), actions.end());
        if (auto shorter = stillFails(std::move(last))) {
            actions = std::move(*shorter);
            break;
        }
    }
    // Then halves, quarters, ... down to single actions are left out, the later ones first; a
    // size that left something out is tried again before the next smaller one. The last action
    // is where the finding shows: it stays.
    std::size_t chunk = std::max<std::size_t>(actions.size() / 2, 1);
    while (timeLeft()) {
        bool removed = false;
        for (std::size_t end = actions.size() - 1; end > 0 && timeLeft();) {
            const std::size_t begin = end >= chunk ? end - chunk : 0;
            std::vector<Action> candidate(actions.begin(),
                                          actions.begin() + static_cast<long>(begin));
            candidate.insert(candidate.end(), actions.begin() + static_cast<long>(end),
                             actions.end());
            if (auto shorter = stillFails(std::move(candidate))) {
                actions = std::move(*shorter);
                removed = true;
                end = std::min(begin, actions.size() - 1);
            } else {
                end = begin;
            }
        }
        if (!removed) {
            if (chunk == 1) break;
            chunk /= 2;
        }
        chunk = std::min(chunk, std::max<std::size_t>(actions.size() / 2, 1));
    }
    return actions;
}

std::string ReplayText(uint64_t seed, const std::vector<Action>& actions) {
    std::string text = "seed " + std::to_string(seed) + "\n";
    for (const Action& action : actions) text += ActionText(action) + "\n";
    return text;
}

bool ParseReplay(const std::string& text, uint64_t& seed, std::vector<Action>& actions) {
    std::istringstream lines(text);
    std::string line;
    if (!std::getline(lines, line) || line.rfind("seed ", 0) != 0) return false;
    char* end = nullptr;
    seed = std::strtoull(line.c_str() + 5, &end, 10);
    if (end == line.c_str() + 5) return false;
    actions.clear();
    while (std::getline(lines, line)) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#') continue;
        // A printed sequence may be pasted with its numbers: "  3 Drag:..."
        std::string word = line.substr(start);
        if (const std::size_t space = word.rfind(' '); space != std::string::npos) {
            word = word.substr(space + 1);
        }
        const std::optional<Action> action = ParseAction(word);
        if (!action) return false;
        actions.push_back(*action);
    }
    return true;
}

}  // namespace soak
