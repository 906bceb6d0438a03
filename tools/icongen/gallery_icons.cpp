#include <cmath>

#include "gallery.h"

namespace vex::art {
namespace {

constexpr double kPi = 3.14159265358979323846;

void Star(Painter& p) {
  std::vector<V> pts;
  for (int i = 0; i < 10; ++i) {
    const double a = -kPi / 2 + i * kPi / 5;
    const double r = i % 2 ? 6.2 : 14.5;
    pts.push_back({16 + r * std::cos(a), 17 + r * std::sin(a)});
  }
  p.Outlined(Polygon(pts), Radial({13, 11}, 16, Rgba::Of(0xFFF27A), Rgba::Of(0xF0A000)), Rgba::Of(0x9A5A00));
  p.Fill(Ellipse({12.5, 12}, 3, 2), Rgba::Of(0xFFFBD8, 200));
}

void Heart(Painter& p) {
  const Sdf heart = Union(Union(Circle({10.5, 11.5}, 7.5), Circle({21.5, 11.5}, 7.5)),
                          Polygon({{3.6, 14.5}, {28.4, 14.5}, {16, 28.5}}));
  p.Outlined(heart, Radial({11, 9}, 20, Rgba::Of(0xFF7A84), Rgba::Of(0xC8102E)), Rgba::Of(0x6E0A18));
  p.Fill(Ellipse({9.5, 9.5}, 3, 2.2), Rgba::Of(0xFFE0E4, 220));
}

void Music(Painter& p) {
  const Rgba ink = Rgba::Of(0x1C3F94);
  const Shade body = Vertical(4, 28, Rgba::Of(0x5B8CFF), Rgba::Of(0x1F4FC8));
  const Sdf notes = Union(Union(Ellipse({9, 24}, 5, 3.8), Ellipse({23, 21}, 5, 3.8)),
                          Union(Union(Box(12, 7, 14.6, 24), Box(26, 4, 28.6, 21)),
                                Polygon({{12, 7}, {28.6, 3.5}, {28.6, 8.5}, {12, 12}})));
  p.Outlined(notes, body, ink);
  p.Fill(Ellipse({7.8, 22.8}, 1.6, 1), Rgba::Of(0xCFE0FF));
  p.Fill(Ellipse({21.8, 19.8}, 1.6, 1), Rgba::Of(0xCFE0FF));
}

void Camera(Painter& p) {
  const Rgba outline = Rgba::Of(0x202428);
  p.Outlined(Union(Box(2, 9, 30, 27, 3), Box(10, 5.5, 21, 11, 1.5)),
             Vertical(5, 27, Rgba::Of(0x6C7680), Rgba::Of(0x2F363D)), outline);
  p.Fill(Box(3.5, 13, 28.5, 14, 0), Rgba::Of(0x4A525A));
  p.Outlined(Circle({16, 18}, 7.5), Rgba::Of(0xB8C0C8), outline);
  p.Fill(Circle({16, 18}, 5), Radial({14, 16}, 6, Rgba::Of(0x5FA8FF), Rgba::Of(0x0B2A66)));
  p.Fill(Circle({14.3, 16.3}, 1.6), Rgba::Of(0xFFFFFF, 230));
  p.Fill(Box(24, 10.5, 28, 12.5, 0.8), Rgba::Of(0xFFD34A));
}

void Globe(Painter& p) {
  const Sdf ball = Circle({16, 16}, 14);
  p.Outlined(ball, Radial({11, 10}, 22, Rgba::Of(0x7CD0FF), Rgba::Of(0x1560B8)), Rgba::Of(0x0B3A70));
  const Sdf land = Union(Union(Ellipse({11, 11}, 6, 4.5), Ellipse({9, 18}, 3.5, 5)),
                         Union(Ellipse({21, 20}, 5, 6.5), Ellipse({22, 8}, 3, 2)));
  p.Fill(Intersect(land, Grow(ball, -1.2)), Vertical(4, 28, Rgba::Of(0x8EE07A), Rgba::Of(0x2E9A3A)));
  p.Fill(Ellipse({10, 8.5}, 4, 2.2), Rgba::Of(0xFFFFFF, 110));
}

void Book(Painter& p) {
  const Rgba outline = Rgba::Of(0x1F4A24);
  // Pages at the bottom and right, then the cover.
  p.Outlined(Box(7, 5, 28, 29, 1.5), Rgba::Of(0xF5F1E4), Rgba::Of(0x8A8470));
  p.Outlined(Box(4, 3, 25, 26.5, 1.5), Vertical(3, 26, Rgba::Of(0x4FB85A), Rgba::Of(0x23803A)), outline);
  p.Fill(Box(6.5, 3.8, 8.2, 25.7, 0), Rgba::Of(0x1D6A2E));
  p.Outlined(Box(11, 8, 22, 13, 1), Rgba::Of(0xFFF2B0), Rgba::Of(0x9A7A20));
  p.Fill(Box(13, 10, 20, 11, 0), Rgba::Of(0x9A7A20));
}

void Gear(Painter& p) {
  Sdf teeth = Circle({16, 16}, 10.5);
  for (int i = 0; i < 8; ++i) {
    const double a = i * kPi / 4;
    teeth = Union(teeth, Capsule({16, 16}, {16 + 13 * std::cos(a), 16 + 13 * std::sin(a)}, 2.6));
  }
  const Sdf gear = Subtract(teeth, Circle({16, 16}, 4.5));
  p.Outlined(gear, Radial({12, 11}, 20, Rgba::Of(0xE2E8EE), Rgba::Of(0x6F7C88)), Rgba::Of(0x2E3740));
  p.Outlined(Subtract(Circle({16, 16}, 7.5), Circle({16, 16}, 4.5)), Rgba::Of(0xA9B4BF), Rgba::Of(0x4A5560));
}

void Leaf(Painter& p) {
  const Sdf leaf = Intersect(Circle({7, 7}, 22), Circle({25, 25}, 22));
  const Sdf blade = Intersect(leaf, Box(3, 3, 29, 29));
  p.Outlined(blade, Vertical(3, 29, Rgba::Of(0x9BE15D), Rgba::Of(0x2F9E3B)), Rgba::Of(0x1E5E22));
  // Veins stay inside the blade's outline.
  const Sdf inner = Grow(blade, -1.8);
  Sdf veins = Capsule({6, 26}, {25, 7}, 0.7);
  for (int i = 0; i < 3; ++i) {
    const double t = 11 + i * 5;
    veins = Union(veins, Capsule({t, 32 - t}, {t - 4, 23 - t}, 0.5));
    veins = Union(veins, Capsule({t, 32 - t}, {t + 9, 36 - t}, 0.5));
  }
  p.Fill(Intersect(veins, inner), Rgba::Of(0xD2F2B0));
  p.Fill(Capsule({2.5, 29.5}, {6, 26}, 1.1), Rgba::Of(0x6B4A1E));
}

void Mail(Painter& p) {
  const Rgba outline = Rgba::Of(0x7A5A2A);
  p.Outlined(Box(2, 7, 30, 26, 2), Vertical(7, 26, Rgba::Of(0xFFFFFF), Rgba::Of(0xE8E2D0)), outline);
  p.Fill(Capsule({3.5, 24.5}, {13, 16}, 0.6), Rgba::Of(0xB8A888));
  p.Fill(Capsule({28.5, 24.5}, {19, 16}, 0.6), Rgba::Of(0xB8A888));
  p.Outlined(Intersect(Polygon({{2, 7.5}, {30, 7.5}, {16, 19}}), Box(2, 7, 30, 26, 2)),
             Vertical(7, 19, Rgba::Of(0xF6EED8), Rgba::Of(0xDCCFA8)), outline);
  p.Outlined(Circle({16, 17}, 3.2), Rgba::Of(0xD8322A), Rgba::Of(0x7A1410));
}

void Lock(Painter& p) {
  p.Outlined(Subtract(Box(8, 2.5, 24, 20, 8), Box(11.5, 6, 20.5, 20, 4.5)),
             Vertical(2, 16, Rgba::Of(0xE8EDF2), Rgba::Of(0x8A96A2)), Rgba::Of(0x3A444E));
  p.Outlined(Box(4.5, 13, 27.5, 30, 2.5), Vertical(13, 30, Rgba::Of(0xFFD95A), Rgba::Of(0xD18B0C)),
             Rgba::Of(0x7A4A00));
  p.Fill(Union(Circle({16, 20}, 2.4), Box(15, 20, 17, 25.5, 0.5)), Rgba::Of(0x5A3600));
  p.Fill(Box(6.5, 14.8, 25.5, 15.8, 0.5), Rgba::Of(0xFFF0B8));
}

void House(Painter& p) {
  p.Outlined(Box(6, 14, 26, 29, 0.5), Vertical(14, 29, Rgba::Of(0xFFF3DC), Rgba::Of(0xE8D2AE)), Rgba::Of(0x6A4A2A));
  p.Outlined(Box(19.5, 4, 23.5, 12, 0.3), Rgba::Of(0x9A5A3A), Rgba::Of(0x4A2A1A));
  p.Outlined(Polygon({{1.5, 16}, {16, 3}, {30.5, 16}, {27.5, 17.5}, {16, 7.2}, {4.5, 17.5}}),
             Vertical(3, 17, Rgba::Of(0xF2604A), Rgba::Of(0xB22A1A)), Rgba::Of(0x5A140A));
  p.Outlined(Box(13, 19.5, 19, 29, 1), Vertical(19, 29, Rgba::Of(0x9A6A3A), Rgba::Of(0x6A4020)), Rgba::Of(0x3A2410));
  p.Outlined(Box(21, 18, 25, 22, 0.3), Rgba::Of(0x8FD0FF), Rgba::Of(0x3A5A7A));
}

}  // namespace

const std::vector<NamedPicture>& GalleryPictures() {
  static const std::vector<NamedPicture> pictures{
      {"star.ico", Star},   {"heart.ico", Heart}, {"music.ico", Music}, {"camera.ico", Camera},
      {"globe.ico", Globe}, {"book.ico", Book},   {"gear.ico", Gear},   {"leaf.ico", Leaf},
      {"mail.ico", Mail},   {"lock.ico", Lock},   {"house.ico", House},
  };
  return pictures;
}

}  // namespace vex::art
