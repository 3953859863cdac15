#pragma once

// Checked arithmetic for the calculations. A formula is written with Real
// values (double precision); division by zero, overflow, the square root of a
// negative number and an invalid result (NaN) throw CalcError at the
// operation that meets them, so a calculation stops exactly there and the
// fields it already stored keep their new values. Storing into a 32-bit field
// goes through Store, which also fails when the value is too large for a float.

#include <cfloat>
#include <cmath>
#include <compare>
#include <stdexcept>
#include <string>

namespace kestal {

enum class Fault { DivisionByZero, Overflow, NegativeRoot, Invalid };

class CalcError : public std::runtime_error {
 public:
  explicit CalcError(Fault fault);
  Fault fault() const { return fault_; }

 private:
  Fault fault_;
};

class Real {
 public:
  constexpr Real() = default;
  // Implicit on purpose: record fields (float) and constants (double) enter
  // formulas as Real without ceremony. A float is widened exactly.
  constexpr Real(double v) : v_(v) {}  // NOLINT(google-explicit-constructor)
  constexpr Real(float v) : v_(v) {}   // NOLINT(google-explicit-constructor)
  constexpr Real(int v) : v_(v) {}     // NOLINT(google-explicit-constructor)

  constexpr double value() const { return v_; }

  friend Real operator+(Real a, Real b) { return Checked(a.v_ + b.v_); }
  friend Real operator-(Real a, Real b) { return Checked(a.v_ - b.v_); }
  friend Real operator*(Real a, Real b) { return Checked(a.v_ * b.v_); }
  friend Real operator/(Real a, Real b) {
    if (b.v_ == 0) Fail(Fault::DivisionByZero);
    return Checked(a.v_ / b.v_);
  }
  friend Real operator-(Real a) { return Real(-a.v_); }

  Real& operator+=(Real b) { return *this = *this + b; }
  Real& operator-=(Real b) { return *this = *this - b; }
  Real& operator*=(Real b) { return *this = *this * b; }
  Real& operator/=(Real b) { return *this = *this / b; }

  friend bool operator==(Real a, Real b) { return a.v_ == b.v_; }
  friend auto operator<=>(Real a, Real b) { return a.v_ <=> b.v_; }

 private:
  // Every operation of every formula passes here: the test is inline, the
  // throw is not.
  static Real Checked(double r) {
    if (!std::isfinite(r)) FailNotFinite(r);
    return Real(r);
  }
  [[noreturn]] static void FailNotFinite(double r);
  [[noreturn]] static void Fail(Fault fault);
  double v_ = 0;
};

Real Sqrt(Real x);  // fails for x < 0
Real Abs(Real x);
Real Pow(Real x, Real y);  // fails for an invalid or overflowing result
Real Tan(Real radians);

// Rounds to a 32-bit float; fails when the value does not fit.
float ToFloat(Real x);
inline void Store(float& field, Real x) {
  field = ToFloat(x);
}

}  // namespace kestal
