#pragma once

// Every field of the record by name, so that a test can state which fields a
// procedure changed and which it left alone.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "model/problem.h"

namespace kestal::support {

struct FieldRef {
  const char* name;
  std::variant<float Problem::*, int32_t Problem::*, int16_t Problem::*, std::string Problem::*>
      member;
};

inline const std::vector<FieldRef>& AllFields() {
#define FIELD(name)       \
  FieldRef {              \
#name, &Problem::name \
  }
  static const std::vector<FieldRef> fields = {
      FIELD(Units),
      FIELD(ProblemType),
      FIELD(CodeKey),
      FIELD(SectionType),
      FIELD(MomentUlt),
      FIELD(MomentMax),
      FIELD(MomentMin),
      FIELD(ShearUlt),
      FIELD(TSteelArea),
      FIELD(CSteelArea),
      FIELD(VSteelArea),
      FIELD(sAv),
      FIELD(DepthT),
      FIELD(DepthC),
      FIELD(Cover),
      FIELD(EffArea),
      FIELD(ExpFactor),
      FIELD(ConcreteStrength),
      FIELD(SteelStrength),
      FIELD(ModularRatio),
      FIELD(RecB),
      FIELD(RecH),
      FIELD(BoxH),
      FIELD(BoxBtop),
      FIELD(BoxHtop),
      FIELD(BoxBbot),
      FIELD(BoxHbot),
      FIELD(BoxBweb),
      FIELD(TeeH),
      FIELD(TeeBtop),
      FIELD(TeeHtop),
      FIELD(TeeBweb),
      FIELD(Emax),
      FIELD(A1),
      FIELD(B1),
      FIELD(Phi),
      FIELD(VPhi),
      FIELD(PhiReinf),
      FIELD(PhiConc),
      FIELD(Er),
      FIELD(Ec),
      FIELD(Ag),
      FIELD(Frup),
      FIELD(OutSectProp),
      FIELD(OutMomCap),
      FIELD(OutShearCap),
      FIELD(OutServLoad),
      FIELD(OutFatStress),
      FIELD(OutCrackCon),
      FIELD(SectionDefined),
      FIELD(FormUpdating),
      FIELD(InputFile),
      FIELD(InputFileTitle),
      FIELD(OutputFile),
      FIELD(OutputFileTitle),
      FIELD(OutputTitle),
      FIELD(VersionText),
      FIELD(KiloFactor),
      FIELD(MomentArmFactor),
      FIELD(MomentFactor),
      FIELD(InchPerLength),
      FIELD(PsiPerStress),
      FIELD(RootStressDivisor),
      FIELD(DistNeutralAxis),
      FIELD(SectModulus),
      FIELD(SectHeight),
      FIELD(WebWidth),
      FIELD(CrackMoment),
      FIELD(CrackMoment12),
      FIELD(Moment40Crack),
      FIELD(GrossInertia),
      FIELD(CrackedInertia),
      FIELD(EffInertia),
      FIELD(BlockDepth),
      FIELD(MomentCap),
      FIELD(CSteelStrain),
      FIELD(CSteelStress),
      FIELD(WebWidthMin),
      FIELD(ShearDepth),
      FIELD(MaxTSteelArea),
      FIELD(MaxCD),
      FIELD(CDRatio),
      FIELD(TSteelStrain),
      FIELD(MinDesignMoment),
      FIELD(AsMinCode),
      FIELD(AsFourThirds),
      FIELD(MinTSteelArea),
      FIELD(ServConcStressMax),
      FIELD(ServConcStressMin),
      FIELD(ServSteelStressMax),
      FIELD(ServSteelStressMin),
      FIELD(ServSteelStressCrack),
      FIELD(ServNeutralAxis),
      FIELD(SteelStressRange),
      FIELD(AllowStressRange),
      FIELD(CrackControlStress),
      FIELD(MaxBarSpacing),
      FIELD(CrackSpacing),
      FIELD(RebarStrain),
      FIELD(CrackWidth),
      FIELD(CompExpFactor),
      FIELD(ConcShearCap),
      FIELD(MaxShearCap),
      FIELD(ShearMoment),
      FIELD(LongStrain),
      FIELD(CrackSpacingSx),
      FIELD(Beta),
      FIELD(Theta),
      FIELD(MinShearSteel),
      FIELD(MaxShearSpacing),
      FIELD(SteelShearCap),
      FIELD(MinLongSteel),
  };
#undef FIELD
  return fields;
}

// Names of the fields whose values differ (bit for bit for floats, so 0 and
// -0 differ).
inline std::vector<std::string> ChangedFields(const Problem& before, const Problem& after) {
  std::vector<std::string> changed;
  for (const FieldRef& f : AllFields()) {
    const bool same = std::visit(
        [&](auto member) {
          using T = std::decay_t<decltype(before.*member)>;
          if constexpr (std::is_same_v<T, float>) {
            return std::bit_cast<uint32_t>(before.*member) ==
                   std::bit_cast<uint32_t>(after.*member);
          } else {
            return before.*member == after.*member;
          }
        },
        f.member);
    if (!same) changed.emplace_back(f.name);
  }
  return changed;
}

inline std::vector<std::string> Sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

// A record whose every number holds a value no procedure sets, so that any
// field a procedure writes shows up as changed.
inline Problem MarkedProblem() {
  Problem p;
  int i = 0;
  for (const FieldRef& f : AllFields()) {
    ++i;
    std::visit(
        [&](auto member) {
          using T = std::decay_t<decltype(p.*member)>;
          if constexpr (std::is_same_v<T, std::string>) {
            p.*member = "mark" + std::to_string(i);
          } else {
            p.*member = static_cast<T>(-1000 - i);
          }
        },
        f.member);
  }
  return p;
}

}  // namespace kestal::support
