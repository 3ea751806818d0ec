// Backup and restore of a parish database of 100,000 persons, donations and
// receipts with its accounting database, through the maintenance service,
// against the best raw way in the same run: each file copied with
// sqlite3_backup and deflated by hand with zlib (same level and buffers)
// into one file, synced; and back: inflated by hand and copied into the live
// database with sqlite3_backup.

#include "CarpetaPrueba.h"

#include "mantenimiento/IDialogosMantenimiento.h"
#include "mantenimiento/cMantenimientoBD.h"
#include "platform/compresor/ZlibTool.h"
#include "platform/pvapi/cDuzediv.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/ui/Ui.h"
#include "schema/Estructura.h"
#include "support/UiSilenciosa.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>
#include <vector>
#include <zlib.h>

namespace {

// Questions answered Yes; a warning means the command failed.
class UiBench : public UiSilenciosa {
public:
    int avisos = 0;

protected:
    int showMessage(const ui::Message& m) override
    {
        if (m.icon == ui::vbExclamation) {
            std::fprintf(stderr, "aviso: %s\n", qPrintable(m.text));
            ++avisos;
        }
        return m.buttons == ui::vbYesNo ? ui::vbYes : ui::vbOK;
    }
};

class Dialogos : public IDialogosMantenimiento {
public:
    explicit Dialogos(QString archivo) : m_archivo(std::move(archivo)) {}
    QString ArchivoCopiaNuevo(const QString&) override { return m_archivo; }
    QString ArchivoCopiaExistente(const QString&) override { return m_archivo; }
    std::optional<EleccionMunicipios> ElegirMunicipios(db::Connection&) override { return std::nullopt; }

private:
    QString m_archivo;
};

// The large parish and accounting databases, made once for the whole run.
struct Datos {
    Datos()
    {
        OpcionesDatos opciones;
        opciones.personas = 100000;
        opciones.donativos = 100000;
        opciones.recibos = 100000;
        opciones.remesas = 1000;
        carpeta.CrearParroquia(EsquemaDuzediv(), opciones);
        carpeta.CrearContabilidad(VERSION_CONTABILIDAD);
        conLocal = carpeta.AbrirParroquia();
        conContabilidad = carpeta.AbrirContabilidad();
        ficheros = {carpeta.Ruta(QStringLiteral("Duzediv.mdb")), carpeta.Ruta(QStringLiteral("Contabilidad.mdb"))};
        archivo = fuera.filePath(QStringLiteral("copia.copiabd"));
        std::fprintf(stderr, "Duzediv.mdb: %lld bytes, Contabilidad.mdb: %lld bytes\n",
                     QFile(ficheros.at(0)).size(), QFile(ficheros.at(1)).size());
    }

    ColeccionConexiones Conexiones()
    {
        ColeccionConexiones col;
        const auto anadir = [&col](qint16 id, db::Connection& con) {
            auto c = std::make_shared<cConexion>();
            c->IDConexion = id;
            c->ConexionBD = &con;
            c->Descripcion = QStringLiteral("Datos");
            col.Add(c, QString::number(id));
        };
        anadir(conexion::Parroquia, conLocal);
        anadir(conexion::Contabilidad, conContabilidad);
        return col;
    }

    cMantenimientoBD Servicio()
    {
        OpcionesMantenimiento opciones;
        opciones.dialogos = std::make_shared<Dialogos>(archivo);
        return cMantenimientoBD(servicio, opciones);
    }

