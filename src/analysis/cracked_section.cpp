#include "analysis/cracked_section.h"

#include "analysis/section_shape.h"
#include "model/checked.h"
#include "model/code_rules.h"

namespace kestal {

namespace {

// The larger root of a x^2 + b x + c = 0.
Real LargerRoot(Real a, Real b, Real c) {
  return (-b + Sqrt(b * b - 4 * a * c)) / (2 * a);
}

// CSA A23.3-19 9.8.2.3: Ie = Icr + (Ig - Icr) (Mcr / Ma)^3 <= Ig, with Mcr
// from fr / 2 (9.8.2.3 b).
void CsaInertia(Problem& p) {
  const Real mcr = Real(p.CrackMoment) / 2;
  const Real ma = p.MomentMax;
  if (ma <= 0 || ma <= mcr) {
    p.EffInertia = p.GrossInertia;
    return;
  }
  const Real ratio = mcr / ma;
  const Real icr = p.CrackedInertia;
  Store(p.EffInertia, icr + (Real(p.GrossInertia) - icr) * ratio * ratio * ratio);
}

}  // namespace

namespace {

// Effective inertia for the service moment: Ig while the section is
// uncracked, else interpolated by (Mcr / Ma)^3 with no further cap.
void BransonInertia(Problem& p) {
  const float ma = p.MomentMax;
  if (ma <= 0 || ma < p.CrackMoment) {
    p.EffInertia = p.GrossInertia;
  } else {
    const Real ratio = Real(p.CrackMoment) / ma;
    const Real r = ratio * ratio * ratio;
    Store(p.EffInertia, r * p.GrossInertia + (1 - r) * p.CrackedInertia);
  }
}

// ACI 318-19 Table 24.2.3.5: Ie = Ig for Ma <= (2/3) Mcr, else
// Ie = Icr / (1 - ((2/3) Mcr / Ma)^2 (1 - Icr / Ig)).
void Aci19Inertia(Problem& p) {
  const Real ma = p.MomentMax;
  const Real mcr = Real(2) / 3 * p.CrackMoment;
  if (ma <= 0 || ma <= mcr) {
    p.EffInertia = p.GrossInertia;
    return;
  }
  const Real ratio = mcr / ma;
  const Real icr = p.CrackedInertia;
  Store(p.EffInertia, icr / (1 - ratio * ratio * (1 - icr / p.GrossInertia)));
}

}  // namespace

void SectionInertias(Problem& p) {
  const SectionShape s = ShapeOf(p);
  if (s.known) {
    const Real n = p.ModularRatio;
    const Real as = p.TSteelArea;
    const Real asc = p.CSteelArea;
    const Real d = p.DepthT;
    const Real dc = p.DepthC;

    // Ig from the gross section: (h - centroid depth) x modulus to the bottom.
    Store(p.GrossInertia, (Real(s.h) - p.DistNeutralAxis) * p.SectModulus);

    // Cracked transformed section with the whole top width in compression.
    // The compression steel is transformed with (n - 1) whatever side of the
    // neutral axis it lies on.
    const Real b = s.b;
    Real x = LargerRoot(b / 2, (n - 1) * asc + n * as, -(n - 1) * asc * dc - n * as * d);
    Store(p.CrackedInertia,
          b * x * x * x / 3 + (n - 1) * asc * (x - dc) * (x - dc) + n * as * (d - x) * (d - x));

    // Neutral axis below the flange: the flange overhangs are in compression
    // over their whole thickness and the web carries the rest.
    if (s.flanged && x > Real(s.hf)) {
      const Real bw = s.bw;
      const Real hf = s.hf;
      x = LargerRoot(bw / 2, (n - 1) * asc + n * as + (b - bw) * hf,
                     hf * hf * (bw - b) / 2 - (n - 1) * asc * dc - n * as * d);
      Store(p.CrackedInertia, (b - bw) * hf * hf * hf / 12 +
                                  (b - bw) * hf * (x - hf / 2) * (x - hf / 2) + bw * x * x * x / 3 +
                                  (n - 1) * asc * (x - dc) * (x - dc) + n * as * (d - x) * (d - x));
    }
  }

  if (p.Units == units::English) {
    Store(p.CrackMoment, Real(p.Frup) * p.SectModulus / 12000);
  } else if (p.Units == units::Metric) {
    Store(p.CrackMoment, Real(p.Frup) * p.SectModulus / 1000000);
  }

  switch (RulesOf(p).effInertia) {
    case EffInertia::BransonCubic:
      return BransonInertia(p);
    case EffInertia::TwoThirdsCracking:
      return Aci19Inertia(p);
    case EffInertia::HalfRupture:
      return CsaInertia(p);
  }
}

}  // namespace kestal
