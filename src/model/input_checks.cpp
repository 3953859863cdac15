#include "model/input_checks.h"

#include <initializer_list>

#include "model/numtext.h"

namespace kestal {
namespace {

struct Named {
  const char* name;
  float value;
};

std::string Shown(const Named& f) {
  return std::string(f.name) + " = " + GeneralForm(f.value);
}

std::optional<std::string> Negative(std::initializer_list<Named> fields, const char* what) {
  for (const Named& f : fields) {
    if (f.value < 0) return Shown(f) + ": " + what + " cannot be negative";
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ShapeFault(const Problem& p, int32_t type) {
  switch (type) {
    case section::Rectangular:
      return Negative({{"RecB", p.RecB}, {"RecH", p.RecH}}, "a dimension");
    case section::Tee: {
      if (auto f = Negative({{"TeeH", p.TeeH},
                             {"TeeBtop", p.TeeBtop},
                             {"TeeHtop", p.TeeHtop},
                             {"TeeBweb", p.TeeBweb}},
                            "a dimension")) {
        return f;
      }
      if (p.TeeH > 0 && p.TeeHtop >= p.TeeH) {
        return Shown({"TeeHtop", p.TeeHtop}) + ": the flange must be thinner than the height " +
               Shown({"TeeH", p.TeeH});
      }
      return std::nullopt;
    }
    case section::Box: {
      if (auto f = Negative({{"BoxH", p.BoxH},
                             {"BoxBtop", p.BoxBtop},
                             {"BoxHtop", p.BoxHtop},
                             {"BoxBbot", p.BoxBbot},
                             {"BoxHbot", p.BoxHbot},
                             {"BoxBweb", p.BoxBweb}},
                            "a dimension")) {
        return f;
      }
      const double flanges = double(p.BoxHtop) + p.BoxHbot;
      if (p.BoxH > 0 && flanges >= p.BoxH) {
        return "BoxHtop + BoxHbot = " + GeneralForm(static_cast<float>(flanges)) +
               ": the two flanges together must be thinner than the height " +
               Shown({"BoxH", p.BoxH});
      }
      return std::nullopt;
    }
    default:
      return std::nullopt;
  }
}

bool DescribesShape(const Problem& p, int32_t type) {
  if (ShapeFault(p, type)) return false;
  switch (type) {
    case section::Rectangular:
      return p.RecB > 0 && p.RecH > 0;
    case section::Tee:
      return p.TeeH > 0 && p.TeeBtop > 0 && p.TeeBweb > 0;
    case section::Box:
      return p.BoxH > 0 && p.BoxBtop > 0 && p.BoxBbot > 0 && p.BoxBweb > 0;
    default:
      return false;
  }
}

std::optional<std::string> InputFault(const Problem& p) {
  if (p.SectionDefined >= 1) {
    if (auto f = ShapeFault(p, p.SectionType)) return f;
    const float height = p.SectionType == section::Rectangular ? p.RecH
                         : p.SectionType == section::Tee       ? p.TeeH
                         : p.SectionType == section::Box       ? p.BoxH
                                                               : 0;
    for (const Named& d : {Named{"DepthT", p.DepthT}, Named{"DepthC", p.DepthC}}) {
      if (height > 0 && d.value > height) {
        return Shown(d) + ": the steel must lie within the height " + GeneralForm(height);
      }
    }
  }
  if (auto f = Negative({{"TSteelArea", p.TSteelArea},
                         {"CSteelArea", p.CSteelArea},
                         {"VSteelArea", p.VSteelArea},
                         {"EffArea", p.EffArea}},
                        "an area")) {
    return f;
  }
  if (auto f = Negative({{"DepthT", p.DepthT},
                         {"DepthC", p.DepthC},
                         {"Cover", p.Cover},
                         {"sAv", p.sAv},
                         {"Ag", p.Ag}},
                        "a depth, spacing or size")) {
    return f;
  }
  if (auto f = Negative({{"ConcreteStrength", p.ConcreteStrength},
                         {"Frup", p.Frup},
                         {"SteelStrength", p.SteelStrength}},
                        "a strength")) {
    return f;
  }
  if (auto f =
          Negative({{"Ec", p.Ec}, {"Er", p.Er}, {"ModularRatio", p.ModularRatio}}, "a modulus")) {
    return f;
  }
  return Negative({{"Phi", p.Phi},
                   {"VPhi", p.VPhi},
                   {"PhiConc", p.PhiConc},
                   {"PhiReinf", p.PhiReinf},
                   {"A1", p.A1},
                   {"B1", p.B1},
                   {"Emax", p.Emax},
                   {"ExpFactor", p.ExpFactor}},
                  "a factor");
}

std::string MissingInputs(const Problem& p, std::initializer_list<Needed> needed) {
  std::string missing;
  for (const Needed n : needed) {
    const char* said = nullptr;
    switch (n) {
      case Needed::FactoredMoment:
        if (!(p.MomentUlt > 0)) said = "the factored moment is 0";
        break;
      case Needed::FactoredShear:
        if (!(p.ShearUlt > 0)) said = "the factored shear is 0";
        break;
      case Needed::TensileSteelArea:
        if (!(p.TSteelArea > 0)) said = "the tensile steel area is 0";
        break;
      case Needed::TensileSteelDepth:
        if (!(p.DepthT > 0)) said = "the depth to the tensile steel is 0";
        break;
      case Needed::Section:
        if (p.SectionDefined <= 0) said = "the section dimensions are not set";
        break;
    }
    if (said != nullptr) missing += (missing.empty() ? "" : "; ") + std::string(said);
  }
  return missing;
}

}  // namespace kestal
