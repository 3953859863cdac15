#include "analysis/gross_section.h"

#include "model/checked.h"
#include "model/code_rules.h"

namespace kestal {

namespace {

// Box or I section: the webs over the full height plus the overhangs of the
// top and bottom flanges, (flange width - total web width) x thickness. A
// flange narrower than the web gives a negative overhang, used as it is.
void BoxProps(Problem& p) {
  const Real atop = (Real(p.BoxBtop) - p.BoxBweb) * p.BoxHtop;
  const Real aweb = Real(p.BoxH) * p.BoxBweb;
  const Real abot = (Real(p.BoxBbot) - p.BoxBweb) * p.BoxHbot;

  const Real y =
      (atop * p.BoxHtop / 2 + aweb * p.BoxH / 2 + abot * (Real(p.BoxH) - Real(p.BoxHbot) / 2)) /
      (atop + aweb + abot);
  Store(p.DistNeutralAxis, y);

  const Real h = p.BoxH;
  const Real top = Real(p.BoxHtop);
  const Real bot = Real(p.BoxHbot);
  const Real inertia = Real(p.BoxBweb) * h * h * h / 12 +
                       (Real(p.BoxBtop) - p.BoxBweb) * top * top * top / 12 +
                       atop * (y - top / 2) * (y - top / 2) + aweb * (h / 2 - y) * (h / 2 - y) +
                       (Real(p.BoxBbot) - p.BoxBweb) * bot * bot * bot / 12 +
                       abot * (h - bot / 2 - y) * (h - bot / 2 - y);
  Store(p.SectModulus, inertia / (h - y));

  p.SectHeight = p.BoxH;
  p.WebWidth = p.BoxBweb;
}

// Tee: the web over the full height plus the overhang of the top flange.
void TeeProps(Problem& p) {
  const Real atop = (Real(p.TeeBtop) - p.TeeBweb) * p.TeeHtop;
  const Real aweb = Real(p.TeeH) * p.TeeBweb;

  const Real y = (atop * p.TeeHtop / 2 + aweb * p.TeeH / 2) / (atop + aweb);
  Store(p.DistNeutralAxis, y);

  const Real h = p.TeeH;
  const Real top = Real(p.TeeHtop);
  const Real inertia = Real(p.TeeBweb) * h * h * h / 12 +
                       (Real(p.TeeBtop) - p.TeeBweb) * top * top * top / 12 +
                       atop * (y - top / 2) * (y - top / 2) + aweb * (h / 2 - y) * (h / 2 - y);
  Store(p.SectModulus, inertia / (h - y));

  p.SectHeight = p.TeeH;
  p.WebWidth = p.TeeBweb;
}

}  // namespace

void GrossSectionProps(Problem& p) {
  switch (p.SectionType) {
    case section::Rectangular:
      Store(p.DistNeutralAxis, Real(p.RecH) / 2);
      Store(p.SectModulus, Real(p.RecH) * p.RecH * p.RecB / 6);
      p.SectHeight = p.RecH;
      p.WebWidth = p.RecB;
      break;
    case section::Box:
      BoxProps(p);
      break;
    case section::Tee:
      TeeProps(p);
      break;
    default:
      // An unknown shape keeps the properties of the last known one; the
      // cracking moments below are still worked out from them.
      break;
  }

  // Cracking moment f x S: lb-in to kip-ft, or N-mm to kN-m. Another unit
  // text leaves it as it was.
  if (p.Units == units::English) {
    Store(p.CrackMoment, Real(p.Frup) * p.SectModulus / 12000);
  } else if (p.Units == units::Metric) {
    Store(p.CrackMoment, Real(p.Frup) * p.SectModulus / 1000000);
  }
  switch (RulesOf(p).lrfd) {
    case LrfdForms::Earlier:
      Store(p.CrackMoment12, Real(1.2) * p.CrackMoment);
      break;
    case LrfdForms::Ninth:
      // AASHTO LRFD 9th 5.6.3.3: gamma3 gamma1 fr Sc, gamma1 = 1.6, gamma3 = 0.67 (A615 Grade 60).
      Store(p.CrackMoment12, Real(0.67) * Real(1.6) * p.CrackMoment);
      break;
  }
  // 40 % of the rupture stress at the bottom fibre. The divisor is 1000000 in
  // either unit system; crack control reads it in kN-m for Metric sections.
  Store(p.Moment40Crack, Real(0.4) * p.Frup * p.SectModulus / 1000000);
}

}  // namespace kestal
