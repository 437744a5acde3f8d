// Mathematical constants of the suite, each written once.
#pragma once

// The double nearest pi (M_PI's value, without relying on a POSIX macro).
inline constexpr double pi = 3.14159265358979323846;

// A whole turn; doubling is exact, so this is the double nearest 2 pi.
inline constexpr double two_pi = 2.0 * pi;
