// zev-soak: drives the whole desktop program with random user actions and checks after each
// one what must always hold. scripts/soak builds it with AddressSanitizer and UBSan and runs it.
//
//   zev-soak SECONDS [SEED]      actions for that long, from SEED (a new one when none is given)
//   zev-soak --replay FILE       the actions of FILE ("seed N", then one action per line), as
//                                they are
//   --shrink-seconds S           how long to look for a shorter failing sequence (default 600)
//   --finding-file PATH          where that sequence is written (default soak-finding.txt)
//   --trace                      prints each action and the state after it
//
// It prints "N actions, no findings", or the finding, the seed and the shortest failing
// sequence it found, which --replay plays again. Exit status 0 without findings, 1 with, 2 on
// wrong usage.
#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "Actions.h"
#include "Session.h"
#include "Supervisor.h"

namespace {

using soak::Action;

int Usage() {
    std::cerr << "usage: zev-soak SECONDS [SEED] | zev-soak --replay FILE\n"
                 "       [--shrink-seconds S] [--finding-file PATH] [--trace]\n";
    return 2;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The child: plays the run's actions for `seconds`, or the actions given, printing "do I
// ACTION" before and "ok I" after each, or "finding I KIND<tab>WORDS" and ending.
int Play(int argc, char** argv, uint64_t seed, double seconds, const std::vector<Action>* given,
         bool trace) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    soak::Session session(seed);
    if (auto started = session.Start(); !started) {
        std::printf("finding 0 start\t%s\n", started.error().c_str());
        return 3;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (std::size_t i = 0;; ++i) {
        if (given != nullptr ? i >= given->size() : std::chrono::steady_clock::now() >= deadline) {
            break;
        }
        const Action action = given != nullptr ? (*given)[i] : soak::ActionOfRun(seed, i);
        std::printf("do %zu %s\n", i, soak::ActionText(action).c_str());
        std::fflush(stdout);
        const std::vector<std::string> findings = session.Play(action);
        if (!findings.empty()) {
            const std::string& first = findings.front();
            std::printf("finding %zu %s\t%s\n", i, first.substr(0, first.find(':')).c_str(),
                        first.c_str());
            std::fflush(stdout);
            return 3;
        }
        if (trace) std::printf("trace %zu %s\n", i, session.Trace().c_str());
        std::printf("ok %zu\n", i);
        std::fflush(stdout);
    }
    std::printf("changes %zu\n", session.Changes());
    return 0;
}

void PrintSequence(const std::vector<Action>& actions) {
    for (std::size_t i = 0; i < actions.size(); ++i) {
        std::printf("  %3zu %s\n", i + 1, soak::ActionText(actions[i]).c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "--play") {
        uint64_t seed = 0;
        double seconds = 0;
        bool trace = false;
        std::vector<Action> given;
        bool replay = false;
        for (std::size_t i = 1; i < args.size(); ++i) {
            const bool hasValue = i + 1 < args.size();
            if (args[i] == "--trace") {
                trace = true;
            } else if (args[i] == "--seed" && hasValue) {
                seed = std::strtoull(args[++i].c_str(), nullptr, 10);
            } else if (args[i] == "--seconds" && hasValue) {
                seconds = std::strtod(args[++i].c_str(), nullptr);
            } else if (args[i] == "--replay" && hasValue) {
                replay = soak::ParseReplay(ReadFile(args[++i]), seed, given);
                if (!replay) return Usage();
            } else {
                return Usage();
            }
        }
        return Play(argc, argv, seed, seconds, replay ? &given : nullptr, trace);
    }

    double seconds = -1;
    double shrinkSeconds = 600;
    std::string findingFile = "soak-finding.txt";
    std::string replayFile;
    std::optional<uint64_t> seed;
    bool trace = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--replay" && hasValue) {
            replayFile = args[++i];
        } else if (args[i] == "--shrink-seconds" && hasValue) {
            shrinkSeconds = std::strtod(args[++i].c_str(), nullptr);
        } else if (args[i] == "--trace") {
            trace = true;
        } else if (args[i] == "--finding-file" && hasValue) {
            findingFile = args[++i];
        } else if (seconds < 0 && args[i].find_first_not_of("0123456789.") == std::string::npos) {
            seconds = std::strtod(args[i].c_str(), nullptr);
        } else if (!seed && args[i].find_first_not_of("0123456789") == std::string::npos) {
            seed = std::strtoull(args[i].c_str(), nullptr, 10);
        } else {
            return Usage();
        }
    }
    if (replayFile.empty() == (seconds < 0)) return Usage();

    soak::Supervisor supervisor("/proc/self/exe", trace);
    soak::Outcome outcome;
    std::vector<Action> actions;
    uint64_t runSeed = 0;
    if (!replayFile.empty()) {
        if (!soak::ParseReplay(ReadFile(replayFile), runSeed, actions)) {
            std::cerr << "zev-soak: " << replayFile << " is no replay file\n";
            return 2;
        }
        std::printf("soak: replaying %zu actions of seed %llu\n", actions.size(),
                    static_cast<unsigned long long>(runSeed));
        std::fflush(stdout);
        outcome = supervisor.Replay(runSeed, actions);
    } else {
        runSeed = seed ? *seed : std::random_device{}() * 65536ull + std::random_device{}() % 65536;
        std::printf("soak: seed %llu, %g seconds\n", static_cast<unsigned long long>(runSeed),
                    seconds);
        std::fflush(stdout);
        outcome = supervisor.RunFor(runSeed, seconds);
        if (outcome.failedAt) {
            for (std::size_t i = 0; i <= *outcome.failedAt; ++i) {
                actions.push_back(soak::ActionOfRun(runSeed, i));
            }
        }
    }
    if (!outcome.failedAt) {
        std::printf("%zu actions, no findings (%zu of them changed the channels)\n", outcome.played,
                    outcome.changes);
        return 0;
    }

    std::printf("finding after action %zu of seed %llu: %s\n", *outcome.failedAt + 1,
                static_cast<unsigned long long>(runSeed), outcome.detail.c_str());
    if (!outcome.report.empty()) std::printf("%s\n", outcome.report.c_str());
    std::fflush(stdout);
    actions.resize(std::min(actions.size(), *outcome.failedAt + 1));
    std::vector<Action> shortest = actions;
    // A replayed sequence is taken as it is: it usually is the shortest one found already.
    if (replayFile.empty() && shrinkSeconds > 0 && actions.size() > 1) {
        const soak::Outcome again = supervisor.Replay(runSeed, actions);
        if (again.failedAt && again.signature == outcome.signature) {
            shortest = supervisor.Shrink(runSeed, actions, outcome, shrinkSeconds);
        } else {
            std::printf("the finding did not come back when its %zu actions were played again\n",
                        actions.size());
        }
    }
    std::ofstream(findingFile) << soak::ReplayText(runSeed, shortest);
    std::printf(
        "shortest failing sequence found: %zu of %zu actions (seed %llu; written to %s, "
        "replay with --replay):\n",
        shortest.size(), actions.size(), static_cast<unsigned long long>(runSeed),
        findingFile.c_str());
    PrintSequence(shortest);
    return 1;
}
