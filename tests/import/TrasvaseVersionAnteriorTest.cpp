#include "AsistenteFixture.h"

#include "addin_doubles/InstalarComplementos.h"
#include "comun/TrasvaseVersionAnterior.h"
#include "platform/addins/HostComplementos.h"
#include "platform/addins/cVodidazaz.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/db/Recordset.h"
#include "schema/Estructura.h"
#include "support/FilasConsulta.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLabel>

// A previous version's database of our own goes through the wizard to the
// donations stand-in installed in the program folder: the check lists what
// it will leave out, the transfer copies the rest into the parish database
// with new ids, each part in its own transaction.

namespace {

using testsupport::Filas;

qint64 Cuenta(db::Connection& con, const char* tabla)
{
    return con.Query(QStringLiteral("SELECT COUNT(*) FROM ") + QString::fromLatin1(tabla), {}).value(0).toInt64();
}

QString Leer(const QString& ruta)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) ? QString::fromUtf8(archivo.readAll()) : QString();
}

// The steps whose label turns bold, in order: what the page shows while a
// run goes.
class PasosResaltados : public QObject {
public:
    template <std::size_t N>
    explicit PasosResaltados(const std::array<QLabel*, N>& etiquetas) : m_etiquetas(etiquetas.begin(), etiquetas.end())
    {
        for (QLabel* etiqueta : m_etiquetas)
            etiqueta->installEventFilter(this);
    }
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        // A label being destroyed still sends events, as a plain widget by then.
        if (evento->type() != QEvent::FontChange)
            return false;
        auto* etiqueta = qobject_cast<QLabel*>(objeto);
        if (etiqueta && etiqueta->font().bold())
            pasos << int(m_etiquetas.indexOf(etiqueta));
        return false;
    }
    QList<int> pasos;

private:
    QList<QLabel*> m_etiquetas;
};

} // namespace

class TrasvaseVersionAnteriorTest : public AsistenteTest {
public:
    TrasvaseVersionAnteriorTest()
    {
        EXPECT_TRUE(dobles::InstalarComplementos(carpeta.path(), {"PVVodidazaz"}));
        vodidazazReal = addins::CrearObjeto<addins::cVodidazaz>(addins::cVodidazaz::NombreClase);
        contexto.objVodidazaz = vodidazazReal.get();
        // The parish database already knows the bank: it is reused, not
        // repeated.
        con.Exec(QStringLiteral("INSERT INTO Banco (Codigo, Nombre) VALUES (?, ?)"),
                 {QStringLiteral("0049"), QStringLiteral("Banco de aquí")});
        CrearBaseAnterior();
    }

