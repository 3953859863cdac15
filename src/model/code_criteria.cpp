#include "model/code_criteria.h"

#include "model/checked.h"
#include "model/code_rules.h"
#include "model/materials.h"
#include "model/numtext.h"

namespace kestal {

namespace {

// One row of default materials. The modulus of rupture is computed from the
// default f'c and rounded to the decimals of its format.
struct MaterialDefaults {
  float concreteStrength;
  float steelStrength;
  float er;
  float ec;
  float expFactor;
  bool setsAg;
  float ag;
  double rupture;     // coefficient of sqrt(f'c)
  double ruptureKsi;  // 1000 when f'c enters the rule in ksi, else 1
  double ruptureDivisor;
  const char* ruptureFormat;
};

struct Factors {
  float phi;
  float vPhi;
  float emax;
  float phiConc;
  float phiReinf;
};

bool MaterialRow(const CodeEdition& edition, bool english, MaterialDefaults& row) {
  const CodeFamily code = edition.family;
  if (code == CodeFamily::Aci) {
    // ACI 318-19 19.2.3.1: fr = 0.62 lambda sqrt(f'c) MPa (7.5 in psi, as before).
    const double siRupture = edition.rules.aci == AciForms::Aci19 ? 0.62 : 0.7;
    row = english
              ? MaterialDefaults{4000, 60000, 29000000, 3605000, 170000, true, 1, 7.5, 1, 1, "0.0"}
              : MaterialDefaults{25, 420, 200000, 23500, 30000, true, 25, siRupture, 1, 1, "0.000"};
  } else if (code == CodeFamily::Aashto || code == CodeFamily::Arema) {
    row = english
              ? MaterialDefaults{4000, 60000, 29000000, 3605000, 170000, true, 1, 7.5, 1, 1, "0.0"}
              : MaterialDefaults{28, 420, 200000, 23500, 30000, true, 25, 7.5, 1, 12, "0.000"};
  } else if (code == CodeFamily::Lrfd) {
    // LRFD keeps the aggregate size the previous code or the user left.
    row = english
              ? MaterialDefaults{4000, 60000, 29000000, 3640000, 1, false, 0, 240, 1000, 1, "0.0"}
              : MaterialDefaults{28, 420, 200000, 24000, 1, false, 0, 0.63, 1, 1, "0.000"};
  } else if (code == CodeFamily::Csa) {
    row = {25, 400, 200000, 22500, 30000, true, 20, 0.6, 1, 1, "0.000"};
  } else if (code == CodeFamily::Ohbdc) {
    row = {30, 400, 200000, 27400, 30000, true, 20, 0.5, 1, 1, "0.000"};
  } else if (code == CodeFamily::S6) {
    // The exposure box holds the maximum crack width, 0.35 mm.
    row = {30, 400, 200000, 25650, 0.35f, true, 20, 0.4, 1, 1, "0.000"};
  } else if (code == CodeFamily::UserDefined) {
    // The user-defined row carries the rupture modulus to three decimals.
    row = english ? MaterialDefaults{4000, 60000, 29000000, 3605000, 170000, true,
                                     1,    7.5,   1,        1,       "0.000"}
                  : MaterialDefaults{28, 420, 200000, 23500, 30000, true, 25, 7.5, 1, 12, "0.000"};
  } else {
    return false;
  }
  return true;
}

Factors FactorRow(CodeFamily code) {
  if (code == CodeFamily::Aci) return {0.9f, 0.75f, 0.003f, 1, 1};
  if (code == CodeFamily::Lrfd) return {0.9f, 0.9f, 0.003f, 1, 1};
  // The Canadian codes work with material resistance factors and carry
  // member factors of 1.
  if (code == CodeFamily::Csa) return {1, 1, 0.0035f, 0.65f, 0.85f};
  if (code == CodeFamily::Ohbdc) return {1, 1, 0.003f, 0.75f, 0.9f};
  if (code == CodeFamily::S6) return {1, 1, 0.0035f, 0.75f, 0.9f};
  return {0.9f, 0.85f, 0.003f, 1, 1};  // "aashto", "arema", "ud"
}

// The CSA stress-block ratios, rounded to three decimals and not below 0.67.
void StoreCsaBlockRatio(float& field, Real value) {
  Store(field, RoundByPattern(value.value(), "0.000"));
  if (field < 0.67f) field = 0.67f;
}

}  // namespace

void SetCodeDefaults(Problem& p) {
  const CodeFamily code = EditionOf(p).family;
  MaterialDefaults row{};
  if (!MaterialRow(EditionOf(p), p.Units == units::English, row)) return;

  p.ConcreteStrength = row.concreteStrength;
  p.SteelStrength = row.steelStrength;
  p.Er = row.er;
  p.Ec = row.ec;
  p.ExpFactor = row.expFactor;
  if (row.setsAg) p.Ag = row.ag;
  const Real rupture =
      Real(row.rupture) * Sqrt(Real(p.ConcreteStrength) / row.ruptureKsi) / row.ruptureDivisor;
  Store(p.Frup, RoundByPattern(rupture.value(), row.ruptureFormat));

  SetModularRatio(p);
  const Factors factors = FactorRow(code);
  p.Phi = factors.phi;
  p.VPhi = factors.vPhi;
  if (code == CodeFamily::Csa || code == CodeFamily::S6) {
    StoreCsaBlockRatio(p.A1, Real(0.85) - Real(0.0015) * Real(p.ConcreteStrength));
    StoreCsaBlockRatio(p.B1, Real(0.97) - Real(0.0025) * Real(p.ConcreteStrength));
  } else {
    p.A1 = 0.85f;
    p.B1 = 0.85f;
  }
  p.Emax = factors.emax;
  p.PhiConc = factors.phiConc;
  p.PhiReinf = factors.phiReinf;
  // The S6 crack width rule's bar-and-load-type factor.
  if (code == CodeFamily::S6) p.Cover = 1.7f;
  // AASHTO LRFD 9th: Ec (from the unit weight), fr and n follow the default f'c.
  if (EditionOf(p).rules.lrfd == LrfdForms::Ninth) SetMaterialFromStrength(p);
}

}  // namespace kestal
