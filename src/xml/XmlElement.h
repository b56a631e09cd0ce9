#pragma once

#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace grinsmith {

// One XML element of the set definition file: a name, attributes and child elements, no text
// content. Values are escaped when they are set, so writing is a plain copy of stored bytes.
class XmlElement {
public:
    using Attribute = std::pair<std::string, std::string>;

    explicit XmlElement(std::string_view name);

    // Appends a child one level deeper; the reference stays valid while further children are added.
    XmlElement& addChild(std::string_view name);
    // Sets the value up to its first zero byte, escaped; a name already set keeps its place.
    // The value is taken by value so that a temporary's buffer becomes the stored value.
    XmlElement& setAttribute(std::string_view name, std::string value);
    // Appends this element and its subtree as tab-indented text.
    void serialize(std::string& out) const;

    const std::string& name() const { return m_name; }
    const std::list<XmlElement>& children() const { return m_children; }
    std::int32_t depth() const { return m_depth; }
    // The attributes in the order their names were first set, values in escaped form.
    const std::vector<Attribute>& attributes() const { return m_attributes; }

private:
    std::string m_name;
    std::list<XmlElement> m_children;
    std::int32_t m_depth = 0;
    std::vector<Attribute> m_attributes;
};

// The value with each of < & > " replaced by its entity; every other byte unchanged.
std::string escapeAttributeValue(std::string_view value);

// The 39-byte declaration line that the serialized tree follows.
std::string xmlDeclaration();

}  // namespace grinsmith
