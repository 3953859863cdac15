#include "analysis/service_stress.h"

#include "model/checked.h"

namespace kestal {

namespace {

// Positive root of a*x^2 + b*x + c = 0.
Real PositiveRoot(Real a, Real b, Real c) {
  return (-b + Sqrt(b * b - Real(4) * a * c)) / (Real(2) * a);
}

}  // namespace

// Elastic cracked transformed section: concrete carries no tension, the
// tensile steel is transformed with n and the compressive steel with 2n - 1
// (the concrete it displaces is taken out again). Fc and Fs are section
// moduli of the extreme compression fibre and of the tensile steel, so that
// stress = moment / modulus.
void ServiceLoadStress(Problem& p) {
  const bool flanged = p.SectionType == section::Box || p.SectionType == section::Tee;
  Real b = 0;
  Real hf = 0;
  Real bw = 0;
  if (p.SectionType == section::Rectangular) {
    b = p.RecB;
  } else if (p.SectionType == section::Box) {
    b = p.BoxBtop;
    hf = p.BoxHtop;
    bw = p.BoxBweb;
  } else if (p.SectionType == section::Tee) {
    b = p.TeeBtop;
    hf = p.TeeHtop;
    bw = p.TeeBweb;
  }
  const Real d = p.DepthT;
  const Real dc = p.DepthC;
  const Real as = p.TSteelArea;
  const Real asc = p.CSteelArea;
  const Real n = p.ModularRatio;

  Real x = 0;
  Real fc = 0;
  Real fs = 0;

  // Singly reinforced rectangle of the compression width (the flange width
  // for box and tee): k from the classic rho*n quadratic, lever arm j*d.
  if (p.SectionType == section::Rectangular || flanged) {
    const Real rho = as / (b * d);
    const Real rn = rho * n;
    const Real k = Sqrt(rn * rn + Real(2) * rn) - rn;
    const Real j = Real(1) - k / 3;
    x = k * d;
    fc = k * j * b * d * d / 2;
    fs = as * j * d;
  }

  // Neutral axis below the flange: T-section with the web below it. At
  // x == hf the rectangle of the flange width is exact and stands.
  if (flanged && x > hf) {
    const Real a = bw / 2;
    const Real bq = (b - bw) * hf + n * as;
    const Real c = -(b - bw) * hf * hf / 2 - n * as * d;
    x = PositiveRoot(a, bq, c);
    const float icr = ToFloat(bw * x * x * x / 12 + (b - bw) * hf * hf * hf / 12 +
                              (b - bw) * hf * (x - hf / 2) * (x - hf / 2) +
                              bw * x * (x / 2) * (x / 2) + n * as * (d - x) * (d - x));
    fc = Real(icr) / x;
    fs = Real(icr) / (n * (d - x));
  }

  // A depth to compressive steel of 0.005 or less means none was entered.
  // The section is then solved again from the rectangle of width b; the
  // flange test above is not repeated but made on the new root.
  if (dc > Real(0.005)) {
    const Real n2 = Real(2) * n - 1;
    x = PositiveRoot(b / 2, n2 * asc + n * as, -n2 * asc * dc - n * as * d);
    // Compressive steel above the neutral axis is not in compression: the
    // moduli found without it stand, while the reported axis is this root.
    if (x >= dc) {
      float icr =
          ToFloat(b * x * x * x / 3 + n2 * asc * (x - dc) * (x - dc) + n * as * (d - x) * (d - x));
      fc = Real(icr) / x;
      fs = Real(icr) / (n * (d - x));
      if (flanged && x > hf) {
        const Real a = bw / 2;
        const Real bq = (b - bw) * hf + n2 * asc + n * as;
        const Real c = -(b - bw) * hf * hf / 2 - n2 * asc * dc - n * as * d;
        x = PositiveRoot(a, bq, c);
        if (x >= dc) {
          icr = ToFloat(bw * x * x * x / 3 + (b - bw) * hf * hf * hf / 12 +
                        (b - bw) * hf * (x - hf / 2) * (x - hf / 2) +
                        n2 * asc * (x - dc) * (x - dc) + n * as * (d - x) * (d - x));
          fc = Real(icr) / x;
          fs = Real(icr) / (n * (d - x));
        }
      }
    }
  }

  // Stresses keep the sign of their moment.
  const Real f = p.MomentFactor;
  Store(p.ServConcStressMax, Real(p.MomentMax) * f / fc);
  Store(p.ServSteelStressMax, Real(p.MomentMax) * f / fs);
  Store(p.ServConcStressMin, Real(p.MomentMin) * f / fc);
  Store(p.ServSteelStressMin, Real(p.MomentMin) * f / fs);
  Store(p.ServSteelStressCrack, Real(p.CrackMoment) * f / fs);
  Store(p.ServNeutralAxis, x);
}

}  // namespace kestal
