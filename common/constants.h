// Mathematical constants of the suite, each written once.
#pragma once

// The double nearest pi (M_PI's value, without relying on a POSIX macro).
inline constexpr double pi = 3.14159265358979323846;
