#include "platform/db/BusyRetry.h"

#include "platform/db/DbErrors.h"
#include "platform/ui/Ui.h"
#include "platform/vb/VbError.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <atomic>
#include <sqlite3.h>

namespace db {
namespace {

constexpr int kPauseMs = 10;

std::atomic<int>& timeout()
{
    static std::atomic<int> ms{BusyRetry::kDefaultTimeoutMs};
    return ms;
}

QString shownName(const QString& file)
{
    const QString name = QFileInfo(file).fileName();
    return name.isEmpty() ? file : name;
}

[[noreturn]] void raiseBusy(const QString& file, BusyRetry::Operation operation)
{
    throw vb::VbError(err::Busy, BusyRetry::ErrorText(file, operation), QString::fromUtf16(kEngineSource));
}

bool askRetry(const QString& file, BusyRetry::Operation operation)
{
    ui::Ui& ui = ui::Current();
    const ui::MousePointer pointer = ui.mousePointer();
    ui.setMousePointer(ui::vbDefault);
    const int answer = ui.MsgBox(BusyRetry::QuestionText(file, operation), ui::vbRetryCancel + ui::vbExclamation);
    ui.setMousePointer(pointer);
    return answer == ui::vbRetry;
}

} // namespace

int BusyRetry::TimeoutMs() { return timeout().load(); }

void BusyRetry::SetTimeoutMs(int ms) { timeout().store(ms > 0 ? ms : kDefaultTimeoutMs); }

void BusyRetry::Run(const QString& file, Operation operation, const std::function<void()>& work,
                    const std::function<bool()>& canRetry)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        try {
            work();
            return;
        } catch (const vb::VbError& error) {
            if (error.number() != err::Busy)
                throw;
            if (canRetry && !canRetry())
                raiseBusy(file, operation);
        }
        // A connection that already reads and then wants to write is refused
        // at once, without SQLite's wait; it waits here instead, so the user
        // is asked only after the same short time in every case.
        const qint64 left = TimeoutMs() - waited.elapsed();
        if (left > 0) {
            sqlite3_sleep(int(qMin<qint64>(left, kPauseMs)));
            continue;
        }
        if (!askRetry(file, operation))
            raiseBusy(file, operation);
        waited.restart();
    }
}

QString BusyRetry::QuestionText(const QString& file, Operation operation)
{
    const QString what = operation == Operation::Read ? QStringLiteral("no se pueden leer")
                                                      : QStringLiteral("no se pueden guardar los cambios");
    return QStringLiteral("Otro puesto de trabajo está usando los datos de '%1' y en este momento %2.\n\n"
                          "Pulse \"Reintentar\" para volver a intentarlo cuando el otro puesto termine, "
                          "o \"Cancelar\" para dejarlo.")
        .arg(shownName(file), what);
}

QString BusyRetry::ErrorText(const QString& file, Operation operation)
{
    if (operation == Operation::Read)
        return QStringLiteral("No se han podido leer los datos de '%1' porque otro puesto de trabajo los está usando. "
                              "Inténtelo de nuevo más tarde.")
            .arg(shownName(file));
    return QStringLiteral("No se han podido guardar los cambios en '%1' porque otro puesto de trabajo está usando "
                          "los datos. Inténtelo de nuevo más tarde.")
        .arg(shownName(file));
}

} // namespace db
