#include "core/base/app_paths.h"
#include "cli/cli.h"

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    quintaro::CliEnvironment env{
        quintaro::ExecutableDirectory(),
        std::filesystem::current_path(),
        quintaro::SettingsFilePath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")),
    };
    return quintaro::RunCli(std::vector<std::string>(argv + 1, argv + argc), env, std::cout,
                            std::cerr);
}
