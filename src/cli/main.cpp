#include "cli/cli.h"
#include "core/base/app_paths.h"

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    const quintaro::CliEnvironment env{
        quintaro::ProcessEnvironment(),
        quintaro::SettingsFilePath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")),
    };
    return quintaro::RunCli(std::vector<std::string>(argv + 1, argv + argc), env, std::cout,
                            std::cerr);
}
