#include "setbuild/GenerateSet.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

#include "setbuild/DefinitionFile.h"
#include "setbuild/Messages.h"
#include "setbuild/ScopedFileHandle.h"
#include "setbuild/Text.h"

namespace grinsmith {

namespace {

namespace df = definitionFile;

// Collects the operations that failed during one generation, as lines of the final report.
class FailureReport {
public:
    explicit FailureReport(const SetBuildPlatform& platform) : m_platform(platform) {}

    void add(std::u16string_view what, std::u16string_view setPath) {
        m_lines.push_back(std::u16string(what) + m_platform.displayPath(setPath));
    }
    bool empty() const { return m_lines.empty(); }

    std::u16string text() const {
        std::u16string text(messages::failuresHeading);
        const std::size_t shown = std::min(m_lines.size(), messages::maxReportedFailures);
        for (std::size_t i = 0; i < shown; ++i) {
            text += u'\n';
            text += m_lines[i];
        }
        if (m_lines.size() > shown) {
            text += u'\n';
            text += messages::moreFailures;
        }
        return text;
    }

private:
    const SetBuildPlatform& m_platform;
    std::vector<std::u16string> m_lines;
};

bool isDeviceName(std::u16string_view name) {
    static constexpr std::array<std::u16string_view, 4> plainDevices = {u"CON", u"PRN", u"AUX",
                                                                        u"NUL"};
    for (std::u16string_view device : plainDevices) {
        if (equalIgnoringCase(name, device)) {
            return true;
        }
    }
    const bool numbered = name.size() == 4 && name[3] >= u'1' && name[3] <= u'9';
    return numbered && (equalIgnoringCase(name.substr(0, 3), u"COM") ||
                        equalIgnoringCase(name.substr(0, 3), u"LPT"));
}

bool holdsForbiddenCharacter(std::u16string_view name) {
    for (char16_t c : name) {
        if (c < 0x20 || c == u'<' || c == u'>' || c == u'|' || c == u'?') {
            return true;
        }
    }
    return false;
}

// Why a stripped set name cannot name a folder on Windows, or empty when it can.
std::u16string_view checkSetName(std::u16string_view strippedName) {
    if (holdsForbiddenCharacter(strippedName) || isDeviceName(strippedName)) {
        return messages::forbiddenSetName;
    }
    return {};
}

// The refusal for two different images under one file name, or empty when there is none.
std::u16string findClashingImageNames(const EntryList& entries, const SetBuildPlatform& platform) {
    // The first entry under each file name, the names compared without case.
    std::unordered_map<std::u16string, const EmoticonEntry*> firstUnderName;
    firstUnderName.reserve(entries.size());
    for (const EmoticonEntry& entry : entries) {
        const auto [first, added] =
            firstUnderName.try_emplace(upperCase(fileNamePart(entry.file)), &entry);
        if (!added && !platform.samePath(first->second->file, entry.file)) {
            return std::u16string(messages::clashingImageNames) +
                   fileNamePart(first->second->file).substr(1);
        }
    }
    return {};
}

// The first refusal of the inputs, in the order the user should hear them, or empty.
std::u16string_view refusalFor(const EntryList& entries, std::u16string_view strippedName) {
    if (entries.empty()) {
        return messages::emptyEntryList;
    }
    if (strippedName.empty()) {
        return messages::emptySetName;
    }
    return checkSetName(strippedName);
}

// Writes the byte-order mark and the text; every write is tried even on a handle that failed
// to open, so the file's failure is reported once whichever step went wrong.
bool writeDefinitionFile(SetBuildPlatform& platform, const std::u16string& path,
                         const std::string& text) {
    ScopedFileHandle file(platform, platform.createFile(path));
    bool written = file.valid();
    written = platform.writeFile(file.get(), df::byteOrderMark.data(), df::byteOrderMark.size()) &&
              written;
    if (!text.empty()) {
        written = platform.writeFile(file.get(), text.data(), text.size()) && written;
    }
    if (file.valid()) {
        written = file.close() && written;
    }
    return written;
}

}  // namespace

void generateSet(const SetHeader& header, const EntryList& entries,
                 std::u16string_view executableDirectory, SetBuildPlatform& platform) {
    const std::u16string setName = stripSetName(header.name);
    if (std::u16string_view refusal = refusalFor(entries, setName); !refusal.empty()) {
        platform.showMessage(std::u16string(refusal));
        return;
    }
    if (std::u16string clash = findClashingImageNames(entries, platform); !clash.empty()) {
        platform.showMessage(clash);
        return;
    }

    FailureReport failures(platform);
    const std::u16string setFolder = std::u16string(executableDirectory) + setName;
    if (!platform.createDirectory(setFolder)) {
        failures.add(messages::folderNotCreated, setFolder);
    }

    const XmlElement root = df::buildTree(header, entries, setName);
    for (const EmoticonEntry& entry : entries) {
        if (!platform.copyFile(entry.file, setFolder + fileNamePart(entry.file))) {
            failures.add(messages::fileNotCopied, entry.file);
        }
    }

    const std::u16string definitionPath = setFolder + std::u16string(df::suffix);
    if (!writeDefinitionFile(platform, definitionPath, df::text(root))) {
        failures.add(messages::fileNotWritten, definitionPath);
    }

    platform.showMessage(failures.empty() ? std::u16string(messages::success) : failures.text());
}

}  // namespace grinsmith
