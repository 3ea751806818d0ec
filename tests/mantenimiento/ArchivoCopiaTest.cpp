// The backup archive on its own: files go in and come back byte for byte;
// an archive cut short, changed in one byte, from a newer program or not an
// archive at all is refused with its kind; a full disk leaves no archive.

#include "mantenimiento/ArchivoCopia.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>

#include <cerrno>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using T = ErrorArchivoCopia::Tipo;

class ArchivoCopiaTest : public ::testing::Test {
protected:
    QString Ruta(const QString& nombre) const { return dir.filePath(nombre); }

    void Escribir(const QString& nombre, const QByteArray& datos) const
    {
        QFile f(Ruta(nombre));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(datos);
    }
    QByteArray Leer(const QString& ruta) const
    {
        QFile f(ruta);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // An archive of two files: one that compresses, one that does not.
    QString CrearArchivo()
    {
        QByteArray texto;
        while (texto.size() < 700000)
            texto += "Libro de bautismo, folio 12, partida 345. ";
        QByteArray ruido(300000, Qt::Uninitialized);
        QRandomGenerator azar(3);
        for (char& c : ruido)
            c = char(azar.bounded(256));
        Escribir(QStringLiteral("a.mdb"), texto);
        Escribir(QStringLiteral("b.img"), ruido);
        originales = {texto, ruido};

        const QString archivo = Ruta(QStringLiteral("copia.copiabd"));
        EscritorArchivoCopia escritor(archivo, compresor);
        ManifiestoCopia m;
        m.formato = kFormatoArchivoCopia;
        m.programa = QStringLiteral("2.2.0");
        m.fecha = QDateTime(QDate(2026, 12, 11), QTime(9, 30));
        m.edicion = QStringLiteral("1");
        m.usuario = QStringLiteral("Administrador");
        FicheroCopia a{rol::Parroquia, QStringLiteral("Duzediv.mdb"), 0, 0, QStringLiteral("2.2.0"), 0, 0};
        FicheroCopia b{rol::Imagenes, QStringLiteral("Imagenes.img"), 0, 0, {}, 0, 0};
        escritor.Anadir(a, Ruta(QStringLiteral("a.mdb")));
        escritor.Anadir(b, Ruta(QStringLiteral("b.img")));
        m.ficheros = {a, b};
        escritor.Terminar(m);
        return archivo;
    }

    // Opens the archive and extracts every file; the kind of the refusal, or
    // nothing when all went well.
    std::optional<T> Abrir(const QString& archivo)
    {
        try {
            LectorArchivoCopia lector(archivo, compresor);
            QTemporaryDir salida;
            for (const FicheroCopia& f : lector.Manifiesto().ficheros)
                lector.Extraer(f, salida.filePath(f.nombre));
            return std::nullopt;
        } catch (const ErrorArchivoCopia& error) {
            return error.tipo();
        }
    }

    QTemporaryDir dir;
    compresor::ZlibTool compresor;
    QList<QByteArray> originales;
};

TEST_F(ArchivoCopiaTest, LosFicherosVuelvenIgualesConSuManifiesto)
{
    const QString archivo = CrearArchivo();
    LectorArchivoCopia lector(archivo, compresor);
    const ManifiestoCopia& m = lector.Manifiesto();
    EXPECT_EQ(m.formato, kFormatoArchivoCopia);
    EXPECT_EQ(m.usuario, QStringLiteral("Administrador"));
    EXPECT_EQ(m.fecha, QDateTime(QDate(2026, 12, 11), QTime(9, 30)));
    ASSERT_EQ(m.ficheros.size(), 2);
    EXPECT_EQ(m.Buscar(rol::Parroquia)->version, QStringLiteral("2.2.0"));
    EXPECT_EQ(m.Buscar(rol::Contabilidad), nullptr);
    for (int i = 0; i < 2; ++i) {
        const FicheroCopia& f = m.ficheros.at(i);
        EXPECT_EQ(f.tamano, quint64(originales.at(i).size()));
        const QString destino = Ruta(QStringLiteral("vuelta-") + f.nombre);
        lector.Extraer(f, destino);
        EXPECT_EQ(Leer(destino), originales.at(i)) << f.nombre.toStdString();
    }
    // Only the archive and the files the test wrote: no working file left.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 5);
}

TEST_F(ArchivoCopiaTest, ArchivosMalosSeRechazanConSuMotivo)
{
    const QByteArray bueno = Leer(CrearArchivo());
    const auto cambiarByte = [&](qsizetype posicion) {
        QByteArray b = bueno;
        b[posicion] = char(b.at(posicion) ^ 0x20);
        return b;
    };
    QByteArray posterior = bueno;
    qToLittleEndian<quint32>(quint32(kFormatoArchivoCopia + 1), posterior.data() + 16);

    struct Caso {
        const char* nombre;
        QByteArray datos;
        T tipo;
    };
    const Caso casos[] = {
        {"vacío", QByteArray(), T::NoEsCopia},
        {"otro archivo", QByteArray("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=Duzediv.mdb\r\n"), T::NoEsCopia},
        {"base de datos suelta", QByteArray("SQLite format 3\0", 16) + QByteArray(4000, '\0'), T::NoEsCopia},
        {"solo el principio de la cabecera", bueno.left(9), T::Incompleta},
        {"cortado por la mitad", bueno.left(bueno.size() / 2), T::Incompleta},
        {"sin el último byte", bueno.left(bueno.size() - 1), T::Incompleta},
        {"de un programa más moderno", posterior, T::FormatoPosterior},
        {"byte cambiado en el primer fichero", cambiarByte(5000), T::Danada},
        {"byte cambiado en el segundo fichero", cambiarByte(bueno.size() - 2000), T::Danada},
        {"byte cambiado en el manifiesto", cambiarByte(bueno.size() - 100), T::Danada},
        {"byte cambiado en la posición del manifiesto", cambiarByte(bueno.size() - 15), T::Danada},
    };
    for (const Caso& caso : casos) {
        Escribir(QStringLiteral("malo.copiabd"), caso.datos);
        const std::optional<T> tipo = Abrir(Ruta(QStringLiteral("malo.copiabd")));
        ASSERT_TRUE(tipo.has_value()) << caso.nombre;
        EXPECT_EQ(int(*tipo), int(caso.tipo)) << caso.nombre;
    }
}

TEST_F(ArchivoCopiaTest, DiscoLlenoNoDejaArchivoYConservaElAnterior)
{
    Escribir(QStringLiteral("a.mdb"), QByteArray(2 * 1024 * 1024, 'z'));
    Escribir(QStringLiteral("copia.copiabd"), QByteArray("la copia anterior"));
    qint64 escritos = 0;
    const FuncionEscritura llenarDisco = [&escritos](int fd, const void* datos, size_t bytes) -> ssize_t {
        if (escritos > 1000) {
            errno = ENOSPC;
            return -1;
        }
        escritos += qint64(bytes);
        return ::write(fd, datos, bytes);
    };
    try {
        EscritorArchivoCopia escritor(Ruta(QStringLiteral("copia.copiabd")), compresor, llenarDisco);
        FicheroCopia f{rol::Parroquia, QStringLiteral("Duzediv.mdb"), 0, 0, {}, 0, 0};
        escritor.Anadir(f, Ruta(QStringLiteral("a.mdb")));
        escritor.Terminar({});
        FAIL() << "se escribió con el disco lleno";
    } catch (const ErrorArchivoCopia& error) {
        EXPECT_EQ(int(error.tipo()), int(T::DiscoLleno));
    }
    EXPECT_EQ(Leer(Ruta(QStringLiteral("copia.copiabd"))), QByteArray("la copia anterior"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

} // namespace
