// tests/e2e/scenario.cpp
#include "tests/e2e/scenario.h"

namespace e2e {

namespace {

void Collect(const std::string& folder, const std::string& prefix, std::set<std::string>& names) {
    WIN32_FIND_DATAA entry{};
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") {
            continue;
        }
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            names.insert(prefix + name + "\\");
            Collect(folder + "\\" + name, prefix + name + "\\", names);
        } else {
            names.insert(prefix + name + " " + std::to_string(entry.nFileSizeLow));
        }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
}

}  // namespace

std::set<std::string> FolderSnapshot(const std::string& folder) {
    std::set<std::string> names;
    Collect(folder, "", names);
    return names;
}

InstallerProcess& InstallerScenario::Start(const std::string& arguments) {
    return StartProgram(TVL_INSTALLER_PATH, arguments);
}

InstallerProcess& InstallerScenario::StartProgram(const std::string& exePath,
                                                  const std::string& arguments) {
    installer = std::make_unique<InstallerProcess>(exePath, arguments);
    EXPECT_TRUE(installer->Started()) << "cannot start " << exePath;
    return *installer;
}

void InstallerScenario::TearDown() {
    if (HasFailure()) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        SaveScreenshot(std::string(test->test_suite_name()) + "." + test->name());
    }
    installer.reset();
}

}  // namespace e2e
