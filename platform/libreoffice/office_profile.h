#pragma once

#include <filesystem>

namespace quirevo::office {

// Prepares a fresh user profile in folder for the office to start with: it never prompts, never
// runs macros or updates links, never saves or recovers anything on its own, prints PDF jobs,
// and prints only the sheet that is selected, with empty pages left out, which is what a sheet's
// page count is measured against.
void writeOfficeProfile(const std::filesystem::path& folder);

}  // namespace quirevo::office
