// SPDX-License-Identifier: GPL-3.0-or-later
// Test support: a fixture with a private folder per test, and dumps written into it.
#pragma once

#include "ReportCapture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

/// Gives each test a fresh folder of its own under the temporary folder, removed afterwards.
class TempDirTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("faultwise-test-" + std::to_string(::getpid()) + "-" +
                 testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "-" +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    /// Writes `dump` as `name` in the test's folder and returns its path.
    std::string write(const std::string& name, const Dump& dump) {
        const std::filesystem::path path = m_dir / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(dump.data()), std::streamsize(dump.size()));
        return path.string();
    }

    std::filesystem::path m_dir;
};
