#include "model/checked.h"

namespace kestal {

namespace {
const char* FaultText(Fault f) {
  switch (f) {
    case Fault::DivisionByZero:
      return "division by zero";
    case Fault::Overflow:
      return "overflow";
    case Fault::NegativeRoot:
      return "square root of a negative number";
    case Fault::Invalid:
      return "invalid floating-point operation";
  }
  return "floating-point fault";
}
}  // namespace

CalcError::CalcError(Fault fault) : std::runtime_error(FaultText(fault)), fault_(fault) {}

void Real::FailNotFinite(double r) {
  throw CalcError(std::isnan(r) ? Fault::Invalid : Fault::Overflow);
}

void Real::Fail(Fault fault) {
  throw CalcError(fault);
}

Real Sqrt(Real x) {
  if (x.value() < 0) throw CalcError(Fault::NegativeRoot);
  return Real(std::sqrt(x.value()));
}

Real Abs(Real x) {
  return Real(std::fabs(x.value()));
}

Real Pow(Real x, Real y) {
  const double r = std::pow(x.value(), y.value());
  if (std::isnan(r)) throw CalcError(Fault::Invalid);
  if (std::isinf(r)) throw CalcError(x.value() == 0 ? Fault::DivisionByZero : Fault::Overflow);
  return Real(r);
}

Real Tan(Real radians) {
  const double r = std::tan(radians.value());
  if (!std::isfinite(r)) throw CalcError(Fault::Overflow);
  return Real(r);
}

float ToFloat(Real x) {
  const double v = x.value();
  if (std::isnan(v)) throw CalcError(Fault::Invalid);
  if (!(std::fabs(v) < 0x1p128)) throw CalcError(Fault::Overflow);
  const float f = static_cast<float>(v);
  if (std::isinf(f)) throw CalcError(Fault::Overflow);
  return f;
}

}  // namespace kestal