    // The previous version's database: our layout at 2.1.0, without a
    // column a later version added, with the program's password.
    void CrearBaseAnterior()
    {
        rutaAnterior = origen.filePath(QStringLiteral("Duzediv.mdb"));
        const QString clave = con.Property(QStringLiteral("Jet OLEDB:Database Password"));
        db::CreateDatabase(rutaAnterior, clave);
        anterior.setProperty(QStringLiteral("Data Source"), rutaAnterior);
        anterior.setProperty(QStringLiteral("Jet OLEDB:Database Password"), clave);
        anterior.Open();
        CrearEstructuraDuzediv(anterior);
        anterior.Execute(QStringLiteral("UPDATE Informacion SET Version = '2.1.0'"));
        anterior.Execute(QStringLiteral("ALTER TABLE Institucion DROP COLUMN Sufijo"));

        auto fila = [this](const char* sql, const QList<db::Value>& valores) {
            anterior.Exec(QString::fromUtf8(sql), valores);
            return anterior.LastInsertId();
        };
        const qint64 leon = fila("INSERT INTO Provincia (Nombre) VALUES (?)", {"León"});
        const qint64 baneza = fila("INSERT INTO Municipio (Nombre, CodProvincia) VALUES (?, ?)", {"La Bañeza", leon});
        const qint64 martin = fila("INSERT INTO Institucion (Nombre, CodMunicipio, Diocesis, Parroco) VALUES (?, ?, ?, ?)",
                                   {"Parroquia de San Martín", baneza, "Astorga", "Don Íñigo"});
        const qint64 caritas = fila("INSERT INTO Institucion (Nombre, CodMunicipio) VALUES (?, 0)", {"Cáritas"});
        const qint64 banco = fila("INSERT INTO Banco (Codigo, Nombre) VALUES (?, ?)", {"0049", "Banco Español"});
        fila("INSERT INTO Banco (Codigo, Nombre) VALUES (?, ?)", {"12", "Código corto"});
        const qint64 sucursal = fila("INSERT INTO Sucursal (CodBanco, Codigo) VALUES (?, ?)", {banco, "1234"});
        const QString cuenta = QStringLiteral("INSERT INTO Cuenta (CodSucursal, NumCuenta, DC) VALUES (?, ?, ?)");
        const qint64 cuentaDonante = fila(cuenta.toUtf8().constData(), {sucursal, "0123456789", "12"});
        const qint64 cuentaMala = fila(cuenta.toUtf8().constData(), {sucursal, "01234", "1"});
        const qint64 cuentaInstitucion = fila(cuenta.toUtf8().constData(), {sucursal, "9876543210", "34"});
        const qint64 presentador =
            fila("INSERT INTO Presentador (Nombre, PrimerApellido, SegundoApellido, NIF, CodSucursal) VALUES (?, ?, ?, "
                 "?, ?)",
                 {"Begoña", "Muñoz", "Ibáñez", "12345678Z", sucursal});
        fila("INSERT INTO Presentador_Institucion (CodPresentador, CodInstitucion) VALUES (?, ?)", {presentador, martin});
        const qint64 tipo = fila("INSERT INTO Tipo_Donativo (Descripcion) VALUES (?)", {"Cuota del año"});
        const QString persona = QStringLiteral(
            "INSERT INTO Padron (Nombre, PrimerApellido, SegundoApellido, CodMunicipio, DNI) VALUES (?, ?, ?, ?, ?)");
        const qint64 donante = fila(persona.toUtf8().constData(), {"José María", "Núñez", "Peña", baneza, "X1"});
        const qint64 vecino = fila(persona.toUtf8().constData(), {"Sólo", "Empadronado", "", 0, "X2"});
        const QString tipoPersona = QStringLiteral("INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (?, ?)");
        fila(tipoPersona.toUtf8().constData(), {donante, 1});
        fila(tipoPersona.toUtf8().constData(), {vecino, 2});
        fila("INSERT INTO PersonaDonativo_TipoDonativo_Cuenta (CodPersonaDonativo, CodTipoDonativo, CodCuenta) VALUES "
             "(?, ?, ?)",
             {donante, tipo, cuentaDonante});
        const QString enlace = QStringLiteral("INSERT INTO Institucion_TipoDonativo_Cuenta (CodInstitucion, "
                                              "CodTipoDonativo, CodCuenta) VALUES (?, ?, ?)");
        fila(enlace.toUtf8().constData(), {martin, tipo, cuentaInstitucion});
        enlaceMalo = fila(enlace.toUtf8().constData(), {caritas, tipo, cuentaMala});
        const QString donativo = QStringLiteral("INSERT INTO Donativo (CodPersonaDonativo, CodInstitucion, "
                                                "CodTipoDonativo, Descripcion, Importe, ImporteEur, PagoBanco) VALUES "
                                                "(?, ?, ?, ?, ?, ?, ?)");
        const qint64 organo = fila(donativo.toUtf8().constData(),
                                   {donante, martin, tipo, "Donación para el órgano", 1000, 6.01, true});
        donativoSinDonante =
            fila(donativo.toUtf8().constData(), {999, martin, tipo, "Sin donante", 500, 3.01, false});
        segundoDonativo = fila(donativo.toUtf8().constData(), {donante, caritas, tipo, "Campaña de Navidad", 2000,
                                                              12.02, false});
        const qint64 remesa = fila("INSERT INTO Remesa (CodPresentador, Fecha, ImporteTotal, ImporteTotalEur) VALUES "
                                   "(?, ?, ?, ?)",
                                   {presentador, "20011231", 1000, 6.01});
        fila("INSERT INTO Recibo (CodDonativo, CodRemesa, NumeroRecibo, Fecha, Importe, ImporteEur, PagoBanco) "
             "VALUES (?, ?, ?, ?, ?, ?, ?)",
             {organo, remesa, "R-1", "20011215", 1000, 6.01, true});
        anterior.Close();
    }

