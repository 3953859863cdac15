#include "model/code_rules.h"

namespace kestal {

namespace {

struct Entry {
  const char* key;
  CodeRules rules;
};

const Entry kCodes[] = {
    {code::AASHTO, {ShearMethod::Traditional, Ductility::MaxSteelArea, 0, false}},
    {code::AREMA, {ShearMethod::Traditional, Ductility::MaxSteelArea, 0, false}},
    {code::ACI, {ShearMethod::Traditional, Ductility::MinStrain, 0.004f, true}},
    {code::LRFD, {ShearMethod::LrfdStrain, Ductility::MinStrain, 0.005f, false}},
    {code::CSA, {ShearMethod::CsaStrain, Ductility::MaxCD, 0, false}},
    {code::S6, {ShearMethod::CsaStrain, Ductility::MaxCD, 0, false}},
    {code::OHBDC, {ShearMethod::None, Ductility::MaxCD, 0, false}},
    {code::UD, {ShearMethod::None, Ductility::None, 0, false}},
};

const CodeRules kUnknownCode{};

}  // namespace

const CodeRules& RulesOf(std::string_view codeKey) {
  for (const Entry& e : kCodes) {
    if (codeKey == e.key) return e.rules;
  }
  return kUnknownCode;
}

bool IsKnownCode(std::string_view codeKey) {
  return &RulesOf(codeKey) != &kUnknownCode;
}

}  // namespace kestal
