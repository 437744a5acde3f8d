// The transform by chirp-z transforms, and its bound against the scalar loop.
//
// The model. Times t_i = t0 + m_i h + delta_i (m_i rising integers, delta_i
// small and exact to double-double), frequencies w_k = 2 pi f_k = omega0 +
// k Omega + eta_k (eta_k small, exact likewise). With theta = h Omega, the
// grid index m = b0 + j of a block starting at b0 and the grid's centre mc:
//   t w = psi_bk + chi_j - theta (k - j)^2 / 2 + eps,
//   psi_bk = t0 w_k + mc h eta_k + h omega0 b0 + theta b0 k + theta k^2 / 2,
//   chi_j = h omega0 j + theta j^2 / 2,  eps = delta w_k + (m - mc) h eta_k,
// since theta j k = theta (j^2 + k^2 - (k - j)^2) / 2. Expanding e^{i eps} to
// 1 + i eps - (delta w)^2 / 2, every block's sum is e^{i psi} times four
// convolutions of a_q e^{i chi} with the chirp e^{-i theta d^2 / 2}, a_q = y,
// y delta, y (m - mc), y delta^2, each a cyclic convolution by the suite's own
// FFT (Bluestein's algorithm).
//
// The bound, on how far the scalar loop's sum may lie from ours, adds:
// - the FFT's error: Higham, Accuracy and Stability of Numerical Algorithms
//   (2nd ed.), Theorem 24.2, for each forward and inverse transform as a
//   backward error in the 2-norm, carried to each output of the convolution
//   by Cauchy-Schwarz; the pointwise product's rounding; all of it twice
//   over, for the transform's order of operations;
// - the phasors' error: phases in double-double, reduced to one turn, the
//   maths library's scalar sine and cosine within 2 ulp (double_double.h);
// - the dropped terms of e^{i eps}: |eps|^3 / 6 and the cross terms;
// - the scalar loop's own distance from the exact sum: its phase rounding
//   u |t w| per term, its sine and cosine (scalar_trig_error), its two
//   products, and its additions, u times the sum of its partial sums'
//   magnitudes, bounded within each block from the partial sums at the
//   block's ends and the block's sum of |y|.
// Every number involved lies well inside the normal range (fit_chirp_model), so
// each rounding is relative.
#include "spectral/transform/dft_chirp.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <vector>

#include "spectral/transform/dft_constants.h"
#include "spectral/transform/double_double.h"
#include "spectral/transform/fft.h"

namespace {

using dft_constants::inv_sqrt_two_pi;
using dft_constants::rounded_up;
using dft_constants::rounding_gamma;
using dft_constants::scalar_term_error;
using dft_constants::unit_roundoff;
namespace dd = double_double;

constexpr double u = unit_roundoff;
// The model is worth computing only where its expansion is short.
constexpr double largest_eps = 1e-3;
// Gaps may leave at most this many grid points a sample.
constexpr double largest_gap_share = 4.0;
// Magnitudes of values, time steps and frequencies inside which no product
// of the computation leaves the normal range.
constexpr double least_magnitude = 0x1p-150, largest_magnitude = 0x1p150;
// Remainders of the times below this fraction of the step count as 0.
constexpr double negligible_remainder = 0x1p-100;
// The phases' magnitudes up to which their reduction holds.
constexpr double largest_phase = 0x1p58;
constexpr int least_log2_points = 12, most_log2_points = 24;

bool inside(double v)
{
    return std::fabs(v) >= least_magnitude && std::fabs(v) <= largest_magnitude;
}

// The straight line through the first and last frequency and each
// frequency's distance from it, or none (an empty eta).
FrequencyLine fit_frequency_line(const double* f, int count)
{
    FrequencyLine l;
    l.w.resize(count);
    for (int k = 0; k < count; ++k)
        l.w[k] = two_pi * f[k];
    const std::vector<double>& w = l.w;
    if (count < 2)
        return l;
    l.omega0 = w[0];
    l.omega = (w[count - 1] - w[0]) / (count - 1);
    if (!inside(l.omega) || !(std::fabs(l.omega0) <= largest_magnitude))
        return l;
    l.eta.resize(count);
    for (int k = 0; k < count; ++k) {
        const dd::Number s = dd::two_sum(w[k], -l.omega0);
        const dd::Number p = dd::two_product(k, l.omega);
        const dd::Number r = dd::add(s, {-p.hi, -p.lo});
        l.eta[k] = r.hi;
        l.largest_eta = std::max(l.largest_eta, std::fabs(r.hi));
        l.eta_error = std::max(l.eta_error, std::fabs(r.lo) + dd::relative_error *
                                                                (std::fabs(s.hi) + std::fabs(p.hi)));
    }
    return l;
}

// Transforms of 2^p points, p the least for which a block holds at least
// twice as many grid points as there are frequencies (the convolution needs
// points + count - 1), or all of them in one block where fewer.
int choose_log2_points(int points, int count)
{
    int p = least_log2_points;
    while (p < most_log2_points && (1 << p) < 3 * count)
        ++p;
    while (p > least_log2_points && (1 << (p - 1)) >= points + count - 1)
        --p;
    return (1 << p) >= count + 1 ? p : 0;
}

}  // namespace

