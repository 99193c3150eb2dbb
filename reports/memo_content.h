#pragma once

#include "analysis_sheet.h"
#include "engine/adopted_section.h"
#include "engine/sizing.h"
#include "wording/adopted_request.h"
#include "wording/profile_request.h"
#include "wording/trial_rows.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What the calculation memo says, in order, as blocks of text, tables and figures: the same
// for the window and the command line. No painting here.
namespace vazolar::reports {

// Who and what the memo is for; each may be empty.
struct MemoIdentity {
    QString work;     // Obra
    QString stretch;  // Trecho
    QString engineer; // Responsável técnico (nome e CREA)
};

// The sizing the memo documents, as the form or `dimensionar` had it.
struct MemoSizing {
    SizingInput texts;   // the fields as typed, and the step
    QString heading;     // the column heading of the trial table
    QStringList rows;    // every trial row, as listed
    AnalysisSheet check; // the hydraulic check of the last trial
};

// A water-surface profile the memo documents in a section of its own: its inputs, as read
// from the typed texts, and the profile computed from them.
struct MemoProfile {
    ProfileInputs inputs;
    WaterProfile profile;
};

struct MemoInput {
    MemoIdentity identity;
    QDate date;
    QString version;                      // "1.0.0"
    std::optional<MemoSizing> sizing;     // none: the memo of a verification alone
    AdoptedRequest adopted;               // the adopted section as typed
    AdoptedResult result;                 // and how it flows
    std::optional<MemoProfile> profile{}; // none: no section "Curva de remanso"
};

enum class BlockKind {
    Title,     // the memo's title
    Line,      // a line of the heading
    Heading,   // "1. Dados"
    Paragraph, // text that wraps
    Reference, // one entry of the references, which wraps and never breaks across pages
    Formula,   // one formula a line, indented
    Table,     // cells; the first row is the header
    Rows,      // trial rows, one a line, exactly as listed; the first is the column heading
    Figure,    // one of the pictures, with its caption as text
    NewPage,
};

// The adopted section's three pictures, and the longitudinal profile of the reach.
enum class MemoFigure { Section, RatingCurve, EnergyCurve, Profile };

struct MemoBlock {
    BlockKind kind = BlockKind::Paragraph;
    QString text;
    QList<QStringList> cells{}; // Table
    QStringList lines{};        // Rows
    MemoFigure figure = MemoFigure::Section;
};

// A longer trial or station table shows its first and last rows only in the body, and all of
// them in an annex: Anexo A, the station table's Anexo B after a trial table's.
constexpr int kMemoRowsInFull = 60;
constexpr int kMemoRowsAtEachEnd = 10;

QList<MemoBlock> memoBlocks(const MemoInput& input);

// The sizing of a finished run as the memo shows it: its texts, its rows under the printed
// column heading, and the check of its last trial.
MemoSizing memoSizing(const SizingInput& texts, const TrialTable& trials);

// The memo of a finished run, adopting its last trial as sized, with the freeboard rule or
// bank height given (the USBR rule when both are empty). Fails where that section cannot be
// verified (a bank below the water), naming the inputs as names does.
Outcome<MemoInput> sizingMemo(const SizingInput& texts, const TrialTable& trials,
                              const FreeboardText& freeboard, const MemoIdentity& identity,
                              const QDate& date, const QString& version, const FieldNamer& names);

// "Memória de cálculo — dimensionamento de canal trapezoidal" (or "verificação de", for a
// verification alone).
QString memoTitle(const MemoInput& input);

} // namespace vazolar::reports
