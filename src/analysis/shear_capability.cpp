#include "analysis/shear_capability.h"

#include "analysis/beta_theta.h"
#include "model/checked.h"
#include "model/code_rules.h"

namespace kestal {

namespace {

bool IsReviewWithoutShearSteel(const Problem& p) {
  return p.ProblemType == problem_type::Review && p.VSteelArea < 0.001;
}

// Canadian strain method ("csa", "s6"): mid-depth longitudinal strain from
// the moment and shear, at most 0.003, and the crack spacing parameter sze
// (mm): from the aggregate size for a section without stirrups, at least
// 0.85 dv; 300 mm otherwise.
void CanadianStrainAndSpacing(Problem& p, Real& ex, Real& sze) {
  const Real dv = p.ShearDepth;
  ex = (Abs(Real(p.MomentFactor) * p.ShearMoment) / dv + Abs(Real(p.KiloFactor) * p.ShearUlt)) /
       (Real(2) * p.Er * p.TSteelArea);
  if (Real(0.003) < ex) ex = 0.003;
  Store(p.LongStrain, ex);
  if (IsReviewWithoutShearSteel(p)) {
    sze = Real(35) * dv / (Real(p.Ag) + 15);
    if (Real(0.85) * dv > sze) sze = Real(0.85) * dv;
  } else {
    sze = 300;
  }
  Store(p.CrackSpacingSx, sze);
}

}  // namespace

void ConcreteShearStrength(Problem& p) {
  const CodeFamily key = EditionOf(p).family;
  Store(p.Beta, 0);
  Store(p.Theta, 0);
  Store(p.CrackSpacingSx, 0);

  if (p.SectionType == section::Rectangular) {
    Store(p.WebWidthMin, p.RecB);
  } else if (p.SectionType == section::Box) {
    Store(p.WebWidthMin, p.BoxBweb);
  } else if (p.SectionType == section::Tee) {
    Store(p.WebWidthMin, p.TeeBweb);
  }
  const Real bv = p.WebWidthMin;
  const Real d = p.DepthT;
  const Real dv = p.ShearDepth;
  const Real fc = p.ConcreteStrength;
  const Real rhoW = Real(p.TSteelArea) / (bv * d);

  // The strain methods take at least the moment that accompanies the shear
  // over the shear depth.
  if (RulesOf(p).StrainShear()) {
    Store(p.ShearMoment, Abs(Real(p.ShearUlt)) * dv / p.MomentArmFactor);
    if (Abs(Real(p.MomentUlt)) > Real(p.ShearMoment)) Store(p.ShearMoment, Abs(Real(p.MomentUlt)));
  }

  if (RulesOf(p).shear == ShearMethod::Traditional) {
    // Vc = (1.9 sqrt(f'c) + 2500 rho_w Vu d / Mu) bv d, with Vu d / Mu at
    // most 1 and Vc at most 3.5 sqrt(f'c) bv d (psi constants).
    const Real rootDiv = p.RootStressDivisor;
    const Real k2500 = Real(2500) / p.PsiPerStress;
    Real r = Real(p.KiloFactor) * p.ShearUlt * d / (Real(p.MomentFactor) * p.MomentUlt);
    const auto strength = [&](Real ratio) {
      return Real(p.VPhi) * (Real(1.9) * Sqrt(fc) / rootDiv + k2500 * rhoW * ratio) * bv * d / 1000;
    };
    Store(p.ConcShearCap, strength(r));
    if (ToFloat(r) > 1.0f) {
      r = 1.0;
      Store(p.ConcShearCap, strength(r));
    }
    const Real limit = Real(3.5) * Sqrt(fc) / rootDiv * bv * d * p.VPhi / 1000;
    if (limit < Real(p.ConcShearCap)) Store(p.ConcShearCap, limit);
  } else if (key == CodeFamily::Lrfd) {
    if (IsReviewWithoutShearSteel(p)) {
      // Crack spacing parameter of a section without stirrups, in inches:
      // sxe = 1.38 sx / (ag + 0.63) with sx = dv, at most 80 in.
      const Real c = p.InchPerLength;
      Real sxe = Real(1.38) * dv * c / (Real(p.Ag) * c + 0.63);
      if (Real(80) < sxe) sxe = 80;
      Store(p.CrackSpacingSx, sxe);
      BetaThetaSearch(p);
      Store(p.CrackSpacingSx, sxe / c);
    } else {
      BetaThetaSearch(p);
    }
    Store(p.ConcShearCap, Real(p.VPhi) * p.Beta * Sqrt(fc) / p.RootStressDivisor * bv * dv / 1000);
  } else if (key == CodeFamily::Csa) {
    Real ex, sze;
    CanadianStrainAndSpacing(p, ex, sze);
    Store(p.Theta, Real(29) + Real(7000) * ex);
    Store(p.Beta, Real(0.4) / (Real(1) + Real(1500) * ex) * (Real(1300) / (Real(1000) + sze)));
    Store(p.ConcShearCap, Real(p.PhiConc) * p.Beta * Sqrt(fc) * bv * dv / 1000);
  } else if (key == CodeFamily::S6) {
    Real ex, sze;
    CanadianStrainAndSpacing(p, ex, sze);
    Store(p.Theta, (Real(29) + Real(7000) * ex) * (Real(0.88) + sze / 2500));
    Store(p.Beta, Real(0.4) / (Real(1) + Real(1500) * ex) * (Real(1300) / (Real(1000) + sze)));
    Store(p.ConcShearCap, Real(2.5) * p.Beta * p.PhiConc * p.Frup * bv * dv / 1000);
  }
}

void MaxShearStrength(Problem& p) {
  const CodeFamily key = EditionOf(p).family;
  const Real bv = p.WebWidthMin;
  const Real fc = p.ConcreteStrength;
  if (RulesOf(p).shear == ShearMethod::Traditional) {
    // Vs at most 8 sqrt(f'c) bv d on top of Vc.
    Store(p.MaxShearCap, Real(p.ConcShearCap) + Real(p.VPhi) * 8 * Sqrt(fc) / p.RootStressDivisor *
                                                    bv * p.DepthT / 1000);
  } else if (key == CodeFamily::Lrfd) {
    Store(p.MaxShearCap, Real(p.VPhi) * 0.25 * fc * bv * p.ShearDepth / 1000);
  } else if (key == CodeFamily::Csa || key == CodeFamily::S6) {
    Store(p.MaxShearCap, Real(p.PhiConc) * 0.25 * fc * bv * p.ShearDepth / 1000);
  }
}

}  // namespace kestal
