// The exit statuses of both programs.
#pragma once

namespace footmark {

enum ExitStatus : int {
  kExitOk = 0,              // done; after a design, every footing group checks ok
  kExitInputEnds = 2,       // the input or the command line ended the program
  kExitRuntimeFailure = 3,  // a capacity, an overflow, a division by zero, a file that cannot be written
  kExitChecksFail = 4,      // the design ran, and a footing group fails its checks or is not designed
};

}  // namespace footmark
