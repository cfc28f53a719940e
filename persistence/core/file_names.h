#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

// The outcome of the name check of the save chooser. `cpos` is the 1-based
// position of the last character tested (the failing one when the name was
// refused) and `cchar` that character in upper case; both are 0 for an empty
// name, which is not checked.
struct NameCheck {
    bool passed = true;
    int cpos = 0;
    char cchar = 0;
};

// A name may hold the letters A to Z in either case and the digits 0 to 9,
// and after its first character also ".". Anything else is refused: spaces,
// signs, and letters outside A to Z.
NameCheck CheckSaveName(std::string_view name);

// The name a save writes: the chosen name up to its first "." (all of it when
// there is none), then "." and the test number. "abc.def.ghi" in test 0 gives
// "abc.0".
std::string SavedFileName(std::string_view chosen, std::int16_t testno);

}  // namespace orv
