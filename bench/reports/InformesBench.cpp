// "Donantes" and "Etiquetas" of the report viewer over 100,000 donors:
//   - Visor/*: what a press of "Todos" costs once the add-in is asked: the
//     donations stand-in fills the work table from the parish database (one
//     read, one transaction of inserts), the engine prints it to a PDF file,
//     the table is emptied;
//   - Motor/*: the engine's own print of the same filled work table, the
//     floor any fill stands on.
// The aim is Visor within 3x of Motor.
//
//   bench_reports [--benchmark_filter=...]

#include "CarpetaPrograma.h"
#include "comun/InformesDonativos.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/pvapi/cCPassword.h"
#include "platform/report/ControlInforme.h"
#include "platform/ui/Ui.h"

#include "support/UiSilenciosa.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kDonantes = 100000;

const char* const kNombres[] = {"Begoña", "José Ángel", "María del Carmen", "Íñigo", "Lucía", "Óscar", "Nuria", "Raúl"};
const char* const kApellidos[] = {"Núñez", "Ibáñez", "Álvarez", "Muñoz", "García", "Peña", "Sánchez", "López"};

// A program folder with 100,000 donors and the two templates, made once.
class Carpeta {
public:
    static Carpeta& Instancia()
    {
        static Carpeta carpeta;
        return carpeta;
    }

    db::Connection conLocal;
    db::Connection conInformes;
    report::ControlInforme control;

    void Preparar(const char* plantilla)
    {
        control.setReportFileName(m_dir.filePath(QString::fromLatin1(plantilla)));
        control.setPassword(QLatin1Char('\n') + PVAPI::cCPassword::PASSWORD_INFORMES());
        control.setDataFiles(0, m_dir.filePath(QStringLiteral("Informes.mdb")));
        control.setWindowTitle(QStringLiteral("Informe"));
    }
    void Imprimir(benchmark::State& estado)
    {
        control.PrintReport();
        if (control.LastErrorNumber() != 0)
            estado.SkipWithError(qPrintable(control.LastErrorString()));
        QFile::remove(control.UltimoPdf());
    }

private:
    Carpeta()
    {
        m_dir.setAutoRemove(true);
        CrearCarpetaPrograma(m_dir.path());
        for (const char* p : {"infDO_Persona.rpt", "infDO_Etiqueta.rpt"}) {
            const QString nombre = QString::fromLatin1(p);
            QFile::copy(QStringLiteral(DUZ_PLANTILLAS "/") + nombre, m_dir.filePath(nombre));
        }
        QDir().mkpath(m_dir.filePath(QStringLiteral("pdf")));
        qputenv("DUZEDIV_REPORT_PDF_DIR", m_dir.filePath(QStringLiteral("pdf")).toUtf8());
        conLocal.Open(QStringLiteral("Data Source=%1;Jet OLEDB:Database Password=%2")
                          .arg(m_dir.filePath(QStringLiteral("Duzediv.mdb")), PVAPI::cCPassword::PASSWORD_NORVIAPARVANTA()));
        conInformes.Open(QStringLiteral("Data Source=%1;Jet OLEDB:Database Password=%2")
                             .arg(m_dir.filePath(QStringLiteral("Informes.mdb")), PVAPI::cCPassword::PASSWORD_INFORMES()));
        db::Transaction t(conLocal);
        conLocal.Execute(QStringLiteral("INSERT INTO Provincia (IDProvincia, Nombre) VALUES (1, 'Castellón')"));
        conLocal.Execute(QStringLiteral("INSERT INTO Municipio (IDMunicipio, Nombre, CodProvincia) VALUES (1, 'Peñíscola', 1)"));
        for (int i = 1; i <= kDonantes; ++i) {
            conLocal.Exec(QStringLiteral("INSERT INTO Padron (IDPadron, Nombre, PrimerApellido, SegundoApellido, "
                                         "Direccion, CPostal, CodMunicipio, DNI) VALUES (?, ?, ?, ?, ?, '12598', 1, ?)"),
                          {i, QString::fromUtf8(kNombres[i % 8]), QString::fromUtf8(kApellidos[(i / 8) % 8]),
                           QString::fromUtf8(kApellidos[(i / 64) % 8]), QStringLiteral("Calle Mayor %1").arg(i % 200),
                           QStringLiteral("%1Z").arg(i, 8, 10, QLatin1Char('0'))});
            conLocal.Exec(QStringLiteral("INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (?, 1)"), {i});
        }
        t.Commit();
    }

    QTemporaryDir m_dir;
};

void BM_Donantes_Visor(benchmark::State& estado)
{
    Carpeta& c = Carpeta::Instancia();
    c.Preparar("infDO_Persona.rpt");
    for (auto _ : estado) {
        informes_donativos::LlenarPersonas(c.conLocal, c.conInformes);
        c.Imprimir(estado);
        informes_donativos::Vaciar(c.conInformes, "Informe_Persona");
    }
}

void BM_Donantes_Motor(benchmark::State& estado)
{
    Carpeta& c = Carpeta::Instancia();
    c.Preparar("infDO_Persona.rpt");
    informes_donativos::LlenarPersonas(c.conLocal, c.conInformes);
    for (auto _ : estado)
        c.Imprimir(estado);
    informes_donativos::Vaciar(c.conInformes, "Informe_Persona");
}

