#include "platform/libreoffice/file_url.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quirevo::office {
namespace {

struct UrlRow {
  const char* name;
  const char* path;
  const char* url;
};

const UrlRow kRows[] = {
    {"PlainPath", "/home/ann/book.xlsx", "file:///home/ann/book.xlsx"},
    {"Spaces", "/home/ann/my book.xlsx", "file:///home/ann/my%20book.xlsx"},
    {"UrlSyntaxIsEscaped", "/tmp/50% #1?.xls", "file:///tmp/50%25%20%231%3F.xls"},
    {"Utf8NameByteByByte", "/tmp/Итоги.xlsx", "file:///tmp/%D0%98%D1%82%D0%BE%D0%B3%D0%B8.xlsx"},
    {"TrailingSpacesKept", "/tmp/book.xlsx  ", "file:///tmp/book.xlsx%20%20"},
};

class FileUrl : public ::testing::TestWithParam<UrlRow> {};

TEST_P(FileUrl, EncodesTheAbsolutePathForTheOffice) {
  EXPECT_EQ(fileUrlFor(GetParam().path), GetParam().url);
}

INSTANTIATE_TEST_SUITE_P(Paths, FileUrl, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FileUrlOfRelativePath, StartsAtTheCurrentFolder) {
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path("/tmp");
  const std::string url = fileUrlFor("reports/book.xlsx");
  std::filesystem::current_path(previous);
  EXPECT_EQ(url, "file:///tmp/reports/book.xlsx");
}

}  // namespace
}  // namespace quirevo::office
