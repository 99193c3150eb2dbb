// libFuzzer target over the sizing engine: field texts as a user could type or paste them,
// any shape and any scroll value, through the number conversion, the trial run and the row
// text.
//
// Input layout:
//   byte 0      bits 0-1 the shape (0 trapezoidal, 1 rectangular, 2 triangular, 3 circular),
//               bits 2-3 how the rest is decoded (0 Latin-1, 1 and 3 UTF-8, 2 UTF-16LE)
//   byte 1      the scroll value: 1 + byte % 19
//   bytes 2...  the field texts slope, angle, roughness, discharge, start, separated by
//               U+0000 (U+FFFF in UTF-16LE, so that a text can hold U+0000 there); missing
//               fields are empty, further texts only go through the number conversion.
// The same bytes, read as raw doubles eight at a time, also go through the number format.
//
// What must hold whatever the input:
//   - runSizing hands out rows or throws SizingError, nothing else;
//   - a text that does not convert makes the run fail on that field (the first such field in
//     reading order) before any row, with the fault the conversion reports;
//   - never more than 32768 rows; a run that hands out 32768 rows cannot end normally;
//   - every row has the shape's number of columns, each a four-decimal pt-BR number, joined
//     by exactly the shape's runs of blanks;
//   - a completed trial run stops at the first trial whose discharge is strictly greater
//     than the design discharge (recomputed here from the texts), and no rows at all means a
//     negative design discharge;
//   - the first and last rows and the result quantities read exactly what
//     QLocale(pt_BR).toString(x, 'f', 4) writes for the recomputed quantities;
//   - formatQuantity(x) equals QLocale(pt_BR).toString(x, 'f', 4) for every double seen.
// A run of very long rows is cut short (see kLongRow): its rows are checked up to the cut,
// the checks on how it ends are skipped.

#include "engine/increment.h"
#include "engine/sections.h"
#include "engine/sizing.h"
#include "wording/adopted_request.h"
#include "wording/adopted_text.h"
#include "wording/adopted_verification.h"
#include "wording/number_text.h"
#include "wording/shape_description.h"
#include "wording/trial_rows.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

using namespace vazolar;

