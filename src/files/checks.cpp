#include "files/checks.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <string_view>

#include "analysis/flexure_rules.h"
#include "model/code_rules.h"
#include "model/numtext.h"

namespace kestal {
namespace {

enum class Kind {
  Moment,
  MinSteel,
  Ductility,
  Shear,
  MaxShear,
  Spacing,
  ShearArea,
  LongSteel,
  Crack,
  Fatigue
};

// The clause of the editions whose articles are cited; the other codes name
// the code itself.
std::string ClauseOf(const Problem& p, Kind kind) {
  using Clauses = std::map<Kind, const char*>;
  static const std::map<std::string_view, Clauses> kCited = {
      {code::ACI19,
       {{Kind::Moment, "ACI 318-19 9.5.1.1"},
        {Kind::MinSteel, "ACI 318-19 9.6.1.2"},
        {Kind::Ductility, "ACI 318-19 9.3.3.1"},
        {Kind::Shear, "ACI 318-19 9.5.1.1, 22.5.1.1"},
        {Kind::MaxShear, "ACI 318-19 22.5.1.2"},
        {Kind::Spacing, "ACI 318-19 9.7.6.2.2"},
        {Kind::ShearArea, "ACI 318-19 9.6.3.4"},
        {Kind::Crack, "ACI 318-19 24.3.2"}}},
      {code::LRFD9,
       {{Kind::Moment, "AASHTO LRFD 9th 5.6.3.2"},
        {Kind::MinSteel, "AASHTO LRFD 9th 5.6.3.3"},
        {Kind::Shear, "AASHTO LRFD 9th 5.7.3.3"},
        {Kind::MaxShear, "AASHTO LRFD 9th 5.7.3.3"},
        {Kind::Spacing, "AASHTO LRFD 9th 5.7.2.6"},
        {Kind::ShearArea, "AASHTO LRFD 9th 5.7.2.5"},
        {Kind::LongSteel, "AASHTO LRFD 9th 5.7.3.5"},
        {Kind::Crack, "AASHTO LRFD 9th 5.6.7"},
        {Kind::Fatigue, "AASHTO LRFD 9th 5.5.3.2"}}},
      {code::CSA19,
       {{Kind::Moment, "CSA A23.3-19 10.1"},
        {Kind::MinSteel, "CSA A23.3-19 10.5.1.2"},
        {Kind::Ductility, "CSA A23.3-19 10.5.2"},
        {Kind::Shear, "CSA A23.3-19 11.3.3"},
        {Kind::MaxShear, "CSA A23.3-19 11.3.3"},
        {Kind::Spacing, "CSA A23.3-19 11.3.8"},
        {Kind::ShearArea, "CSA A23.3-19 11.2.8.2"},
        {Kind::LongSteel, "CSA A23.3-19 11.3.9"},
        {Kind::Crack, "CSA A23.3-19 10.6.1"}}},
  };
  const auto code = kCited.find(p.CodeKey);
  if (code != kCited.end()) {
    const auto clause = code->second.find(kind);
    if (clause != code->second.end()) return clause->second;
  }
  const char* panel = EditionOf(p).text.panel;
  return panel == nullptr ? std::string()
                          : std::string(panel).substr(std::string("Code = ").size());
}

struct Units {
  const char* moment;
  const char* force;
  const char* area;
  const char* length;
  const char* stress;
};

Units UnitsOf(const Problem& p) {
  if (p.Units == units::Metric) return {"kN-m", "kN", "mm^2", "mm", "MPa"};
  return {"kip-ft", "kips", "in^2", "in", "psi"};
}

class Builder {
 public:
  explicit Builder(const Problem& p) : p_(p) {}

  // demand <= limit
  void AtMost(const char* name, Kind kind, double demand, double limit, const char* unit) {
    Add(name, kind, demand, limit, demand <= limit, limit != 0 ? demand / limit : INFINITY, true,
        unit);
  }
  // demand (provided) >= limit (required)
  void AtLeast(const char* name, Kind kind, double provided, double required, const char* unit) {
    Add(name, kind, provided, required, provided >= required,
        provided != 0 ? required / provided : INFINITY, false, unit);
  }
  void NotDecided(const char* name, Kind kind) {
    Check c;
    c.name = name;
    c.decided = false;
    c.clause = ClauseOf(p_, kind);
    checks_.push_back(c);
  }
  std::vector<Check> Take() { return std::move(checks_); }

