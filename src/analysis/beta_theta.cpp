#include "analysis/beta_theta.h"

#include <array>

#include "model/checked.h"

namespace kestal {

namespace {

constexpr int kRows = 8;
constexpr int kColsA = 9;
constexpr int kColsB = 11;

// Table A, sections with transverse reinforcement: rows by vu / f'c, columns
// by the longitudinal strain.
constexpr std::array<float, kRows> kRowA = {0.075f, 0.1f, 0.125f, 0.15f,
                                            0.175f, 0.2f, 0.225f, 0.25f};
constexpr std::array<float, kColsA> kStrainA = {-0.0002f, -0.0001f, -0.00005f, 0.0f,  0.000125f,
                                                0.00025f, 0.0005f,  0.00075f,  0.001f};
constexpr float kThetaA[kRows][kColsA] = {
    {22.3f, 20.4f, 21.0f, 21.8f, 24.3f, 26.6f, 30.5f, 33.7f, 36.4f},
    {18.1f, 20.4f, 21.4f, 22.5f, 24.9f, 27.1f, 30.8f, 34.0f, 36.7f},
    {19.9f, 21.9f, 22.8f, 23.7f, 25.9f, 27.9f, 31.4f, 34.4f, 37.0f},
    {21.6f, 23.3f, 24.2f, 25.0f, 26.9f, 28.8f, 32.1f, 34.9f, 37.3f},
    {23.2f, 24.7f, 25.5f, 26.2f, 28.0f, 29.7f, 32.7f, 35.2f, 36.8f},
    {24.7f, 26.1f, 26.7f, 27.4f, 29.0f, 30.6f, 32.8f, 34.5f, 36.1f},
    {26.1f, 27.3f, 27.9f, 28.5f, 30.0f, 30.8f, 32.3f, 34.0f, 35.7f},
    {27.5f, 28.6f, 29.1f, 29.7f, 30.6f, 31.3f, 32.8f, 34.3f, 35.8f},
};
constexpr float kBetaA[kRows][kColsA] = {
    {6.32f, 4.75f, 4.10f, 3.75f, 3.24f, 2.94f, 2.59f, 2.38f, 2.23f},
    {3.79f, 3.38f, 3.24f, 3.14f, 2.91f, 2.75f, 2.50f, 2.32f, 2.18f},
    {3.18f, 2.99f, 2.94f, 2.87f, 2.74f, 2.62f, 2.42f, 2.26f, 2.13f},
    {2.88f, 2.79f, 2.78f, 2.72f, 2.60f, 2.52f, 2.36f, 2.21f, 2.08f},
    {2.73f, 2.66f, 2.65f, 2.60f, 2.52f, 2.44f, 2.28f, 2.14f, 1.96f},
    {2.63f, 2.59f, 2.52f, 2.51f, 2.43f, 2.37f, 2.14f, 1.94f, 1.79f},
    {2.53f, 2.45f, 2.42f, 2.40f, 2.34f, 2.14f, 1.86f, 1.73f, 1.64f},
    {2.39f, 2.39f, 2.33f, 2.33f, 2.12f, 1.93f, 1.70f, 1.58f, 1.50f},
};

// Table B, sections without transverse reinforcement: rows by the crack
// spacing parameter sxe (in), columns by the longitudinal strain.
constexpr std::array<float, kRows> kRowB = {5, 10, 15, 20, 30, 40, 60, 80};
constexpr std::array<float, kColsB> kStrainB = {-0.0002f,  -0.0001f, -0.00005f, 0.0f,
                                                0.000125f, 0.00025f, 0.0005f,   0.00075f,
                                                0.001f,    0.0015f,  0.002f};
constexpr float kThetaB[kRows][kColsB] = {
    {25.4f, 25.5f, 25.9f, 26.4f, 27.7f, 28.9f, 30.9f, 32.4f, 33.7f, 35.6f, 37.2f},
    {27.6f, 27.6f, 28.3f, 29.3f, 31.6f, 33.5f, 36.3f, 38.4f, 40.1f, 42.7f, 44.7f},
    {29.5f, 29.5f, 29.7f, 31.1f, 34.1f, 36.5f, 39.9f, 42.4f, 44.4f, 47.4f, 49.7f},
    {31.2f, 31.2f, 31.2f, 32.3f, 36.0f, 38.8f, 42.7f, 45.5f, 47.6f, 50.9f, 53.4f},
    {34.1f, 34.1f, 34.1f, 34.2f, 38.9f, 42.3f, 46.9f, 50.1f, 52.6f, 56.3f, 59.0f},
    {36.6f, 36.6f, 36.6f, 36.6f, 41.2f, 45.0f, 50.2f, 53.7f, 56.3f, 60.2f, 63.0f},
    {40.8f, 40.8f, 40.8f, 40.8f, 44.5f, 49.2f, 55.1f, 58.9f, 61.8f, 65.8f, 68.6f},
    {44.3f, 44.3f, 44.3f, 44.3f, 47.1f, 52.3f, 58.7f, 62.8f, 65.7f, 69.7f, 72.4f},
};
constexpr float kBetaB[kRows][kColsB] = {
    {6.36f, 6.06f, 5.56f, 5.15f, 4.41f, 3.91f, 3.26f, 2.86f, 2.58f, 2.21f, 1.96f},
    {5.78f, 5.78f, 5.38f, 4.89f, 4.05f, 3.52f, 2.88f, 2.50f, 2.23f, 1.88f, 1.65f},
    {5.34f, 5.34f, 5.27f, 4.73f, 3.82f, 3.28f, 2.64f, 2.26f, 2.01f, 1.68f, 1.46f},
    {4.99f, 4.99f, 4.99f, 4.61f, 3.65f, 3.09f, 2.46f, 2.09f, 1.85f, 1.52f, 1.31f},
    {4.46f, 4.46f, 4.46f, 4.43f, 3.39f, 2.82f, 2.19f, 1.84f, 1.60f, 1.30f, 1.10f},
    {4.06f, 4.06f, 4.06f, 4.06f, 3.20f, 2.62f, 2.00f, 1.66f, 1.43f, 1.14f, 0.95f},
    {3.50f, 3.50f, 3.50f, 3.50f, 2.92f, 2.32f, 1.72f, 1.40f, 1.18f, 0.92f, 0.75f},
    {3.10f, 3.10f, 3.10f, 3.10f, 2.71f, 2.11f, 1.52f, 1.21f, 1.01f, 0.76f, 0.62f},
};

// One table seen through 1-based row and column numbers, as the tables are
// printed.
struct Table {
  char name;
  int columns;
  const float* rowKeys;
  const float* strains;
  const float* theta;
  const float* beta;
  Real strainDivisor;  // 2 Es As with stirrups, Es As without
  Real strainLimit;    // the last column's strain

