#include "AccionesFixture.h"

#include "dialogs/frmEliminaInstitucion.h"
#include "platform/locks/LockSession.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"
#include "support/TestEnvironment.h"

#include <QCryptographicHash>
#include <QFile>

namespace {

// Institution 1 with a donations side only: donor 10 (two donations, his
// own account 101) and donor 11, who also gives to institution 2; a
// remittance shared with institution 2 and one of its own; its account
// 100 and a presenter link. Institution 2 also has a book.
class EliminaInstitucionTest : public AccionesTest {
protected:
    EliminaInstitucionTest()
    {
        Ejecutar({
            "INSERT INTO Institucion (IDInstitucion, Nombre, CommError) VALUES (1, 'Parroquia San Pedro', False)",
            "INSERT INTO Institucion (IDInstitucion, Nombre, CommError) VALUES (2, 'Parroquia Santa Ana', False)",
            "INSERT INTO Libro_Bautismo (IDLibroBautismo, CodInstitucion, Nombre) VALUES (800, 2, 'B-B')",
            "INSERT INTO Tipo_Donativo (IDTipo_Donativo, Descripcion) VALUES (1, 'Cuota')",
            "INSERT INTO Padron (IDPadron, Nombre, CodInstitucionEmpadronado) VALUES (10, 'Ana', 0)",
            "INSERT INTO Padron (IDPadron, Nombre, CodInstitucionEmpadronado) VALUES (11, 'Blas', 0)",
            "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (10, 1)",
            "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (11, 1)",
            "INSERT INTO Padron_Nacimiento (CodPadron, FechaNacimiento) VALUES (10, '19700101')",
            "INSERT INTO Banco (IDBanco, Codigo, Nombre) VALUES (1, '2100', 'Caja Rural')",
            "INSERT INTO Sucursal (IDSucursal, CodBanco, Codigo) VALUES (1, 1, '0001')",
            "INSERT INTO Cuenta (IDCuenta, CodSucursal, NumCuenta) VALUES (100, 1, '0000000100')",
            "INSERT INTO Cuenta (IDCuenta, CodSucursal, NumCuenta) VALUES (101, 1, '0000000101')",
            "INSERT INTO Cuenta (IDCuenta, CodSucursal, NumCuenta) VALUES (102, 1, '0000000102')",
            "INSERT INTO Institucion_TipoDonativo_Cuenta (IDITC, CodInstitucion, CodTipoDonativo, CodCuenta) "
            "VALUES (1000, 1, 1, 100)",
            "INSERT INTO PersonaDonativo_TipoDonativo_Cuenta (IDPTC, CodPersonaDonativo, CodTipoDonativo, CodCuenta) "
            "VALUES (1100, 10, 1, 101)",
            "INSERT INTO PersonaDonativo_TipoDonativo_Cuenta (IDPTC, CodPersonaDonativo, CodTipoDonativo, CodCuenta) "
            "VALUES (1101, 11, 1, 102)",
            "INSERT INTO Presentador (IDPresentador, Nombre, CodSucursal) VALUES (400, 'Pilar', 1)",
            "INSERT INTO Presentador_Institucion (IDPresentadorInstitucion, CodPresentador, CodInstitucion) "
            "VALUES (500, 400, 1)",
            "INSERT INTO Donativo (IDDonativo, CodPersonaDonativo, CodInstitucion, CodTipoDonativo, Importe, "
            "ImporteEur) VALUES (200, 10, 1, 1, 1000, 6.01)",
            "INSERT INTO Donativo (IDDonativo, CodPersonaDonativo, CodInstitucion, CodTipoDonativo, Importe, "
            "ImporteEur) VALUES (201, 10, 1, 1, 1000, 6.01)",
            "INSERT INTO Donativo (IDDonativo, CodPersonaDonativo, CodInstitucion, CodTipoDonativo, Importe, "
            "ImporteEur) VALUES (202, 11, 1, 1, 500, 3.01)",
            "INSERT INTO Donativo (IDDonativo, CodPersonaDonativo, CodInstitucion, CodTipoDonativo, Importe, "
            "ImporteEur) VALUES (203, 11, 2, 1, 2000, 12.02)",
            "INSERT INTO Remesa (IDRemesa, CodPresentador, ImporteTotal, ImporteTotalEur) VALUES (300, 400, 3000, 18.03)",
            "INSERT INTO Remesa (IDRemesa, CodPresentador, ImporteTotal, ImporteTotalEur) VALUES (301, 400, 1000, 6.01)",
            "INSERT INTO Recibo (IDRecibo, CodDonativo, CodRemesa, Importe, ImporteEur) VALUES (600, 200, 300, 1000, 6.01)",
            "INSERT INTO Recibo (IDRecibo, CodDonativo, CodRemesa, Importe, ImporteEur) VALUES (601, 203, 300, 2000, 12.02)",
            "INSERT INTO Recibo (IDRecibo, CodDonativo, CodRemesa, Importe, ImporteEur) VALUES (602, 201, 301, 1000, 6.01)",
        });
    }
    ~EliminaInstitucionTest() override { PVAPI::LockSession::CloseAll(); }

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

