#include "profile_command.h"

#include "csv_text.h"
#include "option_names.h"
#include "text_output.h"
#include "typed_fields.h"
#include "wording/profile_rows.h"
#include "wording/profile_text.h"

#include <QDate>

namespace vazolar::cli {

namespace {

QString reachOptionName(ProfileField field) {
    return QStringLiteral("--") + QString::fromLatin1(profileField(field).option);
}

ProfileNamer profileOptionNames(Shape shape) {
    return {verifyOptionNames(shape), reachOptionName};
}

// Every number as a field takes it, named by its option.
Outcome<> takeTypedTexts(ProfileTexts& texts) {
    if (const Outcome<> section = takeTypedRequest(texts.section); !section)
        return section;
    if (const Outcome<> bank = takeTyped(texts.bankHeight, optionName(AdoptedField::BankHeight));
        !bank)
        return bank;
    for (const ProfileFieldSpec& field : profileFields()) {
        if (const Outcome<> typed = takeTyped(texts.*field.text, reachOptionName(field.id)); !typed)
            return typed;
    }
    return {};
}

struct ComputedProfile {
    ProfileInputs inputs;
    WaterProfile profile;
};

Outcome<ComputedProfile> computed(ProfileTexts& texts) {
    if (const Outcome<> typed = takeTypedTexts(texts); !typed)
        return typed.failure();
    const ProfileNamer names = profileOptionNames(texts.section.shape);
    const Outcome<ProfileInputs> inputs = convertProfileTexts(texts, names);
    if (!inputs)
        return inputs.failure();
    const Outcome<WaterProfile> profile = computeProfile(inputs.value(), names);
    if (!profile)
        return profile.failure();
    return ComputedProfile{inputs.value(), profile.value()};
}

QStringList reportLines(const ComputedProfile& c) {
    return profileSectionLines(c.inputs, c.profile) + QStringList{QString()} +
           profileFindingLines(c.inputs, c.profile) + QStringList{QString()} +
           profileTableLines(c.profile, profileRows(c.inputs, c.profile));
}

QStringList csvLines(const ComputedProfile& c) {
    QStringList lines{csvLine(profileColumnNames())};
    for (const ProfileRow& row : profileRows(c.inputs, c.profile))
        lines << csvLine(profileRowCells(c.profile, row));
    return lines;
}

// The memo documents the section in uniform flow with its bank, and then the profile.
Outcome<reports::MemoInput> memoInput(const ProfileCommandRequest& request,
                                      const ComputedProfile& c) {
    if (!(c.inputs.request.reach.manning.slopePercent > 0.0))
        return Failure{QString::fromUtf8("A memória de cálculo verifica a seção em escoamento "
                                         "uniforme, que pede --i maior que zero: num fundo "
                                         "horizontal ou adverso, grave a curva sem --memoria.")};
    AdoptedRequest section = request.texts.section;
    if (!request.texts.bankHeight.isEmpty())
        section.freeboard = {FreeboardRule::BankHeight, request.texts.bankHeight};
    const Outcome<AdoptedResult> result =
        verifyAdoptedSection(section, verifyOptionNames(section.shape));
    if (!result)
        return result.failure();
    reports::MemoInput memo{request.memo.identity,
                            QDate::currentDate(),
                            QStringLiteral(VAZOLAR_VERSION),
                            std::nullopt,
                            section,
                            result.value()};
    memo.profile = reports::MemoProfile{c.inputs, c.profile};
    return memo;
}

int writeMemo(const ProfileCommandRequest& request, const ComputedProfile& c, Console& console) {
    const Outcome<reports::MemoInput> memo = memoInput(request, c);
    if (!memo) {
        writeLine(console.err, memo.message());
        return kFailure;
    }
    return writeMemoFile(request.memo.path, memo.value(), console);
}

} // namespace

int runProfileCommand(ProfileCommandRequest request, Console& console) {
    const Outcome<ComputedProfile> outcome = computed(request.texts);
    if (!outcome) {
        writeLine(console.err, outcome.message());
        return kFailure;
    }
    // The memo first: one that cannot be written leaves nothing written.
    if (!request.memo.path.isEmpty()) {
        if (const int status = writeMemo(request, outcome.value(), console); status != kSuccess)
            return status;
    }
    const QStringList lines = request.format == ProfileFormat::Csv ? csvLines(outcome.value())
                                                                   : reportLines(outcome.value());
    if (const Outcome<> written = writeTextLines(request.outputPath, lines, console.out);
        !written) {
        writeLine(console.err, written.message());
        return kFileError;
    }
    return kSuccess;
}

} // namespace vazolar::cli
