// Finding a table's encoding: UTF-8 and GBK as spreadsheets save them, and
// bytes that would come out garbled either way, refused with line and byte.

#include "text_encoding.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QStringEncoder>

#include "file_error.h"

namespace platewise {
namespace {

QByteArray gbk(const char* utf8) { return QStringEncoder("GB18030")(QString::fromUtf8(utf8)); }

struct EncodingCase {
  const char* title;
  QByteArray bytes;
  std::string found;  // "UTF-8", "GB18030", or the message
};
void PrintTo(const EncodingCase& c, std::ostream* out) { *out << c.title; }

class DetectEncoding : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(DetectEncoding, FindsItOrSaysWhere) {
  QBuffer in;
  in.setData(GetParam().bytes);
  in.open(QIODevice::ReadOnly);
  std::string found;
  try {
    found = detect_encoding(in, "b.csv") == TextEncoding::Utf8 ? "UTF-8" : "GB18030";
  } catch (const FileError& error) {
    found = error.what();
  }
  EXPECT_EQ(found, GetParam().found);
}

const QByteArray kUtf8Rows = "name\n二层KL-1\n三层KL-2\n";

INSTANTIATE_TEST_SUITE_P(
    Texts, DetectEncoding,
    ::testing::Values(
        EncodingCase{"Ascii", "name,cover\nKL-1,30\n", "UTF-8"},
        EncodingCase{"ChineseAndEmojiInUtf8", kUtf8Rows + "\xF0\x9F\x8F\xA0\n", "UTF-8"},
        EncodingCase{"TwoByteUtf8", "name,note\nKL-1,φ12 30°\n", "UTF-8"},
        EncodingCase{"Gbk", gbk("name,bar_rows,redistribution_on\n二层KL-1,双排,是\n"), "GB18030"},
        // ¥ is four bytes in GB18030 (0x81 0x30 0x84 0x36), ⺁ two from the last lead byte (0xFE
        // 0x50).
        EncodingCase{"Gb18030FourBytesAndTheLastLead", gbk("name\n¥⺁\n"), "GB18030"},
        // More valid two-byte UTF-8 sequences (0xC3 0xAA, 0xCC 0xB8, 0xD6 0xBD) than
        // invalid ones, but no three-byte sequence, as Chinese in UTF-8 would have.
        EncodingCase{"GbkThatHoldsTwoByteUtf8", gbk("KL-1,锚固钢筋\n"), "GB18030"},
        EncodingCase{"ExampleTableOfExcel", gbk("一层KL-1,否\n一层KL-2,是\n梁面无需加固\n"),
                     "GB18030"},
        EncodingCase{
            "Utf8WithAStrayByte", kUtf8Rows + "四层\xB4\n",
            "“b.csv”第4行：第7个字节(0xB4)不是有效的UTF-8，而文件其余部分是UTF-8；请改正这个字节"},
        EncodingCase{
            "Utf8CutShortAtTheEnd", kUtf8Rows + "四\xE5\xB1",
            "“b.csv”第4行：第4个字节(0xE5)不是有效的UTF-8，而文件其余部分是UTF-8；请改正这个字节"},
        EncodingCase{
            "OverlongSlash", kUtf8Rows + "\xC0\xAF\n",
            "“b.csv”第4行：第1个字节(0xC0)不是有效的UTF-8，而文件其余部分是UTF-8；请改正这个字节"},
        EncodingCase{
            "Surrogate", kUtf8Rows + "\xED\xA0\x80\n",
            "“b.csv”第4行：第1个字节(0xED)不是有效的UTF-8，而文件其余部分是UTF-8；请改正这个字节"},
        EncodingCase{
            "GbkAfterAByteOrderMark", "\xEF\xBB\xBF" + gbk("name\n二层\n"),
            "“b.csv”第2行：第1个字节(0xB6)不是有效的UTF-8（文件以UTF-8的字节顺序标记开头）"},
        EncodingCase{"Neither", "name\nKL\x81\x7F\n",
                     "“b.csv”第2行：第3个字节(0x81)起的文字既不是UTF-8也不是GBK（GB18030）"}),
    [](const auto& info) { return std::string(info.param.title); });

TEST(CheckUtf8, NamesTheFirstByteThatIsNoUtf8) {
  EXPECT_NO_THROW(check_utf8("{\"name\": \"二层\"}", "a.json"));
  try {
    check_utf8("{\n\"name\": \"\xB6\xFE\"}", "a.json");
    ADD_FAILURE() << "GBK read as UTF-8";
  } catch (const FileError& error) {
    EXPECT_STREQ(error.what(), "“a.json”第2行：第10个字节(0xB6)不是有效的UTF-8");
  }
}

}  // namespace
}  // namespace platewise
