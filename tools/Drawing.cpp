#include "tools/Drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace assetgen {
namespace {

struct Point {
  double x = 0;
  double y = 0;
};

double Distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

double DistanceToSegment(Point p, Point a, Point b) {
  double dx = b.x - a.x;
  double dy = b.y - a.y;
  double length2 = dx * dx + dy * dy;
  double t = length2 == 0 ? 0 : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0);
  return Distance(p, {a.x + t * dx, a.y + t * dy});
}

// The point on a circle at an angle measured clockwise from 12 o'clock.
Point OnCircle(Point centre, double radius, double degrees) {
  double radians = degrees * std::numbers::pi / 180;
  return {centre.x + radius * std::sin(radians), centre.y - radius * std::cos(radians)};
}

bool InRect(const std::vector<double>& n, Point p) {
  double radius = n.size() > 4 ? n[4] : 0;
  Point nearest{std::clamp(p.x, n[0] + radius, n[0] + n[2] - radius),
                std::clamp(p.y, n[1] + radius, n[1] + n[3] - radius)};
  return p.x >= n[0] && p.x <= n[0] + n[2] && p.y >= n[1] && p.y <= n[1] + n[3] &&
         Distance(p, nearest) <= radius;
}

bool InEllipse(const std::vector<double>& n, Point p) {
  double rx = n[2];
  double ry = n.size() > 3 ? n[3] : n[2];
  double dx = (p.x - n[0]) / rx;
  double dy = (p.y - n[1]) / ry;
  return dx * dx + dy * dy <= 1;
}

bool InArc(const std::vector<double>& n, Point p) {
  Point centre{n[0], n[1]};
  double radius = n[2];
  double half = n[3] / 2;
  double from = n[4];
  double to = n[5];
  if (Distance(p, OnCircle(centre, radius, from)) <= half ||
      Distance(p, OnCircle(centre, radius, to)) <= half) {
    return true;
  }
  if (std::abs(Distance(p, centre) - radius) > half) return false;
  double angle = std::atan2(p.x - centre.x, centre.y - p.y) * 180 / std::numbers::pi;
  double past = std::fmod(angle - from, 360);  // how far clockwise of the start
  return (past < 0 ? past + 360 : past) <= to - from;
}

bool InPolygon(const std::vector<double>& n, Point p) {
  bool inside = false;
  std::size_t corners = n.size() / 2;
  for (std::size_t i = 0, j = corners - 1; i < corners; j = i++) {
    Point a{n[2 * i], n[2 * i + 1]};
    Point b{n[2 * j], n[2 * j + 1]};
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
  }
  return inside;
}

bool InLine(const std::vector<double>& n, Point p) {
  double half = n[0] / 2;
  for (std::size_t i = 1; i + 3 < n.size(); i += 2) {
    if (DistanceToSegment(p, {n[i], n[i + 1]}, {n[i + 2], n[i + 3]}) <= half) return true;
  }
  return false;
}

bool Contains(const Shape& shape, Point p) {
  switch (shape.type) {
    case ShapeType::kRect:
      return InRect(shape.numbers, p);
    case ShapeType::kEllipse:
      return InEllipse(shape.numbers, p);
    case ShapeType::kArc:
      return InArc(shape.numbers, p);
    case ShapeType::kPolygon:
      return InPolygon(shape.numbers, p);
    case ShapeType::kLine:
      return InLine(shape.numbers, p);
  }
  return false;
}

