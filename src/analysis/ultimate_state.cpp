#include "analysis/ultimate_state.h"

#include "analysis/flexure_rules.h"
#include "analysis/section_shape.h"
#include "model/checked.h"
#include "model/code_rules.h"

namespace kestal {

std::optional<UltimateState> UltimateStateOf(const Problem& p) {
  if (!ShapeOf(p).known || !(p.TSteelArea > 0) || !(p.DepthT > 0) || !(p.BlockDepth > 0) ||
      !(p.B1 > 0) || !(p.MomentCap > 0) || !(p.Emax > 0)) {
    return std::nullopt;
  }
  try {
    UltimateState u;
    u.a = p.BlockDepth;
    u.c = (Real(p.BlockDepth) / p.B1).value();
    u.ecu = p.Emax;
    u.et = p.TSteelStrain;
    u.d = p.DepthT;
    u.blockStress = BlockStress(p).value();
    const Real t = Real(p.TSteelArea) * FactoredYield(p) / p.KiloFactor;
    u.T = t.value();
    // The compression steel counts where the moment capability used it.
    if (p.DepthC > 0.005f && p.CSteelStrain > 0 && p.CSteelArea > 0) {
      u.dc = p.DepthC;
      u.esc = p.CSteelStrain;
      u.Cs = (Real(p.CSteelArea) * p.CSteelStress / p.KiloFactor).value();
    }
    u.C = u.T - u.Cs;
    // Mn = phi Mn / phi, phi that of the net tensile strain where the code
    // varies it.
    const Real phi = RulesOf(p).flexurePhi != FlexurePhi::Constant ? p.PhiUsed : p.Phi;
    u.z = (Real(p.MomentCap) * p.MomentFactor / p.KiloFactor / phi / t).value();
    return u;
  } catch (const CalcError&) {
    return std::nullopt;
  }
}

}  // namespace kestal
