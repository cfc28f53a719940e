// A language folder's help file, read for the texts the results show: any
// bytes give named texts of one line each, without tags, and every text the
// results ask for is there, UTF-8 and never empty, English where the file's
// is faulty; each fault's line lies in the file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "app/core/utf8.h"
#include "fuzz_support.h"
#include "results/core/help_texts.h"

using namespace orv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string english = [] {
        std::ifstream file(ORV_DATA_DIR "/orvtest.hlp", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }();
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const int lines = static_cast<int>(std::count(input.begin(), input.end(), '\n')) + 1;
    for (const auto& [name, text] : ReadHelpTexts(input)) {
        FUZZ_PROMISE(text.line >= 1 && text.line <= lines && text.bad_line <= lines);
        FUZZ_PROMISE(text.bad_line != 0 || IsUtf8(text.text));
        FUZZ_PROMISE(text.text.find_first_of("\t\r\n") == std::string::npos);
        FUZZ_PROMISE(text.text.find("  ") == std::string::npos && !text.text.starts_with(' ') &&
                     !text.text.ends_with(' '));
    }
    const ScaleMeanings meanings(english, input, "fuzz.hlp");
    for (const std::string& key : MeaningKeys()) {
        FUZZ_PROMISE(!meanings.Text(key).empty() && IsUtf8(meanings.Text(key)));
    }
    for (const HelpFault& fault : meanings.faults()) {
        FUZZ_PROMISE(fault.file == "fuzz.hlp" && fault.line >= 0 && fault.line <= lines);
    }
    return 0;
}
