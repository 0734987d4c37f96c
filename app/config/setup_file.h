// The start-up settings file setup.res: one line of the seven SetupRecord fields.
#pragma once

#include "config/setup_record.h"

#include <string>
#include <string_view>

namespace quarnel {

std::string writeSetupFile(const SetupRecord &record);

// Each field that is missing, not a number or out of range takes its value from `defaults` on
// its own, so a damaged file never stops the start.
SetupRecord readSetupFile(std::string_view bytes, const SetupRecord &defaults);

} // namespace quarnel
