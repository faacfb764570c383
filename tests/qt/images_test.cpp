// The glyph bitmaps and the icon: the committed files are what their pixel maps make, the maps
// follow the rules for button glyphs, and the window shows exactly those pixels.
#include <gtest/gtest.h>

#include <QImage>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "app/resources/image_encoding.h"
#include "app/resources/pixel_map.h"
#include "platform/qt/glyphs.h"

namespace quirevo::resources {
namespace {

std::string readFile(const std::string& name) {
  std::ifstream in(std::string(QUIREVO_RESOURCES_DIR) + "/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

PixelMap readMap(const std::string& name) {
  return parsePixelMap(readFile(name));
}

std::uint8_t colour(char letter) {
  return static_cast<std::uint8_t>(kPaletteLetters.find(letter));
}

struct ImageFile {
  const char* map;
  const char* file;
  bool icon;
};

class ImageFileTest : public ::testing::TestWithParam<ImageFile> {};

TEST_P(ImageFileTest, IsWhatItsPixelMapMakes) {
  const PixelMap map = readMap(GetParam().map);
  const std::string made = GetParam().icon ? encodeIco(map) : encodeBmp(map);
  EXPECT_TRUE(made == readFile(GetParam().file))
      << GetParam().file << " is out of date: build the quirevo_images target";
}

TEST_P(ImageFileTest, DecodesToTheMapsColours) {
  const PixelMap map = readMap(GetParam().map);
  const QImage image = QImage(QString(QUIREVO_RESOURCES_DIR) + "/" + GetParam().file)
                           .convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(image.width(), map.width);
  ASSERT_EQ(image.height(), map.height);
  for (int y = 0; y < map.height; ++y) {
    for (int x = 0; x < map.width; ++x) {
      const Rgb expected = kStandardPalette[map.at(x, y)];
      const QRgb pixel = image.pixel(x, y);
      if (GetParam().icon && map.at(x, y) == kOlive) {
        EXPECT_EQ(qAlpha(pixel), 0) << x << "," << y;
      } else {
        EXPECT_EQ(pixel, qRgb(expected.red, expected.green, expected.blue)) << x << "," << y;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Resources, ImageFileTest,
                         ::testing::Values(ImageFile{"printer.txt", "printer.bmp", false},
                                           ImageFile{"door.txt", "door.bmp", false},
                                           ImageFile{"quirevo_icon.txt", "quirevo.ico", true}),
                         [](const auto& info) {
                           std::string name = info.param.file;
                           return name.substr(0, name.find('.')) +
                                  (info.param.icon ? "Icon" : "Bitmap");
                         });

struct GlyphRules {
  const char* map;
  const char* enabledColours;  // each must appear in the enabled glyph
};

class GlyphMapTest : public ::testing::TestWithParam<GlyphRules> {};

TEST_P(GlyphMapTest, HoldsAnEnabledAndADisabledGlyphWithOliveTransparency) {
  const PixelMap map = readMap(GetParam().map);
  ASSERT_EQ(map.width, 32);
  ASSERT_EQ(map.height, 16);
  EXPECT_EQ(map.at(0, 15), kOlive);
  std::set<std::uint8_t> enabled;
  std::set<std::uint8_t> disabled;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      enabled.insert(map.at(x, y));
      disabled.insert(map.at(x + 16, y));
    }
  }
  for (const char* letter = GetParam().enabledColours; *letter != '\0'; ++letter) {
    EXPECT_TRUE(enabled.count(colour(*letter))) << "enabled glyph lacks '" << *letter << "'";
  }
  // The disabled twin is the shape in dark grey and white only.
  EXPECT_EQ(disabled, (std::set<std::uint8_t>{kOlive, colour('d'), colour('w')}));
}

INSTANTIATE_TEST_SUITE_P(Glyphs, GlyphMapTest,
                         ::testing::Values(GlyphRules{"printer.txt", "kwsr"},
                                           GlyphRules{"door.txt", "kmcy"}),
                         [](const auto& info) {
                           std::string name = info.param.map;
                           return name.substr(0, name.find('.'));
                         });

TEST(GlyphTest, TheButtonShowsEachHalfWithTheBottomLeftColourTransparent) {
  const PixelMap map = readMap("printer.txt");
  for (bool enabled : {true, false}) {
    const QImage glyph =
        glyphPixmap(Glyph::Printer, enabled).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(glyph.size(), QSize(16, 16));
    const int offset = enabled ? 0 : 16;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        const std::uint8_t index = map.at(x + offset, y);
        const QRgb pixel = glyph.pixel(x, y);
        if (index == kOlive) {
          EXPECT_EQ(qAlpha(pixel), 0) << enabled << " " << x << "," << y;
        } else {
          const Rgb expected = kStandardPalette[index];
          EXPECT_EQ(pixel, qRgb(expected.red, expected.green, expected.blue))
              << enabled << " " << x << "," << y;
        }
      }
    }
  }
}

struct BadMap {
  const char* name;
  const char* text;
};

class BadPixelMapTest : public ::testing::TestWithParam<BadMap> {};

TEST_P(BadPixelMapTest, IsRejected) {
  EXPECT_THROW(parsePixelMap(GetParam().text), std::invalid_argument);
}

INSTANTIATE_TEST_SUITE_P(PixelMaps, BadPixelMapTest,
                         ::testing::Values(BadMap{"UnknownLetter", "kkk\nkxk\n"},
                                           BadMap{"RaggedRows", "kkk\nkk\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PixelMapTest, SkipsCommentsAndReadsRowsTopFirst) {
  const PixelMap map = parsePixelMap("# a comment\r\nkw\r\n\r\n.r\n");
  ASSERT_EQ(map.width, 2);
  ASSERT_EQ(map.height, 2);
  EXPECT_EQ(map.at(1, 0), colour('w'));
  EXPECT_EQ(map.at(0, 1), kOlive);
  EXPECT_EQ(map.at(1, 1), colour('r'));
}

TEST(BitmapEncodingTest, PadsRowsToWholeWordsAndStoresThemBottomUp) {
  // Three pixels a row take two bytes, padded to four.
  const std::string bmp = encodeBmp(parsePixelMap("kwr\nmmm\n"));
  const std::size_t pixels = 14 + 40 + 64;
  ASSERT_EQ(bmp.size(), pixels + 2 * 4);
  EXPECT_EQ(static_cast<unsigned char>(bmp[pixels]), 0x11);  // bottom row first: maroon
  EXPECT_EQ(static_cast<unsigned char>(bmp[pixels + 1]), 0x10);
  EXPECT_EQ(static_cast<unsigned char>(bmp[pixels + 4]), 0x0F);  // black, white
  EXPECT_EQ(static_cast<unsigned char>(bmp[pixels + 5]), 0x90);  // red
}

// The icon's larger sizes for the desktop: every pixel of the map a square of scale x scale
// pixels, as any PNG reader decodes it.
class ScaledIconTest : public ::testing::TestWithParam<int> {};

TEST_P(ScaledIconTest, DecodesToTheMapWithEachPixelASquare) {
  const int scale = GetParam();
  const PixelMap map = readMap("quirevo_icon.txt");
  const std::string png = encodePng(map, scale);
  QImage image;
  ASSERT_TRUE(image.loadFromData(reinterpret_cast<const uchar*>(png.data()),
                                 static_cast<int>(png.size()), "PNG"));
  image = image.convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(image.size(), QSize(map.width * scale, map.height * scale));
  int wrong = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const std::uint8_t index = map.at(x / scale, y / scale);
      const Rgb expected = kStandardPalette[index];
      const QRgb pixel = image.pixel(x, y);
      const bool right = index == kOlive
                             ? qAlpha(pixel) == 0
                             : pixel == qRgb(expected.red, expected.green, expected.blue);
      if (!right && wrong++ < 5) {
        ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << pixel;
      }
    }
  }
  EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(Icon, ScaledIconTest, ::testing::Values(1, 2, 4, 8),
                         [](const auto& info) { return "Scale" + std::to_string(info.param); });

TEST(PngEncodingTest, AnOddWidthAndManyRowsSpanSeveralStoredBlocks) {
  // 5 x 1 pixels scaled 200 times: 200 rows of 1 + 500 bytes, more than one block holds.
  const std::string png = encodePng(parsePixelMap("kwr.c\n"), 200);
  QImage image;
  ASSERT_TRUE(image.loadFromData(reinterpret_cast<const uchar*>(png.data()),
                                 static_cast<int>(png.size()), "PNG"));
  image = image.convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(image.size(), QSize(1000, 200));
  EXPECT_EQ(image.pixel(999, 199), qRgb(0, 255, 255));
  EXPECT_EQ(qAlpha(image.pixel(799, 0)), 0);
  EXPECT_EQ(image.pixel(400, 100), qRgb(255, 0, 0));
}

TEST(PngEncodingTest, RefusesAScaleBelowOne) {
  EXPECT_THROW(encodePng(parsePixelMap("kw\n"), 0), std::invalid_argument);
}

}  // namespace
}  // namespace quirevo::resources
