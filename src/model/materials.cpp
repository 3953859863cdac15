#include "model/materials.h"

#include <cmath>

#include "model/checked.h"
#include "model/code_rules.h"
#include "model/numtext.h"

namespace kestal {

namespace {

// Nearest whole number, a tie going to the even one, whatever the rounding
// mode of the processor.
double RoundHalfEven(double x) {
  const double below = std::floor(x);
  const double fraction = x - below;
  if (fraction > 0.5) return below + 1;
  if (fraction < 0.5) return below;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

// A value rounded by its display format and stored: the field holds the
// rounded number, not the computed one.
void StoreRounded(float& field, Real value, const char* pattern) {
  Store(field, RoundByPattern(value.value(), pattern));
}

// The stress-block depth ratio of the US codes and OHBDC, kept within
// 0.65 to 0.85: first the upper bound, then the lower one, on the stored
// (rounded) value against the bounds as floats.
void StoreB1Within065To085(Problem& p, Real b1) {
  StoreRounded(p.B1, b1, "0.000");
  if (p.B1 > 0.85f) p.B1 = 0.85f;
  if (p.B1 < 0.65f) p.B1 = 0.65f;
}

// The CSA stress-block ratios are not taken below 0.67.
void StoreAtLeast067(float& field, Real value) {
  StoreRounded(field, value, "0.000");
  if (field < 0.67f) field = 0.67f;
}

}  // namespace

void SetModularRatio(Problem& p) {
  const Real ratio = Real(p.Er) / Real(p.Ec);
  Store(p.ModularRatio, RoundHalfEven(ratio.value()));
}

void SetMaterialFromStrength(Problem& p) {
  const bool english = p.Units == units::English;
  const CodeFamily code = EditionOf(p).family;

  p.A1 = 0.85f;

  const Real fc = Real(p.ConcreteStrength);
  if ((code == CodeFamily::Aci || code == CodeFamily::Aashto || code == CodeFamily::Arema) &&
      english) {
    StoreB1Within065To085(p, Real(0.85) - (fc - 4000) * 0.05 / 1000);
    StoreRounded(p.Ec, Real(57000) * Sqrt(fc), "0.");
    StoreRounded(p.Frup, Real(7.5) * Sqrt(fc), "0.0");
  } else if (code == CodeFamily::Aci && RulesOf(p).aci == AciForms::Aci19) {
    // ACI 318-19 Table 22.2.2.4.3: beta1 = 0.85 - 0.05 (f'c - 28) / 7 MPa.
    StoreB1Within065To085(p, Real(0.85) - (fc - 28) * 0.05 / 7);
    StoreRounded(p.Ec, Real(4700) * Sqrt(fc), "0.");
    // ACI 318-19 19.2.3.1: fr = 0.62 lambda sqrt(f'c), lambda = 1.
    StoreRounded(p.Frup, Real(0.62) * Sqrt(fc), "0.000");
  } else if (code == CodeFamily::Aci) {
    StoreB1Within065To085(p, Real(0.85) - (fc - 30) * 0.05 / 7);
    StoreRounded(p.Ec, Real(4700) * Sqrt(fc), "0.");
    StoreRounded(p.Frup, Real(0.7) * Sqrt(fc), "0.000");
  } else if (code == CodeFamily::Aashto || code == CodeFamily::Arema) {
    StoreB1Within065To085(p, Real(0.85) - (fc - 28) * 0.05 / 7);
    StoreRounded(p.Ec, Real(4700) * Sqrt(fc), "0.");
    // 7.5 sqrt(f'c) in psi, its coefficient brought to MPa.
    StoreRounded(p.Frup, Real(7.5) * Sqrt(fc) / 12, "0.000");
  } else if (code == CodeFamily::Lrfd && RulesOf(p).lrfd == LrfdForms::Ninth) {
    // The 9th edition is written in kips and inches: f'c in ksi, the results
    // converted back to the problem's units.
    const Real perKsi = Real(1000) / p.PsiPerStress;
    const Real fcKsi = fc / perKsi;
    if (english) {
      StoreB1Within065To085(p, Real(0.85) - (fc - 4000) * 0.05 / 1000);
    } else {
      StoreB1Within065To085(p, Real(0.85) - (fc - 28) * 0.05 / 7);
    }
    // AASHTO LRFD 9th 5.6.2.2: alpha1 = 0.85 to 10 ksi, less 0.02 per ksi above, >= 0.75.
    if (fcKsi > 10) {
      StoreRounded(p.A1, Real(0.85) - Real(0.02) * (fcKsi - 10), "0.000");
      if (p.A1 < 0.75f) p.A1 = 0.75f;
    }
    // Table 3.5.1-1: wc = 0.145 kcf to 5 ksi, 0.140 + 0.001 f'c to 15 ksi.
    const Real fcUnit = fcKsi > 15 ? Real(15) : fcKsi;
    const Real wc = fcKsi <= 5 ? Real(0.145) : Real(0.140) + Real(0.001) * fcUnit;
    // 5.4.2.4: Ec = 120,000 K1 wc^2 f'c^0.33 ksi, K1 = 1.
    StoreRounded(p.Ec, Real(120000) * wc * wc * Pow(fcKsi, 0.33) * perKsi, "0.");
    // 5.4.2.6: fr = 0.24 lambda sqrt(f'c) ksi, lambda = 1.
    StoreRounded(p.Frup, Real(0.24) * Sqrt(fcKsi) * perKsi, english ? "0.0" : "0.000");
  } else if (code == CodeFamily::Lrfd && english) {
    StoreB1Within065To085(p, Real(0.85) - (fc - 4000) * 0.05 / 1000);
    // The LRFD moduli are written with f'c in ksi.
    StoreRounded(p.Ec, Real(1820000) * Sqrt(fc / 1000), "0.");
    StoreRounded(p.Frup, Real(240) * Sqrt(fc / 1000), "0.0");
  } else if (code == CodeFamily::Lrfd) {
    StoreB1Within065To085(p, Real(0.85) - (fc - 28) * 0.05 / 7);
    StoreRounded(p.Ec, Real(4800) * Sqrt(fc), "0.");
    StoreRounded(p.Frup, Real(0.63) * Sqrt(fc), "0.000");
  } else if (code == CodeFamily::Ohbdc) {
    StoreB1Within065To085(p, Real(0.85) - (fc - 30) * 0.08 / 10);
    StoreRounded(p.Ec, Real(5000) * Sqrt(fc), "0.");
    StoreRounded(p.Frup, Real(0.5) * Sqrt(fc), "0.000");
  } else if (code == CodeFamily::Csa) {
    StoreAtLeast067(p.A1, Real(0.85) - Real(0.0015) * fc);
    StoreAtLeast067(p.B1, Real(0.97) - Real(0.0025) * fc);
    // Above 40 MPa the modulus follows the high-strength formula, for normal
    // density concrete of 2400 kg/m^3 against the reference 2300.
    if (fc <= 40) {
      StoreRounded(p.Ec, Real(4500) * Sqrt(fc), "0.");
    } else {
      StoreRounded(p.Ec, (Real(3300) * Sqrt(fc) + 6900) * Pow(Real(2400) / 2300, 1.5), "0.");
    }
    StoreRounded(p.Frup, Real(0.6) * Sqrt(fc), "0.000");
  } else if (code == CodeFamily::S6) {
    StoreAtLeast067(p.A1, Real(0.85) - Real(0.0015) * fc);
    StoreAtLeast067(p.B1, Real(0.97) - Real(0.0025) * fc);
    // Concrete density 2450 kg/m^3 against the reference 2300.
    StoreRounded(p.Ec, (Real(3000) * Sqrt(fc) + 6900) * Pow(Real(2450) / 2300, 1.5), "0.");
    StoreRounded(p.Frup, Real(0.4) * Sqrt(fc), "0.000");
  }

  SetModularRatio(p);
}

}  // namespace kestal
