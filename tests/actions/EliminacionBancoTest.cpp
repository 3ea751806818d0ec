#include "AccionesFixture.h"

#include "addin_doubles/InstalarComplementos.h"
#include "platform/addins/HostComplementos.h"
#include "platform/locks/LockSession.h"
#include "platform/locks/cProcesarBloqueos.h"
#include "platform/vb/VbError.h"
#include "support/TestEnvironment.h"

#include <QCryptographicHash>
#include <QFile>
#include <sqlite3.h>

#include <functional>

namespace {

using ::testing::_;
using ::testing::Invoke;

const QString kPregunta = QStringLiteral(
    "Este banco tiene 3 cuentas asociadas. Si elimina el banco también se perderán las cuentas.\r\r"
    "Si tiene algún donativo asociado a este banco, la forma de pago pasará a ser por caja.\r\r"
    "¿Esta seguro de que desea eliminar el Banco Caja Rural junto con todos los datos asociados a él?");
const QString kInstituciones = QStringLiteral(
    "¡El banco que pretende eliminar tiene instituciones asociadas! \rDeberá eliminar manualmente las instituciones "
    "asociadas al banco para poder continuar.");
const QString kDonantes = QStringLiteral(
    "¡El banco que pretende eliminar tiene donantes asociados! \rDeberá eliminar manualmente los donantes asociados "
    "al banco para poder continuar.");
const QString kPresentadores = QStringLiteral(
    "¡El banco que pretende eliminar tiene presentadores asociados! \rDeberá eliminar manualmente estos presentadores "
    "para poder continuar.");

// Another workstation acts while the question waits for the user.
class PantallaConOtroPuesto : public testsupport::ScriptedUi {
public:
    std::function<void()> alPreguntar;

protected:
    int showMessage(const ui::Message& message) override
    {
        if (message.buttons == ui::vbYesNo && alPreguntar)
            alPreguntar();
        return ScriptedUi::showMessage(message);
    }
};

// Bank 1 "Caja Rural" with branches 1 and 2 and accounts 100 to 102, an
// institution link and a donor link left over from rows already gone, and
// two links to the accounting module; bank 2 with its own branch, account,
// institution link and accounting link, which must stay.
class EliminacionBancoTest : public AccionesTest {
protected:
    EliminacionBancoTest()
    {
        Ejecutar({
            "INSERT INTO Institucion (IDInstitucion, Nombre) VALUES (1, 'Parroquia San Pedro')",
            "INSERT INTO Padron (IDPadron, Nombre) VALUES (10, 'Ana')",
            "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (10, 1)",
            "INSERT INTO Tipo_Donativo (IDTipo_Donativo, Descripcion) VALUES (1, 'Cuota')",
            "INSERT INTO Banco (IDBanco, Codigo, Nombre) VALUES (1, '2100', 'Caja Rural')",
            "INSERT INTO Banco (IDBanco, Codigo, Nombre) VALUES (2, '0049', 'Banco Norte')",
            "INSERT INTO Sucursal (IDSucursal, CodBanco, Codigo) VALUES (1, 1, '0001')",
            "INSERT INTO Sucursal (IDSucursal, CodBanco, Codigo) VALUES (2, 1, '0002')",
            "INSERT INTO Sucursal (IDSucursal, CodBanco, Codigo) VALUES (3, 2, '0003')",
            "INSERT INTO Cuenta (IDCuenta, CodSucursal, NumCuenta, DC) VALUES (100, 1, '0000000100', '11')",
            "INSERT INTO Cuenta (IDCuenta, CodSucursal, NumCuenta, DC) VALUES (101, 1, '0000000101', '12')",
            "INSERT INTO Cuenta (IDCuenta, CodSucursal, NumCuenta, DC) VALUES (102, 2, '0000000102', '13')",
            "INSERT INTO Cuenta (IDCuenta, CodSucursal, NumCuenta, DC) VALUES (103, 3, '0000000103', '14')",
            "INSERT INTO Institucion_TipoDonativo_Cuenta (IDITC, CodInstitucion, CodTipoDonativo, CodCuenta) "
            "VALUES (1000, 99, 1, 100)",
            "INSERT INTO Institucion_TipoDonativo_Cuenta (IDITC, CodInstitucion, CodTipoDonativo, CodCuenta) "
            "VALUES (1001, 1, 1, 103)",
            "INSERT INTO PersonaDonativo_TipoDonativo_Cuenta (IDPTC, CodPersonaDonativo, CodTipoDonativo, CodCuenta) "
            "VALUES (1100, 99, 1, 101)",
            "INSERT INTO Contab_Enlace_Bancos (CodBanco, CodInstitucion, CodSubcuenta) VALUES (1, 1, 5)",
            "INSERT INTO Contab_Enlace_Bancos (CodBanco, CodInstitucion, CodSubcuenta) VALUES (1, 12, 3)",
            "INSERT INTO Contab_Enlace_Bancos (CodBanco, CodInstitucion, CodSubcuenta) VALUES (2, 1, 7)",
        });
    }
    ~EliminacionBancoTest() override { PVAPI::LockSession::CloseAll(); }

