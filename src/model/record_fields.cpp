#include "model/record_fields.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <type_traits>

namespace kestal {

namespace {

#define KESTAL_FIELD(name) \
  FieldRef {               \
#name, &Problem::name  \
  }

const FieldRef kFields[] = {
    KESTAL_FIELD(Units),
    KESTAL_FIELD(ProblemType),
    KESTAL_FIELD(CodeKey),
    KESTAL_FIELD(SectionType),
    KESTAL_FIELD(MomentUlt),
    KESTAL_FIELD(MomentMax),
    KESTAL_FIELD(MomentMin),
    KESTAL_FIELD(ShearUlt),
    KESTAL_FIELD(TSteelArea),
    KESTAL_FIELD(CSteelArea),
    KESTAL_FIELD(VSteelArea),
    KESTAL_FIELD(sAv),
    KESTAL_FIELD(DepthT),
    KESTAL_FIELD(DepthC),
    KESTAL_FIELD(Cover),
    KESTAL_FIELD(EffArea),
    KESTAL_FIELD(ExpFactor),
    KESTAL_FIELD(ConcreteStrength),
    KESTAL_FIELD(SteelStrength),
    KESTAL_FIELD(ModularRatio),
    KESTAL_FIELD(RecB),
    KESTAL_FIELD(RecH),
    KESTAL_FIELD(BoxH),
    KESTAL_FIELD(BoxBtop),
    KESTAL_FIELD(BoxHtop),
    KESTAL_FIELD(BoxBbot),
    KESTAL_FIELD(BoxHbot),
    KESTAL_FIELD(BoxBweb),
    KESTAL_FIELD(TeeH),
    KESTAL_FIELD(TeeBtop),
    KESTAL_FIELD(TeeHtop),
    KESTAL_FIELD(TeeBweb),
    KESTAL_FIELD(Emax),
    KESTAL_FIELD(A1),
    KESTAL_FIELD(B1),
    KESTAL_FIELD(Phi),
    KESTAL_FIELD(VPhi),
    KESTAL_FIELD(PhiReinf),
    KESTAL_FIELD(PhiConc),
    KESTAL_FIELD(Er),
    KESTAL_FIELD(Ec),
    KESTAL_FIELD(Ag),
    KESTAL_FIELD(Frup),
    KESTAL_FIELD(OutSectProp),
    KESTAL_FIELD(OutMomCap),
    KESTAL_FIELD(OutShearCap),
    KESTAL_FIELD(OutServLoad),
    KESTAL_FIELD(OutFatStress),
    KESTAL_FIELD(OutCrackCon),
    KESTAL_FIELD(SectionDefined),
    KESTAL_FIELD(FormUpdating),
    KESTAL_FIELD(InputFile),
    KESTAL_FIELD(InputFileTitle),
    KESTAL_FIELD(OutputFile),
    KESTAL_FIELD(OutputFileTitle),
    KESTAL_FIELD(OutputTitle),
    KESTAL_FIELD(VersionText),
    KESTAL_FIELD(KiloFactor),
    KESTAL_FIELD(MomentArmFactor),
    KESTAL_FIELD(MomentFactor),
    KESTAL_FIELD(InchPerLength),
    KESTAL_FIELD(PsiPerStress),
    KESTAL_FIELD(RootStressDivisor),
    KESTAL_FIELD(DistNeutralAxis),
    KESTAL_FIELD(SectModulus),
    KESTAL_FIELD(SectHeight),
    KESTAL_FIELD(WebWidth),
    KESTAL_FIELD(CrackMoment),
    KESTAL_FIELD(CrackMoment12),
    KESTAL_FIELD(Moment40Crack),
    KESTAL_FIELD(GrossInertia),
    KESTAL_FIELD(CrackedInertia),
    KESTAL_FIELD(EffInertia),
    KESTAL_FIELD(BlockDepth),
    KESTAL_FIELD(MomentCap),
    KESTAL_FIELD(CSteelStrain),
    KESTAL_FIELD(CSteelStress),
    KESTAL_FIELD(WebWidthMin),
    KESTAL_FIELD(ShearDepth),
    KESTAL_FIELD(MaxTSteelArea),
    KESTAL_FIELD(MaxCD),
    KESTAL_FIELD(CDRatio),
    KESTAL_FIELD(TSteelStrain),
    KESTAL_FIELD(MinDesignMoment),
    KESTAL_FIELD(AsMinCode),
    KESTAL_FIELD(AsFourThirds),
    KESTAL_FIELD(MinTSteelArea),
    KESTAL_FIELD(ServConcStressMax),
    KESTAL_FIELD(ServConcStressMin),
    KESTAL_FIELD(ServSteelStressMax),
    KESTAL_FIELD(ServSteelStressMin),
    KESTAL_FIELD(ServSteelStressCrack),
    KESTAL_FIELD(ServNeutralAxis),
    KESTAL_FIELD(SteelStressRange),
    KESTAL_FIELD(AllowStressRange),
    KESTAL_FIELD(CrackControlStress),
    KESTAL_FIELD(MaxBarSpacing),
    KESTAL_FIELD(CrackSpacing),
    KESTAL_FIELD(RebarStrain),
    KESTAL_FIELD(CrackWidth),
    KESTAL_FIELD(CompExpFactor),
    KESTAL_FIELD(ConcShearCap),
    KESTAL_FIELD(MaxShearCap),
    KESTAL_FIELD(ShearMoment),
    KESTAL_FIELD(LongStrain),
    KESTAL_FIELD(CrackSpacingSx),
    KESTAL_FIELD(Beta),
    KESTAL_FIELD(Theta),
    KESTAL_FIELD(MinShearSteel),
    KESTAL_FIELD(MaxShearSpacing),
    KESTAL_FIELD(SteelShearCap),
    KESTAL_FIELD(MinLongSteel),
    KESTAL_FIELD(PhiUsed),
    KESTAL_FIELD(SizeEffect),
    KESTAL_FIELD(CrackZ),
};
#undef KESTAL_FIELD

const BoxField kBoxes[] = {
    // Main window.
    {"txtConcreteStrength", &Problem::ConcreteStrength},
    {"txtSteelStrength", &Problem::SteelStrength},
    {"txtModularRatio", &Problem::ModularRatio},
    {"txtMomentUlt", &Problem::MomentUlt},
    {"txtMomentMax", &Problem::MomentMax},
    {"txtMomentMin", &Problem::MomentMin},
    {"txtShearUlt", &Problem::ShearUlt},
    {"txtTSteelArea", &Problem::TSteelArea},
    {"txtCSteelArea", &Problem::CSteelArea},
    {"txtDepthT", &Problem::DepthT},
    {"txtDepthC", &Problem::DepthC},
    {"txtVSteelArea", &Problem::VSteelArea},
    {"txtsAv", &Problem::sAv},
    {"txtCover", &Problem::Cover},
    {"txtEffArea", &Problem::EffArea},
    {"txtExpFactor", &Problem::ExpFactor},
    // Code parameters window.
    {"txtEmax", &Problem::Emax},
    {"txtA1", &Problem::A1},
    {"txtB1", &Problem::B1},
    {"txtPhi", &Problem::Phi},
    {"txtVPhi", &Problem::VPhi},
    {"txtphiReinf", &Problem::PhiReinf},
    {"txtphiConc", &Problem::PhiConc},
    {"txtEr", &Problem::Er},
    {"txtEc", &Problem::Ec},
    {"txtfrup", &Problem::Frup},
    {"txtAg", &Problem::Ag},
    // Section dimensions window.
    {"txtRecB", &Problem::RecB},
    {"txtRecH", &Problem::RecH},
    {"txtBoxH", &Problem::BoxH},
    {"txtBoxBtop", &Problem::BoxBtop},
    {"txtBoxHtop", &Problem::BoxHtop},
    {"txtBoxBbot", &Problem::BoxBbot},
    {"txtBoxHbot", &Problem::BoxHbot},
    {"txtBoxBweb", &Problem::BoxBweb},
    {"txtTeeH", &Problem::TeeH},
    {"txtTeeBtop", &Problem::TeeBtop},
    {"txtTeeHtop", &Problem::TeeHtop},
    {"txtTeeBweb", &Problem::TeeBweb},
};

}  // namespace

std::span<const FieldRef> AllFields() {
  return kFields;
}

const FieldRef* FindField(std::string_view name) {
  const auto* it = std::find_if(std::begin(kFields), std::end(kFields),
                                [&](const FieldRef& f) { return f.name == name; });
  return it == std::end(kFields) ? nullptr : it;
}

std::span<const BoxField> BoxFields() {
  return kBoxes;
}

const BoxField* FindBox(std::string_view box) {
  const auto* it = std::find_if(std::begin(kBoxes), std::end(kBoxes),
                                [&](const BoxField& b) { return b.box == box; });
  return it == std::end(kBoxes) ? nullptr : it;
}

std::string FieldText(const Problem& p, const FieldRef& f) {
  return std::visit(
      [&](auto member) -> std::string {
        const auto& value = p.*member;
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
          return value;
        } else {
          std::array<char, 32> buf{};
          auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value);
          return std::string(buf.data(), end);
        }
      },
      f.member);
}

std::vector<std::string> ChangedFields(const Problem& before, const Problem& after) {
  std::vector<std::string> changed;
  for (const FieldRef& f : kFields) {
    if (FieldText(before, f) != FieldText(after, f)) changed.emplace_back(f.name);
  }
  return changed;
}

}  // namespace kestal
