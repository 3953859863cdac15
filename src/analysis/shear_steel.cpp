#include "analysis/shear_steel.h"

#include "model/checked.h"
#include "model/code_rules.h"
#include "model/numtext.h"

namespace kestal {

namespace {

Real TanTheta(const Problem& p) {
  return Tan(Real(p.Theta) * 3.1416 / 180);
}

// A spacing limit replaces the spacing only when it is smaller.
void LimitSpacing(Problem& p, Real limit) {
  if (limit < Real(p.MaxShearSpacing)) Store(p.MaxShearSpacing, limit);
}

bool IsAci19(const Problem& p) {
  return RulesOf(p).aci == AciForms::Aci19;
}

// The yield strength of the stirrups in the shear rules.
Real StirrupYield(const Problem& p) {
  return IsAci19(p) ? Real(Aci19ShearYield(p)) : Real(p.SteelStrength);
}

}  // namespace

double Aci19ShearYield(const Problem& p) {
  const double cap = p.Units == units::English ? 60000 : 420;
  return p.SteelStrength < cap ? p.SteelStrength : cap;
}

double Lrfd9MinShearSteel(const Problem& p) {
  const Real perKsi = Real(1000) / p.PsiPerStress;
  const Real fcKsi = Real(p.ConcreteStrength) / perKsi;
  const Real fyKsi = Real(p.SteelStrength) / perKsi;
  return (Real(0.0316) * Sqrt(fcKsi) * p.WebWidthMin / fyKsi).value();
}

double Aci19MinShearSteel(const Problem& p) {
  const Real bw = p.WebWidthMin;
  const Real fc = p.ConcreteStrength;
  const Real fyt = Aci19ShearYield(p);
  const bool english = p.Units == units::English;
  const Real root = english ? Real(0.75) * Sqrt(fc) : Real(0.062) * Sqrt(fc);
  const Real floor = english ? Real(50) : Real(0.35);
  return ((root > floor ? root : floor) * bw / fyt).value();
}

// Av/s = (Vu - phi Vc) / (phi fy d), with cot(theta) of the truss angle for
// the strain methods (hence tan(theta) in the numerator).
void RequiredShearSteel(Problem& p) {
  const CodeFamily key = EditionOf(p).family;
  const Real excess = Real(p.ShearUlt) - p.ConcShearCap;
  const Real fy = p.SteelStrength;
  if (RulesOf(p).shear == ShearMethod::Traditional) {
    // ACI 318-19 22.5.8.5.3: Vs = Av fyt d / s, fyt of Table 20.2.2.4(a).
    Store(p.VSteelArea, excess * p.KiloFactor / (Real(p.VPhi) * StirrupYield(p) * p.DepthT));
  } else if (key == CodeFamily::Lrfd) {
    Store(p.VSteelArea, excess * p.KiloFactor * TanTheta(p) / (Real(p.VPhi) * fy * p.ShearDepth));
  } else if (RulesOf(p).shear == ShearMethod::CsaStrain) {
    Store(p.VSteelArea,
          excess * p.KiloFactor * TanTheta(p) / (Real(p.PhiReinf) * fy * p.ShearDepth));
  } else {
    return;
  }
  // Brought to the precision the value is shown with.
  if (p.Units == units::English) {
    Store(p.VSteelArea, RoundByPattern(p.VSteelArea, "#.####"));
  } else if (p.Units == units::Metric) {
    Store(p.VSteelArea, RoundByPattern(p.VSteelArea, "#.##"));
  }
}

void MinimumShearSteel(Problem& p) {
  const CodeFamily key = EditionOf(p).family;
  const Real bv = p.WebWidthMin;
  const Real fy = p.SteelStrength;
  const Real fc = p.ConcreteStrength;
  const Real root = p.RootStressDivisor;
  const Real psi = p.PsiPerStress;
  if (IsAci19(p)) {
    Store(p.MinShearSteel, Aci19MinShearSteel(p));
  } else if (key == CodeFamily::Aci) {
    Store(p.MinShearSteel, Real(0.75) * Sqrt(fc) / root * bv / fy);
    const Real floor = Real(50) / psi * bv / fy;
    if (floor > Real(p.MinShearSteel)) Store(p.MinShearSteel, floor);
  } else if (key == CodeFamily::Aashto) {
    Store(p.MinShearSteel, Real(50) / psi * bv / fy);
  } else if (key == CodeFamily::Arema) {
    Store(p.MinShearSteel, Real(60) / psi * bv / fy);
  } else if (RulesOf(p).shear == ShearMethod::LrfdEquations) {
    Store(p.MinShearSteel, Lrfd9MinShearSteel(p));
  } else if (key == CodeFamily::Lrfd) {
    Store(p.MinShearSteel, Sqrt(fc) / root * bv / fy);
  } else if (key == CodeFamily::Csa) {
    Store(p.MinShearSteel, Real(0.06) * Sqrt(fc) * bv / fy);
  } else if (key == CodeFamily::S6) {
    Store(p.MinShearSteel, Real(0.15) * p.Frup * bv / fy);
  }
}

// Spacing limits, halved when the shear is high. The absolute limits are
// stated in inches (24 in) or millimetres (600 mm, 300 mm) and are divided by
// InchPerLength like every inch constant.
void MaximumShearSpacing(Problem& p) {
  const CodeFamily key = EditionOf(p).family;
  const Real bv = p.WebWidthMin;
  const Real dv = p.ShearDepth;
  const Real fc = p.ConcreteStrength;
  const Real c = p.InchPerLength;
  if (IsAci19(p)) {
    // ACI 318-19 Table 9.7.6.2.2: d/2 and 24 in. (600 mm); d/4 and 12 in.
    // (300 mm) where Vs > 4 sqrt(f'c) bw d (0.33 sqrt(f'c) bw d in MPa).
    const bool english = p.Units == units::English;
    const Real d = p.DepthT;
    Store(p.MaxShearSpacing, d / 2);
    LimitSpacing(p, english ? Real(24) : Real(600));
    const Real vs = (Real(p.ShearUlt) - p.ConcShearCap) * 1000 / p.VPhi;
    if (vs > (english ? Real(4) : Real(0.33)) * Sqrt(fc) * bv * d) {
      Store(p.MaxShearSpacing, d / 4);
      LimitSpacing(p, english ? Real(12) : Real(300));
    }
  } else if (RulesOf(p).shear == ShearMethod::Traditional) {
    const Real d = p.DepthT;
    Store(p.MaxShearSpacing, d / 2);
    const float level = ToFloat((Real(p.ShearUlt) - p.ConcShearCap) * 1000);
    if (Real(level) > Real(2) * p.VPhi * Sqrt(fc) / p.RootStressDivisor * bv * d) {
      Store(p.MaxShearSpacing, d / 4);
    }
  } else if (RulesOf(p).shear == ShearMethod::LrfdEquations) {
    // AASHTO LRFD 9th 5.7.2.6: vu = |Vu| / (phi bv dv); 0.8 dv <= 24 in while
    // vu < 0.125 f'c, else 0.4 dv <= 12 in.
    const Real vu = Abs(Real(p.KiloFactor) * p.ShearUlt) / (Real(p.VPhi) * bv * dv);
    if (vu < Real(0.125) * fc) {
      Store(p.MaxShearSpacing, Real(0.8) * dv);
      LimitSpacing(p, Real(24) / c);
    } else {
      Store(p.MaxShearSpacing, Real(0.4) * dv);
      LimitSpacing(p, Real(12) / c);
    }
  } else if (key == CodeFamily::Lrfd) {
    Store(p.MaxShearSpacing, Real(0.8) * dv);
    LimitSpacing(p, Real(24) / c);
    const float level = ToFloat(Real(1000) * p.ShearUlt);
    if (Real(level) > Real(0.125) * p.VPhi * fc * bv * dv) {
      Store(p.MaxShearSpacing, Real(0.4) * dv);
      LimitSpacing(p, Real(24) / c);
    }
  } else if (RulesOf(p).csa == CsaForms::A23_3_19) {
    // CSA A23.3-19 11.3.8: 0.7 dv <= 600 mm, 0.35 dv <= 300 mm where Vf >
    // 0.125 lambda phi_c f'c bw dv.
    Store(p.MaxShearSpacing, Real(0.7) * dv);
    LimitSpacing(p, 600);
    if (Real(1000) * p.ShearUlt > Real(0.125) * p.PhiConc * fc * bv * dv) {
      Store(p.MaxShearSpacing, Real(0.35) * dv);
      LimitSpacing(p, 300);
    }
  } else if (key == CodeFamily::Csa) {
    Store(p.MaxShearSpacing, Real(0.7) * dv);
    LimitSpacing(p, Real(600) / c);
    const float level = ToFloat(Real(1000) * p.ShearUlt);
    if (Real(level) > Real(0.125) * p.PhiConc * fc * bv * dv) {
      Store(p.MaxShearSpacing, Real(0.35) * dv);
      LimitSpacing(p, Real(300) / c);
    }
  } else if (key == CodeFamily::S6) {
    Store(p.MaxShearSpacing, Real(0.75) * dv);
    LimitSpacing(p, Real(600) / c);
    const float level = ToFloat(Real(1000) * p.ShearUlt);
    if (Real(level) > Real(0.1) * p.PhiConc * fc * bv * dv) {
      Store(p.MaxShearSpacing, Real(0.33) * dv);
      LimitSpacing(p, Real(300) / c);
    }
  }
}

void ShearSteelStrength(Problem& p) {
  const CodeFamily key = EditionOf(p).family;
  const Real av = p.VSteelArea;
  const Real fy = p.SteelStrength;
  const Real s = p.sAv;
  if (RulesOf(p).shear == ShearMethod::Traditional) {
    // ACI 318-19 22.5.8.5.3: Vs = Av fyt d / s, fyt of Table 20.2.2.4(a).
    Store(p.SteelShearCap, Real(p.VPhi) * av * StirrupYield(p) * p.DepthT / (s * 1000));
  } else if (key == CodeFamily::Lrfd) {
    Store(p.SteelShearCap, Real(p.VPhi) * av * fy * p.ShearDepth / (s * 1000 * TanTheta(p)));
  } else if (RulesOf(p).shear == ShearMethod::CsaStrain) {
    Store(p.SteelShearCap, Real(p.PhiReinf) * av * fy * p.ShearDepth / (s * 1000 * TanTheta(p)));
  }
}

// Longitudinal tension steel must carry the moment plus the horizontal
// component of the diagonal compression, (V - 0.5 Vs) cot(theta), with the
// stirrup share at most the shear itself.
void MinimumLongitudinalSteel(Problem& p) {
  const CodeFamily key = EditionOf(p).family;
  const Real vu = p.ShearUlt;
  const Real f = p.MomentFactor;
  const Real dv = p.ShearDepth;
  const Real fy = p.SteelStrength;
  if (RulesOf(p).shear == ShearMethod::Traditional) {
    Store(p.MinLongSteel, 0);
  } else if (key == CodeFamily::Lrfd) {
    const Real phiV = p.VPhi;
    const Real t = p.SteelShearCap > p.ShearUlt
                       ? Abs(vu) / phiV - Real(0.5) * vu / phiV
                       : Abs(vu) / phiV - Real(0.5) * p.SteelShearCap / phiV;
    // AASHTO LRFD 9th 5.7.3.5: the flexure phi is that of the net tensile strain.
    const Real phiF = RulesOf(p).flexurePhi == FlexurePhi::LrfdNetStrain && p.PhiUsed > 0
                          ? Real(p.PhiUsed)
                          : Real(p.Phi);
    Store(p.MinLongSteel, (Abs(f * p.MomentUlt) / (dv * phiF) + Real(1000) * t / TanTheta(p)) / fy);
  } else if (RulesOf(p).shear == ShearMethod::CsaStrain) {
    const Real t = p.SteelShearCap > p.ShearUlt ? Abs(vu) - Real(0.5) * vu
                                                : Abs(vu) - Real(0.5) * p.SteelShearCap;
    Store(p.MinLongSteel,
          (Abs(f * p.MomentUlt) / dv + Real(1000) * t / TanTheta(p)) / (Real(p.PhiReinf) * fy));
  }
}

}  // namespace kestal
