// Checks a picture of the started window against the layout: each framed control's edges lie
// exactly on its bounds (button face outside, its own frame inside) and the glyphs show.
//   quirevo_layout_probe WINDOW.png
#include <QImage>

#include <cstdio>

namespace {

struct Framed {
  const char* name;
  int left;  // in the window's client area
  int top;
  int width;
  int height;
};

// Group box controls are at the group box's place (16, 104) plus their own.
constexpr Framed kFramed[] = {
    {"Panel1", 88, 16, 393, 33},
    {"Edit1", 88, 64, 529, 24},
    {"SpeedButton1", 624, 64, 23, 22},
    {"ComboBox1", 16, 448, 57, 21},
    {"BitBtn1", 496, 200, 153, 41},
    {"BitBtn2", 496, 440, 153, 33},
    {"ListBox1", 16, 304, 457, 137},
    {"SpinEdit1", 16 + 184, 104 + 50, 57, 22},
    {"SpinEdit2", 16 + 232, 104 + 82, 57, 22},
    {"SpinEdit3", 16 + 136, 104 + 82, 57, 22},
    {"SpinEdit4", 16 + 392, 104 + 78, 57, 22},
    {"SpinEdit5", 16 + 392, 104 + 152, 57, 22},
};

const QRgb kFace = qRgb(212, 208, 200);

int failures = 0;

void expect(bool condition, const char* control, const char* what) {
  if (!condition) {
    std::printf("FAIL %s: %s\n", control, what);
    ++failures;
  }
}

bool isFace(const QImage& image, int x, int y) {
  return (image.pixel(x, y) & 0xFFFFFF) == (kFace & 0xFFFFFF);
}

bool contains(const QImage& image, const Framed& area, QRgb colour) {
  for (int y = area.top; y < area.top + area.height; ++y) {
    for (int x = area.left; x < area.left + area.width; ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quirevo_layout_probe WINDOW.png\n");
    return 2;
  }
  const QImage image = QImage(argv[1]).convertToFormat(QImage::Format_RGB32);
  if (image.isNull()) {
    std::fprintf(stderr, "quirevo_layout_probe: cannot read %s\n", argv[1]);
    return 2;
  }
  expect(image.width() == 670 && image.height() == 515, "Form1", "picture is not 670 x 515");
  if (failures > 0) {
    return 1;
  }
  for (const Framed& control : kFramed) {
    const int right = control.left + control.width - 1;
    const int bottom = control.top + control.height - 1;
    const int row = control.top + control.height / 2;
    const int column = control.left + control.width / 2;
    expect(isFace(image, control.left - 1, row) && !isFace(image, control.left, row), control.name,
           "left edge not at its place");
    expect(isFace(image, right + 1, row) && !isFace(image, right, row), control.name,
           "right edge not at its place");
    expect(isFace(image, column, control.top - 1) && !isFace(image, column, control.top),
           control.name, "top edge not at its place");
    expect(isFace(image, column, bottom + 1) && !isFace(image, column, bottom), control.name,
           "bottom edge not at its place");
  }
  expect(contains(image, kFramed[4], qRgb(255, 0, 0)), "BitBtn1", "no printer glyph lamp");
  expect(contains(image, kFramed[5], qRgb(255, 255, 0)), "BitBtn2", "no door glyph doorway");
  expect(contains(image, {"Panel1", 100, 20, 369, 25}, qRgb(0, 0, 0)), "Panel1",
         "no printer name shown");
  std::printf("%s: %zu controls checked, %d checks failed\n", argv[1], std::size(kFramed),
              failures);
  return failures == 0 ? 0 : 1;
}
