#include "persistence/core/file_names.h"

namespace orv {

namespace {

// Upper-casing serves the test only, and only the letters a to z change:
// no other byte has an upper-case form within A to Z.
char UpperCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool PassesCharacterRule(char upper) {
    return (upper >= 'A' && upper <= 'Z') || (upper >= '0' && upper <= '9');
}

}  // namespace

NameCheck CheckSaveName(std::string_view name) {
    NameCheck check;
    for (std::size_t i = 0; i < name.size(); ++i) {
        check.cpos = static_cast<int>(i) + 1;
        check.cchar = UpperCase(name[i]);
        const bool allowed = PassesCharacterRule(check.cchar) || (i > 0 && check.cchar == '.');
        if (!allowed) {
            check.passed = false;
            return check;
        }
    }
    return check;
}

std::string SavedFileName(std::string_view chosen, std::int16_t testno) {
    const std::string_view base = chosen.substr(0, chosen.find('.'));
    return std::string(base) + "." + std::to_string(testno);
}

}  // namespace orv
