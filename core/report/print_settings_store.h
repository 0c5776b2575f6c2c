// The print settings and the output unit in the user profile: section "Font" for the print
// font, section "Print" for the page settings.
#pragma once

#include "platform/profile.h"
#include "report/print_layout.h"

namespace kesto {

// Every key with its default when absent.
PrintSettings loadPrintSettings(const Profile& profile);
void savePrintSettings(const PrintSettings& settings, Profile& profile);

}  // namespace kesto
