// Opening a recordset over a 1,000,000-row table and reading a 24-row page,
// through db::Connection and through the raw SQLite C API on the same
// handle; and the translation of a long stored node query.
#include "platform/db/Connection.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/db/JetSql.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int kRows = 1000000;
constexpr int kPage = 24;

// One database for the whole run: building a million rows takes seconds.
class BigDatabase {
public:
    static BigDatabase& instance()
    {
        static BigDatabase db;
        return db;
    }
    db::Connection& connection() { return m_con; }

private:
    BigDatabase()
    {
        const QString path = m_dir.filePath(QStringLiteral("Duzediv.mdb"));
        db::CreateDatabase(path);
        m_con.Open(QStringLiteral("Data Source=%1").arg(path));
        m_con.Execute(QStringLiteral("CREATE TABLE Padron (IDPadron COUNTER PRIMARY KEY, Nombre NVARCHAR(40), "
                                     "PrimerApellido NVARCHAR(40), SegundoApellido NVARCHAR(40), DNI NVARCHAR(15))"));
        m_con.Execute(QStringLiteral("CREATE INDEX iNombre ON Padron (Nombre)"));
        static const char* names[] = {"José", "María", "Ángel", "Nuria", "Íñigo", "Lucía", "Óscar", "Begoña", "Raúl", "Sofía"};
        static const char* surnames[] = {"García", "Núñez", "Álvarez", "Muñoz", "López", "Martín", "Sánchez", "Pérez"};
        sqlite3* h = m_con.handle();
        sqlite3_exec(h, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* ins = nullptr;
        sqlite3_prepare_v2(h, "INSERT INTO Padron (Nombre, PrimerApellido, SegundoApellido, DNI) VALUES (?, ?, ?, ?)", -1, &ins, nullptr);
        for (int i = 0; i < kRows; ++i) {
            const std::string nombre = std::string(names[i % 10]) + " " + std::to_string(i % 9973);
            const std::string dni = std::to_string(10000000 + i) + "Z";
            sqlite3_bind_text(ins, 1, nombre.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(ins, 2, surnames[i % 8], -1, SQLITE_STATIC);
            sqlite3_bind_text(ins, 3, surnames[(i / 8) % 8], -1, SQLITE_STATIC);
            sqlite3_bind_text(ins, 4, dni.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_step(ins);
            sqlite3_reset(ins);
        }
        sqlite3_finalize(ins);
        sqlite3_exec(h, "COMMIT", nullptr, nullptr, nullptr);
    }

    QTemporaryDir m_dir;
    db::Connection m_con;
};

const QString kPageByKey = QStringLiteral(
    "SELECT TOP 24 Nombre, PrimerApellido, SegundoApellido, DNI, IDPadron FROM Padron WHERE IDPadron > 500000 ORDER BY IDPadron");
const QString kPageByName = QStringLiteral(
    "SELECT TOP 24 Nombre, PrimerApellido, SegundoApellido, DNI, IDPadron FROM Padron WHERE Nombre >= \"Nuria\" ORDER BY Nombre");
const QString kWholeList = QStringLiteral(
    "SELECT Nombre, PrimerApellido, SegundoApellido, DNI, IDPadron \r\nFROM Padron \r\nORDER BY Nombre");

void readPage(db::Recordset& rs, long start)
{
    const db::RowBlock rows = rs.GetRows(kPage, double(start));
    // Each value as the recordset holds it, as the raw code takes each
    // column's pointer or number without making anything of it.
    for (int r = 0; r < rows.RecordCount(); ++r)
        for (int f = 0; f < rows.FieldCount(); ++f)
            benchmark::DoNotOptimize(rows(f, r));
}

// The raw counterpart: prepare, step through every row (the count), read the
// columns of the rows asked for, finalize.
void rawQuery(sqlite3* h, const std::string& sql, long start, bool readAll)
{
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(h, sql.c_str(), int(sql.size()), &st, nullptr);
    long row = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        ++row;
        if (readAll || (row >= start && row < start + kPage)) {
            const int n = sqlite3_column_count(st);
            for (int c = 0; c < n; ++c) {
                if (sqlite3_column_type(st, c) == SQLITE_INTEGER)
                    benchmark::DoNotOptimize(sqlite3_column_int64(st, c));
                else
                    benchmark::DoNotOptimize(sqlite3_column_text(st, c));
            }
        }
    }
    benchmark::DoNotOptimize(row);
    sqlite3_finalize(st);
}

void BM_Page_Jet(benchmark::State& state, const QString* sql)
{
    db::Connection& con = BigDatabase::instance().connection();
    for (auto _ : state) {
        db::Recordset rs = con.Execute(*sql);
        readPage(rs, 1);
    }
}

void BM_Page_Raw(benchmark::State& state, const QString* sql)
{
    db::Connection& con = BigDatabase::instance().connection();
    const std::string translated = db::TranslateJetSql(*sql);
    for (auto _ : state)
        rawQuery(con.handle(), translated, 1, true);
}

// The best raw way: the statement prepared once and reused, reset after
// each page.
void BM_Page_RawReused(benchmark::State& state, const QString* sql)
{
    db::Connection& con = BigDatabase::instance().connection();
    const std::string translated = db::TranslateJetSql(*sql);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(con.handle(), translated.c_str(), int(translated.size()), &st, nullptr);
    for (auto _ : state) {
        long row = 0;
        while (sqlite3_step(st) == SQLITE_ROW) {
            ++row;
            const int n = sqlite3_column_count(st);
            for (int c = 0; c < n; ++c) {
                if (sqlite3_column_type(st, c) == SQLITE_INTEGER)
                    benchmark::DoNotOptimize(sqlite3_column_int64(st, c));
                else
                    benchmark::DoNotOptimize(sqlite3_column_text(st, c));
            }
        }
        benchmark::DoNotOptimize(row);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
}

// A whole node list (every row read into the recordset), then the middle page.
void BM_WholeList_Jet(benchmark::State& state)
{
    db::Connection& con = BigDatabase::instance().connection();
    for (auto _ : state) {
        db::Recordset rs = con.Execute(kWholeList);
        readPage(rs, kRows / 2);
    }
}

void BM_WholeList_Raw(benchmark::State& state)
{
    db::Connection& con = BigDatabase::instance().connection();
    const std::string translated = db::TranslateJetSql(kWholeList);
    for (auto _ : state)
        rawQuery(con.handle(), translated, kRows / 2, false);
}

// Raw, reading every value as the recordset must.
void BM_WholeList_RawReadAll(benchmark::State& state)
{
    db::Connection& con = BigDatabase::instance().connection();
    const std::string translated = db::TranslateJetSql(kWholeList);
    for (auto _ : state)
        rawQuery(con.handle(), translated, kRows / 2, true);
}

// The longest seeded node query: the marriage entries list.
const QString kNodeQuery = QStringLiteral(
    "SELECT Institucion.Nombre, Libro_Matrimonio.Nombre, Libro_Matrimonio.Nuevo, Matrimonio.Folio, Matrimonio.Numero, "
    "Matrimonio_Novios.Nombre, Matrimonio_Novios.PrimerApellido, Matrimonio_Novios.SegundoApellido, Matrimonio_Novias.Nombre, "
    "Matrimonio_Novias.PrimerApellido, Matrimonio_Novias.SegundoApellido, Matrimonio_Compromiso.FechaMatrimonio, Matrimonio.Anulada, "
    "Matrimonio.IDMatrimonio \r\nFROM Libro_Matrimonio, Institucion, Matrimonio, Matrimonio_Novios, Matrimonio_Novias, "
    "Matrimonio_Compromiso \r\nWHERE Institucion.IDInstitucion = Libro_Matrimonio.CodInstitucion AND Matrimonio.CodLibro = "
    "Libro_Matrimonio.IDLibroMatrimonio AND Matrimonio.IDMatrimonio = Matrimonio_Compromiso.CodMatrimonio AND Matrimonio.CodNovios = "
    "Matrimonio_Novios.IDNovios AND Matrimonio.CodNovias = Matrimonio_Novias.IDNovias AND Libro_Matrimonio.Nombre LIKE \"%Libro%\" "
    "\r\nORDER BY Institucion.Nombre, Libro_Matrimonio.Nuevo, Libro_Matrimonio.Nombre, Matrimonio.Folio, Val(Matrimonio.Numero)");

void BM_TranslateNodeQuery(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(db::TranslateJetNoCache(kNodeQuery));
    state.SetLabel(std::to_string(kNodeQuery.size()) + " characters");
}

void BM_TranslateNodeQueryCached(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(db::TranslateJet(kNodeQuery));
}

} // namespace

BENCHMARK_CAPTURE(BM_Page_Jet, by_key, &kPageByKey)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Page_Raw, by_key, &kPageByKey)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Page_RawReused, by_key, &kPageByKey)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Page_Jet, by_name, &kPageByName)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Page_Raw, by_name, &kPageByName)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Page_RawReused, by_name, &kPageByName)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeList_Jet)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WholeList_Raw)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WholeList_RawReadAll)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_TranslateNodeQuery)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TranslateNodeQueryCached)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