    // Pages 0, 1 and 5: the check run.
    void Comprobar()
    {
        Abrir();
        verificar = std::make_unique<PasosResaltados>(a->lblVerificar);
        trasvase = std::make_unique<PasosResaltados>(a->lblTrasvase);
        PasarPagina0(1);
        Marcar(a->lstImportar[0], {QStringLiteral("Vodidazaz")});
        Siguiente();
        ASSERT_EQ(a->mintPaso, 5);
        Siguiente();
    }

    // Page 7: the four names and the regime of every institution.
    void Completar()
    {
        ASSERT_EQ(a->mintPaso, 7);
        for (int linea = 0; linea < a->lstDatos.ListCount(); ++linea) {
            a->lstDatos.setListIndex(linea);
            a->lstDatos_Click();
            const QString nombres[4] = {QStringLiteral("Don Íñigo Sáenz"), QStringLiteral("Doña Begoña"),
                                        QStringLiteral("Astorga"), QStringLiteral("Vicaría del Órbigo")};
            for (int i = 0; i < 4; ++i) {
                a->txtDatos[i].Text = nombres[i];
                a->txtDatos_Change(i);
            }
            a->cboDeduccion.setListIndex(0);
            a->cboDeduccion_Click();
        }
        Siguiente();
        ASSERT_EQ(a->mintPaso, 8);
    }

    std::unique_ptr<addins::cVodidazaz> vodidazazReal;
    std::unique_ptr<PasosResaltados> verificar;
    std::unique_ptr<PasosResaltados> trasvase;
    db::Connection anterior;
    QString rutaAnterior;
    qint64 donativoSinDonante = 0;
    qint64 segundoDonativo = 0;
    qint64 enlaceMalo = 0;
};

