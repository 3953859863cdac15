#include "analysis/crack_control.h"

#include "model/checked.h"
#include "model/code_rules.h"

namespace kestal {

namespace {

// Z-factor rule: the steel stress that keeps z = fs * (dc * A)^(1/3) at the
// code's value, with the exponent written as the decimal 0.333.
Real ZFactorStress(const Problem& p) {
  return Real(p.ExpFactor) / Pow(Real(p.Cover) * p.EffArea, 0.333);
}

}  // namespace

void CrackControl(Problem& p) {
  const CodeFamily key = EditionOf(p).family;
  const bool metric = p.Units == units::Metric;
  const Real fy = p.SteelStrength;
  const Real fs = p.ServSteelStressMax;

  // The service steel stress that enters the spacing (ACI, at most 2/3 fy)
  // and exposure (OHBDC, at most 240 MPa) rules.
  if (key == CodeFamily::Aci) {
    const Real cap = Real(2) * fy / 3;
    Store(p.CrackControlStress, cap >= fs ? fs : cap);
  } else if (key == CodeFamily::Ohbdc) {
    Store(p.CrackControlStress, Real(240) >= fs ? fs : Real(240));
  }

  if (key == CodeFamily::Aashto || key == CodeFamily::Csa) {
    // CSA A23.3-19 10.6.1: z = fs (dc A)^(1/3) of the service stress, beside its limits.
    if (RulesOf(p).csa == CsaForms::A23_3_19) {
      Store(p.CrackZ, fs * Pow(Real(p.Cover) * p.EffArea, 1.0 / 3));
    }
    Store(p.CrackControlStress, ZFactorStress(p));
    if (Real(0.6) * fy < Real(p.CrackControlStress)) Store(p.CrackControlStress, Real(0.6) * fy);
  } else if (key == CodeFamily::Arema) {
    Store(p.CrackControlStress, ZFactorStress(p));
    if (Real(0.5) * fy < Real(p.CrackControlStress)) Store(p.CrackControlStress, Real(0.5) * fy);
  } else if (key == CodeFamily::Aci) {
    // Bar spacing 15 in (40 ksi / fs) - 2.5 cc, at most 12 in (40 ksi / fs).
    const Real fsa = p.CrackControlStress;
    const Real cc = p.Cover;
    Real s;
    if (p.Units == units::English) {
      s = Real(600000) / fsa - Real(2.5) * cc;
      if (Real(480000) / fsa < s) s = Real(480000) / fsa;
    } else if (RulesOf(p).aci == AciForms::Aci19) {
      // ACI 318-19 Table 24.3.2: s = 380 (280 / fs) - 2.5 cc <= 300 (280 / fs), mm and MPa.
      s = Real(380) * (Real(280) / fsa) - Real(2.5) * cc;
      if (Real(300) * (Real(280) / fsa) < s) s = Real(300) * (Real(280) / fsa);
    } else {
      s = Real(105000) / fsa - Real(2.5) * cc;
      if (Real(84000) / fsa < s) s = Real(84000) / fsa;
    }
    Store(p.MaxBarSpacing, s);
  } else if (key == CodeFamily::Lrfd) {
    // The spacing rule is stated in inches and psi: Metric lengths and
    // stresses are converted on copies, and the spacing converted back.
    Real dc = p.Cover;
    Real h = p.SectHeight;
    Real fss = fs;
    // AASHTO LRFD 9th 5.6.7: fss at most 0.6 fy.
    if (RulesOf(p).lrfd == LrfdForms::Ninth && Real(0.6) * fy < fss) fss = Real(0.6) * fy;
    if (metric) {
      dc = dc * p.InchPerLength;
      h = h * p.InchPerLength;
      fss = fss * p.PsiPerStress;
    }
    const Real betaS = Real(1) + dc / (Real(0.7) * (h - dc));
    Real s = Real(700000) * p.ExpFactor / (betaS * fss) - Real(2) * dc;
    if (metric) s = s / p.InchPerLength;
    Store(p.MaxBarSpacing, s);
  } else if (key == CodeFamily::S6) {
    // Crack width = average crack spacing x bar and load factor x average
    // steel strain, with tension stiffening through (fscr / fs)^2.
    if (metric) {
      const Real h = p.SectHeight;
      const Real d = p.DepthT;
      Real hc = Real(2.5) * (h - d);
      if ((h - Real(p.ServNeutralAxis)) / 3 < hc) hc = (h - Real(p.ServNeutralAxis)) / 3;
      const Real ac = Real(p.WebWidth) * hc;
      const Real rho = Real(p.TSteelArea) / ac;
      Store(p.CrackSpacing, Real(50) + Real(0.125) * p.EffArea / rho);
      const Real ratio = Real(p.ServSteelStressCrack) / fs;
      Store(p.RebarStrain, fs / p.Er * (Real(1) - ratio * ratio));
      Store(p.CrackWidth, Real(p.CrackSpacing) * p.Cover * p.RebarStrain);
    }
  } else if (key == CodeFamily::Ohbdc) {
    if (metric) {
      const Real m = Real(p.Moment40Crack) / p.MomentMax;
      Store(p.CompExpFactor,
            (Real(1) - m * m) * (Real(0.9) * p.EffArea + Real(2) * p.Cover) * p.CrackControlStress);
    }
  }
}

}  // namespace kestal