    QByteArray Huella() const
    {
        QFile archivo(carpeta.file(QStringLiteral("Duzediv.mdb")));
        EXPECT_TRUE(archivo.open(QIODevice::ReadOnly));
        return QCryptographicHash::hash(archivo.readAll(), QCryptographicHash::Sha256).toHex();
    }

    void Eliminar(qint32 id)
    {
        qint32 lngCodInstitucion = id;
        acciones.EliminaInstitucion(lngCodInstitucion);
    }

    static QString Confirmacion(const char* cifras, const char* nombre)
    {
        return QStringLiteral("ADVERTENCIA:\rVa a eliminar una Institución. Si lo hace, perderá todos los datos que "
                              "tenga relacionados.\r\rEsta institución tiene:\r")
            + QString::fromUtf8(cifras) + QStringLiteral("\r\r¿Está seguro de querer eliminar la Institución ")
            + QString::fromUtf8(nombre) + QStringLiteral(" junto con todos sus datos relacionados?");
    }
};

// Donors are counted as persons (10 gave twice). Yes removes the donations
// side: 10, who only gave here, goes with his account; 11 stays a donor of
// institution 2 with his account; the shared remittance keeps institution
// 2's receipt and its sums, the other one goes.
TEST_F(EliminaInstitucionTest, ConSiSeEliminaElLadoDeDonativos)
{
    pantalla().queueAnswer(ui::vbYes);

    Eliminar(1);

    ASSERT_EQ(pantalla().messages().size(), 1);
    EXPECT_EQ(pantalla().lastMessage().text, Confirmacion("2 donantes\r3 donativos", "Parroquia San Pedro"));
    EXPECT_EQ(pantalla().lastMessage().buttons, ui::vbYesNo);
    EXPECT_EQ(pantalla().lastMessage().icon, ui::vbQuestion);
    EXPECT_EQ(Columna("SELECT IDInstitucion FROM Institucion"), QStringList{"2"});
    EXPECT_EQ(Columna("SELECT IDDonativo FROM Donativo"), QStringList{"203"});
    EXPECT_EQ(Columna("SELECT IDRecibo FROM Recibo"), QStringList{"601"});
    EXPECT_EQ(Columna("SELECT IDRemesa & '|' & ImporteTotal & '|' & ImporteTotalEur FROM Remesa"),
              QStringList{"300|2000|12,02"});
    EXPECT_EQ(Columna("SELECT IDPadron FROM Padron"), QStringList{"11"});
    EXPECT_EQ(Columna("SELECT CodPadron FROM Padron_TipoPersona"), QStringList{"11"});
    EXPECT_EQ(Columna("SELECT CodPadron FROM Padron_Nacimiento"), QStringList{});
    EXPECT_EQ(Columna("SELECT IDCuenta FROM Cuenta"), QStringList{"102"});
    EXPECT_EQ(Columna("SELECT IDPTC FROM PersonaDonativo_TipoDonativo_Cuenta"), QStringList{"1101"});
    EXPECT_EQ(Columna("SELECT IDITC FROM Institucion_TipoDonativo_Cuenta"), QStringList{});
    EXPECT_EQ(Columna("SELECT IDPresentadorInstitucion FROM Presentador_Institucion"), QStringList{});
    EXPECT_EQ(Columna("SELECT IDLibroBautismo FROM Libro_Bautismo"), QStringList{"800"});
    EXPECT_EQ(pantalla().mousePointer(), ui::vbDefault);
}

// Refusals and No change nothing: unfinished mail operations, data beyond
// donations (institution 2 has a book: only the removal dialog takes it).
TEST_F(EliminaInstitucionTest, RechazosYNoNoCambianNada)
{
    struct Caso {
        qint32 id;
        const char* preparar;
        int respuesta;
        QString mensaje;
    };
    const Caso casos[] = {
        {1, "UPDATE Institucion SET CommError = True WHERE IDInstitucion = 1", ui::vbOK,
         QStringLiteral("¡No puede eliminar esta institución!\rTiene operaciones de cuentas de correo erróneas o "
                        "inacabadas.\rEjecute la opción de 'Conexión con el servidor de Trebola' para corregir este "
                        "error.")},
        {1, "UPDATE Institucion SET CommError = False WHERE IDInstitucion = 1", ui::vbNo,
         Confirmacion("2 donantes\r3 donativos", "Parroquia San Pedro")},
        {2, "UPDATE Institucion SET CommError = Null WHERE IDInstitucion = 2", ui::vbOK,
         QStringLiteral("¡No puede eliminar esta institución desde aquí!\rTiene libros, partidas, solicitudes, "
                        "actividades o empadronados, que sólo se eliminan desde la lista de instituciones.")},
    };
    for (const Caso& caso : casos) {
        Ejecutar({caso.preparar});
        const QByteArray huella = Huella();
        pantalla().reset();
        pantalla().queueAnswer(caso.respuesta);

        Eliminar(caso.id);

        ASSERT_EQ(pantalla().messages().size(), 1) << caso.id;
        EXPECT_EQ(pantalla().lastMessage().text.toStdString(), caso.mensaje.toStdString());
        EXPECT_EQ(Huella(), huella) << caso.mensaje.toStdString();
        EXPECT_EQ(pantalla().mousePointer(), ui::vbDefault);
    }
}

// Delete on an institution opens the removal dialog for it, modal, with the
// main window left enabled.
TEST_F(EliminaInstitucionTest, EliminarUnaInstitucionAbreElDialogoDeEliminacion)
{
    QString titulo;
    qint32 id = 0;
    const auto anterior = widgets::DialogoRegistroEjecutor::Establecer([&](QDialog& dialogo) {
        auto* forma = dynamic_cast<frmEliminaInstitucion*>(&dialogo);
        if (forma) {
            titulo = forma->windowTitle();
            id = forma->mlngID;
        }
        return int(QDialog::Rejected);
    });
    QString instituciones = QStringLiteral("Instituciones");
    lngID = 1;

    acciones.Eliminar(instituciones, lngID, strTextDescription);
    widgets::DialogoRegistroEjecutor::Establecer(anterior);

    EXPECT_EQ(titulo, QStringLiteral("Eliminar la Institución Parroquia San Pedro"));
    EXPECT_EQ(id, 1);
    EXPECT_TRUE(ventana.llamadas.isEmpty());
    EXPECT_EQ(Columna("SELECT COUNT(*) FROM Institucion"), QStringList{"2"});
}

} // namespace
