#pragma once

// What each design code has, in one table: whether the program has shear
// rules for it and by which method, how it limits the ductility of a
// section, and how it meets the minimum reinforcement. A code key outside
// the eight known ones has nothing.

#include <string_view>

#include "model/problem.h"

namespace kestal {

enum class ShearMethod {
  None,         // no shear rules ("ohbdc", "ud")
  Traditional,  // Vc from sqrt(f'c), d as the shear depth ("aashto", "aci", "arema")
  LrfdStrain,   // general method with the beta and theta tables ("lrfd")
  CsaStrain,    // Canadian strain method ("csa", "s6")
};

enum class Ductility {
  None,          // no limit ("ud")
  MaxSteelArea,  // 0.75 of the balanced area ("aashto", "arema")
  MinStrain,     // net tensile strain at least minStrain ("aci", "lrfd")
  MaxCD,         // c/d at most MaxCD ("csa", "s6", "ohbdc")
};

struct CodeRules {
  ShearMethod shear = ShearMethod::None;
  Ductility ductility = Ductility::None;
  float minStrain = 0;  // Ductility::MinStrain only
  // ACI: a minimum area by formula; the other codes meet the minimum through
  // the design moment (1.2 Mcr or 4/3 Mu).
  bool minimumAreaByFormula = false;

  bool HasShearRules() const { return shear != ShearMethod::None; }
  // The strain methods, which also ask for the minimum longitudinal steel.
  bool StrainShear() const {
    return shear == ShearMethod::LrfdStrain || shear == ShearMethod::CsaStrain;
  }
};

const CodeRules& RulesOf(std::string_view codeKey);
// True for the eight keys of the table, compared exactly.
bool IsKnownCode(std::string_view codeKey);
inline const CodeRules& RulesOf(const Problem& p) {
  return RulesOf(p.CodeKey);
}

}  // namespace kestal
