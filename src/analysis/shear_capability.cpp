#include "analysis/shear_capability.h"

#include "analysis/beta_theta.h"
#include "analysis/shear_steel.h"
#include "model/checked.h"
#include "model/code_rules.h"

namespace kestal {

namespace {

bool IsReviewWithoutShearSteel(const Problem& p) {
  return p.ProblemType == problem_type::Review && p.VSteelArea < 0.001;
}

// Whether the stirrups meet Av,min (given as Av / s): a design provides at
// least Av,min; a review compares its Av / s with it.
bool MeetsMinShearSteel(const Problem& p, Real minPerLength) {
  if (p.ProblemType != problem_type::Review) return true;
  return p.sAv > 0 && Real(p.VSteelArea) / p.sAv >= minPerLength;
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
  if (RulesOf(p).csa == CsaForms::A23_3_19) {
    // CSA A23.3-19 11.3.6.4: sze = 300 mm with at least Av,min (11.2.8.2),
    // else 35 sz / (15 + ag) >= 0.85 sz, sz = dv; ag taken as 0 from 70 MPa,
    // reduced linearly to it from 60 MPa.
    const Real fc = p.ConcreteStrength;
    const bool withMinimum =
        MeetsMinShearSteel(p, Real(0.06) * Sqrt(fc) * p.WebWidthMin / p.SteelStrength);
    Real ag = p.Ag;
    if (fc >= 70) {
      ag = 0;
    } else if (fc > 60) {
      ag = ag * (Real(70) - fc) / 10;
    }
    sze = withMinimum ? Real(300) : Real(35) * dv / (ag + 15);
    if (!withMinimum && Real(0.85) * dv > sze) sze = Real(0.85) * dv;
    if (!withMinimum) Store(p.CrackSpacingSx, sze);
    return;
  }
  if (IsReviewWithoutShearSteel(p)) {
    sze = Real(35) * dv / (Real(p.Ag) + 15);
    if (Real(0.85) * dv > sze) sze = Real(0.85) * dv;
  } else {
    sze = 300;
  }
  Store(p.CrackSpacingSx, sze);
}

// ACI 318-19 Table 22.5.5.1, lambda = 1 and Nu = 0: with Av >= Av,min the
// larger of (a) 2 sqrt(f'c) bw d and (b) 8 rho_w^(1/3) sqrt(f'c) bw d; with
// Av < Av,min (c) 8 lambda_s rho_w^(1/3) sqrt(f'c) bw d; SI 0.17, 0.66.
void Aci19ConcreteShear(Problem& p, Real bw, Real d, Real fc, Real rhoW) {
  const bool english = p.Units == units::English;
  const bool withMinimum = MeetsMinShearSteel(p, Aci19MinShearSteel(p));
  // 22.5.3.1, 22.5.3.2: sqrt(f'c) at most 100 psi (8.3 MPa) unless Av >= Av,min.
  Real root = Sqrt(fc);
  const Real rootLimit = english ? Real(100) : Real(8.3);
  if (!withMinimum && root > rootLimit) root = rootLimit;
  const Real rhoRoot = Pow(rhoW, 1.0 / 3);
  Real vc;
  if (withMinimum) {
    const Real a = (english ? Real(2) : Real(0.17)) * root;
    const Real b = (english ? Real(8) : Real(0.66)) * rhoRoot * root;
    vc = a > b ? a : b;
    Store(p.SizeEffect, 0);
  } else {
    // 22.5.5.1.3: lambda_s = sqrt(2 / (1 + d / 10)) <= 1, d in in. (sqrt(2 / (1 + 0.004 d)), mm).
    Real sizeEffect = Sqrt(Real(2) / (english ? Real(1) + d / 10 : Real(1) + Real(0.004) * d));
    if (sizeEffect > 1) sizeEffect = 1;
    Store(p.SizeEffect, sizeEffect);
    vc = (english ? Real(8) : Real(0.66)) * p.SizeEffect * rhoRoot * root;
  }
  // 22.5.5.1.1: Vc at most 5 sqrt(f'c) bw d (0.42 in MPa).
  const Real limit = (english ? Real(5) : Real(0.42)) * root;
  if (vc > limit) vc = limit;
  Store(p.ConcShearCap, Real(p.VPhi) * vc * bw * d / 1000);
}

// AASHTO LRFD 9th 5.7.3.4.2 (general procedure, Nu = 0, no prestress),
// worked in kips, inches and ksi: eps_s = (|Mu| / dv + |Vu|) / (Es As) <=
// 0.006; beta = 4.8 / (1 + 750 eps_s), times 51 / (39 + sxe) with less than
// Av,min (sxe = 1.38 sx / (ag + 0.63), sx = dv, 12 to 80 in); theta = 29 +
// 3500 eps_s; 5.7.3.3: Vc = 0.0316 beta lambda sqrt(f'c) bv dv, lambda = 1.
void Lrfd9ConcreteShear(Problem& p, Real bv, Real dv, Real fc) {
  const Real perKsi = Real(1000) / p.PsiPerStress;
  Real es =
      (Abs(Real(p.MomentFactor) * p.ShearMoment) / dv + Abs(Real(p.KiloFactor) * p.ShearUlt)) /
      (Real(p.Er) * p.TSteelArea);
  if (es > Real(0.006)) es = 0.006;
  Store(p.LongStrain, es);
  Real beta = Real(4.8) / (Real(1) + Real(750) * es);
  const bool withMinimum = MeetsMinShearSteel(p, Lrfd9MinShearSteel(p));
  if (!withMinimum) {
    const Real c = p.InchPerLength;
    Real sxe = Real(1.38) * dv * c / (Real(p.Ag) * c + 0.63);
    if (sxe < 12) sxe = 12;
    if (sxe > 80) sxe = 80;
    beta = beta * 51 / (Real(39) + sxe);
    Store(p.CrackSpacingSx, sxe / c);
  }
  Store(p.Beta, beta);
  Store(p.Theta, Real(29) + Real(3500) * es);
  Store(p.ConcShearCap,
        Real(p.VPhi) * Real(0.0316) * p.Beta * Sqrt(fc / perKsi) * perKsi * bv * dv / 1000);
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

  if (RulesOf(p).vc == TraditionalVc::Aci19Table) {
    Aci19ConcreteShear(p, bv, d, fc, rhoW);
  } else if (RulesOf(p).shear == ShearMethod::Traditional) {
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
  } else if (RulesOf(p).shear == ShearMethod::LrfdEquations) {
    Lrfd9ConcreteShear(p, bv, dv, fc);
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
    // CSA A23.3-19 11.3.4: sqrt(f'c) at most 8 MPa.
    Real root = Sqrt(fc);
    if (RulesOf(p).csa == CsaForms::A23_3_19 && root > 8) root = 8;
    Store(p.ConcShearCap, Real(p.PhiConc) * p.Beta * root * bv * dv / 1000);
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
  if (RulesOf(p).aci == AciForms::Aci19) {
    // ACI 318-19 22.5.1.2: Vu <= phi (Vc + 8 sqrt(f'c) bw d), 0.66 in MPa.
    const Real k = p.Units == units::English ? Real(8) : Real(0.66);
    Store(p.MaxShearCap, Real(p.ConcShearCap) + Real(p.VPhi) * k * Sqrt(fc) * bv * p.DepthT / 1000);
  } else if (RulesOf(p).shear == ShearMethod::Traditional) {
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