ChirpModel fit_chirp_model(const double* t, const double* y, int n, const double* f, int count)
{
    ChirpModel model;
    for (int i = 0; i < n; ++i)
        if (y[i] != 0.0 && !inside(y[i]))
            return model;
    model.time = uniform_times(t, n);
    if (model.time.points == 0)
        return model;
    model.frequency = fit_frequency_line(f, count);
    if (model.frequency.eta.empty())
        return model;
    for (int k = 0; k < count; ++k)
        model.largest_w = std::max(model.largest_w, std::fabs(model.frequency.w[k]));
    const UniformTimes& g = model.time;
    const double grid_span = g.points * g.h;
    if (!inside(g.h) || !inside(model.largest_w) || !inside(t[1] - t[0]) ||
        model.largest_w * g.largest_delta > largest_eps ||
        grid_span * model.frequency.largest_eta > largest_eps)
        return model;
    const int p = choose_log2_points(g.points, count);
    if (p == 0)
        return model;
    const int points = 1 << p;
    const double theta = std::fabs(g.h * model.frequency.omega);
    const double largest =
        std::fabs(g.t0) * model.largest_w +
        2.0 * grid_span * (std::fabs(model.frequency.omega0) + count * std::fabs(model.frequency.omega)) +
        theta * static_cast<double>(points) * points;
    if (!(largest < largest_phase))
        return model;
    model.largest_phase = largest;
    model.block_points = points - count + 1;
    model.fft_points = points;
    model.blocks = (g.points + model.block_points - 1) / model.block_points;
    return model;
}

namespace {

struct Spectrum {
    std::vector<double> re, im;
};

}  // namespace

UniformTimes uniform_times(const double* t, int n)
{
    UniformTimes g;
    const double step = t[1] - t[0];
    if (!(step > 0.0) || !inside(step))
        return g;
    const double last = std::nearbyint((t[n - 1] - t[0]) / step);
    if (!(last >= n - 1 && last <= largest_gap_share * n && last < INT_MAX / 2))
        return g;
    g.t0 = t[0];
    g.h = (t[n - 1] - t[0]) / last;
    g.m.resize(n);
    g.delta.resize(n);
    for (int i = 0; i < n; ++i) {
        const double m = std::nearbyint((t[i] - g.t0) / g.h);
        if (!(m >= 0 && m <= last) || (i > 0 && !(m > g.m[i - 1])))
            return UniformTimes{};
        g.m[i] = static_cast<int>(m);
        const dd::Number span = dd::two_sum(t[i], -g.t0);
        const dd::Number grid = dd::two_product(m, g.h);
        const dd::Number r = dd::add(span, {-grid.hi, -grid.lo});
        double error = std::fabs(r.lo) + dd::relative_error * (std::fabs(span.hi) + std::fabs(grid.hi));
        double delta = r.hi;
        if (std::fabs(delta) < negligible_remainder * g.h) {
            error += std::fabs(delta);
            delta = 0.0;
        }
        g.delta[i] = delta;
        g.largest_delta = std::max(g.largest_delta, std::fabs(delta));
        g.delta_error = std::max(g.delta_error, error);
    }
    if (g.m[0] != 0)
        return UniformTimes{};
    g.points = g.m[n - 1] + 1;
    return g;
}

