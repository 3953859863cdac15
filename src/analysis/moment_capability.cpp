#include "analysis/moment_capability.h"

#include "analysis/flexure_rules.h"
#include "analysis/section_shape.h"
#include "model/checked.h"
#include "model/code_rules.h"

namespace kestal {

namespace {

// Neutral-axis depth c with elastic compression steel: the larger root of
// P c^2 + Q c + R = 0, where R = -Emax PhiReinf Es As' d' comes from the
// strain of the steel at d'.
Real ElasticNeutralAxis(const Problem& p, Real coefP, Real coefQ) {
  const Real coefR = -Real(p.Emax) * p.PhiReinf * p.Er * p.CSteelArea * p.DepthC;
  return (-coefQ + Sqrt(coefQ * coefQ - 4 * coefP * coefR)) / (2 * coefP);
}

// Compression steel As' at d' (taken into account only when d' > 0.005).
// First with rectangular behaviour over the whole top width b, then, for a
// box or tee whose block still reaches below the flange, with the flange
// overhangs and the web. The steel stress fs' of a trial block depth decides
// whether As' yields; if not, the neutral axis comes from the strain
// compatibility of the elastic steel. When that puts As' below the neutral
// axis (strain not positive), the moment of the tension-steel steps stands
// while the block depth, strain and stress of the quadratic are kept.
void CompressionSteelSteps(Problem& p, const SectionShape& s) {
  const Real as = p.TSteelArea;
  const Real asc = p.CSteelArea;
  const Real d = p.DepthT;
  const Real dc = p.DepthC;
  const Real k = BlockStress(p);
  const Real fy = FactoredYield(p);
  const Real es = p.Er;
  const Real emax = p.Emax;
  const Real b = s.b;

  Real trialA = (k * asc + (as - asc) * fy) / (k * b);
  Real trialC = trialA / p.B1;
  Real fsc = (trialC - dc) * emax * es / trialC;
  Store(p.CSteelStress, fsc);

  // A trial block of no depth (more compression steel than the tension steel
  // can balance at yield) is no yielding state: its "stress" has the wrong
  // sign of strain. The steel is then elastic, and the quadratic gives the
  // neutral axis.
  if (fy <= fsc && trialA > 0) {
    Store(p.BlockDepth, trialA);
    Store(p.CSteelStress, fy);
    Store(p.CSteelStrain, fy / es);
    const Real a = p.BlockDepth;
    Store(p.MomentCap, Real(p.Phi) *
                           ((b * a - asc) * k * (d - a / 2) + (d - dc) * asc * p.CSteelStress) /
                           p.MomentFactor);
  } else {
    const Real c =
        ElasticNeutralAxis(p, k * b * p.B1, emax * p.PhiReinf * es * asc - k * asc - fy * as);
    Store(p.BlockDepth, Real(p.B1) * c);
    Store(p.CSteelStrain, (c - dc) * emax / c);
    Store(p.CSteelStress, es * p.CSteelStrain);
    if (p.CSteelStrain > 0) {
      const Real a = p.BlockDepth;
      Store(p.MomentCap, Real(p.Phi) *
                             ((b * a - asc) * k * (d - a / 2) + (d - dc) * asc * p.CSteelStress) /
                             p.MomentFactor);
    }
  }

  if (!s.flanged || !(p.BlockDepth > s.hf)) return;

  const Real bw = s.bw;
  const Real hf = s.hf;
  const Real asf = k * (b - bw) * hf / fy;
  trialA = ((as - asf - asc) * fy + k * asc) / (k * bw);
  trialC = trialA / p.B1;
  fsc = (trialC - dc) * emax * es / trialC;
  Store(p.CSteelStress, fsc);

  if (fy <= fsc && trialA > 0) {
    Store(p.BlockDepth, trialA);
    Store(p.CSteelStress, fy);
    Store(p.CSteelStrain, fy / es);
  } else {
    const Real c = ElasticNeutralAxis(
        p, k * bw * p.B1, emax * p.PhiReinf * es * asc - k * asc - fy * as + k * (b - bw) * hf);
    Store(p.BlockDepth, Real(p.B1) * c);
    Store(p.CSteelStrain, (c - dc) * emax / c);
    Store(p.CSteelStress, es * p.CSteelStrain);
    if (p.CSteelStrain <= 0) return;
  }

  const Real a = p.BlockDepth;
  Store(p.MomentCap, Real(p.Phi) *
                         ((bw * a - asc) * k * (d - a / 2) + k * (b - bw) * hf * (d - hf / 2) +
                          (d - dc) * asc * p.CSteelStress) /
                         p.MomentFactor);
}

}  // namespace

void StoreWebWidthMin(Problem& p) {
  switch (p.SectionType) {
    case section::Rectangular:
      p.WebWidthMin = p.RecB;
      break;
    case section::Tee:
      p.WebWidthMin = p.TeeBweb;
      break;
    case section::Box:
      p.WebWidthMin = p.BoxBweb;
      if (Real(2) * p.BoxBweb > p.BoxBbot) {
        p.WebWidthMin = p.BoxBbot;
      } else {
        Store(p.WebWidthMin, Real(2) * p.BoxBweb);
      }
      break;
    default:
      break;
  }
}

void StoreMinDesignMoment(Problem& p) {
  p.MinDesignMoment = p.CrackMoment12;
  if (p.MomentUlt > p.CrackMoment12) p.MinDesignMoment = p.MomentUlt;
  // AASHTO LRFD 9th 5.6.3.3: the lesser of the factored Mcr and 1.33 Mu.
  const Real fourThirds =
      RulesOf(p).lrfd == LrfdForms::Ninth ? Real(1.33) * p.MomentUlt : Real(4) / 3 * p.MomentUlt;
  if (ToFloat(fourThirds) < p.CrackMoment12) Store(p.MinDesignMoment, fourThirds);
}

namespace {

// ACI 318-19 21.2.2.1: eps_ty = fy / Es.
Real YieldStrain(const Problem& p) {
  return Real(p.SteelStrength) / p.Er;
}

// ACI 318-19 Table 21.2.2: phi = 0.65 for eps_t <= eps_ty (compression-
// controlled), the tension-controlled Phi for eps_t >= eps_ty + 0.003, and
// linear between; Phi is 0.90 by default.
Real Aci19FlexurePhi(const Problem& p, Real et) {
  const Real ety = YieldStrain(p);
  if (et <= ety) return 0.65;
  if (et >= ety + 0.003) return p.Phi;
  return Real(0.65) + (Real(p.Phi) - 0.65) * (et - ety) / 0.003;
}

// AASHTO LRFD 9th 5.5.4.2: phi = 0.75 + 0.15 (eps_t - eps_cl) / (eps_tl -
// eps_cl) within 0.75 and Phi. 5.6.2.1, Table C5.6.2.1-1: eps_cl = 0.002 up
// to fy = 60 ksi, to 0.004 at 100 ksi; eps_tl = 0.005 up to 75 ksi, to
// 0.008 at 100 ksi; linear between, fy in ksi whatever the units.
Real Lrfd9FlexurePhi(const Problem& p, Real et) {
  Real fyKsi = Real(p.SteelStrength) * p.PsiPerStress / 1000;
  if (fyKsi > 100) fyKsi = 100;
  const Real ecl = fyKsi <= 60 ? Real(0.002) : Real(0.002) + Real(0.002) * (fyKsi - 60) / 40;
  const Real etl = fyKsi <= 75 ? Real(0.005) : Real(0.005) + Real(0.003) * (fyKsi - 75) / 25;
  Real phi = Real(0.75) + Real(0.15) * (et - ecl) / (etl - ecl);
  if (phi < 0.75) phi = 0.75;
  if (phi > Real(p.Phi)) phi = p.Phi;
  return phi;
}

// ACI 318-19 Table 20.2.2.4(a): fy at most 80,000 psi (550 MPa) for flexure.
Real Aci19FlexureYield(const Problem& p) {
  const Real cap = p.Units == units::English ? 80000 : 550;
  return Real(p.SteelStrength) < cap ? Real(p.SteelStrength) : cap;
}

}  // namespace

float MinimumNetStrain(const Problem& p) {
  const CodeRules& rules = RulesOf(p);
  switch (rules.flexurePhi) {
    case FlexurePhi::Constant:
      return rules.minStrain;
    case FlexurePhi::NetTensileStrain:
      // ACI 318-19 9.3.3.1: nonprestressed beams tension-controlled (Table 21.2.2).
      return ToFloat(YieldStrain(p) + 0.003);
    case FlexurePhi::LrfdNetStrain:
      // AASHTO LRFD 9th: no least strain; a low strain lowers phi.
      return rules.minStrain;
  }
  return rules.minStrain;
}

Real FlexurePhiOfStrain(const Problem& p, Real et) {
  switch (RulesOf(p).flexurePhi) {
    case FlexurePhi::Constant:
      return p.Phi;
    case FlexurePhi::NetTensileStrain:
      return Aci19FlexurePhi(p, et);
    case FlexurePhi::LrfdNetStrain:
      return Lrfd9FlexurePhi(p, et);
  }
  return p.Phi;
}

void StoreAciMinimumArea(Problem& p) {
  if (RulesOf(p).csa == CsaForms::A23_3_19) {
    // CSA A23.3-19 10.5.1.2: As,min = 0.2 sqrt(f'c) bt h / fy, bt the width of the
    // tension zone (the web of a tee or box in positive bending).
    const SectionShape s = ShapeOf(p);
    Store(p.AsMinCode, Real(0.2) * Sqrt(Real(p.ConcreteStrength)) * s.bw * s.h / p.SteelStrength);
    return;
  }
  const Real bw = p.WebWidthMin;
  const Real d = p.DepthT;
  const Real fc = p.ConcreteStrength;
  // ACI 318-19 9.6.1.2 with fy of Table 20.2.2.4(a); the earlier editions, fy as given.
  const Real fy = RulesOf(p).aci == AciForms::Aci19 ? Aci19FlexureYield(p) : Real(p.SteelStrength);
  if (p.Units == units::English) {
    Store(p.AsMinCode, 3 * Sqrt(fc) * bw * d / fy);
    const Real floor = 200 * bw * d / fy;
    if (floor > Real(p.AsMinCode)) Store(p.AsMinCode, floor);
  } else {
    Store(p.AsMinCode, Sqrt(fc) * bw * d / (4 * fy));
    const Real floor = Real(1.4) * bw * d / fy;
    if (floor > Real(p.AsMinCode)) Store(p.AsMinCode, floor);
  }
}

void MomentCapability(Problem& p) {
  p.CSteelStrain = 0;
  p.CSteelStress = 0;

  const Real as = p.TSteelArea;
  const Real d = p.DepthT;
  const Real fy = FactoredYield(p);

  const SectionShape s = ShapeOf(p);
  if (s.known) {
    const Real k = BlockStress(p);
    const Real b = s.b;

    // Tension steel only, rectangular behaviour over the whole top width.
    Store(p.BlockDepth, fy * as / (k * b));
    Store(p.MomentCap, (d - Real(0.5) * p.BlockDepth) * p.Phi * as * fy / p.MomentFactor);

    StoreWebWidthMin(p);

    // Block below the flange: the overhangs are balanced by Asf and the web
    // takes the rest of the steel force.
    if (s.flanged) {
      const Real bw = s.bw;
      const Real hf = s.hf;
      const Real asf = k * (b - bw) * hf / fy;
      if (p.BlockDepth > s.hf) {
        Store(p.BlockDepth, (as - asf) * fy / (k * bw));
        Store(p.MomentCap, Real(p.Phi) *
                               ((d - Real(p.BlockDepth) / 2) * (as - asf) * fy +
                                (d - Real(0.5) * hf) * asf * fy) /
                               p.MomentFactor);
      }
    }

    // A depth d' of 0.005 or less means there is no compression steel.
    if (p.DepthC > 0.005f) CompressionSteelSteps(p, s);
  }

  // Effective shear depth: d for the codes that use it; otherwise the
  // internal lever arm of the moment capability, but not less than 0.9 d.
  if (RulesOf(p).shear == ShearMethod::Traditional) {
    p.ShearDepth = p.DepthT;
  } else {
    Store(p.ShearDepth, Real(p.MomentCap) * p.MomentFactor / (Real(p.Phi) * as * fy));
    if (ToFloat(Real(0.9) * d) > p.ShearDepth) Store(p.ShearDepth, Real(0.9) * d);
    // CSA A23.3-19 11.3.6.4 (3.2): dv = max(0.9 d, 0.72 h), not the lever arm.
    if (RulesOf(p).csa == CsaForms::A23_3_19) Store(p.ShearDepth, Real(0.9) * d);
    // AASHTO LRFD 9th 5.7.2.8 and CSA A23.3-19: dv also at least 0.72 h.
    if ((RulesOf(p).shear == ShearMethod::LrfdEquations || RulesOf(p).csa == CsaForms::A23_3_19) &&
        s.known && ToFloat(Real(0.72) * s.h) > p.ShearDepth) {
      Store(p.ShearDepth, Real(0.72) * s.h);
    }
  }

  // The balanced area limits the tensile steel; compression steel raises
  // the limit by its own area.
  StressBlockLimits(p);
  Store(p.MaxTSteelArea, Real(p.MaxTSteelArea) + p.CSteelArea);

  // Mn computed with Phi, then the factor of the net tensile strain.
  if (s.known && RulesOf(p).flexurePhi != FlexurePhi::Constant) {
    Store(p.PhiUsed, FlexurePhiOfStrain(p, p.TSteelStrain));
    Store(p.MomentCap, Real(p.MomentCap) / p.Phi * p.PhiUsed);
  }

  if (!RulesOf(p).minimumAreaByFormula) {
    StoreMinDesignMoment(p);
  } else {
    // The ACI minimum need not exceed one third more than the steel given.
    StoreAciMinimumArea(p);
    Store(p.AsFourThirds, Real(4) / 3 * p.TSteelArea);
    p.MinTSteelArea = p.AsFourThirds < p.AsMinCode ? p.AsFourThirds : p.AsMinCode;
  }
}

void StressBlockLimits(Problem& p) {
  const Real k = BlockStress(p);
  const Real fy = FactoredYield(p);
  const Real d = p.DepthT;
  const Real emax = p.Emax;

  // Balanced condition: concrete at Emax as the steel reaches yield.
  const Real yieldStrain = fy / p.Er;
  const Real cb = d * emax / (emax + yieldStrain);
  const Real ab = Real(p.B1) * cb;

  const SectionShape s = ShapeOf(p);
  if (s.known) {
    Real asb;
    if (!s.flanged) {
      asb = k * p.RecB * ab / fy;
    } else if (ab < Real(s.hf)) {
      asb = k * s.b * ab / fy;
    } else {
      asb = k * (Real(s.b) - s.bw) * s.hf / fy + k * s.bw * ab / fy;
    }
    Store(p.MaxTSteelArea, Real(0.75) * asb);
  }

  if (EditionOf(p).family == CodeFamily::Lrfd) {
    Store(p.MaxCD, 0.42);
  } else if (EditionOf(p).family == CodeFamily::Csa) {
    Store(p.MaxCD, Real(700) / (Real(p.SteelStrength) + 700));
  } else if (EditionOf(p).family == CodeFamily::Ohbdc || EditionOf(p).family == CodeFamily::S6) {
    Store(p.MaxCD, 0.5);
  }

  Store(p.CDRatio, Real(p.BlockDepth) / (Real(p.B1) * d));
  const Real c = Real(p.BlockDepth) / p.B1;
  Store(p.TSteelStrain, (d - c) * emax / c);
}

}  // namespace kestal
