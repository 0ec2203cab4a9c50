// libFuzzer entry: every input goes through the whole tool in memory. Only
// the two ways a run may stop early are caught inside; any other exception,
// a sanitizer report, a hang or a runaway allocation is a finding.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/pipeline_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  footmark::fuzz::RunPipeline(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
