#pragma once

// Every field of a problem as "Name=value" lines, floats by their bit pattern,
// so a test can tell that a failed command left the problem exactly as it
// was and print which fields differ when it did not.

#include <bit>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "model/problem.h"

namespace kestal::testing {

inline void Add(std::vector<std::string>& out, const char* name, float v) {
  char bits[16];
  std::snprintf(bits, sizeof bits, "%08x", static_cast<unsigned>(std::bit_cast<uint32_t>(v)));
  out.push_back(std::string(name) + "=" + bits + " (" + std::to_string(v) + ")");
}

inline void Add(std::vector<std::string>& out, const char* name, int32_t v) {
  out.push_back(std::string(name) + "=" + std::to_string(v));
}

inline void Add(std::vector<std::string>& out, const char* name, int16_t v) {
  out.push_back(std::string(name) + "=" + std::to_string(v));
}

inline void Add(std::vector<std::string>& out, const char* name, const std::string& v) {
  out.push_back(std::string(name) + "=\"" + v + "\"");
}

inline std::vector<std::string> Snapshot(const Problem& p) {
  std::vector<std::string> out;
  Add(out, "Units", p.Units);
  Add(out, "ProblemType", p.ProblemType);
  Add(out, "CodeKey", p.CodeKey);
  Add(out, "SectionType", p.SectionType);
  Add(out, "MomentUlt", p.MomentUlt);
  Add(out, "MomentMax", p.MomentMax);
  Add(out, "MomentMin", p.MomentMin);
  Add(out, "ShearUlt", p.ShearUlt);
  Add(out, "TSteelArea", p.TSteelArea);
  Add(out, "CSteelArea", p.CSteelArea);
  Add(out, "VSteelArea", p.VSteelArea);
  Add(out, "sAv", p.sAv);
  Add(out, "DepthT", p.DepthT);
  Add(out, "DepthC", p.DepthC);
  Add(out, "Cover", p.Cover);
  Add(out, "EffArea", p.EffArea);
  Add(out, "ExpFactor", p.ExpFactor);
  Add(out, "ConcreteStrength", p.ConcreteStrength);
  Add(out, "SteelStrength", p.SteelStrength);
  Add(out, "ModularRatio", p.ModularRatio);
  Add(out, "RecB", p.RecB);
  Add(out, "RecH", p.RecH);
  Add(out, "BoxH", p.BoxH);
  Add(out, "BoxBtop", p.BoxBtop);
  Add(out, "BoxHtop", p.BoxHtop);
  Add(out, "BoxBbot", p.BoxBbot);
  Add(out, "BoxHbot", p.BoxHbot);
  Add(out, "BoxBweb", p.BoxBweb);
  Add(out, "TeeH", p.TeeH);
  Add(out, "TeeBtop", p.TeeBtop);
  Add(out, "TeeHtop", p.TeeHtop);
  Add(out, "TeeBweb", p.TeeBweb);
  Add(out, "Emax", p.Emax);
  Add(out, "A1", p.A1);
  Add(out, "B1", p.B1);
  Add(out, "Phi", p.Phi);
  Add(out, "VPhi", p.VPhi);
  Add(out, "PhiReinf", p.PhiReinf);
  Add(out, "PhiConc", p.PhiConc);
  Add(out, "Er", p.Er);
  Add(out, "Ec", p.Ec);
  Add(out, "Ag", p.Ag);
  Add(out, "Frup", p.Frup);
  Add(out, "OutSectProp", p.OutSectProp);
  Add(out, "OutMomCap", p.OutMomCap);
  Add(out, "OutShearCap", p.OutShearCap);
  Add(out, "OutServLoad", p.OutServLoad);
  Add(out, "OutFatStress", p.OutFatStress);
  Add(out, "OutCrackCon", p.OutCrackCon);
  Add(out, "SectionDefined", p.SectionDefined);
  Add(out, "FormUpdating", p.FormUpdating);
  Add(out, "InputFile", p.InputFile);
  Add(out, "InputFileTitle", p.InputFileTitle);
  Add(out, "OutputFile", p.OutputFile);
  Add(out, "OutputFileTitle", p.OutputFileTitle);
  Add(out, "OutputTitle", p.OutputTitle);
  Add(out, "VersionText", p.VersionText);
  Add(out, "KiloFactor", p.KiloFactor);
  Add(out, "MomentArmFactor", p.MomentArmFactor);
  Add(out, "MomentFactor", p.MomentFactor);
  Add(out, "InchPerLength", p.InchPerLength);
  Add(out, "PsiPerStress", p.PsiPerStress);
  Add(out, "RootStressDivisor", p.RootStressDivisor);
  Add(out, "DistNeutralAxis", p.DistNeutralAxis);
  Add(out, "SectModulus", p.SectModulus);
  Add(out, "SectHeight", p.SectHeight);
  Add(out, "WebWidth", p.WebWidth);
  Add(out, "CrackMoment", p.CrackMoment);
  Add(out, "CrackMoment12", p.CrackMoment12);
  Add(out, "Moment40Crack", p.Moment40Crack);
  Add(out, "GrossInertia", p.GrossInertia);
  Add(out, "CrackedInertia", p.CrackedInertia);
  Add(out, "EffInertia", p.EffInertia);
  Add(out, "BlockDepth", p.BlockDepth);
  Add(out, "MomentCap", p.MomentCap);
  Add(out, "CSteelStrain", p.CSteelStrain);
  Add(out, "CSteelStress", p.CSteelStress);
  Add(out, "WebWidthMin", p.WebWidthMin);
  Add(out, "ShearDepth", p.ShearDepth);
  Add(out, "MaxTSteelArea", p.MaxTSteelArea);
  Add(out, "MaxCD", p.MaxCD);
  Add(out, "CDRatio", p.CDRatio);
  Add(out, "TSteelStrain", p.TSteelStrain);
  Add(out, "MinDesignMoment", p.MinDesignMoment);
  Add(out, "AsMinCode", p.AsMinCode);
  Add(out, "AsFourThirds", p.AsFourThirds);
  Add(out, "MinTSteelArea", p.MinTSteelArea);
  Add(out, "ServConcStressMax", p.ServConcStressMax);
  Add(out, "ServConcStressMin", p.ServConcStressMin);
  Add(out, "ServSteelStressMax", p.ServSteelStressMax);
  Add(out, "ServSteelStressMin", p.ServSteelStressMin);
  Add(out, "ServSteelStressCrack", p.ServSteelStressCrack);
  Add(out, "ServNeutralAxis", p.ServNeutralAxis);
  Add(out, "SteelStressRange", p.SteelStressRange);
  Add(out, "AllowStressRange", p.AllowStressRange);
  Add(out, "CrackControlStress", p.CrackControlStress);
  Add(out, "MaxBarSpacing", p.MaxBarSpacing);
  Add(out, "CrackSpacing", p.CrackSpacing);
  Add(out, "RebarStrain", p.RebarStrain);
  Add(out, "CrackWidth", p.CrackWidth);
  Add(out, "CompExpFactor", p.CompExpFactor);
  Add(out, "ConcShearCap", p.ConcShearCap);
  Add(out, "MaxShearCap", p.MaxShearCap);
  Add(out, "ShearMoment", p.ShearMoment);
  Add(out, "LongStrain", p.LongStrain);
  Add(out, "CrackSpacingSx", p.CrackSpacingSx);
  Add(out, "Beta", p.Beta);
  Add(out, "Theta", p.Theta);
  Add(out, "MinShearSteel", p.MinShearSteel);
  Add(out, "MaxShearSpacing", p.MaxShearSpacing);
  Add(out, "SteelShearCap", p.SteelShearCap);
  Add(out, "MinLongSteel", p.MinLongSteel);
  return out;
}

}  // namespace kestal::testing
