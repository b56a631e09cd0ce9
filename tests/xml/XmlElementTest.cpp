#include "xml/XmlElement.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace grinsmith {
namespace {

using namespace std::string_literals;

std::string serialized(const XmlElement& element) {
    std::string out;
    element.serialize(out);
    return out;
}

TEST(XmlElementTest, WritesTheExampleTreeByteForByte) {
    XmlElement root("vorlSets");
    root.setAttribute("author", "Ann & Bob\0"s).setAttribute("desc", "x<y>z's\0"s);
    root.addChild("item").setAttribute("regex", "a>b\0"s).setAttribute("icase", "1\0"s);
    root.addChild("item");

    std::string out = xmlDeclaration();
    root.serialize(out);

    const std::string expected =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        "<vorlSets author=\"Ann &amp; Bob\" desc=\"x&lt;y&gt;z's\">\n"
        "\t<item regex=\"a&gt;b\" icase=\"1\"/>\t\n"
        "\t<item/>\t\n"
        "</vorlSets>\n";
    EXPECT_EQ(out, expected);
    EXPECT_EQ(out.size(), 151u);
}

TEST(XmlElementTest, DeclarationIsOneLineOf39Bytes) {
    EXPECT_EQ(xmlDeclaration(), "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
    EXPECT_EQ(xmlDeclaration().size(), 39u);
}

struct WriterCase {
    const char* name;
    friend void PrintTo(const WriterCase& c, std::ostream* os) { *os << c.name; }
    XmlElement (*build)();
    std::string expected;
};

class XmlWriterTest : public testing::TestWithParam<WriterCase> {};

TEST_P(XmlWriterTest, Writes) {
    EXPECT_EQ(serialized(GetParam().build()), GetParam().expected);
}

// Builds a tree and returns the element to write, which may lie deep inside it.
XmlElement deepChildWithAttribute() {
    XmlElement root("a");
    XmlElement& grandchild = root.addChild("b").addChild("c");
    grandchild.setAttribute("k", "v");
    return grandchild;  // a copy keeps its stored depth
}

INSTANTIATE_TEST_SUITE_P(
    Cases, XmlWriterTest,
    testing::Values(
        WriterCase{"RootWithoutAnything", [] { return XmlElement("root"); }, "<root/>\n"},
        WriterCase{"ChildlessAtDepthTwoRepeatsIndentation", deepChildWithAttribute,
                   "\t\t<c k=\"v\"/>\t\t\n"},
        WriterCase{"ChildrenWithoutAttributes",
                   [] {
                       XmlElement root("r");
                       root.addChild("a").addChild("b");
                       return root;
                   },
                   "<r>\n\t<a>\n\t\t<b/>\t\t\n\t</a>\n</r>\n"},
        WriterCase{"ChildWrittenAloneKeepsItsDepth",
                   [] {
                       XmlElement root("r");
                       return root.addChild("item");
                   },
                   "\t<item/>\t\n"},
        WriterCase{"SecondSettingReplacesValueInPlace",
                   [] {
                       XmlElement e("e");
                       e.setAttribute("a", "1").setAttribute("b", "2").setAttribute("a", "<3\0x"s);
                       return e;
                   },
                   "<e a=\"&lt;3\" b=\"2\"/>\n"},
        WriterCase{"NamesDifferingInCaseAreTwoAttributes",
                   [] {
                       XmlElement e("e");
                       e.setAttribute("Desc", "x").setAttribute("desc", "y");
                       return e;
                   },
                   "<e Desc=\"x\" desc=\"y\"/>\n"},
        WriterCase{
            "ValueIsCutAtItsFirstZeroByte",
            [] {
                XmlElement e("e");
                e.setAttribute("a", "ab\0cd"s).setAttribute("b", "\0x"s).setAttribute("c", "");
                return e;
            },
            "<e a=\"ab\" b=\"\" c=\"\"/>\n"},
        WriterCase{"NamesAreWrittenUnescaped",
                   [] {
                       XmlElement e("a&b");
                       e.setAttribute("x\"y", "v");
                       return e;
                   },
                   "<a&b x\"y=\"v\"/>\n"}),
    [](const testing::TestParamInfo<WriterCase>& info) { return std::string(info.param.name); });

struct EscapeCase {
    const char* name;
    friend void PrintTo(const EscapeCase& c, std::ostream* os) { *os << c.name; }
    std::string value;
    std::string expected;
};

class EscapeAttributeValueTest : public testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeAttributeValueTest, Escapes) {
    EXPECT_EQ(escapeAttributeValue(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EscapeAttributeValueTest,
    testing::Values(EscapeCase{"Empty", "", ""},
                    EscapeCase{"FourCharacters", "<&>\"", "&lt;&amp;&gt;&quot;"},
                    EscapeCase{"EntityLookalikeIsEscapedAgain", "&amp;", "&amp;amp;"},
                    EscapeCase{"RunsOfAmpersands", "&&", "&amp;&amp;"},
                    EscapeCase{"OtherBytesUnchanged", "'\t\r\n\x01\xC5\x9B", "'\t\r\n\x01\xC5\x9B"},
                    EscapeCase{"TextAroundEntities", "a<b>c", "a&lt;b&gt;c"}),
    [](const testing::TestParamInfo<EscapeCase>& info) { return std::string(info.param.name); });

TEST(XmlElementTest, AddChildReferenceSurvivesFurtherChildren) {
    XmlElement root("r");
    XmlElement& first = root.addChild("first");
    for (int i = 0; i < 100; ++i) {
        root.addChild("more");
    }
    first.setAttribute("k", "v");
    EXPECT_EQ(&first, &root.children().front());
    EXPECT_EQ(serialized(root.children().front()), "\t<first k=\"v\"/>\t\n");
}

TEST(XmlElementTest, WritingTwiceAppendsTwiceAndLeavesTreeUnchanged) {
    XmlElement root("r");
    root.addChild("i").setAttribute("a", "&");
    std::string out;
    root.serialize(out);
    root.serialize(out);
    const std::string once = "<r>\n\t<i a=\"&amp;\"/>\t\n</r>\n";
    EXPECT_EQ(out, once + once);
}

TEST(XmlElementTest, CopyOwnsItsSubtree) {
    XmlElement original("r");
    original.addChild("i").setAttribute("a", "1");
    XmlElement copy = original;
    copy.addChild("j");
    EXPECT_EQ(serialized(original), "<r>\n\t<i a=\"1\"/>\t\n</r>\n");
    EXPECT_EQ(serialized(copy), "<r>\n\t<i a=\"1\"/>\t\n\t<j/>\t\n</r>\n");
}

}  // namespace
}  // namespace grinsmith
