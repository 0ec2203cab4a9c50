#include "dxf/dxf_sections.h"

#include <array>
#include <string_view>

namespace footmark {

namespace {

// The extents, limits and viewport are fixed, whatever the drawing holds. The
// LTYPE and LAYER tables declare fewer entries (1 and 3) than they hold, the
// DASHED pattern four elements where it lists two; readers take the entries
// as they come, and the file keeps them as AutoCAD accepted them.
constexpr std::array<std::string_view, 20> kHeaderPieces{
    "  0|SECTION|  2|HEADER|  9",
    "$ACADVER|  1|AC1009|  9",
    "$INSBASE| 10|0.0| 20|0.0| 30|0.0|  9",
    "$EXTMIN| 10|  0| 20|  0| 30|  0|  9",
    "$EXTMAX| 10|368| 20|326| 30|0.0|  9",
    "$LIMMIN| 10|0.0| 20|0.0|  9",
    "$LIMMAX| 10|100.0| 20|100.0|  9",
    "$ORTHOMODE| 70|     1|  9",
    "$DIMSCALE| 40|8.0|  9",
    "$DIMSTYLE|  2|STANDARD|  9",
    "$FILLETRAD| 40|0.0|  9",
    "$PSLTSCALE| 70|     1|  0",
    "ENDSEC|  0",
    "SECTION|  2|TABLES|  0",
    "TABLE|  2|VPORT| 70|     2|  0|VPORT|  2|*ACTIVE| 70|     0| 10|0.0| 20|0.0| 11|1.0|"
    " 21|1.0| 12|50.0| 22|50.0| 13|0.0| 23|0.0| 14|1.0| 24|1.0| 15|0.0| 25|0.0| 16|0.0| 26|"
    "0.0| 36|1.0| 17|0.0| 27|0.0| 37|0.0| 40|100.0| 41|1.55| 42|50.0| 43|0.0| 44|0.0| 50|"
    "0.0| 51|0.0| 71|     0| 72|   100| 73|     1| 74|     1| 75|     0| 76|     0| 77|"
    "     0| 78|     0|  0|ENDTAB|  0",
    "TABLE|  2|LTYPE| 70|     1|  0|LTYPE|  2|CONTINUOUS|  70|     0|  3|Solid Line| 72|"
    "    65| 73|     0| 40|0.0| 0|LTYPE|  2|CENTER|  70|     0|  3|"
    " Center ____ _ ____ _ ____ _ ____ _ ____ _ ____ | 72|    65| 73|     4| 40|2.0|49|"
    "1.25 |49| -1.25 |49|0.25 |49| -0.25| 0|LTYPE|  2|DASHED|  70|     0|  3| __  ___ | 72|"
    "    65| 73|     4| 40|0.75|49|0.5 |49| -1.25 |  0|ENDTAB|  0",
    "TABLE|  2|LAYER| 70|     3|  0|LAYER|  2|0| 70|     0| 62|     7|  6|CONTINUOUS|  0|"
    "LAYER|  2|Layout| 70|     0| 62|     7|  6|CONTINUOUS|  0|LAYER|  2|Grid| 70|     0|"
    " 62|     7| 6|CENTER| 0|LAYER|  2|TblText| 70|     0| 62|     7| 6|CONTINUOUS| 0|"
    "ENDTAB|  0",
    "TABLE|  2|VIEW| 70|     0|  0|ENDTAB|  0",
    "TABLE|  2|DIMSTYLE| 70|     1|  0|DIMSTYLE|  2|STANDARD| 70|     0|  3||  4||  5||  6||"
    "  7|| 40|1.0| 41|0.025| 42|0.0| 43|0.38| 44|0.0| 45|0.0| 46|0.0| 47|0.0| 48|0.0|140|"
    "0.025|141|0.09|142|0.0|143|25.4|144|1.0|145|0.0|146|1.0|147|0.0211| 71|     0| 72|"
    "     0| 73|     1| 74|     1| 75|     0| 76|     0| 77|     0| 78|     0|170|     0|"
    "171|     2|172|     0|173|     0|174|     0|175|     0|176|     0|177|     0|178|"
    "     0|  0|ENDTAB|  0",
    "ENDSEC|  0|",
};

}  // namespace

const std::string& DxfHeaderText() {
  // Joined and turned into lines once, on first use.
  static const std::string text = [] {
    std::string lines;
    for (const std::string_view piece : kHeaderPieces) {
      if (!lines.empty()) lines += "\r\n";
      for (const char c : piece) c == '|' ? lines += "\r\n" : lines += c;
    }
    return lines;
  }();
  return text;
}

}  // namespace footmark
