// Reader of the analysis output file: support reactions, the echoed joint
// coordinates and member incidences, and the members under a BETA command.
#pragma once

#include "model/messages.h"
#include "model/model.h"
#include "model/text_stream.h"

namespace footmark {

// Reads model.AnlFilePath in three passes, each from the start of the file:
// the support reaction table, then the joints and members (members turned so
// that no coordinate decreases from start to end), then the BETA list. Shows
// the number of supports and load cases in the two status labels.
// Input that cannot be used ends the program (ProgramEnd); an odd reaction
// line is shown as a message and reading goes on.
void ReadAnalysisFile(Model& model, const FileSystem& fs, UserMessages& ui);

}  // namespace footmark
