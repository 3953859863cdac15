#include "analysis/fatigue.h"

#include "model/checked.h"
#include "model/code_rules.h"

namespace kestal {

// Allowable fatigue stress range of the reinforcing bars. The highway and
// railway rules take 21 ksi less a third of the minimum stress plus a fixed
// bar deformation term (r/h = 0.3 gives 2400 psi, 16.5 MPa); the LRFD rule is
// a straight line in fmin/fy, used divided by 1.5; the Canadian bridge codes
// take a flat 125 MPa; the building codes have no fatigue limit (0). Units
// other than English and Metric leave the allowable range as it was.
void FatigueStress(Problem& p) {
  const Real fmin = p.ServSteelStressMin;
  const Real fy = p.SteelStrength;
  const CodeFamily key = EditionOf(p).family;
  const bool english = p.Units == units::English;
  const bool metric = p.Units == units::Metric;

  if (key == CodeFamily::Aashto || key == CodeFamily::Arema) {
    if (english) {
      Store(p.AllowStressRange, Real(21000) - Real(0.33) * fmin + 2400);
    } else if (metric) {
      Store(p.AllowStressRange, Real(145) - Real(0.33) * fmin + 16.5);
    }
  } else if (key == CodeFamily::Lrfd && RulesOf(p).lrfd == LrfdForms::Ninth) {
    // AASHTO LRFD 9th 5.5.3.2: (26 - 22 fmin / fy) ksi for the Fatigue I load
    // factor 1.75, as a range of the entered service moments: / 1.75.
    const Real range = (Real(26) - Real(22) * fmin / fy) * 1000 / p.PsiPerStress;
    if (english || metric) Store(p.AllowStressRange, range / 1.75);
  } else if (key == CodeFamily::Lrfd) {
    if (english) {
      Store(p.AllowStressRange, (Real(24000) - Real(20000) * fmin / fy) / 1.5);
    } else if (metric) {
      Store(p.AllowStressRange, (Real(166) - Real(138) * fmin / fy) / 1.5);
    }
  } else if (key == CodeFamily::S6 || key == CodeFamily::Ohbdc) {
    Store(p.AllowStressRange, 125);
  } else if (key == CodeFamily::Aci || key == CodeFamily::Csa || key == CodeFamily::UserDefined) {
    Store(p.AllowStressRange, 0);
  }

  Store(p.SteelStressRange, Real(p.ServSteelStressMax) - Real(p.ServSteelStressMin));
}

}  // namespace kestal
