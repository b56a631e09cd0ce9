#pragma once

#include <functional>

#include "setbuild/SetBuildPlatform.h"

namespace grinsmith::linuxhost {

// Set generation over the real Linux file system. Messages go to the function given by the
// front end that owns the window.
//
// Rules Linux cannot honour: a definition file is not locked against other programs while it is
// written (Linux has no share modes), and a file name holding a backslash cannot be named by a
// set path (see toHostPath).
class LinuxSetBuildPlatform : public SetBuildPlatform {
public:
    using MessageSink = std::function<void(const std::u16string&)>;

    explicit LinuxSetBuildPlatform(MessageSink showMessage);

    bool createDirectory(const std::u16string& path) override;
    bool copyFile(const std::u16string& source, const std::u16string& destination) override;
    FileHandle createFile(const std::u16string& path) override;
    bool writeFile(FileHandle file, const char* bytes, std::size_t count) override;
    bool closeFile(FileHandle file) override;
    void showMessage(const std::u16string& text) override;
    std::u16string displayPath(std::u16string_view path) const override;

private:
    MessageSink m_showMessage;
};

}  // namespace grinsmith::linuxhost
