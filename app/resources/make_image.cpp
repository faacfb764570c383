// Writes a pixel map as a bitmap (.bmp), an icon (.ico) or a PNG (.png, each pixel drawn as a
// square of SCALE pixels), chosen by the output's extension:
//   quirevo_make_image printer.txt printer.bmp
//   quirevo_make_image quirevo_icon.txt quirevo-64.png 2
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "app/resources/image_encoding.h"
#include "app/resources/pixel_map.h"

int main(int argc, char** argv) {
  const std::string output = argc >= 3 ? argv[2] : "";
  const bool png = output.ends_with(".png");
  if (argc != (png ? 4 : 3)) {
    std::cerr << "usage: quirevo_make_image MAP.txt OUT.bmp|OUT.ico\n"
                 "       quirevo_make_image MAP.txt OUT.png SCALE\n";
    return 2;
  }
  try {
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
      throw std::runtime_error(std::string("cannot read ") + argv[1]);
    }
    std::stringstream text;
    text << in.rdbuf();
    const auto map = quirevo::resources::parsePixelMap(text.str());
    const std::string bytes = png ? quirevo::resources::encodePng(map, std::stoi(argv[3]))
                              : output.ends_with(".ico") ? quirevo::resources::encodeIco(map)
                                                         : quirevo::resources::encodeBmp(map);
    std::ofstream out(output, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      throw std::runtime_error("cannot write " + output);
    }
  } catch (const std::exception& error) {
    std::cerr << "quirevo_make_image: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
