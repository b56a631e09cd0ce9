#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "setbuild/SetBuildPlatform.h"
#include "setbuild/SetTypes.h"
#include "setbuild/Text.h"

namespace grinsmith::fakes {

// A set path or message as readable UTF-8, for expectations.
inline std::string utf8(std::u16string_view text) {
    std::string bytes = toUtf8(text);
    if (!bytes.empty()) {
        bytes.pop_back();
    }
    return bytes;
}

// A SetBuildPlatform that records every call as one readable line, keeps the bytes written to each
// file, and fails the operations it is told to fail.
class RecordingPlatform : public SetBuildPlatform {
public:
    std::vector<std::string> calls;
    std::vector<std::u16string> messages;
    std::map<std::u16string, std::string> files;

    std::set<std::u16string> failingPaths;  // createDirectory, copyFile source, createFile
    bool failEverything = false;
    bool failWrites = false;
    bool failClose = false;
    bool pathsIgnoreCase = false;

    bool createDirectory(const std::u16string& path) override {
        calls.push_back("createDirectory " + utf8(path));
        return !fails(path);
    }
    bool copyFile(const std::u16string& source, const std::u16string& destination) override {
        calls.push_back("copyFile " + utf8(source) + " -> " + utf8(destination));
        return !fails(source);
    }
    FileHandle createFile(const std::u16string& path) override {
        calls.push_back("createFile " + utf8(path));
        if (fails(path)) {
            return invalidFileHandle;
        }
        files[path].clear();
        m_open[++m_lastHandle] = path;
        return m_lastHandle;
    }
    bool writeFile(FileHandle file, const char* bytes, std::size_t count) override {
        calls.push_back((file == invalidFileHandle ? "writeFile invalid " : "writeFile ") +
                        std::to_string(count));
        if (file == invalidFileHandle || failEverything || failWrites) {
            return false;
        }
        files[m_open.at(file)].append(bytes, count);
        return true;
    }
    bool closeFile(FileHandle file) override {
        calls.push_back("closeFile");
        m_open.erase(file);
        return !(failEverything || failClose);
    }
    void showMessage(const std::u16string& text) override {
        calls.push_back("showMessage " + utf8(text));
        messages.push_back(text);
    }
    bool samePath(std::u16string_view a, std::u16string_view b) const override {
        return pathsIgnoreCase ? equalIgnoringCase(a, b) : a == b;
    }

    bool hasOpenFiles() const { return !m_open.empty(); }

private:
    bool fails(const std::u16string& path) const {
        return failEverything || failingPaths.count(path) > 0;
    }

    std::map<FileHandle, std::u16string> m_open;
    FileHandle m_lastHandle = 100;
};

}  // namespace grinsmith::fakes