bool dft_chirp(const ChirpModel& model, const double* t, const double* y, int n,
               std::complex<double>* result, double* error, double* exact_error)
{
    if (model.blocks == 0)
        return false;
    const int count = static_cast<int>(model.frequency.w.size());
    const UniformTimes& g = model.time;
    const FrequencyLine& line = model.frequency;
    const std::vector<double>& w = line.w;
    const int points = model.fft_points;
    const int block = model.block_points;
    const int log2_points = static_cast<int>(std::lround(std::log2(points)));
    const int centre = g.points / 2;
    const double farthest = std::max(centre, g.points - 1 - centre);   // largest |m - mc|
    const dd::Number theta = dd::two_product(g.h, line.omega);
    const dd::Number h_omega0 = dd::two_product(g.h, line.omega0);

    // Each phase's computation and reduction, and its phasor, on the
    // largest phase of the model.
    const double phase_error = 8.0 * dd::relative_error * (model.largest_phase + 8.0);
    // A phasor's distance from the exact one, in modulus.
    const double mu = 2.0 * dd::phasor_error + phase_error;

    const FftPlan plan = make_fft_plan(log2_points);
    const double eps_fft = fft_error_bound(plan);

    // The chirp e^{-i theta d^2 / 2} at d = -(block - 1) .. count - 1, cyclically.
    Spectrum kernel{std::vector<double>(points, 0.0), std::vector<double>(points, 0.0)};
    for (int d = -(block - 1); d < count; ++d) {
        const dd::Number phase = dd::times(theta, 0.5 * d * static_cast<double>(d));
        const int at = d < 0 ? points + d : d;
        dd::phasor(dd::reduce({-phase.hi, -phase.lo}), kernel.re[at], kernel.im[at]);
    }
    fft_forward(plan, kernel.re.data(), kernel.im.data());
    // Per output of a convolution and per unit of the input's 2-norm, the
    // backward errors of the forward transforms of input and kernel carried
    // by Cauchy-Schwarz (the kernel's 2-norm at most sqrt(points) (1 + mu));
    // per unit of the pointwise product's 2-norm, its rounding and the
    // inverse's backward error, carried by |F v|_k <= sqrt(points) |v|_2.
    // Each twice over, for the transform's order of operations.
    const double root_points = std::sqrt(static_cast<double>(points));
    const double input_kappa = 2.0 * eps_fft * root_points * (1.0 + mu) * (2.0 + eps_fft);
    const double product_kappa =
        2.0 * (std::sqrt(2.0) * rounding_gamma(2) + eps_fft) * (1.0 + 2.0 * rounding_gamma(2)) / root_points;

    // The input chirp e^{i chi_j}.
    std::vector<double> chirp_re(block), chirp_im(block);
    for (int j = 0; j < block; ++j) {
        const dd::Number phase =
            dd::add(dd::times(h_omega0, j), dd::times(theta, 0.5 * j * static_cast<double>(j)));
        dd::phasor(dd::reduce(phase), chirp_re[j], chirp_im[j]);
    }

    // The part of psi that does not depend on the block.
    std::vector<dd::Number> line_phase(count);
    for (int k = 0; k < count; ++k) {
        const dd::Number centre_eta = {centre * g.h * line.eta[k], 0.0};
        line_phase[k] = dd::add(dd::add(dd::two_product(g.t0, w[k]),
                                        dd::times(theta, 0.5 * k * static_cast<double>(k))),
                                centre_eta);
    }

    double sum_abs_y = 0.0, sum_abs_yt = 0.0;
    for (int i = 0; i < n; ++i) {
        sum_abs_y += std::fabs(y[i]);
        sum_abs_yt += std::fabs(y[i]) * std::fabs(t[i]);
    }
    sum_abs_y = rounded_up(sum_abs_y, n);
    sum_abs_yt = rounded_up(sum_abs_yt, 2 * n);

    std::vector<double> sum_re(count, 0.0), sum_im(count, 0.0);
    std::vector<double> sum_error(count, 0.0), partial_sums(count, 0.0);
    double within_blocks = 0.0;   // the sum over blocks of samples times half the block's |y|
    Spectrum buffer{std::vector<double>(points), std::vector<double>(points)};
    Spectrum z[4];
    for (Spectrum& s : z) {
        s.re.resize(count);
        s.im.resize(count);
    }
    int first = 0;
    for (int b = 0; b < model.blocks; ++b) {
        const int b0 = b * block;
        int end = first;
        while (end < n && g.m[end] < b0 + block)
            ++end;
        double block_abs_y = 0.0;
        for (int i = first; i < end; ++i)
            block_abs_y += std::fabs(y[i]);
        within_blocks += (end - first) * rounded_up(block_abs_y, end - first) / 2.0;
        double z_error[4];
        for (int q = 0; q < 4; ++q) {
            std::fill(buffer.re.begin(), buffer.re.end(), 0.0);
            std::fill(buffer.im.begin(), buffer.im.end(), 0.0);
            double sum_abs_a = 0.0, sum_square = 0.0;
            for (int i = first; i < end; ++i) {
                const int j = g.m[i] - b0;
                const double d = g.delta[i];
                const double a = q == 0 ? y[i]
                                 : q == 1 ? y[i] * d
                                 : q == 2 ? y[i] * (g.m[i] - centre)
                                          : y[i] * d * d;
                buffer.re[j] = a * chirp_re[j];
                buffer.im[j] = a * chirp_im[j];
                sum_abs_a += std::fabs(a);
                sum_square += buffer.re[j] * buffer.re[j] + buffer.im[j] * buffer.im[j];
            }
            if (sum_abs_a == 0.0) {
                std::fill(z[q].re.begin(), z[q].re.end(), 0.0);
                std::fill(z[q].im.begin(), z[q].im.end(), 0.0);
                z_error[q] = 0.0;
                continue;
            }
            fft_forward(plan, buffer.re.data(), buffer.im.data());
            double product_square = 0.0;
            for (int l = 0; l < points; ++l) {
                const double ar = buffer.re[l], ai = buffer.im[l];
                const double br = kernel.re[l], bi = kernel.im[l];
                buffer.re[l] = ar * br - ai * bi;
                buffer.im[l] = ar * bi + ai * br;
                product_square += buffer.re[l] * buffer.re[l] + buffer.im[l] * buffer.im[l];
            }
            fft_inverse(plan, buffer.re.data(), buffer.im.data());
            const double scale = 1.0 / points;
            for (int k = 0; k < count; ++k) {
                z[q].re[k] = buffer.re[k] * scale;
                z[q].im[k] = buffer.im[k] * scale;
            }
            // a's own rounding (two products at most) and the phasors' errors
            // of input and kernel, then the transforms'.
            const int samples = end - first;
            z_error[q] = 2.0 * rounded_up(sum_abs_a, samples) * (2.0 * mu + 4.0 * u) * (1.0 + mu) +
                         input_kappa * std::sqrt(rounded_up(sum_square, 2 * samples)) +
                         product_kappa * std::sqrt(rounded_up(product_square, 2 * points));
        }
        const dd::Number block_phase = dd::times(h_omega0, b0);
        const dd::Number block_theta = dd::times(theta, b0);
        const double samples = end - first;
        for (int k = 0; k < count; ++k) {
            double c, s;
            const dd::Number psi =
                dd::add(dd::add(line_phase[k], block_phase), dd::times(block_theta, k));
            dd::phasor(dd::reduce(psi), c, s);
            const double wk = w[k], h_eta = g.h * line.eta[k], half_w2 = 0.5 * wk * wk;
            // B = z0 + i w z1 + i h eta z2 - (w^2 / 2) z3
            const double br = z[0].re[k] - wk * z[1].im[k] - h_eta * z[2].im[k] - half_w2 * z[3].re[k];
            const double bi = z[0].im[k] + wk * z[1].re[k] + h_eta * z[2].re[k] - half_w2 * z[3].im[k];
            const double before = std::fabs(sum_re[k]) + std::fabs(sum_im[k]);
            sum_re[k] += c * br - s * bi;
            sum_im[k] += c * bi + s * br;
            const double after = std::fabs(sum_re[k]) + std::fabs(sum_im[k]);
            partial_sums[k] += samples * (before + after) / 2.0;
            const double aw = std::fabs(wk), ah = std::fabs(h_eta);
            const double size = std::fabs(z[0].re[k]) + std::fabs(z[0].im[k]) +
                                aw * (std::fabs(z[1].re[k]) + std::fabs(z[1].im[k])) +
                                ah * (std::fabs(z[2].re[k]) + std::fabs(z[2].im[k])) +
                                half_w2 * (std::fabs(z[3].re[k]) + std::fabs(z[3].im[k]));
            const double z_bound = z_error[0] + aw * z_error[1] + ah * z_error[2] + half_w2 * z_error[3];
            sum_error[k] += (z_bound * (1.0 + mu) + (mu + 12.0 * u) * (size + z_bound) + u * after) *
                            (1.0 + 8.0 * u);
        }
        first = end;
    }

    const double dt = t[1] - t[0];
    for (int k = 0; k < count; ++k) {
        const double aw = std::fabs(w[k]);
        // e^{i eps}'s dropped terms, and the model's own rounding (delta,
        // eta, mc h eta), per unit of |y|.
        const double a = aw * g.largest_delta;
        const double e = (farthest + 1.0) * g.h * (std::fabs(line.eta[k]) + line.eta_error);
        const double dropped = a * e + e * e / 2.0 + (a + e) * (a + e) * (a + e) / 6.0 +
                               aw * g.delta_error + g.points * g.h * line.eta_error +
                               4.0 * u * centre * g.h * std::fabs(line.eta[k]);
        const double fast = sum_error[k] + sum_abs_y * dropped * (1.0 + 8.0 * u);
        // The scalar loop: its terms, then its additions.
        const double terms = u * (1.0 + u) * aw * sum_abs_yt * (1.0 + 4.0 * u) + scalar_term_error * sum_abs_y;
        const double partials = partial_sums[k] * (1.0 + 4.0 * u) + within_blocks +
                                static_cast<double>(n) * (fast + terms);
        const double additions = u * partials / (1.0 - n * u);
        const double total = (fast + terms + additions) * (1.0 + 8.0 * u);
        const double dre = dt * sum_re[k], dim = dt * sum_im[k];
        result[k] = {inv_sqrt_two_pi * dre, inv_sqrt_two_pi * dim};
        // A distance in units of y, carried through the products by dt and
        // inv_sqrt_two_pi, which round on both sides of it.
        const double rounding = 2.0 * u * (std::fabs(dre) + std::fabs(dim));
        const double result_rounding = 2.0 * u * (std::fabs(result[k].real()) + std::fabs(result[k].imag()));
        auto in_result_units = [&](double distance) {
            return inv_sqrt_two_pi * (std::fabs(dt) * distance * (1.0 + 4.0 * u) + rounding +
                                      dft_constants::underflow_allowance(n, dt)) *
                       (1.0 + 4.0 * u) +
                   result_rounding + 4.0 * DBL_TRUE_MIN;
        };
        error[k] = in_result_units(total);
        if (exact_error)
            exact_error[k] = in_result_units(fast);
    }
    return true;
}
