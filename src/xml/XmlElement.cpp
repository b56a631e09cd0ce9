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

// How many bytes escaping adds; written without branches so that the compiler can check many
// bytes at once, since most values need no entity at all.
std::size_t escapingGrowth(std::string_view value) {
    std::size_t growth = 0;
    for (char c : value) {
        growth += (c == '<' || c == '>' ? 3 : 0) + (c == '&' ? 4 : 0) + (c == '"' ? 5 : 0);
    }
    return growth;
}

// Takes what writing appends and keeps only its length.
class SizeCounter {
public:
    SizeCounter& operator+=(std::string_view text) {
        m_size += text.size();
        return *this;
    }
    SizeCounter& operator+=(char) {
        ++m_size;
        return *this;
    }
    void append(std::size_t count, char) { m_size += count; }
    std::size_t size() const { return m_size; }

private:
    std::size_t m_size = 0;
};

// Elements of a set definition carry up to five attributes; room for them at the first one saves
// the list from growing, and moving its strings, three times over.
constexpr std::size_t attributesPerElement = 5;

// Into a std::string or a SizeCounter, so that the reserved size always matches the text.
template <class Out>
void appendIndentation(Out& out, std::int32_t depth) {
    if (depth > 0) {
        out.append(static_cast<std::size_t>(depth), '\t');
    }
}

template <class Out>
void writeElement(const XmlElement& element, Out& out) {
    appendIndentation(out, element.depth());
    out += '<';
    out += element.name();
    for (const XmlElement::Attribute& attribute : element.attributes()) {
        out += ' ';
        out += attribute.first;
        out += "=\"";
        out += attribute.second;
        out += '"';
    }
    if (element.children().empty()) {
        // A childless element repeats its indentation before the line feed; the plug-in's files
        // have always looked like this, so the writer keeps it.
        out += "/>";
        appendIndentation(out, element.depth());
        out += '\n';
        return;
    }
    out += ">\n";
    for (const XmlElement& child : element.children()) {
        writeElement(child, out);
    }
    appendIndentation(out, element.depth());
    out += "</";
    out += element.name();
    out += ">\n";
}

}  // namespace

XmlElement::XmlElement(std::string_view name) : m_name(name) {}

XmlElement& XmlElement::addChild(std::string_view name) {
    XmlElement& child = m_children.emplace_back(name);
    child.m_depth = m_depth + 1;
    return child;
}

XmlElement& XmlElement::setAttribute(std::string_view name, std::string value) {
    if (const std::size_t zero = value.find('\0'); zero != std::string::npos) {
        value.resize(zero);
    }
    if (escapingGrowth(value) != 0) {
        value = escapeAttributeValue(value);
    }
    for (Attribute& attribute : m_attributes) {
        if (attribute.first == name) {
            attribute.second = std::move(value);
            return *this;
        }
    }
    if (m_attributes.empty()) {
        m_attributes.reserve(attributesPerElement);
    }
    m_attributes.emplace_back(std::string(name), std::move(value));
    return *this;
}

void XmlElement::serialize(std::string& out) const {
    // Reserved in one piece: growing by doubling would copy a large set's text several times
    // and hold up to three times its size at once.
    SizeCounter counter;
    writeElement(*this, counter);
    out.reserve(out.size() + counter.size());
    writeElement(*this, out);
}

std::string escapeAttributeValue(std::string_view value) {
    const std::size_t growth = escapingGrowth(value);
    if (growth == 0) {
        return std::string(value);
    }
    std::string escaped;
    escaped.reserve(value.size() + growth);
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (const std::string_view entity = entityFor(value[i]); !entity.empty()) {
            escaped.append(value.substr(runStart, i - runStart)).append(entity);
            runStart = i + 1;
        }
    }
    escaped.append(value.substr(runStart));
    return escaped;
}

std::string xmlDeclaration() {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
}

}  // namespace grinsmith
