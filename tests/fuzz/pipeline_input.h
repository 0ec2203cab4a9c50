// One input of the fuzzer, or one kept regression file, through the whole
// tool: both readers, the design run, the detailed design, column offsets and
// the drawing composed in memory.
#pragma once

#include <string_view>

namespace footmark::fuzz {

// How a run ended. Any other exception escapes to the caller: that is a bug,
// and so is a normal end whose drawing does not read back as DXF or holds a
// number that is not finite (std::logic_error).
enum class PipelineEnd { kNormal, kProgramEnd, kRuntimeFailure };

// The first byte chooses the run: its low three bits pick the SBC of the
// window's list (100, 150, ... 450), its upper five bits a pattern of column
// sides (0: every column centred). The remaining bytes are the analysis file.
PipelineEnd RunPipeline(std::string_view input);

}  // namespace footmark::fuzz
