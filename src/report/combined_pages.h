// The combined footings in the calculation report: a list of every set
// where isolated footings clash (those not designed with the footing
// recommended instead), then a page per combined footing with its members,
// size, the length search, the shear and moment diagrams, the bars, the
// checks and the quantities.
#pragma once

#include <string>

#include "checks/design_checks.h"
#include "combined/combined_footing.h"
#include "model/model.h"

namespace footmark::report {

// Empty when the design has no combined footings.
std::string CombinedPages(const Model& model, const checks::DesignChecks& checks);

// The shear force (`moment` false) or bending moment diagram as an inline
// <svg>: the curve from the samples over the footing's length, the columns,
// and the values at the column faces, the zero-shear and contraflexure
// points.
std::string DiagramSvg(const combined::CombinedFooting& f, const combined::BeamDiagram& d, bool moment);

}  // namespace footmark::report
