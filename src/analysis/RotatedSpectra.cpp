#include "analysis/RotatedSpectra.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "base/CNumbers.h"

namespace tremora {

namespace {

constexpr const char* kLineEnd = "\r\n";

struct Direction {
  double Cos = 0;
  double Sin = 0;
};

// cos θ and sin θ of every whole degree, exact at 0° and 90° so that θ = 0 and 90 are the
// components themselves.
const std::array<Direction, kRotationAngles>& Directions() {
  static const std::array<Direction, kRotationAngles> table = [] {
    std::array<Direction, kRotationAngles> t{};
    for (int angle = 0; angle < kRotationAngles; ++angle) {
      const double radians = angle * std::numbers::pi / 180.0;
      t[angle] = {angle == 90 ? 0.0 : std::cos(radians), angle == 0 ? 0.0 : std::sin(radians)};
    }
    return t;
  }();
  return table;
}

// |u_θ| of one point, the one expression both forms evaluate (this file is built without
// contraction into fused multiply-adds, so both round alike).
inline double Projection(double u1, double u2, const Direction& d) { return std::fabs(u1 * d.Cos + u2 * d.Sin); }

struct Point {
  double X = 0;
  double Y = 0;
};

inline double Cross(const Point& a, const Point& b) { return a.X * b.Y - a.Y * b.X; }

// The points of the trajectory that may be extreme in some direction. A point is left out only
// when it lies deeper than margin inside the octagon spanned by the points extreme along 0°, 45°,
// 90°, 135° and their mirror images; the octagon lies within the hull, so such a point is inside
// the hull by more than any rounding of a projection and never the largest in any direction.
std::vector<Point> Candidates(const float* u1, const float* u2, int count) {
  // How far the points reach along x, x + y, y and y - x (sums of two floats are exact in a
  // double), then the first point (with its sign) that reaches each. Branch-free passes: this
  // runs over every sample of every oscillator.
  double reach[4] = {0, 0, 0, 0};
  for (int i = 0; i < count; ++i) {
    const double x = u1[i], y = u2[i];
    const double along[4] = {std::fabs(x), std::fabs(x + y), std::fabs(y), std::fabs(y - x)};
    for (int j = 0; j < 4; ++j) reach[j] = along[j] > reach[j] ? along[j] : reach[j];
  }
  Point extreme[4];
  for (int j = 0, found = 0; j < 4; ++j) {
    for (int i = 0; i < count && !(found & (1 << j)); ++i) {
      const double x = u1[i], y = u2[i];
      const double along = j == 0 ? x : j == 1 ? x + y : j == 2 ? y : y - x;
      if (std::fabs(along) == reach[j]) {
        extreme[j] = along < 0 ? Point{-x, -y} : Point{x, y};
        found |= 1 << j;
      }
    }
  }
  // The octagon extreme[0..3], then their mirrors: inside means |cross(edge, p)| below a bound for
  // each edge and its mirror together.
  const double margin = 1e-9 * std::max(reach[0], reach[2]);
  Point edges[4];
  double bounds[4];
  int edge_count = 0;
  for (int k = 0; k < 4; ++k) {
    const Point from = extreme[k];
    const Point to = k < 3 ? extreme[k + 1] : Point{-extreme[0].X, -extreme[0].Y};
    const Point edge{to.X - from.X, to.Y - from.Y};
    const double length = std::fabs(edge.X) + std::fabs(edge.Y);
    if (length == 0) continue;
    edges[edge_count] = edge;
    bounds[edge_count++] = -Cross(edge, from) - margin * length;
  }
  // A degenerate octagon (all points on a line through the origin, or none away from it) leaves
  // out nothing; else the missing edges are repeated ones.
  if (edge_count == 0) return std::vector<Point>();
  for (int k = edge_count; k < 4; ++k) edges[k] = edges[0], bounds[k] = bounds[0];
  std::vector<Point> kept;
  for (int i = 0; i < count; ++i) {
    const Point p{u1[i], u2[i]};
    // Counted rather than chained with &&, so that the pass has no branches.
    const int within = (std::fabs(Cross(edges[0], p)) < bounds[0]) + (std::fabs(Cross(edges[1], p)) < bounds[1]) +
                       (std::fabs(Cross(edges[2], p)) < bounds[2]) + (std::fabs(Cross(edges[3], p)) < bounds[3]);
    const bool inside = within == 4;
    if (!inside) kept.push_back(p);
  }
  return kept;
}

// The convex hull of points by the monotone chain, keeping every point that lies within margin
// of the boundary (a point is dropped only when it turns inwards by more than that, or lies
// exactly on the line between its neighbours): the vertices are always among what is kept.
std::vector<Point> HullOf(std::vector<Point> points) {
  if (points.size() < 3) return points;
  std::sort(points.begin(), points.end(), [](const Point& a, const Point& b) {
    return a.X < b.X || (a.X == b.X && a.Y < b.Y);
  });
  double scale = 0;
  for (const Point& p : points) scale = std::max({scale, std::fabs(p.X), std::fabs(p.Y)});
  const double margin = 1e-9 * scale;
  std::vector<Point> hull;
  const auto add = [&](const Point& p, size_t floor) {
    while (hull.size() >= floor + 2) {
      const Point& o = hull[hull.size() - 2];
      const Point& a = hull.back();
      const double turn = Cross({a.X - o.X, a.Y - o.Y}, {p.X - o.X, p.Y - o.Y});
      // A point exactly on the segment from o to p (the points run in order) adds nothing.
      if (turn != 0 && turn >= -margin * (std::fabs(p.X - o.X) + std::fabs(p.Y - o.Y))) break;
      hull.pop_back();
    }
    hull.push_back(p);
  };
  for (const Point& p : points) add(p, 0);
  const size_t lower = hull.size() - 1;
  for (auto p = points.rbegin() + 1; p != points.rend(); ++p) add(*p, lower);
  return hull;
}

float Percentile(const std::array<float, kRotationAngles>& sorted, double percent) {
  const double rank = percent / 100.0 * (kRotationAngles - 1);
  const int below = std::min(static_cast<int>(rank), kRotationAngles - 2);
  const double fraction = rank - below;
  return static_cast<float>(sorted[below] + (static_cast<double>(sorted[below + 1]) - sorted[below]) * fraction);
}

}  // namespace

AnglePeaks AnglePeaksByLoop(const float* u1, const float* u2, int count) {
  AnglePeaks peaks{};
  for (int angle = 0; angle < kRotationAngles; ++angle) {
    const Direction& d = Directions()[angle];
    for (int i = 0; i < count; ++i) {
      peaks[angle] = std::max(peaks[angle], Projection(u1[i],
                                                       u2[i], d));
    }
  }
  return peaks;
}

AnglePeaks AnglePeaksByHull(const float* u1, const float* u2, int count) {
  // max |p·d| over the points is the support function of the hull of the points and their
  // mirrors; that of the points alone, taken with |·|, is the same.
  const std::vector<Point> hull = HullOf(Candidates(u1, u2, count));
  AnglePeaks peaks{};
  for (int angle = 0; angle < kRotationAngles; ++angle) {
    const Direction& d = Directions()[angle];
    for (const Point& p : hull) peaks[angle] = std::max(peaks[angle], Projection(p.X, p.Y, d));
  }
  return peaks;
}

RotatedMeasures RotatedPercentiles(const AnglePeaks& peaks, double scale) {
  std::array<float, kRotationAngles> values{};
  for (int angle = 0; angle < kRotationAngles; ++angle) values[angle] = static_cast<float>(peaks[angle] * scale);
  RotatedMeasures measures;
  measures.RotD100Angle = static_cast<int>(std::max_element(values.begin(), values.end()) - values.begin());
  std::sort(values.begin(), values.end());
  measures.RotD00 = values.front();
  measures.RotD50 = Percentile(values, 50);
  measures.RotD100 = values.back();
  return measures;
}

RotatedMeasures RotatedPeaks(const float* u1, const float* u2, int count) {
  return RotatedPercentiles(AnglePeaksByHull(u1, u2, std::max(count, 0)));
}

RotatedSpectrum ComputeRotatedSpectrum(const float* ns, const float* ew, int count, const PeriodGrid& grid,
                                       float ratio, float dt, double exact_dt, SpectrumMethod method) {
  RotatedSpectrum spectrum;
  spectrum.Ratio = ratio;
  spectrum.Method = method;
  count = std::max(count, 0);
  VisitDisplacementPairs(ns, ew, count, grid.Periods.data(), kPeriodCount, ratio, dt, exact_dt, method,
                         [&](int k, double stiffness, const float* u1, const float* u2) {
                           RotatedSpectrumRow& row = spectrum.Rows[k];
                           const AnglePeaks peaks = AnglePeaksByHull(u1, u2, count);
                           row.Period = grid.Periods[k];
                           row.PsaNs = static_cast<float>(stiffness * peaks[0]);
                           row.PsaEw = static_cast<float>(stiffness * peaks[90]);
                           row.Rotated = RotatedPercentiles(peaks, stiffness);
                         });
  return spectrum;
}

bool HasHorizontalPair(const RecordSet& record) { return record.ChannelCount >= 2; }

RotatedSpectrum ComputeRotatedSpectrum(const RecordSet& record, int start, int count, const PeriodGrid& grid,
                                       float ratio, SpectrumMethod method) {
  const SampleSection section = StoredSection(record, start, count);
  return ComputeRotatedSpectrum(record.Acceleration[0].data() + section.start,
                                record.Acceleration[1].data() + section.start,
                                HasHorizontalPair(record) ? section.count : 0, grid, ratio, record.SamplingInterval,
                                SampleInterval(record), method);
}

std::string FormatRotatedCsv(const std::vector<RotatedSpectrum>& spectra) {
  std::string text;
  for (const RotatedSpectrum& spectrum : spectra) {
    text += FormatC("Damping,%g", spectrum.Ratio) + kLineEnd;
    if (spectrum.Method == SpectrumMethod::Exact) text += std::string("Method,exact (Nigam-Jennings)") + kLineEnd;
    text += std::string("Period(s),PSA NS(gal),PSA EW(gal),RotD00(gal),RotD50(gal),RotD100(gal),RotD100 angle(deg)") +
            kLineEnd;
    for (const RotatedSpectrumRow& row : spectrum.Rows) {
      text += FormatC("%.6g,%.6g,%.6g,%.6g,%.6g,%.6g,%d", row.Period, row.PsaNs, row.PsaEw, row.Rotated.RotD00,
                      row.Rotated.RotD50, row.Rotated.RotD100, row.Rotated.RotD100Angle) +
              kLineEnd;
    }
  }
  return text;
}

}  // namespace tremora
