#pragma once

#include "profile_request.h"

#include <QString>
#include <QStringList>

// What the program says of a water-surface profile, above its station table: the same lines
// for the window, the command line and the memo.
namespace vazolar {

// "M1", "S2", "H3".
QString profileClassName(ProfileClass curve);

// One plain sentence of what the curve is and where it forms.
QString profileClassSentence(ProfileClass curve);

// The slope's kind, as the profile's lines say it: "fraca (yn > yc)".
QString slopeKindText(SlopeKind slope);

// Where the control stands and which way the profile is computed from it.
QString controlText(const ProfileInputs& inputs, const WaterProfile& profile);

// The section and its flow: the shape, its dimensions, I, n, Q, the bank, yn and yc.
QStringList profileSectionLines(const ProfileInputs& inputs, const WaterProfile& profile);

// The slope's kind, the curve with its sentence, the control, the reach and the special
// points: the 1 % length, where the profile ends early, the jump, the stretch over the bank.
// The class lines and then the point lines below.
QStringList profileFindingLines(const ProfileInputs& inputs, const WaterProfile& profile);

// The slope's kind, the curve with its sentence, the control and the reach.
QStringList profileClassLines(const ProfileInputs& inputs, const WaterProfile& profile);

// The points of note: the 1 % length, where the profile ends early, the jump, the conjugate
// depth of a torrential control, the stretch over the bank. Empty where there is none.
QStringList profilePointLines(const ProfileInputs& inputs, const WaterProfile& profile);

} // namespace vazolar
