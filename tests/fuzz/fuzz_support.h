#pragma once

#include <cstdio>
#include <string>

#include "persistence/core/saved_responses.h"

// A broken promise stops the run where libFuzzer reports it, with the input
// that broke it.
#define FUZZ_PROMISE(condition)                                                                   \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "broken promise: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            __builtin_trap();                                                                     \
        }                                                                                         \
    } while (0)

namespace orv::testing {

// The six messages of the database reader, and nothing else.
inline bool IsReaderMessage(const std::string& text) {
    for (const char* message :
         {"E01: Invalid Database File", "E01A: Invalid Database Contents.",
          "E02B: Invalid Database Contents.", "E02: Invalid Database Contents",
          "E03: Invalid Database Contents", "E03B: Invalid Database Contents."}) {
        if (text == message) {
            return true;
        }
    }
    return false;
}

inline bool SameResponses(const SavedResponses& a, const SavedResponses& b) {
    return a.qno == b.qno && a.ans == b.ans && a.scount == b.scount;
}

}  // namespace orv::testing