struct Box {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
  bool Holds(Point p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
};

// A box around a list of x y points, widened by a margin on every side.
Box AroundPoints(const std::vector<double>& n, std::size_t first, double margin) {
  Box box{n[first], n[first + 1], n[first], n[first + 1]};
  for (std::size_t i = first; i + 1 < n.size(); i += 2) {
    box = {std::min(box.left, n[i]), std::min(box.top, n[i + 1]), std::max(box.right, n[i]),
           std::max(box.bottom, n[i + 1])};
  }
  return {box.left - margin, box.top - margin, box.right + margin, box.bottom + margin};
}

// What a shape can cover: most samples lie outside most shapes, and the box
// answers for them far quicker than the exact test.
Box BoundsOf(const Shape& shape) {
  const std::vector<double>& n = shape.numbers;
  switch (shape.type) {
    case ShapeType::kRect:
      return {n[0], n[1], n[0] + n[2], n[1] + n[3]};
    case ShapeType::kEllipse: {
      double ry = n.size() > 3 ? n[3] : n[2];
      return {n[0] - n[2], n[1] - ry, n[0] + n[2], n[1] + ry};
    }
    case ShapeType::kArc: {
      double reach = n[2] + n[3] / 2;
      return {n[0] - reach, n[1] - reach, n[0] + reach, n[1] + reach};
    }
    case ShapeType::kPolygon:
      return AroundPoints(n, 0, 0);
    case ShapeType::kLine:
      return AroundPoints(n, 1, n[0] / 2);
  }
  return {};
}

// Premultiplied red, green, blue and alpha from 0 to 1.
using Colour = std::array<double, 4>;

struct Placed {
  const Shape* shape;
  Box bounds;
};

// One sample: every shape that covers it painted over the ones before. The
// shapes are visited top first, each adding what still shows through the ones
// above it, so that the first opaque one ends the search.
Colour Sample(const std::vector<Placed>& shapes, Point p) {
  Colour colour{};
  for (auto placed = shapes.rbegin(); placed != shapes.rend() && colour[3] < 1; ++placed) {
    if (!placed->bounds.Holds(p) || !Contains(*placed->shape, p)) continue;
    const Rgba& paint = placed->shape->paint;
    double share = (1 - colour[3]) * paint.a / 255.0;
    colour[0] += share * paint.r / 255.0;
    colour[1] += share * paint.g / 255.0;
    colour[2] += share * paint.b / 255.0;
    colour[3] += share;
  }
  return colour;
}

std::uint8_t Byte(double value) {
  return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255));
}

// Calls sink(samples) with the samples of every pixel, row by row.
template <typename Sink>
void EachPixel(const Drawing& drawing, int side, int perAxis, Sink sink) {
  double unit = drawing.grid / (side * perAxis);
  std::vector<Placed> shapes;
  for (const Shape& shape : drawing.shapes) shapes.push_back({&shape, BoundsOf(shape)});
  std::vector<Colour> samples(static_cast<std::size_t>(perAxis * perAxis));
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      for (int sy = 0; sy < perAxis; ++sy) {
        for (int sx = 0; sx < perAxis; ++sx) {
          Point p{(x * perAxis + sx + 0.5) * unit, (y * perAxis + sy + 0.5) * unit};
          samples[static_cast<std::size_t>(sy * perAxis + sx)] = Sample(shapes, p);
        }
      }
      sink(samples);
    }
  }
}

}  // namespace

Picture Rasterize(const Drawing& drawing, int side) {
  Picture picture{side, {}};
  EachPixel(drawing, side, kSamplesPerAxis, [&](const std::vector<Colour>& samples) {
    Colour sum{};
    for (const Colour& sample : samples) {
      for (std::size_t i = 0; i < 4; ++i) sum[i] += sample[i];
    }
    double alpha = sum[3] / static_cast<double>(samples.size());
    if (Byte(alpha) == 0) {
      picture.pixels.push_back({});
      return;
    }
    picture.pixels.push_back(
        {Byte(sum[0] / sum[3]), Byte(sum[1] / sum[3]), Byte(sum[2] / sum[3]), Byte(alpha)});
  });
  return picture;
}

Picture RasterizeOnKey(const Drawing& drawing, int side, Rgb key) {
  Picture picture{side, {}};
  EachPixel(drawing, side, kKeySamplesPerAxis, [&](const std::vector<Colour>& samples) {
    Colour sum{};
    for (const Colour& sample : samples) {
      if (sample[3] == 0) continue;
      for (std::size_t i = 0; i < 4; ++i) sum[i] += sample[i];
    }
    if (2 * sum[3] < static_cast<double>(samples.size())) {
      picture.pixels.push_back({key.r, key.g, key.b, 0xFF});
      return;
    }
    Rgba mean{Byte(sum[0] / sum[3]), Byte(sum[1] / sum[3]), Byte(sum[2] / sum[3]), 0xFF};
    if (Rgb{mean.r, mean.g, mean.b} == key) {
      // Paints next to the key can round to it; a covered sample is a paint
      // that differs from the key, so it stands in.
      const Colour& paint =
          *std::find_if(samples.begin(), samples.end(), [](const Colour& s) { return s[3] > 0; });
      mean = {Byte(paint[0]), Byte(paint[1]), Byte(paint[2]), 0xFF};
    }
    picture.pixels.push_back(mean);
  });
  return picture;
}

}  // namespace assetgen