  float Row(int r) const { return rowKeys[r - 1]; }
  float Ex(int c) const { return strains[c - 1]; }
  float Theta(int r, int c) const { return theta[(r - 1) * columns + (c - 1)]; }
  float Beta(int r, int c) const { return beta[(r - 1) * columns + (c - 1)]; }
};

Table TableA(Real strainDivisor) {
  return Table{.name = 'A',
               .columns = kColsA,
               .rowKeys = kRowA.data(),
               .strains = kStrainA.data(),
               .theta = &kThetaA[0][0],
               .beta = &kBetaA[0][0],
               .strainDivisor = strainDivisor,
               .strainLimit = 0.001};
}

Table TableB(Real strainDivisor) {
  return Table{.name = 'B',
               .columns = kColsB,
               .rowKeys = kRowB.data(),
               .strains = kStrainB.data(),
               .theta = &kThetaB[0][0],
               .beta = &kBetaB[0][0],
               .strainDivisor = strainDivisor,
               .strainLimit = 0.002};
}

}  // namespace

// LRFD general method. The strain at mid-depth depends on theta through the
// shear term 0.5 Vu cot(theta), so the row is searched from the largest
// strain column down for a tried theta whose strain falls into its column's
// band (upper bound included).
BetaThetaCell BetaThetaSearch(Problem& p) {
  const bool withoutStirrups = p.ProblemType == problem_type::Review && p.VSteelArea < 0.001;
  const Real es = p.Er;
  const Real as = p.TSteelArea;
  const Real dv = p.ShearDepth;
  const Table t = withoutStirrups ? TableB(es * as) : TableA(Real(2) * es * as);
  const int n = t.columns;

  float key;
  if (withoutStirrups) {
    key = p.CrackSpacingSx;
  } else {
    key = ToFloat(Real(p.KiloFactor) * p.ShearUlt /
                  (Real(p.VPhi) * p.ConcreteStrength * p.WebWidthMin * dv));
  }

  int row = 0;
  if (key <= t.Row(1)) {
    row = 1;
  } else {
    for (int r = 2; r <= kRows; ++r) {
      if (t.Row(r - 1) < key && key <= t.Row(r)) {
        row = r;
        break;
      }
    }
  }
  BetaThetaCell cell;
  cell.table = t.name;
  if (row == 0) return cell;

  const auto momentTerm = [&] { return Abs(Real(p.MomentFactor) * p.ShearMoment) / dv; };
  const auto shear = [&] { return Abs(Real(p.KiloFactor) * p.ShearUlt); };
  // Strain for the angle now in Theta; stored before it is tested.
  const auto strainFor = [&](bool limited) {
    Real ex =
        (momentTerm() + Real(0.5) * shear() / Tan(Real(p.Theta) * 3.1416 / 180)) / t.strainDivisor;
    if (limited && ex > t.strainLimit) ex = t.strainLimit;
    Store(p.LongStrain, ex);
    return p.LongStrain;
  };
  const auto inBand = [&](float ex, int c) { return t.Ex(c - 1) < ex && ex <= t.Ex(c); };
  const auto result = [&](int c) {
    Store(p.Theta, t.Theta(row, c));
    Store(p.Beta, t.Beta(row, c));
    cell.found = true;
    cell.row = row;
    cell.column = c;
    return cell;
  };

  for (int c = n; c >= 2; --c) {
    Store(p.Theta, t.Theta(row, c));
    if (inBand(strainFor(true), c)) return result(c);
  }
  // A tried angle whose strain lands one band higher takes the values of
  // that higher column.
  for (int c = n - 1; c >= 1; --c) {
    Store(p.Theta, t.Theta(row, c));
    if (inBand(strainFor(true), c + 1)) return result(c + 1);
  }
  Store(p.Theta, t.Theta(row, 1));
  if (strainFor(false) <= t.Ex(1)) return result(1);

  Store(p.Theta, 0);
  if (row >= 2) {
    // Last resort for the higher rows: the strain with the full shear.
    Real ex = (momentTerm() + shear()) / t.strainDivisor;
    if (ex > t.strainLimit) ex = t.strainLimit;
    Store(p.LongStrain, ex);
    for (int c = n; c >= 2; --c) {
      if (inBand(p.LongStrain, c)) return result(c);
    }
  }
  return cell;
}

}  // namespace kestal
