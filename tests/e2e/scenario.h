// tests/e2e/scenario.h
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "tests/e2e/driver.h"

namespace e2e {

// Every name below a folder, recursively, with each file's size: what a run may have written.
std::set<std::string> FolderSnapshot(const std::string& folder);

// One run of the real installer. A scenario that fails leaves a screenshot of the screen as it
// was at the failure, named after the test.
class InstallerScenario : public ::testing::Test {
protected:
    void TearDown() override;
    InstallerProcess& Start(const std::string& arguments = "");
    // Starts another build or a copy of the installer.
    InstallerProcess& StartProgram(const std::string& exePath, const std::string& arguments = "");

    std::unique_ptr<InstallerProcess> installer;
};

}  // namespace e2e
