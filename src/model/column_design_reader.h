// Reader of the concrete column design appended to the analysis output:
// the unit system, the grades and one row per designed column.
#pragma once

#include <string_view>

#include "model/messages.h"
#include "model/model.h"
#include "model/text_stream.h"

namespace footmark {

// Reads model.AnlFilePath once more: Fck and Fe in N/mm2 (shown in the
// LabFckFe label) and a ColumnDesigns row per column design block.
// A file without a design section is told to the user and leaves no rows.
void ReadColumnDesign(Model& model, const FileSystem& fs, UserMessages& ui);

// The design report as it is scanned: the stream, the line in hand and where
// the last marker was found in it (1-based, 0 when not found).
struct ReportScan {
  TextStream& In;
  std::string_view CurrentLine;
  int16 FoundPos = 0;
};

// The number after the marker, read from the 10 characters that follow it so
// that the next number on the line is not joined to it. With searchForward
// the stream is read on to the first line holding the marker; meeting the
// next column heading there returns 0 and leaves that heading as the current
// line.
float ValueAfterMarker(ReportScan& scan, std::string_view marker, bool searchForward);

}  // namespace footmark
