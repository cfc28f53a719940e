// Saving and loading the responses of the test window.
#include "testing/frmTest.h"

void frmTest::cmdSave_Click() {}

void frmTest::cmdLoad_Click() {}

void frmTest::OfferToSave() {}
