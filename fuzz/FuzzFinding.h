// What a harness found wrong with one input: empty when every property held. The libFuzzer
// targets abort on a finding, so libFuzzer keeps the input as a crash; the corpus tests show it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace zev::fuzz {

using Finding = std::string;

inline int AbortOnFinding(const Finding& finding) {
    if (!finding.empty()) {
        std::fprintf(stderr, "broken property: %s\n", finding.c_str());
        std::abort();
    }
    return 0;
}

}  // namespace zev::fuzz