// The whole road: the check shows what it leaves out, the institutions are
// completed, and the rows arrive with their accents, on new ids, once.
TEST_F(TrasvaseVersionAnteriorTest, LosDatosLleganConSusAcentosYLoQueFallaSeQuedaFuera)
{
    Comprobar();
    ASSERT_EQ(a->mintPaso, 6);
    ASSERT_TRUE(a->picIncidencias.Visible);
    EXPECT_EQ(verificar->pasos, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    const QString incidencias = a->txtIncidencias.Text;
    for (const QString& texto :
         {QStringLiteral("Banco 2: el código '12' no tiene cuatro cifras"),
          QStringLiteral("Cuenta 2: el número de cuenta '1-01234' no es válido"),
          QStringLiteral("Institucion_TipoDonativo_Cuenta %1: la cuenta 2 no existe o no se trasvasa").arg(enlaceMalo),
          QStringLiteral("Donativo %1: el donante 999 no existe").arg(donativoSinDonante),
          QStringLiteral("* Incidencias: 4. Los datos que las tienen no se trasvasarán.")})
        EXPECT_TRUE(incidencias.contains(texto)) << texto.toStdString() << "\n" << incidencias.toStdString();

    Siguiente();
    ASSERT_EQ(a->mintPaso, 7);
    EXPECT_EQ(Lineas(a->lstDatos), (QStringList{"Parroquia de San Martín", "Cáritas"}));
    EXPECT_EQ(a->txtDatos[0].Text, QStringLiteral("Don Íñigo")) << "the old values are proposed";
    EXPECT_EQ(a->txtDatos[2].Text, QStringLiteral("Astorga"));
    Completar();
    const qint64 bancosAntes = Cuenta(con, "Banco");
    pantalla().queueAnswer(ui::vbNo);
    Finalizar();
    ASSERT_EQ(a->mintPaso, 9);
    EXPECT_EQ(trasvase->pasos, (QList<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(a->prgTrasvase[1]->value(), a->prgTrasvase[1]->maximum());
    EXPECT_TRUE(pantalla().lastMessage().text.startsWith(
        QStringLiteral("¡El trasvase de la base de datos de Norvia Parvanta 2000 v1 a Norvia Parvanta v2 ha terminado!")))
        << pantalla().lastMessage().text.toStdString();

    EXPECT_EQ(Filas(con, QStringLiteral("SELECT Institucion.Nombre, Parroco, EncargadoArchivo, Diocesis, Vicaria, "
                                        "Municipio.Nombre, Provincia.Nombre, Sufijo FROM (Institucion INNER JOIN "
                                        "Municipio ON Institucion.CodMunicipio = Municipio.IDMunicipio) INNER JOIN "
                                        "Provincia ON Municipio.CodProvincia = Provincia.IDProvincia WHERE "
                                        "Institucion.Nombre = 'Parroquia de San Martín'")),
              QStringList{"Parroquia de San Martín|Don Íñigo Sáenz|Doña Begoña|Astorga|Vicaría del Órbigo|La "
                          "Bañeza|León|000"});
    EXPECT_EQ(Cuenta(con, "Banco"), bancosAntes) << "the bank 0049 is the parish database's own";
    EXPECT_EQ(Filas(con, QStringLiteral("SELECT Banco.Nombre, Sucursal.Codigo FROM Banco INNER JOIN Sucursal ON "
                                        "Sucursal.CodBanco = Banco.IDBanco")),
              QStringList{"Banco de aquí|1234"});
    EXPECT_EQ(Filas(con, QStringLiteral("SELECT Nombre, PrimerApellido, SegundoApellido, CodTipoPersona FROM Padron "
                                        "INNER JOIN Padron_TipoPersona ON CodPadron = IDPadron")),
              QStringList{"José María|Núñez|Peña|1"})
        << "only the donors";
    EXPECT_EQ(Filas(con, QStringLiteral("SELECT PrimerApellido, NumCuenta, Descripcion FROM ((Padron INNER JOIN "
                                        "PersonaDonativo_TipoDonativo_Cuenta ON CodPersonaDonativo = IDPadron) INNER "
                                        "JOIN Cuenta ON CodCuenta = IDCuenta) INNER JOIN Tipo_Donativo ON "
                                        "CodTipoDonativo = IDTipo_Donativo")),
              QStringList{"Núñez|0123456789|Cuota del año"});
    EXPECT_EQ(Filas(con, QStringLiteral("SELECT Institucion.Nombre, NumCuenta FROM (Institucion INNER JOIN "
                                        "Institucion_TipoDonativo_Cuenta ON CodInstitucion = IDInstitucion) INNER "
                                        "JOIN Cuenta ON CodCuenta = IDCuenta WHERE Institucion.Nombre = 'Parroquia de San "
                                        "Martín'")),
              QStringList{"Parroquia de San Martín|9876543210"});
    EXPECT_EQ(Filas(con, QStringLiteral("SELECT Donativo.Descripcion, Padron.Nombre, Institucion.Nombre FROM "
                                        "(Donativo INNER JOIN Padron ON CodPersonaDonativo = IDPadron) INNER JOIN "
                                        "Institucion ON Donativo.CodInstitucion = IDInstitucion ORDER BY "
                                        "Donativo.Descripcion")),
              (QStringList{"Campaña de Navidad|José María|Cáritas",
                           "Donación para el órgano|José María|Parroquia de San Martín"}));
    EXPECT_DOUBLE_EQ(con.Query(QStringLiteral("SELECT SUM(ImporteEur) FROM Donativo"), {}).value(0).toDouble(), 18.03);
    EXPECT_EQ(Filas(con, QStringLiteral("SELECT NumeroRecibo, Donativo.Descripcion, Presentador.Nombre, "
                                        "Presentador.SegundoApellido FROM ((Recibo INNER JOIN Donativo ON CodDonativo "
                                        "= IDDonativo) INNER JOIN Remesa ON CodRemesa = IDRemesa) INNER JOIN "
                                        "Presentador ON CodPresentador = IDPresentador")),
              QStringList{"R-1|Donación para el órgano|Begoña|Ibáñez"});

    const QStringList logs =
        QDir(carpeta.file(QStringLiteral("Log/Trasvase"))).entryList({QStringLiteral("NPV2000v1_Trasvase_*.txt")});
    ASSERT_EQ(logs.size(), 1);
    const QString log = Leer(carpeta.file(QStringLiteral("Log/Trasvase/") + logs.first()));
    EXPECT_TRUE(log.contains(QStringLiteral("Parroquia de San Martín: párroco Don Íñigo Sáenz; encargado del "
                                            "archivo Doña Begoña; diócesis Astorga; vicaría Vicaría del Órbigo; "
                                            "régimen fiscal de deducciones: Ley 30/1994")))
        << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("Recibos y remesas: 1 remesas, 1 recibos"))) << log.toStdString();
}

// The transfer copies what the check's collections select, nothing else.
TEST_F(TrasvaseVersionAnteriorTest, ElTrasvaseSoloLlevaLoQueLasColeccionesSeleccionan)
{
    Comprobar();
    Siguiente();
    Completar();
    bool quitado = false;
    for (const std::shared_ptr<void>& elemento : a->mcol[6]) {
        auto* seleccion = static_cast<addins::trasvase_version_anterior::SeleccionTrasvase*>(elemento.get());
        ASSERT_EQ(seleccion->tabla, QStringLiteral("Donativo"));
        quitado = seleccion->ids.remove(segundoDonativo);
    }
    ASSERT_TRUE(quitado);
    pantalla().queueAnswer(ui::vbNo);
    Finalizar();
    EXPECT_EQ(Filas(con, QStringLiteral("SELECT Descripcion FROM Donativo")),
              QStringList{"Donación para el órgano"});
}

// A part that fails is rolled back alone and told; the parts before it stay
// and what depends on it is left out.
TEST_F(TrasvaseVersionAnteriorTest, UnaParteQueFallaSeDeshaceSolaYSeDice)
{
    Comprobar();
    Siguiente();
    Completar();
    con.Execute(QStringLiteral("DROP TABLE Remesa"));
    pantalla().queueAnswer(ui::vbOK);
    pantalla().queueAnswer(ui::vbNo);
    Finalizar();
    const auto mensajes = pantalla().messages();
    ASSERT_GE(mensajes.size(), 2);
    const auto aviso = mensajes[mensajes.size() - 2];
    EXPECT_TRUE(aviso.text.startsWith(QStringLiteral("¡Parte de la base de datos de Norvia Parvanta 2000 v1 no se "
                                                     "ha podido trasvasar!\r\n\r\nRecibos y remesas: ")))
        << aviso.text.toStdString();
    EXPECT_EQ(aviso.icon, ui::vbExclamation);
    EXPECT_EQ(Cuenta(con, "Recibo"), 0);
    EXPECT_EQ(Cuenta(con, "Donativo"), 2) << "the donations' part stays";
    EXPECT_EQ(Cuenta(con, "Presentador"), 1);
}

// A row the parish database cannot hold is left out alone, with what
// hangs from it; the rest of its part comes over.
TEST_F(TrasvaseVersionAnteriorTest, UnaFilaQueNoCabeSeQuedaFueraConLoQueDependeDeElla)
{
    anterior.Open();
    anterior.Execute(QStringLiteral("ALTER TABLE Padron ALTER COLUMN Nombre NVARCHAR(100)"));
    anterior.Exec(QStringLiteral("INSERT INTO Padron (Nombre, PrimerApellido) VALUES (?, ?)"),
                  {QString(60, QLatin1Char('n')), QStringLiteral("Largo")});
    const qint64 largo = anterior.LastInsertId();
    anterior.Exec(QStringLiteral("INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (?, 1)"), {largo});
    anterior.Exec(QStringLiteral("INSERT INTO Donativo (CodPersonaDonativo, CodInstitucion, CodTipoDonativo, "
                                 "Descripcion) VALUES (?, 1, 1, ?)"),
                  {largo, QStringLiteral("Del nombre largo")});
    anterior.Close();

    Comprobar();
    Siguiente();
    Completar();
    pantalla().queueAnswer(ui::vbNo);
    Finalizar();
    EXPECT_EQ(Filas(con, QStringLiteral("SELECT PrimerApellido FROM Padron INNER JOIN Padron_TipoPersona ON "
                                        "CodPadron = IDPadron")),
              QStringList{"Núñez"});
    EXPECT_EQ(Cuenta(con, "Padron_TipoPersona"), 1) << "nothing of the refused row stays";
    EXPECT_EQ(Cuenta(con, "Donativo"), 2);
    const QStringList logs =
        QDir(carpeta.file(QStringLiteral("Log/Trasvase"))).entryList({QStringLiteral("NPV2000v1_Trasvase_*.txt")});
    ASSERT_EQ(logs.size(), 1);
    const QString log = Leer(carpeta.file(QStringLiteral("Log/Trasvase/") + logs.first()));
    EXPECT_TRUE(log.contains(QStringLiteral("Padron %1: no se ha trasvasado: ").arg(largo))) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral(": su donante o su institución no se han trasvasado")))
        << log.toStdString();
}