    void Ejecutar(std::initializer_list<const char*> sentencias)
    {
        for (const char* sentencia : sentencias)
            app.den.conLocal.Execute(QString::fromUtf8(sentencia));
    }

    QStringList Columna(const char* sql)
    {
        QStringList valores;
        for (db::Recordset rs = app.den.conLocal.Execute(QString::fromUtf8(sql)); !rs.isEOF(); rs.MoveNext())
            valores << rs.value(0).toString();
        return valores;
    }

    // The rows of every table the removal touches.
    QStringList Filas()
    {
        return Columna("SELECT 'Banco ' & IDBanco FROM Banco UNION ALL SELECT 'Sucursal ' & IDSucursal FROM Sucursal "
                       "UNION ALL SELECT 'Cuenta ' & IDCuenta FROM Cuenta "
                       "UNION ALL SELECT 'ITC ' & IDITC FROM Institucion_TipoDonativo_Cuenta "
                       "UNION ALL SELECT 'PTC ' & IDPTC FROM PersonaDonativo_TipoDonativo_Cuenta "
                       "UNION ALL SELECT 'CEB ' & CodBanco & '-' & CodInstitucion & '-' & CodSubcuenta "
                       "FROM Contab_Enlace_Bancos UNION ALL SELECT 'Donativo ' & IDDonativo & ' ' & PagoBanco "
                       "FROM Donativo");
    }

    QByteArray Huella() const
    {
        QFile archivo(carpeta.file(QStringLiteral("Duzediv.mdb")));
        EXPECT_TRUE(archivo.open(QIODevice::ReadOnly));
        return QCryptographicHash::hash(archivo.readAll(), QCryptographicHash::Sha256).toHex();
    }

    void EliminarBanco(qint32 id = 1)
    {
        QString banco = QStringLiteral("Bancos");
        lngID = id;
        acciones.Eliminar(banco, lngID, strTextDescription);
    }

