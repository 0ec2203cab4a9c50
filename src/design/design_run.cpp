#include "design/design_run.h"

#include "design/foot_groups.h"
#include "design/footing_design.h"
#include "design/shear_table.h"
#include "design/size_classes.h"
#include "grouping/bar_sets.h"
#include "grouping/column_groups.h"
#include "grouping/column_stacks.h"
#include "grouping/column_types.h"
#include "grouping/joint_grid.h"
#include "grouping/sub_groups.h"
#include "model/failure.h"
#include "model/numerics.h"
#include "model/plan_grid.h"
#include "model/support_records.h"
#include "model/trial_size.h"

namespace footmark {

int16 SbcFromText(const std::string& text) {
  if (!IsNumeric(text)) throw ProgramEnd("The SBC \"" + text + "\" is not a number", 0, true);
  const int16 sbc = ToInt16(LeadingValue(text));
  // The allowable pressure divides the load: 0 or less sizes no footing.
  if (sbc <= 0) throw ProgramEnd("The SBC \"" + text + "\" must be greater than 0 kN/m2");
  return sbc;
}

float MaxVolumeFromText(const std::string& text) {
  // A million m3 is beyond any footing: a plain bound for "design them all".
  return Sng(SettingValue("--max-volume", text, {.Low = 0, .High = 1e6, .What = "the reference volume is a number of m3",
                                                 .AboveLow = true}));
}

void RunDesign(Model& model, int16 sbc, UserMessages& ui) {
  model.SBC = static_cast<float>(sbc);

  BuildJointGrid(model);
  PlaceSupports(model);
  BuildColumnStacks(model);
  ApplyBetaSwap(model);
  BuildBarSets(model);
  GroupColumns(model);
  FindSteelRuns(model);
  BuildShearTable(model);
  FindGradeColumn(model);
  TrialFootingSizes(model, ui);
  CollectGridLines(model);
  SortFootingSizes(model);
  BuildSizeClasses(model);
  AssignSizeClasses(model, 0);

  for (int g = 1; g <= model.ColGroupCount; ++g) {
    model.CurColGroup = static_cast<int16>(g);
    NumberSubGroups(model, model.MergeLimits(g, 0));
  }
}

void RunDetailedDesign(Model& model) {
  FormFootGroups(model);
  DesignFootGroups(model);
  NumberPedestals(model);
  BuildColumnTypes(model);
}

}  // namespace footmark
