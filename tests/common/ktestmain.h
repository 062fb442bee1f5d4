#pragma once

// Test entry point: every test process gets its own data root, config home and runtime
// directory, so tests run in parallel and beside a running program without sharing state.

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

namespace Ky::Test {

// Prepares the environment before the application object exists. Keeps the directory alive.
class Environment
{
public:
    Environment();
    QString root() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

} // namespace Ky::Test

#define KESTROVA_TEST_MAIN(TestClass)                                                       \
    int main(int argc, char** argv)                                                         \
    {                                                                                       \
        Ky::Test::Environment environment;                                                  \
        QApplication app(argc, argv);                                                       \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                            \
        TestClass test;                                                                     \
        QTEST_SET_MAIN_SOURCE_PATH                                                          \
        return QTest::qExec(&test, argc, argv);                                             \
    }
