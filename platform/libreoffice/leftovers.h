#pragma once

#include <filesystem>
#include <string>

namespace quirevo::office {

// The name of the private folders Quirevo makes in the temporary folder, before mkdtemp's suffix.
inline constexpr const char* kPrivateFolderPrefix = "quirevo-office.";
// The file in a private folder that says which run of Quirevo made it.
inline constexpr const char* kOwnerMark = "owner";

// This process as the owner mark names it: its id and the time it started, so that a later
// process that comes to have the same id is not taken for it.
std::string thisRun();

// The files the office makes for its pipe: "/tmp/OSL_PIPE_<uid>_<name>", or under /var/tmp.
void removeOfficePipe(const std::string& pipeName);

// Removes what earlier runs of Quirevo by this user left in the temporary folder when they were
// killed: their offices' private folders and pipes. A folder whose run still goes, another user's,
// or one without Quirevo's owner mark is never touched.
void removeLeftoversOfEarlierRuns(const std::filesystem::path& temporaryFolder);

}  // namespace quirevo::office
