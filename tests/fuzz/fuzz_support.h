#pragma once

#include <algorithm>
#include <cstdio>
#include <set>
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

// The messages of the database reader, and nothing else; text that is not
// UTF-8 is named with its file and line.
inline bool IsReaderMessage(const std::string& text) {
    if (text.starts_with("E04: Invalid Database Text.\n")) {
        return true;
    }
    static const std::set<std::string> kMessages = {
        "E01: Invalid Database File",       "E01A: Invalid Database Contents.",
        "E02B: Invalid Database Contents.", "E02: Invalid Database Contents",
        "E03: Invalid Database Contents",   "E03B: Invalid Database Contents."};
    return kMessages.contains(text);
}

// What a saved file holds of both: the question, answer slots 1..250 and
// scales 1..10. Slot 0 of either array is never saved (a question on scale 0
// counts there).
inline bool SameResponses(const SavedResponses& a, const SavedResponses& b) {
    return a.qno == b.qno && std::equal(a.ans.begin() + 1, a.ans.end(), b.ans.begin() + 1) &&
           std::equal(a.scount.begin() + 1, a.scount.end(), b.scount.begin() + 1);
}

}  // namespace orv::testing
