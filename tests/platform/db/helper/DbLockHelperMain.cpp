// Commands (answer in brackets):
//   lectura <file>     a read transaction: others may read and write, not commit [ok]
//   escritura <file>   BEGIN IMMEDIATE: others may read, not write   [ok]
//   exclusivo <file>   BEGIN EXCLUSIVE: others may neither read nor write [ok]
//   soltar             ends the transaction and closes the file      [ok]
//   salir              ends normally                                 [adios]
// A failure answers "error <text>".
#include <sqlite3.h>

#include <iostream>
#include <string>

namespace {

sqlite3* db = nullptr;

std::string release()
{
    if (db) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        db = nullptr;
    }
    return "ok";
}

std::string hold(const std::string& file, const char* begin)
{
    release();
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        return "error " + std::string(sqlite3_errmsg(db));
    if (sqlite3_exec(db, begin, nullptr, nullptr, nullptr) != SQLITE_OK)
        return "error " + std::string(sqlite3_errmsg(db));
    return "ok";
}

// A read transaction takes its lock at its first read, and keeps it.
std::string holdRead(const std::string& file)
{
    const std::string answer = hold(file, "BEGIN");
    if (answer != "ok")
        return answer;
    sqlite3_stmt* read = nullptr;
    sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master", -1, &read, nullptr);
    const int rc = sqlite3_step(read);
    sqlite3_finalize(read);
    return rc == SQLITE_ROW ? "ok" : "error " + std::string(sqlite3_errmsg(db));
}

} // namespace

int main()
{
    std::string line;
    while (std::getline(std::cin, line)) {
        const std::size_t space = line.find(' ');
        const std::string command = line.substr(0, space);
        const std::string rest = space == std::string::npos ? std::string() : line.substr(space + 1);
        std::string answer;
        if (command == "lectura")
            answer = holdRead(rest);
        else if (command == "escritura")
            answer = hold(rest, "BEGIN IMMEDIATE");
        else if (command == "exclusivo")
            answer = hold(rest, "BEGIN EXCLUSIVE");
        else if (command == "soltar")
            answer = release();
        else if (command == "salir")
            answer = "adios";
        else
            answer = "error orden desconocida: " + command;
        std::cout << answer << std::endl;
        if (command == "salir")
            break;
    }
    release();
    return 0;
}
