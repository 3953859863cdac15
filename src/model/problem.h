#pragma once

#include <cstdint>
#include <string>

namespace kestal {

// Key strings, compared exactly as written.
namespace units {
inline constexpr const char* English = "English";
inline constexpr const char* Metric = "Metric";
}  // namespace units

namespace problem_type {
inline constexpr const char* Design = "design";    // design tensile steel
inline constexpr const char* VDesign = "Vdesign";  // design shear steel
inline constexpr const char* Review = "review";    // review a given section
}  // namespace problem_type

namespace code {
inline constexpr const char* AASHTO = "aashto";
inline constexpr const char* AREMA = "arema";
inline constexpr const char* LRFD = "lrfd";
inline constexpr const char* LRFD9 = "lrfd9";  // AASHTO LRFD 9th Edition (2020)
inline constexpr const char* ACI = "aci";
inline constexpr const char* ACI19 = "aci19";  // ACI 318-19
inline constexpr const char* CSA = "csa";
inline constexpr const char* CSA19 = "csa19";  // CSA A23.3-19
inline constexpr const char* S6 = "s6";
inline constexpr const char* S619 = "s619";  // CSA S6-19
inline constexpr const char* OHBDC = "ohbdc";
inline constexpr const char* UD = "ud";
}  // namespace code

// Section shapes, the index of the section-type list.
namespace section {
inline constexpr int32_t Rectangular = 0;
inline constexpr int32_t Box = 1;  // box or I
inline constexpr int32_t Tee = 2;
}  // namespace section

// The one design problem the program holds: every input, the criteria of the
// code, the unit factors, the output selections, the file names and every
// computed result. Numbers are 32-bit floats in the display units of `Units`;
// calculations work in double and store back to float. Everything starts
// zeroed; the start-up sequence fills it.
struct Problem {
  // Keys.
  std::string Units;
  std::string ProblemType;
  std::string CodeKey;
  int32_t SectionType = 0;

  // Loads (kip-ft / kN-m, kips / kN).
  float MomentUlt = 0;
  float MomentMax = 0;
  float MomentMin = 0;
  float ShearUlt = 0;

  // Reinforcement (in^2 / mm^2, in / mm).
  float TSteelArea = 0;
  float CSteelArea = 0;
  float VSteelArea = 0;
  float sAv = 0;
  float DepthT = 0;
  float DepthC = 0;

  // Crack-control inputs; their meaning depends on the code.
  float Cover = 0;
  float EffArea = 0;
  float ExpFactor = 0;

  // Materials.
  float ConcreteStrength = 0;
  float SteelStrength = 0;
  float ModularRatio = 0;

  // Section dimensions.
  float RecB = 0;
  float RecH = 0;
  float BoxH = 0;
  float BoxBtop = 0;
  float BoxHtop = 0;
  float BoxBbot = 0;
  float BoxHbot = 0;
  float BoxBweb = 0;
  float TeeH = 0;
  float TeeBtop = 0;
  float TeeHtop = 0;
  float TeeBweb = 0;

  // Code criteria and material constants.
  float Emax = 0;
  float A1 = 0;
  float B1 = 0;
  float Phi = 0;
  float VPhi = 0;
  float PhiReinf = 0;
  float PhiConc = 0;
  float Er = 0;
  float Ec = 0;
  float Ag = 0;
  float Frup = 0;

  // Output selections, 0 or 1.
  int32_t OutSectProp = 0;
  int32_t OutMomCap = 0;
  int32_t OutShearCap = 0;
  int32_t OutServLoad = 0;
  int32_t OutFatStress = 0;
  int32_t OutCrackCon = 0;

  // Working fields.
  int16_t SectionDefined = 0;
  int32_t FormUpdating = 0;

  // Files and titles.
  std::string InputFile;
  std::string InputFileTitle;
  std::string OutputFile;
  std::string OutputFileTitle;
  std::string OutputTitle;
  std::string VersionText;

  // Unit factors, the only bridge between the unit systems inside formulas.
  float KiloFactor = 0;
  float MomentArmFactor = 0;
  float MomentFactor = 0;
  float InchPerLength = 0;
  float PsiPerStress = 0;
  float RootStressDivisor = 0;

  // Gross section.
  float DistNeutralAxis = 0;
  float SectModulus = 0;
  float SectHeight = 0;
  float WebWidth = 0;
  float CrackMoment = 0;
  float CrackMoment12 = 0;
  float Moment40Crack = 0;

  // Cracked and effective section.
  float GrossInertia = 0;
  float CrackedInertia = 0;
  float EffInertia = 0;

  // Flexure.
  float BlockDepth = 0;
  float MomentCap = 0;
  float CSteelStrain = 0;
  float CSteelStress = 0;
  float WebWidthMin = 0;
  float ShearDepth = 0;
  float MaxTSteelArea = 0;
  float MaxCD = 0;
  float CDRatio = 0;
  float TSteelStrain = 0;
  float MinDesignMoment = 0;
  float AsMinCode = 0;
  float AsFourThirds = 0;
  float MinTSteelArea = 0;

  // Service load stress.
  float ServConcStressMax = 0;
  float ServConcStressMin = 0;
  float ServSteelStressMax = 0;
  float ServSteelStressMin = 0;
  float ServSteelStressCrack = 0;
  float ServNeutralAxis = 0;

  // Fatigue.
  float SteelStressRange = 0;
  float AllowStressRange = 0;

  // Crack control.
  float CrackControlStress = 0;
  float MaxBarSpacing = 0;
  float CrackSpacing = 0;
  float RebarStrain = 0;
  float CrackWidth = 0;
  float CompExpFactor = 0;

  // Shear.
  float ConcShearCap = 0;
  float MaxShearCap = 0;
  float ShearMoment = 0;
  float LongStrain = 0;
  float CrackSpacingSx = 0;
  float Beta = 0;
  float Theta = 0;

  // Shear steel.
  float MinShearSteel = 0;
  float MaxShearSpacing = 0;
  float SteelShearCap = 0;
  float MinLongSteel = 0;

  // Edition results: the flexure reduction factor applied (by the net
  // tensile strain) and the size effect factor of one-way shear; 0 under
  // the codes that have neither.
  float PhiUsed = 0;
  float SizeEffect = 0;
  // CSA A23.3-19 crack control: z = fs (dc A)^(1/3) of the service stress.
  float CrackZ = 0;
};

}  // namespace kestal
