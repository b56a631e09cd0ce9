// Prints the executable directory as UTF-8, so a test can run a copy of this program from a
// folder of its choosing.
#include <iostream>

#include "setbuild/ExecutableDirectory.h"
#include "setbuild/Text.h"

int main() {
    const std::string bytes = grinsmith::toUtf8(grinsmith::executableDirectory());
    std::cout << bytes.substr(0, bytes.empty() ? 0 : bytes.size() - 1);
    return 0;
}