    CarpetaPrueba carpeta;
    QTemporaryDir fuera;
    db::Connection conLocal;
    db::Connection conContabilidad;
    QStringList ficheros;
    QString archivo;
    PVAPI::cDuzediv servicio;
    PVAPI::cInfoConfiguracion info;
};

Datos& LosDatos()
{
    static Datos datos;
    return datos;
}

constexpr size_t kBloque = 256 * 1024;

void Comprobar(int rc, int esperado, benchmark::State& state, const char* que)
{
    if (rc != esperado)
        state.SkipWithError(que);
}

// sqlite3_backup of each file to a scratch file, deflated by hand into one
// output file, synced.
void CopiaManual(const QStringList& ficheros, const QString& salida, benchmark::State& state)
{
    const int out = ::open(QFile::encodeName(salida).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    std::vector<unsigned char> in(kBloque), buf(kBloque);
    for (const QString& f : ficheros) {
        const QByteArray tmp = QFile::encodeName(salida + QStringLiteral(".tmp"));
        ::unlink(tmp.constData());
        sqlite3* src = nullptr;
        sqlite3* dst = nullptr;
        sqlite3_open_v2(QFile::encodeName(f).constData(), &src, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_open_v2(tmp.constData(), &dst, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        sqlite3_exec(dst, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF", nullptr, nullptr, nullptr);
        sqlite3_backup* b = sqlite3_backup_init(dst, "main", src, "main");
        Comprobar(sqlite3_backup_step(b, -1), SQLITE_DONE, state, "backup");
        sqlite3_backup_finish(b);
        sqlite3_close(dst);
        sqlite3_close(src);

        const int fd = ::open(tmp.constData(), O_RDONLY | O_CLOEXEC);
        z_stream z{};
        deflateInit(&z, compresor::ZlibTool::NivelPredeterminado);
        int flush = Z_NO_FLUSH;
        uLong crc = 0;
        while (flush != Z_FINISH) {
            const ssize_t n = ::read(fd, in.data(), kBloque);
            flush = n <= 0 ? Z_FINISH : Z_NO_FLUSH;
            crc = crc32(crc, in.data(), uInt(n > 0 ? n : 0));
            z.next_in = in.data();
            z.avail_in = uInt(n > 0 ? n : 0);
            do {
                z.next_out = buf.data();
                z.avail_out = uInt(kBloque);
                deflate(&z, flush);
                if (::write(out, buf.data(), kBloque - z.avail_out) < 0)
                    state.SkipWithError("write");
            } while (z.avail_out == 0);
        }
        deflateEnd(&z);
        benchmark::DoNotOptimize(crc);
        ::close(fd);
        ::unlink(tmp.constData());
    }
    ::fsync(out);
    ::close(out);
}

// Each file inflated by hand from its own deflate file, then copied into the
// live database with sqlite3_backup.
void RestauracionManual(const QStringList& comprimidos, const QStringList& destinos, benchmark::State& state)
{
    std::vector<unsigned char> in(kBloque), buf(kBloque);
    for (qsizetype i = 0; i < comprimidos.size(); ++i) {
        const QByteArray tmp = QFile::encodeName(comprimidos.at(i) + QStringLiteral(".db"));
        ::unlink(tmp.constData());
        const int fd = ::open(QFile::encodeName(comprimidos.at(i)).constData(), O_RDONLY | O_CLOEXEC);
        const int out = ::open(tmp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        z_stream z{};
        inflateInit(&z);
        int rc = Z_OK;
        uLong crc = 0;
        while (rc != Z_STREAM_END) {
            const ssize_t n = ::read(fd, in.data(), kBloque);
            if (n <= 0)
                break;
            z.next_in = in.data();
            z.avail_in = uInt(n);
            do {
                z.next_out = buf.data();
                z.avail_out = uInt(kBloque);
                rc = inflate(&z, Z_NO_FLUSH);
                const size_t hechos = kBloque - z.avail_out;
                crc = crc32(crc, buf.data(), uInt(hechos));
                if (::write(out, buf.data(), hechos) < 0)
                    state.SkipWithError("write");
            } while (z.avail_out == 0);
        }
        inflateEnd(&z);
        benchmark::DoNotOptimize(crc);
        ::fsync(out);
        ::close(out);
        ::close(fd);

        sqlite3* src = nullptr;
        sqlite3* dst = nullptr;
        sqlite3_open_v2(tmp.constData(), &src, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_open_v2(QFile::encodeName(destinos.at(i)).constData(), &dst, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_backup* b = sqlite3_backup_init(dst, "main", src, "main");
        Comprobar(sqlite3_backup_step(b, -1), SQLITE_DONE, state, "backup");
        sqlite3_backup_finish(b);
        sqlite3_close(dst);
        sqlite3_close(src);
        ::unlink(tmp.constData());
    }
}

void BM_CopiaServicio(benchmark::State& state)
{
    UiBench ui;
    ui::SetCurrent(&ui);
    Datos& d = LosDatos();
    for (auto _ : state) {
        ColeccionConexiones col = d.Conexiones();
        QStringList ficheros = d.ficheros;
        std::shared_ptr<compresor::ZlibTool> z;
        d.Servicio().RealizarCopiaSeg(col, ficheros, z, d.info);
    }
    if (ui.avisos > 0)
        state.SkipWithError("la copia falló");
    state.counters["bytes"] = double(QFile(d.archivo).size());
    ui::SetCurrent(nullptr);
}

void BM_CopiaManual(benchmark::State& state)
{
    Datos& d = LosDatos();
    const QString salida = d.fuera.filePath(QStringLiteral("manual.z"));
    for (auto _ : state)
        CopiaManual(d.ficheros, salida, state);
    state.counters["bytes"] = double(QFile(salida).size());
}

void BM_RestaurarServicio(benchmark::State& state)
{
    UiBench ui;
    ui::SetCurrent(&ui);
    Datos& d = LosDatos();
    if (!QFile::exists(d.archivo)) {
        ColeccionConexiones col = d.Conexiones();
        QStringList ficheros = d.ficheros;
        std::shared_ptr<compresor::ZlibTool> z;
        d.Servicio().RealizarCopiaSeg(col, ficheros, z, d.info);
    }
    for (auto _ : state) {
        ColeccionConexiones col = d.Conexiones();
        QStringList ficheros = d.ficheros;
        std::shared_ptr<compresor::ZlibTool> z;
        d.Servicio().RestaurarCopiaSeg(col, ficheros, z, d.info);
        if (!col.Item(QStringLiteral("1"))->RecuperadaCopiaSeg)
            state.SkipWithError("no se restauró");
    }
    if (ui.avisos > 0)
        state.SkipWithError("la restauración falló");
    ui::SetCurrent(nullptr);
}

void BM_RestaurarManual(benchmark::State& state)
{
    Datos& d = LosDatos();
    // One deflate file per database, made before the timing.
    QStringList comprimidos;
    for (const QString& f : d.ficheros) {
        const QString salida = d.fuera.filePath(QFileInfo(f).fileName() + QStringLiteral(".z"));
        CopiaManual({f}, salida, state);
        comprimidos << salida;
    }
    for (auto _ : state)
        RestauracionManual(comprimidos, d.ficheros, state);
}

BENCHMARK(BM_CopiaManual)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CopiaServicio)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RestaurarManual)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RestaurarServicio)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
