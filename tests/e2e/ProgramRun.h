#pragma once

// The program-run fixture lives in ProgramTest.h; this name is kept for the
// tests that include it from here.
#include "tests/e2e/ProgramTest.h"

namespace tandrel::test {
using ProgramTest = e2e::ProgramTest;
} // namespace tandrel::test