namespace {

constexpr int kMaxRows = kTrialLimit + 1;

[[noreturn]] void fail(const char* what, const QString& detail = {}) {
    std::fprintf(stderr, "fuzz_sizing: %s\n", what);
    if (!detail.isEmpty())
        std::fprintf(stderr, "  %s\n", detail.toUtf8().constData());
    std::abort();
}

#define CHECK(condition, detail)                                                                   \
    do {                                                                                           \
        if (!(condition))                                                                          \
            fail("check failed: " #condition, detail);                                             \
    } while (false)

const QLocale& referenceLocale() {
    static const QLocale locale(QLocale::Portuguese, QLocale::Brazil);
    return locale;
}

QString referenceFormat(double value) {
    return referenceLocale().toString(value, 'f', 4);
}

QString describe(double value) {
    return QString::number(value, 'g', 17);
}

void checkFormat(double value) {
    const QString mine = formatQuantity(value);
    const QString reference = referenceFormat(value);
    CHECK(mine == reference, describe(value) + " -> " + mine + " / " + reference);
}

// The value and its two neighbours: the fast formatter decides roundings near halves on its
// own, and a text like "0,00005" lands right beside one.
void checkFormatAround(double value) {
    checkFormat(value);
    checkFormat(std::nextafter(value, INFINITY));
    checkFormat(std::nextafter(value, -INFINITY));
}

struct Decoded {
    Shape shape = Shape::Trapezoidal;
    int scrollValue = 10;
    QStringList texts;
};

Decoded decode(const std::uint8_t* data, std::size_t size) {
    Decoded in;
    in.texts = QStringList(5);
    if (size < 2)
        return in;
    in.shape = static_cast<Shape>(data[0] & 3);
    const int encoding = (data[0] >> 2) & 3;
    in.scrollValue = kScrollMinimum + data[1] % (kScrollMaximum - kScrollMinimum + 1);
    const char* rest = reinterpret_cast<const char*>(data + 2);
    const auto length = static_cast<qsizetype>(size - 2);
    QString all;
    QChar separator(u'\0');
    switch (encoding) {
    case 0:
        all = QString::fromLatin1(rest, length);
        break;
    case 2: {
        std::u16string units(static_cast<std::size_t>(length / 2), u'\0');
        std::memcpy(units.data(), rest, units.size() * sizeof(char16_t));
        all = QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
        separator = QChar(u'\xffff');
        break;
    }
    default:
        all = QString::fromUtf8(rest, length);
        break;
    }
    in.texts = all.split(separator);
    while (in.texts.size() < 5)
        in.texts << QString();
    return in;
}

SizingInput sizingInputOf(const Decoded& in) {
    SizingInput input;
    input.shape = in.shape;
    input.slope = in.texts[0];
    input.angle = in.texts[1];
    input.roughness = in.texts[2];
    input.discharge = in.texts[3];
    input.start = in.texts[4];
    input.scrollValue = in.scrollValue;
    return input;
}

struct Conversion {
    Field field = Field::None;
    std::optional<double> value;
    Fault fault = Fault::TypeMismatch;
};

Conversion convert(const QString& text, Field field) {
    Conversion c;
    c.field = field;
    try {
        c.value = parseFieldNumber(text, field);
    } catch (const SizingError& error) {
        CHECK(error.fault() == Fault::TypeMismatch || error.fault() == Fault::Overflow,
              text + " -> " + error.what());
        CHECK(error.field() == field, text);
        c.fault = error.fault();
        return c;
    }
    CHECK(std::isfinite(*c.value), text + " -> " + describe(*c.value));
    checkFormatAround(*c.value);
    return c;
}

// Columns of a row and the blanks before each, per shape.
struct RowShape {
    int columns;
    std::array<int, 8> blanksBefore;
};

RowShape rowShapeOf(Shape shape) {
    switch (shape) {
    case Shape::Trapezoidal:
        return {8, {0, 6, 6, 6, 6, 6, 6, 6}};
    case Shape::Rectangular:
        return {7, {0, 9, 9, 9, 9, 9, 9, 0}};
    case Shape::Triangular:
        return {7, {0, 6, 6, 6, 6, 6, 6, 0}};
    case Shape::Circular:
        return {5, {3, 11, 12, 11, 11, 0, 0, 0}};
    }
    Q_UNREACHABLE();
    return {};
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// A quantity as the tables write it: optional minus, digits grouped by "." in threes (no
// leading zero but a lone one), a decimal comma and exactly four decimals. Returns the index
// after it, or -1.
qsizetype scanQuantity(const QString& row, qsizetype i) {
    const qsizetype n = row.size();
    if (i < n && row[i] == u'-')
        ++i;
    const qsizetype integerStart = i;
    int group = 0;
    bool grouped = false;
    while (i < n && (isDigit(row[i]) || row[i] == u'.')) {
        if (row[i] == u'.') {
            if (group == 0 || group > 3 || (grouped && group != 3))
                return -1;
            grouped = true;
            group = 0;
        } else {
            ++group;
        }
        ++i;
    }
    if (grouped ? group != 3 : (group == 0 || group > 3))
        return -1;
    if (row[integerStart] == u'0' && i - integerStart != 1)
        return -1;
    if (i >= n || row[i] != u',')
        return -1;
    ++i;
    for (int d = 0; d < 4; ++d, ++i) {
        if (i >= n || !isDigit(row[i]))
            return -1;
    }
    return i;
}

void checkRowText(Shape shape, const QString& row) {
    const RowShape layout = rowShapeOf(shape);
    qsizetype i = 0;
    for (int column = 0; column < layout.columns; ++column) {
        for (int b = 0; b < layout.blanksBefore[column]; ++b, ++i)
            CHECK(i < row.size() && row[i] == u' ', row);
        i = scanQuantity(row, i);
        CHECK(i >= 0, row);
    }
    CHECK(i == row.size(), row);
}

// The row as the tables must show it, built here from the reference formatter.
QString referenceRow(Shape shape, const SectionQuantities& q) {
    const RowShape layout = rowShapeOf(shape);
    const std::vector<ColumnDescription>& columns = vazolar::describe(shape).columns;
    CHECK(int(columns.size()) == layout.columns, QString::number(columns.size()));
    QString row;
    for (int column = 0; column < layout.columns; ++column) {
        row += QString(layout.blanksBefore[column], u' ');
        row += referenceFormat(q[columns[std::size_t(column)].quantity]);
    }
    return row;
}

// Every quantity, exactly: the engine must hand out the numbers its rows were formatted from.
bool sameQuantities(const SectionQuantities& a, const SectionQuantities& b) {
    for (Quantity quantity : kAllQuantities) {
        const bool bothNaN = std::isnan(a[quantity]) && std::isnan(b[quantity]);
        if (!(a[quantity] == b[quantity] || bothNaN))
            return false;
    }
    return true;
}

SectionQuantities trialOf(Shape shape, const TrialConstants& constants, double value) {
    switch (shape) {
    case Shape::Trapezoidal:
        return trapezoidalTrial(constants, value);
    case Shape::Rectangular:
        return rectangularTrial(constants, value);
    case Shape::Triangular:
        return triangularTrial(constants, value);
    case Shape::Circular: // sized directly, without trials
        break;
    }
    Q_UNREACHABLE();
    return {};
}

// Rows of huge numbers (a start value of 1 followed by a hundred zeros) are over a thousand
// characters long, and the locale formats such numbers a hundred times slower than everyday
// ones: a full run of them takes seconds. So that the fuzzer keeps its pace, a run is cut
// short after kLongRowBudget rows longer than kLongRow characters; the rows up to there are
// checked all the same. A run whose rows all have at most kLongRow characters (every column
// below a hundred billion, or nearly so) stays whole. VAZOLAR_FUZZ_FULL_RUNS=1 lifts the cut,
// to time such a run.
constexpr qsizetype kLongRow = 160;
constexpr int kLongRowBudget = 256;

bool fullRuns() {
    static const bool full = qEnvironmentVariableIntValue("VAZOLAR_FUZZ_FULL_RUNS") != 0;
    return full;
}

struct RunCut {};

struct Run {
    int rows = 0;
    int longRows = 0;
    bool cut = false;
    QString firstRow;
    QString lastRow;
    std::optional<SizingOutcome> outcome;
    std::optional<SizingError> error;
};

Run run(const SizingInput& input) {
    Run r;
    r.lastRow.reserve(256);
    const RowSink sink = [&](const QString& row, const SectionQuantities&) {
        ++r.rows;
        CHECK(r.rows <= kMaxRows, QString::number(r.rows));
        checkRowText(input.shape, row);
        if (r.rows == 1)
            r.firstRow = row;
        // A copy of the characters: sharing the engine's buffer would make it allocate anew
        // for every row, and a long run would spend its time in the allocator.
        r.lastRow.resize(0);
        r.lastRow.append(row.constData(), row.size());
        if (row.size() > kLongRow)
            ++r.longRows;
        if (r.longRows > kLongRowBudget && !fullRuns())
            throw RunCut{};
    };
    try {
        r.outcome = runSizing(input, sink);
    } catch (const SizingError& error) {
        r.error = error;
    } catch (const RunCut&) {
        r.cut = true;
    }
    return r;
}

void checkTrialRun(const SizingInput& input, const Run& r, const Conversion& slope,
                   const Conversion& roughness, const Conversion& discharge,
                   const Conversion& start, const Conversion& angle) {
    const QString rows = QString::number(r.rows);
    if (r.cut)
        return;
    if (r.error) {
        CHECK(r.error->field() == Field::None, rows);
        CHECK(r.error->fault() != Fault::TypeMismatch, rows);
        // After its 32768th row a run can only fail on the trial limit, or on the trial value
        // growing past what a double holds.
        if (r.error->fault() == Fault::TrialLimit || r.rows == kMaxRows)
            CHECK(r.rows == kMaxRows && (r.error->fault() == Fault::TrialLimit ||
                                         r.error->fault() == Fault::Overflow),
                  rows + " " + r.error->what());
        return;
    }
    const SizingOutcome& outcome = *r.outcome;
    CHECK(outcome.rowCount == r.rows, rows + " / " + QString::number(outcome.rowCount));
    // The 32768th row is followed by the trial limit (or an overflow of the trial value).
    CHECK(r.rows < kMaxRows, rows);

    const double designDischarge = *discharge.value;
    if (r.rows == 0) {
        // Q starts at 0, so only a negative design discharge stops before the first trial.
        CHECK(designDischarge < 0.0, describe(designDischarge));
        CHECK(!outcome.last, QString("quantities without a row"));
        return;
    }

    TrialConstants constants;
    constants.slopePercent = *slope.value;
    constants.roughness = *roughness.value;
    if (input.shape == Shape::Trapezoidal)
        constants.sideSlope = sideSlopeFromAngle(*angle.value);
    const double increment = incrementForScroll(input.scrollValue);

    double value = *start.value;
    double previousValue = value;
    for (int k = 1; k < r.rows; ++k) {
        previousValue = value;
        value += increment;
    }
    const SectionQuantities first = trialOf(input.shape, constants, *start.value);
    CHECK(r.firstRow == referenceRow(input.shape, first),
          r.firstRow + " / " + referenceRow(input.shape, first));

    const SectionQuantities last = trialOf(input.shape, constants, value);
    CHECK(last.discharge > designDischarge,
          describe(last.discharge) + " <= " + describe(designDischarge) + " after " + rows);
    CHECK(r.lastRow == referenceRow(input.shape, last),
          r.lastRow + " / " + referenceRow(input.shape, last));
    CHECK(outcome.last && sameQuantities(*outcome.last, last), QString("last quantities differ"));
    if (r.rows > 1) {
        const SectionQuantities before = trialOf(input.shape, constants, previousValue);
        CHECK(!(before.discharge > designDischarge),
              "stopped late: " + describe(before.discharge) + " > " + describe(designDischarge));
    }
}

void checkCircle(const Run& r, const Conversion& slope, const Conversion& roughness,
                 const Conversion& discharge) {
    if (r.error) {
        CHECK(r.rows == 0, QString::number(r.rows));
        CHECK(r.error->field() == Field::None, QString());
        CHECK(r.error->fault() != Fault::TypeMismatch && r.error->fault() != Fault::TrialLimit,
              QString(r.error->what()));
        return;
    }
    CHECK(r.rows == 1 && r.outcome->rowCount == 1, QString::number(r.rows));
    const SectionQuantities circle =
        circularSection(*slope.value, *roughness.value, *discharge.value);
    CHECK(r.lastRow == referenceRow(Shape::Circular, circle),
          r.lastRow + " / " + referenceRow(Shape::Circular, circle));
    CHECK(r.outcome->last && sameQuantities(*r.outcome->last, circle),
          QString("circle quantities differ"));
}

} // namespace

// The same texts as an adopted section: the dimension from the start field, the depth, the
// freeboard and the limits from the texts after the fields. Whatever it makes of them, every
// figure it shows is a number: a result too large to hold is a failure, never "inf".
void checkAdoptedSection(const Decoded& in) {
    AdoptedRequest request;
    request.shape = in.shape;
    request.slope = in.texts.value(0);
    request.angle = in.texts.value(1);
    request.roughness = in.texts.value(2);
    request.discharge = in.texts.value(3);
    request.bottomWidth = request.width = request.diameter = in.texts.value(4);
    request.depth = in.texts.value(5);
    if (!request.depth.isEmpty())
        request.discharge.clear();
    // The bank as the command line gives it: --altura, or --borda-livre's share or height.
    const QString rule = in.texts.value(6);
    const QString bank = in.texts.value(7);
    if (!bank.isEmpty())
        request.freeboard = {FreeboardRule::BankHeight, bank};
    else if (rule.endsWith(u'%'))
        request.freeboard = {FreeboardRule::DepthShare, rule.chopped(1)};
    else if (!rule.isEmpty())
        request.freeboard = {FreeboardRule::Height, rule};
    request.maxVelocity = in.texts.value(8);
    request.maxDepthRatio = in.texts.value(9);
    const Outcome<AdoptedResult> result =
        verifyAdoptedSection(request, [](AdoptedField) { return QStringLiteral("campo"); });
    if (!result)
        return;
    for (const ResultRow& row : adoptedResultRows(result.value()))
        CHECK(!row.value.contains(QLatin1String("inf")) &&
                  !row.value.contains(QLatin1String("nan")),
              row.label + ": " + row.value);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Raw doubles straight from the bytes: every bit pattern, NaN and infinities included.
    // The same bits as a count of half ten-thousandths land right on the roundings that the
    // fast formatter decides by itself (below 1e11), where random doubles hardly ever fall.
    for (std::size_t offset = 0; offset + sizeof(double) <= size && offset < 64;
         offset += sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data + offset, sizeof value);
        checkFormat(value);
        std::uint64_t bits = 0;
        std::memcpy(&bits, data + offset, sizeof bits);
        // (2m + 1) / 20000 is m ten-thousandths and a half, up to 1e11.
        const double halves = static_cast<double>(2 * (bits % 1'000'000'000'000'000ULL) + 1);
        const double nearHalf = halves / 20000.0;
        checkFormatAround(nearHalf);
        checkFormatAround(-nearHalf);
    }

    const Decoded in = decode(data, size);
    const SizingInput input = sizingInputOf(in);
    checkAdoptedSection(in);

    const Conversion slope = convert(input.slope, Field::Slope);
    const Conversion angle = convert(input.angle, Field::Angle);
    const Conversion roughness = convert(input.roughness, Field::Roughness);
    const Conversion discharge = convert(input.discharge, Field::Discharge);
    const Conversion start = convert(input.start, Field::Start);
    for (qsizetype i = 5; i < in.texts.size() && i < 16; ++i)
        convert(in.texts[i], Field::None);

    // The engine converts in this order; the angle only on the trapezoid, after the start.
    std::vector<const Conversion*> order{&slope, &roughness, &discharge};
    if (isTrialShape(input.shape))
        order.push_back(&start);
    if (input.shape == Shape::Trapezoidal)
        order.push_back(&angle);

    const Run r = run(input);

    for (const Conversion* c : order) {
        if (c->value)
            continue;
        // The first text that does not convert abandons the run before any row.
        CHECK(r.error.has_value(), QString("no fault for an unreadable field"));
        CHECK(r.error->field() == c->field && r.error->fault() == c->fault,
              QString("%1 %2").arg(int(r.error->field())).arg(r.error->what()));
        CHECK(r.rows == 0, QString::number(r.rows));
        return 0;
    }

    if (isTrialShape(input.shape))
        checkTrialRun(input, r, slope, roughness, discharge, start, angle);
    else
        checkCircle(r, slope, roughness, discharge);
    return 0;
}
