#include "tools/commands.h"

namespace orvtool {

int RunEvaluate(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
    err << "orvtool evaluate: not available in this build\n";
    return 2;
}

}  // namespace orvtool
