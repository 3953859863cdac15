#include "analysis/tension_design.h"

#include "analysis/flexure_rules.h"
#include "analysis/moment_capability.h"
#include "analysis/section_shape.h"
#include "model/checked.h"
#include "model/code_rules.h"
#include "model/numtext.h"

namespace kestal {

namespace {

// The smaller root of A As^2 + B As + C = 0: the least steel area whose
// force, at the lever arm d - a/2, gives the moment. No real root means the
// moment cannot be reached with tension steel alone.
Real SmallerRoot(Real a, Real b, Real c) {
  return (-b - Sqrt(b * b - 4 * a * c)) / (2 * a);
}

// The block depth, the nominal moment (in the units of MomentFactor x
// moment) and the net tensile strain of tension steel `as` alone.
struct TensionOnly {
  Real a;
  Real mn;
  Real et;
};

TensionOnly FlexureOf(const Problem& p, const SectionShape& s, Real as) {
  const Real k = BlockStress(p);
  const Real fy = FactoredYield(p);
  const Real d = p.DepthT;
  Real a = as * fy / (k * s.b);
  Real mn = as * fy * (d - a / 2);
  if (s.flanged && a > Real(s.hf)) {
    const Real asf = k * (Real(s.b) - s.bw) * s.hf / fy;
    a = (as - asf) * fy / (k * s.bw);
    mn = (as - asf) * fy * (d - a / 2) + asf * fy * (d - Real(0.5) * s.hf);
  }
  const Real c = a / p.B1;
  return {a, mn, (d - c) * p.Emax / c};
}

// AASHTO LRFD 9th 5.5.4.2 with 5.6.3.3: the least tension steel whose
// phi(eps_t) Mn reaches the design moment, phi falling from Phi to 0.75 as
// the steel grows: the tension-controlled area first, then a bisection up
// to the area that puts the neutral axis at d. MomentCap holds the phi Mn
// of the area found; below the moment when no area reaches it.
void Lrfd9TensionSteel(Problem& p, const SectionShape& s, Real m) {
  const Real target = Real(p.MomentFactor) * m;
  const auto strength = [&](Real as) {
    const TensionOnly f = FlexureOf(p, s, as);
    return FlexurePhiOfStrain(p, f.et) * f.mn;
  };
  Real lo = p.TSteelArea;
  if (strength(lo) < target) {
    const Real k = BlockStress(p);
    const Real fy = FactoredYield(p);
    const Real a = Real(p.B1) * p.DepthT;
    Real hi = k * s.b * a / fy;
    if (s.flanged && a > Real(s.hf)) hi = k * (Real(s.b) - s.bw) * s.hf / fy + k * s.bw * a / fy;
    if (strength(hi) >= target) {
      for (int i = 0; i < 80; ++i) {
        const Real mid = (lo + hi) / 2;
        (strength(mid) >= target ? hi : lo) = mid;
      }
    }
    lo = hi;
  }
  const TensionOnly f = FlexureOf(p, s, lo);
  Store(p.TSteelArea, lo);
  Store(p.BlockDepth, f.a);
  Store(p.MomentCap, FlexurePhiOfStrain(p, f.et) * f.mn / p.MomentFactor);
}

}  // namespace

void DesignTensionSteel(Problem& p) {
  // Design moment. Codes other than ACI meet their minimum reinforcement
  // through the moment: Mu when it exceeds 1.2 Mcr, otherwise the smaller of
  // 1.2 Mcr and 4/3 Mu.
  if (!RulesOf(p).minimumAreaByFormula) {
    StoreMinDesignMoment(p);
  } else {
    p.MinDesignMoment = p.MomentUlt;
  }
  const Real m = p.MinDesignMoment;

  const SectionShape s = ShapeOf(p);
  if (s.known) {
    const Real k = BlockStress(p);
    const Real fy = FactoredYield(p);
    const Real d = p.DepthT;
    const Real phi = p.Phi;
    const Real b = s.b;

    // Phi As fy' (d - a/2) = M with a = As fy' / (k b), over the whole top
    // width.
    const Real coefA = fy * fy * phi * Real(0.5) / (k * b);
    const Real coefB = -phi * fy * d;
    const Real coefC = ToFloat(Real(p.MomentFactor) * m);
    Store(p.TSteelArea, SmallerRoot(coefA, coefB, coefC));
    Store(p.BlockDepth, Real(p.TSteelArea) * fy / (k * b));

    StoreWebWidthMin(p);

    // Block below the flange: Asf balances the flange overhangs and carries
    // Mf; the web steel is designed for the rest of the moment.
    if (s.flanged && p.BlockDepth > s.hf) {
      const Real bw = s.bw;
      const Real hf = s.hf;
      const Real asf = k * (b - bw) * hf / fy;
      const Real mf = phi * asf * fy * (d - Real(0.5) * hf);
      const Real coefAw = fy * fy * phi * Real(0.5) / (k * bw);
      const Real coefCw = Real(p.MomentFactor) * m - mf;
      Store(p.TSteelArea, asf + SmallerRoot(coefAw, coefB, coefCw));
      Store(p.BlockDepth, (Real(p.TSteelArea) - asf) * fy / (k * bw));
    }
    if (RulesOf(p).flexurePhi == FlexurePhi::LrfdNetStrain) Lrfd9TensionSteel(p, s, m);
  }

  // ACI minimum: below the formula minimum the area becomes the smaller of
  // that minimum and 4/3 of the area the strength needs.
  if (RulesOf(p).minimumAreaByFormula) {
    StoreAciMinimumArea(p);
    p.MinTSteelArea = p.TSteelArea;
    Store(p.AsFourThirds, Real(4) / 3 * p.TSteelArea);
    if (p.TSteelArea < p.AsMinCode) {
      p.TSteelArea = p.AsFourThirds < p.AsMinCode ? p.AsFourThirds : p.AsMinCode;
    }
  }

  StressBlockLimits(p);
  if (RulesOf(p).flexurePhi != FlexurePhi::Constant) {
    Store(p.PhiUsed, FlexurePhiOfStrain(p, p.TSteelStrain));
  }

  // The area is given to three decimals of in^2 or in whole mm^2.
  if (p.Units == units::English) {
    Store(p.TSteelArea, RoundByPattern(p.TSteelArea, "#.###"));
  } else if (p.Units == units::Metric) {
    Store(p.TSteelArea, RoundByPattern(p.TSteelArea, "#."));
  }
}

}  // namespace kestal
