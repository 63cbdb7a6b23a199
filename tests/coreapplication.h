#pragma once

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <memory>

namespace vm280::test {

/// An application object for the whole test program, for code that asks where the program
/// lives (the character table's configuration is looked for beside it). Register it once:
/// testing::AddGlobalTestEnvironment(new CoreApplicationEnvironment).
class CoreApplicationEnvironment : public testing::Environment
{
public:
    void SetUp() override { m_app = std::make_unique<QCoreApplication>(m_argc, m_argv); }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[5] = "test";
    char *m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QCoreApplication> m_app;
};

} // namespace vm280::test
