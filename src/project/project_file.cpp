#include "project/project_file.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "design/design_run.h"
#include "model/failure.h"
#include "model/numerics.h"
#include "model/platform_paths.h"
#include "model/replace_file.h"

namespace footmark {

namespace {

using Json = nlohmann::json;

// Bumped only when a key changes its meaning; new sections need no new version.
constexpr int kFormat = 1;

[[noreturn]] void Fail(const std::string& what) { throw ProgramEnd(what); }

// The object at key, or null when the file leaves the section out.
const Json* Section(const Json& parent, const char* key, const std::string& where) {
  const auto it = parent.find(key);
  if (it == parent.end() || it->is_null()) return nullptr;
  if (!it->is_object()) Fail(where + key + " must be an object { ... }");
  return &*it;
}

const Json* Member(const Json& section, const char* key) {
  const auto it = section.find(key);
  return it == section.end() || it->is_null() ? nullptr : &*it;
}

double Number(const Json& value, const std::string& name) {
  if (!value.is_number()) Fail(name + " must be a number, not " + value.dump());
  return value.get<double>();
}

int WholeNumber(const Json& value, const std::string& name) {
  if (!value.is_number_integer()) Fail(name + " must be a whole number, not " + value.dump());
  const auto v = value.get<long long>();
  if (v < -32768 || v > 32767) Fail(name + " " + value.dump() + " is out of range");
  return static_cast<int>(v);
}

std::string Text(const Json& value, const std::string& name) {
  if (!value.is_string()) Fail(name + " must be a text in quotes, not " + value.dump());
  return value.get<std::string>();
}

// The title data's keys, each with its field.
struct InfoKey {
  const char* key;
  std::string ProjectInfo::*field;
};
constexpr InfoKey kInfoKeys[] = {{"name", &ProjectInfo::Project},         {"job_number", &ProjectInfo::JobNumber},
                                 {"revision", &ProjectInfo::Revision},    {"designed_by", &ProjectInfo::DesignedBy},
                                 {"checked_by", &ProjectInfo::CheckedBy}, {"date", &ProjectInfo::Date}};

void ReadDesign(const Json& design, ProjectSettings& s) {
  if (const Json* sbc = Member(design, "sbc_kn_m2")) {
    Number(*sbc, "design.sbc_kn_m2");
    try {
      s.Sbc = IntText(SbcFromText(sbc->dump()));  // the SBC list's rule: greater than 0, a 16-bit whole number
    } catch (const std::exception& e) {
      Fail(std::string("design.sbc_kn_m2: ") + e.what());
    }
  }
  if (const Json* volume = Member(design, "reference_volume_m3")) {
    Number(*volume, "design.reference_volume_m3");
    try {
      s.MaxVolume = MaxVolumeFromText(volume->dump());
    } catch (const ProgramEnd&) {
      Fail("design.reference_volume_m3 must be greater than 0, not " + volume->dump());
    }
  }
}

void ReadOffsets(const Json& offsets, ProjectSettings& s) {
  if (!offsets.is_array()) Fail("column_offsets must be a list [ ... ]");
  for (std::size_t i = 0; i < offsets.size(); ++i) {
    const std::string name = "column_offsets[" + std::to_string(i) + "]";
    const Json& o = offsets[i];
    if (!o.is_object() || !o.contains("support")) Fail(name + " must be an object with \"support\", \"x\" and \"y\"");
    ColumnSide side{.Support = WholeNumber(o["support"], name + ".support")};
    for (auto [key, value] : {std::pair{"x", &side.X}, std::pair{"y", &side.Y}}) {
      const Json* v = Member(o, key);
      const int n = v ? WholeNumber(*v, name + "." + key) : 0;
      if (n < -1 || n > 1) Fail(name + "." + key + " must be -1, 0 or 1, not " + std::to_string(n));
      *value = static_cast<int16>(n);
    }
    if (side.Support < 1) Fail(name + ".support must be 1 or more");
    s.Offsets.push_back(side);
  }
}

// The sheet's paper ("auto", "A3" ... "A0"), scale ("auto", 50, 100, 200)
// and grid merge (0 to 5 m, as footmark-cli --grid-merge takes it).
void ReadSheet(const Json& sheet, ProjectSettings& s) {
  if (const Json* paper = Member(sheet, "paper")) {
    const std::string name = Text(*paper, "sheet.paper");
    bool known = false;
    for (const Paper p : {Paper::kAuto, Paper::kA3, Paper::kA2, Paper::kA1, Paper::kA0})
      if (name == PaperName(p)) s.Sheet.paper = p, known = true;
    if (!known) Fail("sheet.paper must be \"auto\", \"A3\", \"A2\", \"A1\" or \"A0\", not " + paper->dump());
  }
  if (const Json* scale = Member(sheet, "scale")) {
    const int n = scale->is_string() && *scale == "auto" ? 0 : scale->is_number_integer() ? scale->get<int>() : -1;
    if (n != 0 && n != 50 && n != 100 && n != 200)
      Fail("sheet.scale must be \"auto\", 50, 100 or 200, not " + scale->dump());
    s.Sheet.scale = n;
  }
  if (const Json* merge = Member(sheet, "grid_merge_m")) {
    const double m = Number(*merge, "sheet.grid_merge_m");
    if (!(m >= 0 && m <= 5)) Fail("sheet.grid_merge_m must be from 0 to 5 m, not " + merge->dump());
    s.Sheet.gridMerge = m;
  }
}

// A setting's value as its option takes it: "1.5", "net", "yes".
std::string SettingText(const Json& value, const std::string& name) {
  if (value.is_string()) return value.get<std::string>();
  if (value.is_boolean()) return value.get<bool>() ? "yes" : "no";
  if (value.is_number()) return value.dump();
  Fail(name + " must be a number or a text, not " + value.dump());
}

// Sets what a section names by the keys of the options; the option's own
// message says what is wrong, the key says where.
template <class Set>
void ReadSettings(const Json& section, const std::string& where, const Set& set) {
  for (const auto& [key, value] : section.items()) {
    const std::string name = where + "." + key;
    try {
      set(key, SettingText(value, name));
    } catch (const ProgramEnd& e) {
      std::string what = e.what();
      const std::string option = "--" + key + ": ";
      if (what.starts_with(option)) what = what.substr(option.size());
      Fail(name + ": " + what);
    }
  }
}

void ReadRevision(const Json& section, ProjectSettings& s) {
  if (const Json* revise = Member(section, "revise")) {
    if (!revise->is_boolean()) Fail("revision.revise must be true or false, not " + revise->dump());
    s.Revision.revise = revise->get<bool>();
  }
  if (const Json* types = Member(section, "max_types")) {
    const int n = WholeNumber(*types, "revision.max_types");
    if (n < 0 || n > 100) Fail("revision.max_types must be 0 (as designed) to 100, not " + types->dump());
    s.Revision.maxTypes = n;
  }
  ReadSettings(section, "revision", [&](const std::string& key, const std::string& value) {
    if (revise::IsLimitKey(key)) revise::SetLimit(s.Revision.limits, key, value);
  });
}

// A setting as its row holds it: a number where it reads as one.
Json SettingJson(const checks::SettingRow& row) {
  return StrictNumber(row.value) ? Json::parse(row.value) : Json(row.value);
}

}  // namespace

std::string ProjectFileFor(const std::string& analysisFile) { return FileBeside(analysisFile, ".footmark.json"); }

ProjectSettings ParseProject(std::string_view text) {
  Json root;
  try {
    root = Json::parse(text);
  } catch (const Json::parse_error& e) {
    // The parser's own words say where: "line 3, column 5: ...".
    const std::string what = e.what();
    const auto at = what.find("parse error at ");
    Fail("it is not JSON: " + (at == std::string::npos ? what : what.substr(at + 15)));
  }
  if (!root.is_object()) Fail("it is not a JSON object { ... }");
  ProjectSettings s;
  s.Text = std::string(text);
  if (const Json* design = Section(root, "design", "")) ReadDesign(*design, s);
  if (const Json* offsets = Member(root, "column_offsets")) ReadOffsets(*offsets, s);
  if (const Json* project = Section(root, "project", "")) {
    for (const InfoKey& k : kInfoKeys)
      if (const Json* v = Member(*project, k.key)) s.Project.*k.field = Text(*v, std::string("project.") + k.key);
  }
  if (const Json* sheet = Section(root, "sheet", "")) ReadSheet(*sheet, s);
  if (const Json* cad = Section(root, "send_to_cad", ""))
    if (const Json* drawing = Member(*cad, "drawing")) {
      if (*drawing != "sheet" && *drawing != "method")
        Fail("send_to_cad.drawing must be \"sheet\" or \"method\", not " + drawing->dump());
      s.SendMethodDrawing = *drawing == "method";
    }
  if (const Json* checks = Section(root, "checks", ""))
    ReadSettings(*checks, "checks", [&](const std::string& key, const std::string& value) {
      if (checks::IsSettingKey(key)) checks::SetSetting(s.Checks, key, value);
    });
  if (const Json* revision = Section(root, "revision", "")) ReadRevision(*revision, s);
  return s;
}

ProjectSettings ReadProjectFile(const std::string& file) {
  std::ifstream in(PathFromUtf8(file), std::ios::binary);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  if (!in) throw ProgramEnd("The project file \"" + file + "\" cannot be read");
  try {
    return ParseProject(text.str());
  } catch (const ProgramEnd& e) {
    throw ProgramEnd("The project file \"" + file + "\" cannot be used: " + e.what());
  }
}

std::string ProjectText(const ProjectSettings& s) {
  Json root = Json::object();
  if (!s.Text.empty()) {
    root = Json::parse(s.Text, nullptr, false);
    if (!root.is_object()) root = Json::object();
  }
  root["footmark_project"] = kFormat;
  Json& design = root["design"];
  if (!design.is_object()) design = Json::object();
  if (s.Sbc)
    design["sbc_kn_m2"] = SbcFromText(*s.Sbc);
  else
    design.erase("sbc_kn_m2");
  if (s.MaxVolume)
    design["reference_volume_m3"] = Json::parse(DecimalText(*s.MaxVolume, 6));  // 10, 12.5: no float noise
  else
    design.erase("reference_volume_m3");
  Json offsets = Json::array();
  for (const ColumnSide& o : s.Offsets)
    if (o.X != 0 || o.Y != 0) offsets.push_back({{"support", o.Support}, {"x", o.X}, {"y", o.Y}});
  root["column_offsets"] = offsets;
  Json& project = root["project"];
  if (!project.is_object()) project = Json::object();
  for (const InfoKey& k : kInfoKeys) project[k.key] = s.Project.*k.field;
  Json& sheet = root["sheet"];
  if (!sheet.is_object()) sheet = Json::object();
  sheet["paper"] = PaperName(s.Sheet.paper);
  sheet["scale"] = s.Sheet.scale == 0 ? Json("auto") : Json(s.Sheet.scale);
  sheet["grid_merge_m"] = Json::parse(DecimalText(s.Sheet.gridMerge, 3));
  Json& cad = root["send_to_cad"];
  if (!cad.is_object()) cad = Json::object();
  cad["drawing"] = s.SendMethodDrawing ? "method" : "sheet";
  Json& checks = root["checks"];
  if (!checks.is_object()) checks = Json::object();
  for (const checks::SettingRow& row : checks::SettingsInForce(s.Checks)) checks[row.key] = SettingJson(row);
  Json& revision = root["revision"];
  if (!revision.is_object()) revision = Json::object();
  revision["revise"] = s.Revision.revise;
  revision["max_types"] = s.Revision.maxTypes;
  for (const checks::SettingRow& row : revise::LimitsInForce(s.Revision.limits)) revision[row.key] = SettingJson(row);
  return root.dump(2) + "\n";
}

void SaveProjectFile(const ProjectSettings& settings, const std::string& file) {
  ReplaceFile(file, ProjectText(settings));
}

void ApplyProject(const ProjectSettings& s, JobRequest& request) {
  if (s.Sbc) request.Sbc = s.Sbc;
  if (s.MaxVolume) request.MaxVolume = *s.MaxVolume;
  request.Offsets.insert(request.Offsets.begin(), s.Offsets.begin(), s.Offsets.end());
  request.Project = s.Project;
  request.Sheet = s.Sheet;
  request.Settings = s.Checks;
  request.Revision = s.Revision;
}

}  // namespace footmark
