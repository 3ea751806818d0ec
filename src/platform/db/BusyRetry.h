#pragma once

#include <QString>
#include <functional>

namespace db {

// What the program does when another workstation keeps a database file
// locked, one rule for every connection: SQLite waits a short busy timeout,
// then the user is told that another workstation is using the data and
// chooses "Reintentar" or "Cancelar". Cancelling raises err::Busy with a text
// that says whether data could not be read or changes could not be saved.
class BusyRetry {
public:
    enum class Operation { Read, Write };

    static constexpr int kDefaultTimeoutMs = 1000;

    // How long a connection waits for another's lock before asking.
    static int TimeoutMs();
    // Tests shorten the wait; 0 or less puts back the default.
    static void SetTimeoutMs(int ms);

    // Runs `work`. While it fails with err::Busy, waits out what is left of
    // the timeout, then asks; "Reintentar" runs it again. `canRetry` tells
    // whether running it again is still sound (a transaction the engine ended
    // cannot be resumed): when it says no, the busy error is raised at once.
    static void Run(const QString& file, Operation operation, const std::function<void()>& work,
                    const std::function<bool()>& canRetry = {});

    static QString QuestionText(const QString& file, Operation operation);
    static QString ErrorText(const QString& file, Operation operation);
};

} // namespace db