 private:
  void Add(const char* name, Kind kind, double demand, double limit, bool ok, double ratio,
           bool atMost, const char* unit) {
    checks_.push_back({name, demand, limit, ratio, ok, atMost, true, ClauseOf(p_, kind), unit});
  }
  const Problem& p_;
  std::vector<Check> checks_;
};

}  // namespace

std::vector<Check> ProblemChecks(const Problem& p, ProblemOption option) {
  Builder b(p);
  const Units u = UnitsOf(p);
  const CodeRules& rules = RulesOf(p);
  if (EditionOf(p).family == CodeFamily::UserDefined || EditionOf(p).family == CodeFamily::None) {
    b.NotDecided("User-defined criteria: no checks", Kind::Moment);
    return b.Take();
  }
  const bool review = option == ProblemOption::Review;
  const bool moment = option != ProblemOption::VDesign && p.SectionDefined >= 1 && p.DepthT > 0;

  if (moment) {
    if (review && p.MomentUlt > 0) {
      b.AtMost("Moment Mu <= phi Mn", Kind::Moment, p.MomentUlt, p.MomentCap, u.moment);
    }
    if (rules.minimumAreaByFormula) {
      if (review) {
        b.AtLeast("Minimum tensile steel", Kind::MinSteel, p.TSteelArea, p.MinTSteelArea, u.area);
      }
    } else if (review && p.MinDesignMoment > 0) {
      b.AtMost("Minimum steel: design moment <= phi Mn", Kind::MinSteel, p.MinDesignMoment,
               p.MomentCap, u.moment);
    }
    switch (rules.ductility) {
      case Ductility::MaxSteelArea:
        b.AtMost("Maximum tensile steel", Kind::Ductility, p.TSteelArea, p.MaxTSteelArea, u.area);
        break;
      case Ductility::MinStrain:
        b.AtLeast("Net tensile strain", Kind::Ductility, p.TSteelStrain, MinimumNetStrain(p), "");
        break;
      case Ductility::MaxCD:
        b.AtMost("c/d", Kind::Ductility, p.CDRatio, p.MaxCD, "");
        break;
      case Ductility::StrainShown:
        if (!review) {
          b.AtMost("Design moment <= phi Mn", Kind::Moment, p.MinDesignMoment, p.MomentCap,
                   u.moment);
        }
        break;
      case Ductility::None:
        break;
    }
  }

  const bool shear = option != ProblemOption::Design && rules.HasShearRules() && p.ShearUlt > 0 &&
                     p.ShearDepth > 0 && (!review || p.OutShearCap > 0);
  if (shear) {
    const bool steel = p.VSteelArea > 0 && p.sAv > 0;
    if (review) {
      b.AtMost("Shear Vu <= phi Vn", Kind::Shear, p.ShearUlt,
               static_cast<double>(p.ConcShearCap) + (steel ? p.SteelShearCap : 0), u.force);
    }
    if (!review || steel) {
      b.AtMost("Maximum shear", Kind::MaxShear, p.ShearUlt, p.MaxShearCap, u.force);
    }
    if (review && steel) {
      b.AtMost("Stirrup spacing", Kind::Spacing, p.sAv, p.MaxShearSpacing, u.length);
      b.AtLeast("Stirrup area", Kind::ShearArea, p.VSteelArea,
                static_cast<double>(p.MinShearSteel) * p.sAv, u.area);
    }
    if (review && rules.StrainShear()) {
      b.AtLeast("Longitudinal steel", Kind::LongSteel, p.TSteelArea, p.MinLongSteel, u.area);
    }
  }

  if (review && p.MomentMax != 0) {
    const CodeFamily family = EditionOf(p).family;
    if (p.Cover != 0 && p.OutCrackCon > 0) {
      if (rules.csa == CsaForms::A23_3_19) {
        b.AtMost("Crack control z (interior)", Kind::Crack, p.CrackZ, 30000, "N/mm");
      } else if (family == CodeFamily::Arema || family == CodeFamily::Aashto ||
                 family == CodeFamily::Csa) {
        b.AtMost("Crack control steel stress", Kind::Crack, p.ServSteelStressMax,
                 p.CrackControlStress, u.stress);
      } else if (family == CodeFamily::S6 && p.Units == units::Metric) {
        b.AtMost("Crack width", Kind::Crack, p.CrackWidth, p.ExpFactor, "mm");
      } else if (family == CodeFamily::Ohbdc && p.Units == units::Metric) {
        b.AtMost("Exposure factor", Kind::Crack, p.CompExpFactor, p.ExpFactor, "N/mm");
      } else if (family == CodeFamily::Aci || family == CodeFamily::Lrfd) {
        b.NotDecided("Crack control: bar spacing (not entered) against the maximum spacing",
                     Kind::Crack);
      }
    }
    if (p.OutFatStress > 0 && p.AllowStressRange > 0) {
      b.AtMost("Fatigue stress range", Kind::Fatigue, p.SteelStressRange, p.AllowStressRange,
               u.stress);
    }
  }
  return b.Take();
}

bool AnyCheckFails(const std::vector<Check>& checks) {
  for (const Check& c : checks) {
    if (c.decided && !c.ok) return true;
  }
  return false;
}

std::string CheckNumber(double v, int digits, char sign) {
  char text[40];
  std::snprintf(text, sizeof text, "%.*g", digits, v);
  std::string result = text;
  for (char& c : result) {
    if (c == '.') c = sign;
  }
  return result;
}

std::string CheckRatio(const Check& c) {
  return std::isfinite(c.ratio) ? FormatPattern(static_cast<float>(c.ratio), "0.000") : "-";
}

std::vector<std::string> CheckTableLines(const std::vector<Check>& checks) {
  std::vector<std::string> lines;
  for (const Check& c : checks) {
    std::string line = c.name + '\t';
    if (c.decided) {
      line += CheckNumber(c.demand) + '\t' + CheckNumber(c.limit) + '\t' + CheckRatio(c) + '\t' +
              (c.ok ? "OK" : "NOT OK");
    } else {
      line += "\t\t\tnot decided";
    }
    line += '\t' + c.clause + '\t' + c.unit;
    lines.push_back(line);
  }
  return lines;
}

}  // namespace kestal
