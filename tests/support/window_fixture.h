#pragma once

#include "app/main_window.h"

#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>

namespace vek::testing {

// Keeps the test's settings (the window's place, the recent projects) in a folder of their
// own, never the user's, and starts each test with none.
inline void UseTestSettings()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
}

// A shown main window whose messages and questions are recorded; questions get `answer`.
struct WindowFixture
{
    WindowFixture()
    {
        form.SetErrorReporter([this](const QString& message) { errors << message; });
        form.SetQuestionAsker([this](const QString& question, QMessageBox::StandardButtons) {
            questions << question;
            return answer;
        });
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            qFatal("the main window was not exposed");
    }

    MainWindow form;
    QStringList errors;
    QStringList questions;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
};

} // namespace vek::testing