// A file the transfer cannot take is told, and the wizard goes back to its
// first page: a newer version, tables missing, the database the program
// has open, another password.
TEST_F(TrasvaseVersionAnteriorTest, UnaBaseQueNoSePuedeTrasvasarSeExplica)
{
    struct Caso {
        const char* nombre;
        std::function<void(TrasvaseVersionAnteriorTest&)> preparar;
        QString explicacion;
    };
    const QList<Caso> casos = {
        {"versión posterior",
         [](TrasvaseVersionAnteriorTest& t) { t.anterior.Execute(QStringLiteral("UPDATE Informacion SET Version = '2.10.0'")); },
         QStringLiteral("La base de datos '%1' es de la versión 2.10.0, posterior a la de la base de datos actual "
                        "(2.2.0).")},
        {"sin tabla",
         [](TrasvaseVersionAnteriorTest& t) { t.anterior.Execute(QStringLiteral("DROP TABLE Remesa")); },
         QStringLiteral("A la base de datos '%1' le faltan tablas o columnas de Norvia Parvanta 2000: Remesa.")},
        {"sin columna",
         [](TrasvaseVersionAnteriorTest& t) {
             t.anterior.Execute(QStringLiteral("ALTER TABLE Cuenta DROP COLUMN NumCuenta"));
         },
         QStringLiteral("A la base de datos '%1' le faltan tablas o columnas de Norvia Parvanta 2000: Cuenta "
                        "(NumCuenta).")},
        {"otra contraseña",
         [](TrasvaseVersionAnteriorTest& t) { db::SetDatabasePassword(t.anterior, QStringLiteral("otra")); },
         QStringLiteral("No se ha podido abrir la base de datos '%1': ")},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        QFile::remove(rutaAnterior);
        CrearBaseAnterior();
        anterior.Open();
        caso.preparar(*this);
        anterior.Close();
        pantalla().queueAnswer(ui::vbOK);
        Comprobar();
        EXPECT_EQ(a->mintPaso, 0);
        EXPECT_TRUE(pantalla().lastMessage().text.startsWith(
            QStringLiteral("¡No se puede importar la base de datos de Norvia Parvanta 2000 v1!\r\n\r\n") +
            caso.explicacion.arg(rutaAnterior)))
            << pantalla().lastMessage().text.toStdString();
    }

    // The program's own database, chosen as the previous version's.
    pantalla().queueAnswer(ui::vbOK);
    Abrir();
    PasarPagina0(1);
    a->txtPath.Text = carpeta.path();
    Marcar(a->lstImportar[0], {QStringLiteral("Vodidazaz")});
    Siguiente();
    Siguiente();
    EXPECT_EQ(a->mintPaso, 0);
    EXPECT_TRUE(pantalla().lastMessage().text.contains(QStringLiteral("no se puede trasvasar sobre sí misma")))
        << pantalla().lastMessage().text.toStdString();
    EXPECT_EQ(Cuenta(con, "Donativo"), 0);
}
