// The evaluation at the end of a test.
#include "testing/frmTest.h"

void frmTest::EvalDisp(std::int16_t) {}
