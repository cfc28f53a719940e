#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "testing/core/test_record.h"

namespace orvtool {

// Reads a database as a test does: the header, then records until the first
// whose number reaches the header's total. `on_record` is called after each
// record with its line number. On the first failure prints "FILE:LINE:
// MESSAGE" (or "FILE: File not found.") to `report` and returns false. A
// `utf8` database (a language folder's) must be UTF-8 text.
bool ReadDatabaseAsTest(const std::string& file, orv::TestRecord& record, std::ostream& report,
                        const std::function<void(int line)>& on_record = {}, bool utf8 = false);

}  // namespace orvtool
