#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "testing/core/test_record.h"

namespace orv {

// The progress of a test as a saved-responses file holds it: the question on
// screen, the response value of question slots 1..250 and the answer count of
// scales 1..10 (slot 0 of each array is unused).
struct SavedResponses {
    std::int16_t qno = 0;
    std::array<std::int16_t, kMaxQuestions + 1> ans{};
    std::array<std::int16_t, kScales + 1> scount{};
};

inline constexpr int kSavedValues = 1 + kMaxQuestions + kScales;  // 261 lines

// Values a test can produce: each question is answered once, adding at most 2
// to itself and taking at most 2 from each of six related questions.
inline constexpr std::int16_t kMinSavedAnswer = -kMaxQuestions * kRelatedSlots * 2;  // -3000
inline constexpr std::int16_t kMaxSavedAnswer = 2;

// The file's bytes: 261 lines, each one value in shortest decimal, CR LF.
std::string FormatSavedResponses(const SavedResponses& responses);

// Reads the bytes of a saved file. No value when the file holds fewer than
// 261 values, a line that is not a plain decimal integer (ToSavedValue), or a
// value a test cannot produce; values after the 261st are ignored.
std::optional<SavedResponses> ParseSavedResponses(std::string_view bytes);

// Reads a saved file from disk; no value when it is not a regular file or
// cannot be read or parsed.
std::optional<SavedResponses> ReadSavedResponses(const std::string& path);

// Writes a saved file: `path` ends up holding either the whole new content or
// exactly what it held before (ReplaceFile, which also says what is refused).
bool WriteSavedResponses(const std::string& path, const SavedResponses& responses);

}  // namespace orv
