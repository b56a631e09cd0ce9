#include "xml/XmlElement.h"

namespace grinsmith {

namespace {

std::string_view entityFor(char c) {
    switch (c) {
        case '<':
            return "&lt;";
        case '&':
            return "&amp;";
        case '>':
            return "&gt;";
        case '"':
            return "&quot;";
        default:
            return {};
    }
}

std::string_view upToFirstZero(std::string_view value) {
    return value.substr(0, value.find('\0'));
}

void appendIndentation(std::string& out, std::int32_t depth) {
    if (depth > 0) {
        out.append(static_cast<std::size_t>(depth), '\t');
    }
}

}  // namespace

XmlElement::XmlElement(std::string_view name) : m_name(name) {}

XmlElement& XmlElement::addChild(std::string_view name) {
    XmlElement& child = m_children.emplace_back(name);
    child.m_depth = m_depth + 1;
    return child;
}

XmlElement& XmlElement::setAttribute(std::string_view name, std::string_view value) {
    std::string escaped = escapeAttributeValue(upToFirstZero(value));
    for (Attribute& attribute : m_attributes) {
        if (attribute.first == name) {
            attribute.second = std::move(escaped);
            return *this;
        }
    }
    m_attributes.emplace_back(std::string(name), std::move(escaped));
    return *this;
}

void XmlElement::serialize(std::string& out) const {
    appendIndentation(out, m_depth);
    out += '<';
    out += m_name;
    for (const Attribute& attribute : m_attributes) {
        out += ' ';
        out += attribute.first;
        out += "=\"";
        out += attribute.second;
        out += '"';
    }
    if (m_children.empty()) {
        // A childless element repeats its indentation before the line feed; the plug-in's files
        // have always looked like this, so the writer keeps it.
        out += "/>";
        appendIndentation(out, m_depth);
        out += '\n';
        return;
    }
    out += ">\n";
    for (const XmlElement& child : m_children) {
        child.serialize(out);
    }
    appendIndentation(out, m_depth);
    out += "</";
    out += m_name;
    out += ">\n";
}

std::string escapeAttributeValue(std::string_view value) {
    std::string escaped;
    escaped.reserve(value.size());
    std::size_t start = 0;
    while (start < value.size()) {
        std::size_t found = value.find_first_of("<&>\"", start);
        if (found == std::string_view::npos) {
            found = value.size();
        }
        escaped.append(value.substr(start, found - start));
        if (found < value.size()) {
            escaped.append(entityFor(value[found]));
        }
        start = found + 1;
    }
    return escaped;
}

std::string xmlDeclaration() {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
}

}  // namespace grinsmith
