#pragma once

#include "console.h"
#include "memo_request.h"
#include "wording/profile_request.h"

namespace vazolar::cli {

enum class ProfileFormat { Report, Csv };

// `vazolar remanso`: the water-surface profile of a reach of the adopted section, checked for
// usage already.
struct ProfileCommandRequest {
    ProfileTexts texts; // as typed
    QString outputPath; // empty: standard output
    ProfileFormat format = ProfileFormat::Report;
    MemoRequest memo; // the section's own bank
};

// Computes the profile and writes it: the lines of the report, or the CSV header and one line
// a row. Returns the exit status.
int runProfileCommand(ProfileCommandRequest request, Console& console);

} // namespace vazolar::cli
