// Any bytes as a kept-result file: an accepted file is a result a test can end
// in and exactly the bytes the program writes for it, and its profile's bars
// stay within their scale, on the side of their score.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "results/core/profile.h"
#include "results/core/result_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto result = orv::ParseKeptResult(bytes);
    if (!result) {
        return 0;
    }
    FUZZ_PROMISE(orv::IsPossibleResult(*result));
    FUZZ_PROMISE(orv::FormatKeptResult(*result) == bytes);
    const orv::ProfileView view = orv::ViewOf(*result);
    for (const orv::ProfileScale& scale : view.later.scales) {
        FUZZ_PROMISE(scale.share >= -1 && scale.share <= 1);
        FUZZ_PROMISE((scale.share > 0) == (scale.score > 0) &&
                     (scale.share < 0) == (scale.score < 0));
    }
    FUZZ_PROMISE(orv::ProfileTable(view).size() == orv::kScales + 1);
    FUZZ_PROMISE(!orv::ChartSummary(view).empty());
    return 0;
}
