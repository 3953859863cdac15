#pragma once

// Beams shared by the section and flexure tests: the usual materials of the
// worked examples (f'c 4000 psi, fy 60000 psi, Es 29,000,000 psi, A1 = B1 =
// 0.85, Emax 0.003, Phi 0.9, resistance factors 1), in either unit system.

#include <gtest/gtest.h>

#include "model/checked.h"
#include "model/problem.h"

namespace kestal::fixtures {

inline Problem EnglishBeam(const char* codeKey = code::AREMA) {
  Problem p;
  p.Units = units::English;
  p.CodeKey = codeKey;
  p.KiloFactor = 1000;
  p.MomentArmFactor = 12;
  p.MomentFactor = 12000;
  p.InchPerLength = 1;
  p.PsiPerStress = 1;
  p.RootStressDivisor = 1;
  p.ConcreteStrength = 4000;
  p.SteelStrength = 60000;
  p.Er = 29000000;
  p.A1 = 0.85f;
  p.B1 = 0.85f;
  p.Emax = 0.003f;
  p.Phi = 0.9f;
  p.PhiConc = 1;
  p.PhiReinf = 1;
  return p;
}

inline Problem MetricBeam(const char* codeKey = code::ACI) {
  Problem p = EnglishBeam(codeKey);
  p.Units = units::Metric;
  p.MomentArmFactor = 1000;
  p.MomentFactor = 1000000;
  p.InchPerLength = 0.0394f;
  p.PsiPerStress = 145;
  p.RootStressDivisor = 12;
  p.ConcreteStrength = 28;
  p.SteelStrength = 420;
  p.Er = 200000;
  return p;
}

inline void SetRectangle(Problem& p, float b, float h) {
  p.SectionType = section::Rectangular;
  p.RecB = b;
  p.RecH = h;
}

inline void SetTee(Problem& p, float h, float btop, float htop, float bweb) {
  p.SectionType = section::Tee;
  p.TeeH = h;
  p.TeeBtop = btop;
  p.TeeHtop = htop;
  p.TeeBweb = bweb;
}

inline void SetBox(Problem& p, float h, float btop, float htop, float bbot, float hbot,
                   float bweb) {
  p.SectionType = section::Box;
  p.BoxH = h;
  p.BoxBtop = btop;
  p.BoxHtop = htop;
  p.BoxBbot = bbot;
  p.BoxHbot = hbot;
  p.BoxBweb = bweb;
}

// The fault a calculation stops with; a test failure when it runs through.
template <typename F>
Fault FaultOf(F&& f) {
  try {
    f();
  } catch (const CalcError& e) {
    return e.fault();
  }
  ADD_FAILURE() << "the calculation ran without a fault";
  return Fault::Invalid;
}

}  // namespace kestal::fixtures