void BM_Etiquetas_Visor(benchmark::State& estado)
{
    Carpeta& c = Carpeta::Instancia();
    c.Preparar("infDO_Etiqueta.rpt");
    c.control.setSortFields(0, QStringLiteral("+{Etiquetas.Orden}"));
    for (auto _ : estado) {
        informes_donativos::LlenarEtiquetas(c.conLocal, c.conInformes);
        c.Imprimir(estado);
        informes_donativos::Vaciar(c.conInformes, "Etiquetas");
    }
    c.control.setSortFields(0, QString());
}

void BM_Etiquetas_Motor(benchmark::State& estado)
{
    Carpeta& c = Carpeta::Instancia();
    c.Preparar("infDO_Etiqueta.rpt");
    c.control.setSortFields(0, QStringLiteral("+{Etiquetas.Orden}"));
    informes_donativos::LlenarEtiquetas(c.conLocal, c.conInformes);
    for (auto _ : estado)
        c.Imprimir(estado);
    informes_donativos::Vaciar(c.conInformes, "Etiquetas");
    c.control.setSortFields(0, QString());
}

// The fill alone, to see what part of the press it takes.
void BM_Donantes_Relleno(benchmark::State& estado)
{
    Carpeta& c = Carpeta::Instancia();
    for (auto _ : estado)
        informes_donativos::LlenarPersonas(c.conLocal, c.conInformes);
    informes_donativos::Vaciar(c.conInformes, "Informe_Persona");
}

// The same fill written straight on the SQLite C API: one prepared read,
// one insert statement prepared once and reused, one transaction.
void BM_Donantes_RellenoCrudo(benchmark::State& estado)
{
    Carpeta& c = Carpeta::Instancia();
    sqlite3* local = c.conLocal.handle();
    sqlite3* informes = c.conInformes.handle();
    for (auto _ : estado) {
        sqlite3_stmt* leer = nullptr;
        sqlite3_stmt* insertar = nullptr;
        sqlite3_prepare_v2(local,
                           "SELECT Padron.Nombre, Padron.PrimerApellido, Padron.SegundoApellido, Padron.DNI, "
                           "Padron.Direccion, Padron.CPostal, Municipio.Nombre, Provincia.Nombre, Padron.Telefono, "
                           "Institucion.Nombre FROM Padron INNER JOIN Padron_TipoPersona ON "
                           "Padron_TipoPersona.CodPadron = Padron.IDPadron LEFT JOIN Municipio ON "
                           "Municipio.IDMunicipio = Padron.CodMunicipio LEFT JOIN Provincia ON "
                           "Provincia.IDProvincia = Municipio.CodProvincia LEFT JOIN Institucion ON "
                           "Institucion.IDInstitucion = Padron.CodInstitucionEmpadronado WHERE "
                           "Padron_TipoPersona.CodTipoPersona = 1 ORDER BY Padron.PrimerApellido, "
                           "Padron.SegundoApellido, Padron.Nombre, Padron.IDPadron",
                           -1, &leer, nullptr);
        sqlite3_exec(informes, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        sqlite3_exec(informes, "DELETE FROM Informe_Persona", nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(informes,
                           "INSERT INTO Informe_Persona (Orden, Nombre, PrimerApellido, SegundoApellido, "
                           "Persona_Nombre, Persona_NIF, Persona_Domicilio, Persona_CP, Persona_Poblacion, "
                           "Persona_Provincia, Persona_Telefono, Institucion_Nombre) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                           -1, &insertar, nullptr);
        auto texto = [leer](int i) {
            return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(leer, i)),
                                     sqlite3_column_bytes(leer, i));
        };
        for (int orden = 1; sqlite3_step(leer) == SQLITE_ROW; ++orden) {
            const QString nombre = texto(0);
            const QString completo = (texto(1) + QLatin1Char(' ') + texto(2)).trimmed() + QStringLiteral(", ") + nombre;
            const QByteArray valores[] = {nombre.toUtf8(), texto(1).toUtf8(), texto(2).toUtf8(), completo.toUtf8(),
                                          texto(3).toUtf8(), texto(4).toUtf8(), texto(5).toUtf8(), texto(6).toUtf8(),
                                          texto(7).toUtf8(), texto(8).toUtf8(), texto(9).toUtf8()};
            sqlite3_bind_int(insertar, 1, orden);
            for (int i = 0; i < 11; ++i)
                sqlite3_bind_text(insertar, i + 2, valores[i].constData(), int(valores[i].size()), SQLITE_TRANSIENT);
            sqlite3_step(insertar);
            sqlite3_reset(insertar);
        }
        sqlite3_finalize(insertar);
        sqlite3_finalize(leer);
        sqlite3_exec(informes, "COMMIT", nullptr, nullptr, nullptr);
        estado.PauseTiming();
        if (c.conInformes.Execute(QStringLiteral("SELECT COUNT(*) FROM Informe_Persona")).value(0).toInt64() != kDonantes)
            estado.SkipWithError("el relleno directo no escribió todas las filas");
        estado.ResumeTiming();
    }
    informes_donativos::Vaciar(c.conInformes, "Informe_Persona");
}

} // namespace

BENCHMARK(BM_Donantes_RellenoCrudo)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_Donantes_Relleno)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_Donantes_Motor)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_Donantes_Visor)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_Etiquetas_Motor)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_Etiquetas_Visor)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UiSilenciosa silenciosa;
    ui::SetCurrent(&silenciosa);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ui::SetCurrent(nullptr);
    return silenciosa.mensajes == 0 ? 0 : 1;
}
