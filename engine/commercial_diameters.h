#pragma once

#include <optional>
#include <span>

// The nominal diameters DN of the concrete pipes a storm-water line is built of, and the pipe
// a computed diameter calls for.
namespace vazolar {

// DN in millimetres, smallest first.
std::span<const int> concretePipeDiameters();

// DN in metres: DN 900 is 0,90 m.
double nominalMetres(int diameter);

// The smallest DN not below the diameter in metres; none above the largest DN.
std::optional<int> smallestPipeNotBelow(double metres);

// The DN whose metres the diameter is; none where it is no DN's.
std::optional<int> pipeOfDiameter(double metres);

} // namespace vazolar
