#pragma once

// Test entry point: every test process gets its own data root, config home and runtime
// directory, so tests run in parallel and beside a running program without sharing state.

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

class QWidget;

namespace Ky::Test {

// Saves what a test shows as <name>.png into $KESTROVA_SCREENSHOT_DIR, so that people can
// look at panels and frames the tests build; does nothing when the variable is not set.
void SaveScreenshot(const QImage& image, const QString& name);
void SaveScreenshot(QWidget* widget, const QString& name);

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

#define KESTROVA_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        Ky::Test::Environment environment;                                                         \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
