#include "setbuild/DefinitionFile.h"

#include "setbuild/Text.h"

namespace grinsmith::definitionFile {

namespace {

// The set name, a backslash and the image's file name, in UTF-8.
std::string fileValue(std::string_view setNameUtf8, std::u16string_view imagePath) {
    std::string value(setNameUtf8);
    appendUtf8(value, fileNamePart(imagePath));
    return value;
}

void setItemAttributes(XmlElement& item, const EmoticonEntry& entry, std::string_view setName) {
    item.setAttribute(regexAttribute, toUtf8(entry.regex))
        .setAttribute(matchAttribute, toUtf8(entry.match))
        .setAttribute(descAttribute, toUtf8(entry.desc))
        .setAttribute(icaseAttribute, toUtf8(entry.icase))
        .setAttribute(fileAttribute, fileValue(setName, entry.file));
}

}  // namespace

XmlElement buildTree(const SetHeader& header, const EntryList& entries,
                     std::u16string_view setName) {
    XmlElement root(rootElement);
    root.setAttribute(authorAttribute, toUtf8(header.author))
        .setAttribute(setDescAttribute, toUtf8(header.description));
    std::string setNameUtf8;
    appendUtf8(setNameUtf8, setName);
    for (const EmoticonEntry& entry : entries) {
        setItemAttributes(root.addChild(itemElement), entry, setNameUtf8);
    }
    return root;
}

std::string text(const XmlElement& root) {
    std::string out = xmlDeclaration();
    root.serialize(out);
    return out;
}

}  // namespace grinsmith::definitionFile
