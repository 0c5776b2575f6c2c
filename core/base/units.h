// The two unit systems and the conversion of printed values between them.
#pragma once

namespace kesto {

inline constexpr int kGravityUnits = 0;
inline constexpr int kSiUnits = 1;
inline constexpr double kGravityAcceleration = 9.80665;

// Scales of convert: forces and moments 1.0; stresses that are kg/cm2 in gravity units 0.01;
// stresses that are t/cm2 in gravity units 10.0.
inline constexpr double kForceScale = 1.0;
inline constexpr double kConcreteStressScale = 0.01;
inline constexpr double kSteelStressScale = 10.0;

// The value to print: unchanged unless printing with an output unit other than the input unit;
// gravity to SI gives scale·value·g, SI to gravity value/g/scale.
double convert(double value, double scale, bool printing, int unitSystem, int outputUnitSystem);

}  // namespace kesto
