#include "files/result_lines.h"
#include "model/code_rules.h"

namespace kestal {

namespace {
bool Is(const Problem& p, CodeFamily family) {
  return EditionOf(p).family == family;
}
}  // namespace

std::vector<ResultLine> SectionPropertyLines(const Problem& p) {
  std::vector<ResultLine> lines = {{"Gross moment of inertia     = ", p.GrossInertia},
                                   {"Gross section modulus       = ", p.SectModulus},
                                   {"Distance to neutral axis    = ", p.DistNeutralAxis},
                                   {"Cracked moment of inertia   = ", p.CrackedInertia}};
  if (p.MomentMax > 0) lines.push_back({"Effective moment of inertia = ", p.EffInertia});
  return lines;
}

std::vector<ResultLine> ServiceStressLines(const Problem& p) {
  return {{"Maximum steel stress    = ", p.ServSteelStressMax},
          {"Minimum steel stress    = ", p.ServSteelStressMin},
          {"Maximum concrete stress = ", p.ServConcStressMax},
          {"Minimum concrete stress = ", p.ServConcStressMin}};
}

FatigueLines FatigueResultLines(const Problem& p) {
  FatigueLines f;
  f.lines.push_back({"Steel stress range             = ", p.SteelStressRange});
  const ResultLine allowable{"Allowable fatigue stress range = ", p.AllowStressRange};
  if (Is(p, CodeFamily::Lrfd) || Is(p, CodeFamily::Aashto) || Is(p, CodeFamily::Arema)) {
    // These allowable ranges are stated in English and Metric units only.
    if (p.Units == units::English || p.Units == units::Metric) {
      f.lines.push_back(allowable);
    } else {
      f.warning = "*** Allowable fatigue stress range requires English or Metric units ***";
    }
  } else if (Is(p, CodeFamily::S6) || Is(p, CodeFamily::Ohbdc)) {
    // 125 MPa, whatever the units.
    f.lines.push_back(allowable);
  }
  return f;
}

bool CrackControlNeedsMetric(const Problem& p) {
  return (Is(p, CodeFamily::S6) || Is(p, CodeFamily::Ohbdc)) && p.Units != units::Metric;
}

std::vector<ResultLine> CrackControlLines(const Problem& p) {
  if (RulesOf(p).csa == CsaForms::A23_3_19) {
    // CSA A23.3-19 10.6.1: z at most 30,000 N/mm interior, 25,000 N/mm exterior exposure.
    return {{"Concrete cover            = ", p.Cover, true},
            {"Effective tension area    = ", p.EffArea, true},
            {"Maximum steel stress      = ", p.ServSteelStressMax},
            {"Computed z                = ", p.CrackZ},
            {"Limit z, interior         = ", 30000, true},
            {"Limit z, exterior         = ", 25000, true}};
  }
  if (Is(p, CodeFamily::Arema) || Is(p, CodeFamily::Aashto) || Is(p, CodeFamily::Csa)) {
    return {{"Concrete cover            = ", p.Cover, true},
            {"Effective tension area    = ", p.EffArea, true},
            {"Exposure factor           = ", p.ExpFactor, true},
            {"Maximum steel stress      = ", p.ServSteelStressMax},
            {"Allowable cracking stress = ", p.CrackControlStress}};
  }
  if (Is(p, CodeFamily::Lrfd)) {
    return {{"Concrete cover            = ", p.Cover, true},
            {"Exposure factor           = ", p.ExpFactor, true},
            {"Maximum rebar spacing     = ", p.MaxBarSpacing}};
  }
  if (Is(p, CodeFamily::Aci)) {
    return {{"Clear concrete cover      = ", p.Cover, true},
            {"Maximum rebar spacing     = ", p.MaxBarSpacing}};
  }
  if (Is(p, CodeFamily::S6)) {
    return {{"Rebar x load type factor  = ", p.Cover, true},
            {"Rebar diameter            = ", p.EffArea, true},
            {"Average crack spacing     = ", p.CrackSpacing},
            {"Average rebar strain      = ", p.RebarStrain},
            {"Computed crack width      = ", p.CrackWidth},
            {"Maximum crack width       = ", p.ExpFactor}};
  }
  if (Is(p, CodeFamily::Ohbdc)) {
    return {{"Clear concrete cover      = ", p.Cover, true},
            {"Clear rebar spacing       = ", p.EffArea, true},
            {"Moment at 40% fcrack      = ", p.Moment40Crack},
            {"Computed exposure factor  = ", p.CompExpFactor},
            {"Allowable exposure factor = ", p.ExpFactor}};
  }
  return {};
}

}  // namespace kestal
