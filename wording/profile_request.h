#pragma once

#include "adopted_request.h"
#include "engine/water_profile.h"

#include <functional>
#include <optional>
#include <span>

// A water-surface profile as typed: the adopted section with its flow, the control and the
// reach, read into the engine's request, and the messages of what cannot be computed.
namespace vazolar {

// The profile's own inputs, as its messages name them.
enum class ProfileField { ControlDepth, Length, Step };

struct ProfileTexts {
    AdoptedRequest section;       // shape, I (any sign), n, Q, angle and dimension; no y nor limits
    QString bankHeight;           // H (m); empty: no bank
    QString controlDepth;         // y0 (m); not read with a critical control
    bool criticalControl = false; // a free overfall or the crest of a drop
    QString length;               // L (m)
    QString step;                 // Δx (m); empty: a fiftieth of L
};

// The profile's own fields as data: the text each fills, its option on the command line (without
// "--") and its caption in the profile's window. The command line, the window and the messages
// read them here.
struct ProfileFieldSpec {
    ProfileField id;
    QString ProfileTexts::*text;
    const char* option;  // "y0"
    const char* caption; // "y de controle (m)"
    bool required;       // the step has a default
};

std::span<const ProfileFieldSpec> profileFields();
const ProfileFieldSpec& profileField(ProfileField id);

// How the messages name the section's fields and the profile's own.
struct ProfileNamer {
    FieldNamer section;
    std::function<QString(ProfileField)> profile;
};

struct ProfileInputs {
    Shape shape = Shape::Trapezoidal;
    ProfileRequest request;
    std::optional<double> bankHeight; // open shapes, when given
};

// The reach of one fiftieth of its length, when no step is typed.
constexpr int kDefaultStepsPerReach = 50;

// The numbers of the texts; the first that cannot be used gives the message, naming its field.
Outcome<ProfileInputs> convertProfileTexts(const ProfileTexts& texts, const ProfileNamer& names);

// The profile of the inputs, or why there is none.
Outcome<WaterProfile> computeProfile(const ProfileInputs& inputs, const ProfileNamer& names);

} // namespace vazolar
