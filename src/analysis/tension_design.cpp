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
  if (RulesOf(p).flexurePhi == FlexurePhi::NetTensileStrain) {
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
