// Any name typed into the save chooser: a name passes only when it is made of
// A-Z, a-z, 0-9 and ".", not first; the file it is saved under stays in the
// program folder and is one that Load lists for the test.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "persistence/core/file_names.h"
#include "persistence/core/saved_files.h"

using namespace orv;

constexpr std::string_view kNameCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.";

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // libFuzzer hands over exactly `size` bytes, so a read past them is caught.
    const std::string_view name(reinterpret_cast<const char*>(data), size);
    const std::size_t allowed =
        name.starts_with('.') ? 0 : std::min(name.find_first_not_of(kNameCharacters), name.size());
    const NameCheck check = CheckSaveName(name);
    FUZZ_PROMISE(check.passed == (allowed == name.size()));
    if (!check.passed) {
        // The refused character is the first one outside the rule.
        FUZZ_PROMISE(check.cpos == static_cast<int>(allowed) + 1 && check.cchar == name[allowed]);
        return 0;
    }
    if (name.empty()) {
        return 0;
    }
    for (const std::int16_t testno : {0, 1}) {
        const std::string file = SavedFileName(name, testno);
        const std::string extension = "." + std::to_string(testno);
        FUZZ_PROMISE(file.find('/') == std::string::npos && file.ends_with(extension));
        FUZZ_PROMISE(IsSavedFileName(file, testno));
    }
    return 0;
}