    bool CuentaLibre()
    {
        PVAPI::cProcesarBloqueos otro;
        otro.Inicializar(carpeta.path());
        otro.DefinirBloqueo(QStringLiteral("Cuenta"), true);
        return otro.lngEfectuarBloqueos() == PVAPI::cProcesarBloqueos::BloqueoConcedido;
    }
};

// What still uses the bank stops it before the question, in the order
// institutions, donors, presenters; nothing is locked or changed.
TEST_F(EliminacionBancoTest, LoQueUsaElBancoLoImpideAntesDePreguntar)
{
    struct Caso {
        std::initializer_list<const char*> preparar;
        QString mensaje;
    };
    const Caso casos[] = {
        {{"INSERT INTO Institucion_TipoDonativo_Cuenta (IDITC, CodInstitucion, CodTipoDonativo, CodCuenta) "
          "VALUES (1002, 1, 1, 102)",
          "INSERT INTO PersonaDonativo_TipoDonativo_Cuenta (IDPTC, CodPersonaDonativo, CodTipoDonativo, CodCuenta) "
          "VALUES (1101, 10, 1, 100)"},
         kInstituciones},
        {{"DELETE FROM Institucion_TipoDonativo_Cuenta WHERE IDITC = 1002"}, kDonantes},
        {{"DELETE FROM PersonaDonativo_TipoDonativo_Cuenta WHERE IDPTC = 1101",
          "INSERT INTO Presentador (IDPresentador, Nombre, CodSucursal) VALUES (400, 'Pilar', 2)"},
         kPresentadores},
    };
    for (const Caso& caso : casos) {
        Ejecutar(caso.preparar);
        const QByteArray huella = Huella();
        pantalla().reset();
        pantalla().queueAnswer(ui::vbOK);

        EliminarBanco();

        ASSERT_EQ(pantalla().messages().size(), 1);
        EXPECT_EQ(pantalla().lastMessage().text, caso.mensaje);
        EXPECT_EQ(pantalla().lastMessage().icon, ui::vbExclamation);
        EXPECT_EQ(pantalla().beepCount(), 1);
        EXPECT_EQ(Huella(), huella);
    }
    EXPECT_TRUE(ventana.habilitada);
}

// The whole cascade with the banks stand-in itself: the bank, its branches,
// its accounts with the links left to them and its accounting links go;
// bank 2 and its data stay; nothing stays locked.
TEST_F(EliminacionBancoTest, ConSiSeEliminaElBancoConTodoLoQueDependeDeEl)
{
    ASSERT_TRUE(dobles::InstalarComplementos(carpeta.path(), {"NvBancos"}));
    app.gobjBancos = addins::CrearObjeto<addins::cBancos>(QString::fromLatin1(addins::cBancos::NombreClase));
    ASSERT_TRUE(app.gobjBancos);
    pantalla().queueAnswer(ui::vbYes);

    EliminarBanco();

    ASSERT_EQ(pantalla().messages().size(), 1);
    EXPECT_EQ(pantalla().lastMessage().text, kPregunta);
    EXPECT_EQ(pantalla().lastMessage().icon, ui::vbQuestion);
    EXPECT_EQ(pantalla().lastMessage().buttons, ui::vbYesNo);
    EXPECT_EQ(pantalla().lastMessage().defaultButton, ui::vbDefaultButton1);
    EXPECT_EQ(Filas(), (QStringList{"Banco 2", "Sucursal 3", "Cuenta 103", "ITC 1001", "CEB 2-1-7"}));
    EXPECT_EQ(ventana.llamadas, (QStringList{"Habilitar(False)", "Habilitar(True)", "TraerAlFrente"}));
    EXPECT_TRUE(CuentaLibre());
}

// The banks stand-in alone never leaves an account or a presenter without
// its branch: while one is left it refuses with an error and deletes
// nothing (the program then rolls its own work back).
TEST_F(EliminacionBancoTest, ElSustitutoNoDejaCuentasNiPresentadoresSinSucursal)
{
    ASSERT_TRUE(dobles::InstalarComplementos(carpeta.path(), {"NvBancos"}));
    app.gobjBancos = addins::CrearObjeto<addins::cBancos>(QString::fromLatin1(addins::cBancos::NombreClase));
    ASSERT_TRUE(app.gobjBancos);
    const QStringList antes = Filas();
    qint32 id = 1;

    EXPECT_THROW(app.gobjBancos->EliminaBanco(app.den.conLocal, id, QStringLiteral("Norvia")), vb::VbError);
    Ejecutar({"DELETE FROM Cuenta WHERE CodSucursal IN (1, 2)",
              "INSERT INTO Presentador (IDPresentador, Nombre, CodSucursal) VALUES (400, 'Pilar', 2)"});
    EXPECT_THROW(app.gobjBancos->EliminaBanco(app.den.conLocal, id, QStringLiteral("Norvia")), vb::VbError);
    EXPECT_EQ(Columna("SELECT IDSucursal FROM Sucursal ORDER BY IDSucursal"), (QStringList{"1", "2", "3"}));
    Ejecutar({"DELETE FROM Presentador"});
    app.gobjBancos->EliminaBanco(app.den.conLocal, id, QStringLiteral("Norvia"));
    EXPECT_EQ(Columna("SELECT IDSucursal FROM Sucursal"), QStringList{"3"});
    EXPECT_EQ(Columna("SELECT IDBanco FROM Banco"), QStringList{"2"});
    EXPECT_TRUE(pantalla().messages().isEmpty());
    EXPECT_FALSE(antes.isEmpty());
}

TEST_F(EliminacionBancoTest, ConNoNoCambiaNada)
{
    const QByteArray huella = Huella();
    pantalla().queueAnswer(ui::vbNo);

    EliminarBanco();

    EXPECT_EQ(pantalla().lastMessage().text, kPregunta);
    EXPECT_EQ(Huella(), huella);
    EXPECT_EQ(pantalla().mousePointer(), ui::vbDefault);
}

// Anything that fails after the question (a statement of the cascade, the
// add-in, or an add-in that leaves the bank in place) rolls everything back:
// the file is as it was, the user is told, nothing stays locked.
TEST_F(EliminacionBancoTest, UnFalloDespuesDeLaPreguntaNoCambiaNada)
{
    struct Caso {
        const char* nombre;
        const char* disparador;  // a temporary trigger that fails a statement
        std::function<void(qint32&)> complemento;  // what the add-in does; none: not called
        int icono;
        QString mensaje;  // empty: the error report, which names the procedure
    };
    const auto borrarBanco = [this](qint32& id) {
        app.den.conLocal.Exec(QStringLiteral("DELETE FROM Sucursal WHERE CodBanco = ?"), {id});
        app.den.conLocal.Exec(QStringLiteral("DELETE FROM Banco WHERE IDBanco = ?"), {id});
    };
    const Caso casos[] = {
        {"cuentas", "CREATE TEMP TRIGGER Falla BEFORE DELETE ON Cuenta BEGIN SELECT RAISE(ABORT, 'fallo'); END",
         nullptr, ui::vbCritical, {}},
        {"enlaces contables",
         "CREATE TEMP TRIGGER Falla BEFORE DELETE ON Contab_Enlace_Bancos BEGIN SELECT RAISE(ABORT, 'fallo'); END",
         nullptr, ui::vbCritical, {}},
        {"el complemento falla", nullptr,
         [&](qint32& id) {
             borrarBanco(id);
             throw vb::VbError(3200, QStringLiteral("No se puede eliminar el banco."));
         },
         ui::vbCritical, {}},
        {"el banco sigue ahí", nullptr, [](qint32&) {}, ui::vbExclamation,
         QStringLiteral("¡No se ha podido eliminar el banco! No se ha cambiado nada.")},
    };
    for (const Caso& caso : casos) {
        if (caso.disparador) {
            ASSERT_EQ(sqlite3_exec(app.den.conLocal.handle(), caso.disparador, nullptr, nullptr, nullptr), SQLITE_OK);
        }
        const QByteArray huella = Huella();
        if (caso.complemento) {
            EXPECT_CALL(*bancos, EliminaBanco(_, _, _)).WillOnce(Invoke([&](db::Connection&, qint32& id, const QString&) {
                caso.complemento(id);
            }));
        }
        pantalla().reset();
        pantalla().queueAnswers({ui::vbYes, ui::vbOK});

        EliminarBanco();

        ASSERT_EQ(pantalla().messages().size(), 2) << caso.nombre;
        EXPECT_EQ(pantalla().lastMessage().icon, caso.icono) << caso.nombre;
        if (caso.mensaje.isEmpty()) {
            EXPECT_TRUE(pantalla().lastMessage().text.contains(QStringLiteral("DeleteBanco()")))
                << pantalla().lastMessage().text.toStdString();
        } else {
            EXPECT_EQ(pantalla().lastMessage().text, caso.mensaje) << caso.nombre;
        }
        EXPECT_EQ(Huella(), huella) << caso.nombre;
        EXPECT_FALSE(app.den.conLocal.InTransaction()) << caso.nombre;
        EXPECT_TRUE(CuentaLibre()) << caso.nombre;
        ::testing::Mock::VerifyAndClearExpectations(bancos);
        if (caso.disparador) {
            ASSERT_EQ(sqlite3_exec(app.den.conLocal.handle(), "DROP TRIGGER temp.Falla", nullptr, nullptr, nullptr),
                      SQLITE_OK);
        }
    }
}

// Another workstation links an institution to one of the bank's accounts
// while the question waits: the check is made again under the locks, the
// user is told, and nothing is deleted.
TEST_F(EliminacionBancoTest, UnaInstitucionEnlazadaDesdeOtroPuestoTrasLaPreguntaLoImpide)
{
    PantallaConOtroPuesto pantallaOtroPuesto;
    db::Connection otroPuesto = carpeta.abrir(BaseDatosPrograma::Duzediv);
    pantallaOtroPuesto.alPreguntar = [&] {
        otroPuesto.Execute(QStringLiteral("INSERT INTO Institucion_TipoDonativo_Cuenta (IDITC, CodInstitucion, "
                                          "CodTipoDonativo, CodCuenta) VALUES (1002, 1, 1, 102)"));
    };
    pantallaOtroPuesto.queueAnswers({ui::vbYes, ui::vbOK});
    ui::SetCurrent(&pantallaOtroPuesto);
    QStringList antes = Filas() << QStringLiteral("ITC 1002");
    antes.sort();

    EliminarBanco();
    ui::SetCurrent(&pantalla());

    ASSERT_EQ(pantallaOtroPuesto.messages().size(), 2);
    EXPECT_EQ(pantallaOtroPuesto.messages().at(0).text, kPregunta);
    EXPECT_EQ(pantallaOtroPuesto.lastMessage().text, kInstituciones);
    QStringList despues = Filas();
    despues.sort();
    EXPECT_EQ(despues, antes);
    EXPECT_TRUE(CuentaLibre());
}

// Another workstation holds one of the tables: the user is told the data
// is in use; nothing changes.
TEST_F(EliminacionBancoTest, ConDatosBloqueadosEnOtroPuestoNoCambiaNada)
{
    PVAPI::cProcesarBloqueos otro;
    otro.Inicializar(carpeta.path());
    otro.DefinirBloqueo(QStringLiteral("Contab_Enlace_Bancos"), true);
    ASSERT_EQ(otro.lngEfectuarBloqueos(), 0);
    const QByteArray huella = Huella();
    pantalla().queueAnswers({ui::vbYes, ui::vbOK});

    EliminarBanco();

    EXPECT_EQ(pantalla().lastMessage().text,
              QStringLiteral("¡No se puede eliminar el banco ahora: otro puesto de trabajo está usando sus datos! "
                             "Inténtelo más tarde."));
    EXPECT_EQ(Huella(), huella);
    otro.LiberarBloqueos();
    EXPECT_TRUE(CuentaLibre());
}

} // namespace
