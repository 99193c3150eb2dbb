#include "verify_command.h"

#include "csv_text.h"
#include "option_names.h"
#include "text_output.h"
#include "typed_fields.h"
#include "wording/adopted_csv.h"
#include "wording/adopted_text.h"
#include "wording/adopted_verification.h"

#include <QDate>

namespace vazolar::cli {

namespace {

QStringList csvLines(const VerifyRequest& request, const Outcome<AdoptedResult>& outcome) {
    return {csvLine(adoptedCsvColumns()), csvLine(adoptedCsvCells(request.section, outcome))};
}

// The section's numbers as the window's fields would take them, then its verification.
Outcome<AdoptedResult> verify(AdoptedRequest& section) {
    if (const Outcome<> typed = takeTypedRequest(section); !typed)
        return typed.failure();
    return verifyAdoptedSection(section, verifyOptionNames(section.shape));
}

} // namespace

int runVerifyCommand(VerifyRequest request, Console& console) {
    const Outcome<AdoptedResult> outcome = verify(request.section);
    if (!outcome && request.format == VerifyFormat::Report) {
        writeLine(console.err, outcome.message());
        return kFailure;
    }
    // The memo first: one that cannot be written leaves nothing written.
    if (outcome && !request.memo.path.isEmpty()) {
        const int status = writeMemoFile(request.memo.path,
                                         {request.memo.identity, QDate::currentDate(),
                                          QStringLiteral(VAZOLAR_VERSION), std::nullopt,
                                          request.section, outcome.value()},
                                         console);
        if (status != kSuccess)
            return status;
    }
    const QStringList lines = request.format == VerifyFormat::Csv
                                  ? csvLines(request, outcome)
                                  : resultRowsLines(adoptedResultRows(outcome.value()));
    if (const Outcome<> written = writeTextLines(request.outputPath, lines, console.out);
        !written) {
        writeLine(console.err, written.message());
        return kFileError;
    }
    if (!outcome) {
        writeLine(console.err, singleLine(outcome.message()));
        return kFailure;
    }
    return kSuccess;
}

} // namespace vazolar::cli
