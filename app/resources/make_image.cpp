// Writes a pixel map as a bitmap (.bmp) or an icon (.ico), chosen by the output's extension:
//   quirevo_make_image printer.txt printer.bmp
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "app/resources/image_encoding.h"
#include "app/resources/pixel_map.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: quirevo_make_image MAP.txt OUT.bmp|OUT.ico\n";
    return 2;
  }
  const std::string output = argv[2];
  try {
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
      throw std::runtime_error(std::string("cannot read ") + argv[1]);
    }
    std::stringstream text;
    text << in.rdbuf();
    const auto map = quirevo::resources::parsePixelMap(text.str());
    const bool icon = output.size() > 4 && output.substr(output.size() - 4) == ".ico";
    const std::string bytes =
        icon ? quirevo::resources::encodeIco(map) : quirevo::resources::encodeBmp(map);
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
