// Temporary program folders for the document and report tests.
#pragma once

#include "test_support.h"

namespace kesto::testing {

using TempFolder = test::TempFolder;

}  // namespace kesto::testing
