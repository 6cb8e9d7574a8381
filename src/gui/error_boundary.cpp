#include "gui/error_boundary.h"

#include "util/error.h"

#include <QMessageBox>

#include <exception>
#include <new>

namespace vek {

QString ProgramTitle()
{
    return QStringLiteral("TAV");
}

void ReportMessage(QWidget* parent, const ErrorReporter& reporter, const QString& message)
{
    if (reporter)
        reporter(message);
    else
        QMessageBox::warning(parent, ProgramTitle(), message, QMessageBox::Ok);
}

bool RunGuarded(QWidget* parent, const ErrorReporter& reporter,
                const std::function<void()>& command)
{
    QString message;
    try {
        command();
        return true;
    } catch (const VekError& error) {
        message = QString::fromStdString(error.what());
    } catch (const std::bad_alloc&) {
        message = QStringLiteral("Out of memory");
    } catch (const std::exception& error) {
        // Not one of the program's own messages, but better told than a crash.
        message = QString::fromLocal8Bit(error.what());
    }
    ReportMessage(parent, reporter, message);
    return false;
}

} // namespace vek
