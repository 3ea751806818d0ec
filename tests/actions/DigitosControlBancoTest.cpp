#include "AccionesFixture.h"

#include "platform/vb/VbError.h"

#include <sqlite3.h>

// The bank edit: the dialog learns which branches it may not delete, and
// when the bank's codes changed every account of the bank gets its control
// digits again, in one transaction, under the progress window.

namespace {

using ::testing::_;
using ::testing::DoAll;
using ::testing::Invoke;
using ::testing::SetArgReferee;

class DigitosControlBancoTest : public AccionesTest {
public:
    DigitosControlBancoTest()
    {
        lngID = Banco(QStringLiteral("2100"));
        const qint64 sucursal = Sucursal(lngID, QStringLiteral("0418"));
        cuentaValida = Cuenta(sucursal, QStringLiteral("0200051332"), QStringLiteral("99"));
        cuentaDiez = Cuenta(sucursal, QStringLiteral("1000000000"), QStringLiteral("00"));
        cuentaMala = Cuenta(sucursal, QStringLiteral("02000513X2"), QStringLiteral("77"));
        const qint64 otroBanco = Banco(QStringLiteral("0049"));
        cuentaAjena = Cuenta(Sucursal(otroBanco, QStringLiteral("1500")), QStringLiteral("1234567892"),
                             QStringLiteral("xx"));
    }

    qint64 Insertar(const QString& sql, const QList<db::Value>& valores)
    {
        app.den.conLocal.Exec(sql, valores);
        return app.den.conLocal.LastInsertId();
    }
    qint32 Banco(const QString& codigo)
    {
        return qint32(Insertar(QStringLiteral("INSERT INTO Banco (Codigo, Nombre) VALUES (?, 'Banco')"), {codigo}));
    }
    qint64 Sucursal(qint64 banco, const QString& codigo)
    {
        return Insertar(QStringLiteral("INSERT INTO Sucursal (CodBanco, Codigo) VALUES (?, ?)"),
                        {db::Value(banco), codigo});
    }
    qint64 Cuenta(qint64 sucursal, const QString& numero, const QString& dc)
    {
        return Insertar(QStringLiteral("INSERT INTO Cuenta (CodSucursal, NumCuenta, DC) VALUES (?, ?, ?)"),
                        {db::Value(sucursal), numero, dc});
    }
    QString DC(qint64 cuenta)
    {
        return app.den.conLocal.Query(QStringLiteral("SELECT DC FROM Cuenta WHERE IDCuenta = ?"), {db::Value(cuenta)})
            .value(0)
            .toString();
    }
    QStringList TodosLosDC()
    {
        return {DC(cuentaValida), DC(cuentaDiez), DC(cuentaMala), DC(cuentaAjena)};
    }

    // The bank dialog answers whether the codes changed.
    void DialogoDelBanco(bool blnCambiado)
    {
        EXPECT_CALL(*bancos, EditaBanco(_, _, _, _, _)).WillOnce(SetArgReferee<4>(blnCambiado));
    }
    void EditarBanco()
    {
        QString caption = QStringLiteral("Bancos");
        acciones.Editar(caption, lngID, strTextDescription);
    }

    qint64 cuentaValida = 0;
    qint64 cuentaDiez = 0;
    qint64 cuentaMala = 0;
    qint64 cuentaAjena = 0;
};

TEST_F(DigitosControlBancoTest, SinCambiosNoSeTocaNingunaCuenta)
{
    DialogoDelBanco(false);

    EditarBanco();

    EXPECT_EQ(TodosLosDC(), (QStringList{"99", "00", "77", "xx"}));
    EXPECT_EQ(pantalla().doEventsCount(), 0);
}

// Every account of the bank, none of another; the one whose number holds a
// letter keeps its digits and is named; the progress window, which
// repaints at its opening and at each account, is closed afterwards.
TEST_F(DigitosControlBancoTest, ConCambiosSeRecalculanLasCuentasDelBanco)
{
    DialogoDelBanco(true);
    pantalla().queueAnswer(ui::vbOK);

    EditarBanco();

    EXPECT_EQ(TodosLosDC(), (QStringList{"45", "41", "77", "xx"}));
    const auto aviso = pantalla().lastMessage();
    EXPECT_TRUE(aviso.text.startsWith(QStringLiteral("No se han podido calcular los dígitos de control")));
    EXPECT_TRUE(aviso.text.endsWith(QStringLiteral("\r\n2100 0418 02000513X2")));
    EXPECT_EQ(pantalla().messages().size(), 1);
    EXPECT_EQ(pantalla().doEventsCount(), 1 + 3);
    EXPECT_EQ(app.gobjDuzediv->Progreso(), nullptr);
    EXPECT_EQ(pantalla().mousePointer(), ui::vbDefault);
}

TEST_F(DigitosControlBancoTest, UnBancoSinCuentasNoAbreElProgreso)
{
    lngID = Banco(QStringLiteral("3058"));
    DialogoDelBanco(true);

    EditarBanco();

    EXPECT_EQ(pantalla().doEventsCount(), 0);
    EXPECT_TRUE(pantalla().messages().isEmpty());
    EXPECT_EQ(app.gobjDuzediv->Progreso(), nullptr);
}

// A write that fails half-way leaves every account as it was, closes the
// progress window and reaches the caller.
TEST_F(DigitosControlBancoTest, UnFalloAMitadNoDejaNadaEscritoYCierraElProgreso)
{
    const QByteArray disparador = QStringLiteral("CREATE TEMP TRIGGER falla BEFORE UPDATE ON Cuenta "
                                                 "WHEN NEW.IDCuenta = %1 BEGIN SELECT RAISE(ABORT, 'fallo'); END")
                                      .arg(cuentaDiez)
                                      .toUtf8();
    ASSERT_EQ(sqlite3_exec(app.den.conLocal.handle(), disparador.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    DialogoDelBanco(true);

    EXPECT_THROW(EditarBanco(), vb::VbError);

    EXPECT_EQ(TodosLosDC(), (QStringList{"99", "00", "77", "xx"}));
    EXPECT_FALSE(app.den.conLocal.InTransaction());
    EXPECT_EQ(app.gobjDuzediv->Progreso(), nullptr);
    EXPECT_EQ(pantalla().mousePointer(), ui::vbDefault);
}

// The dialog gets the branches that an account or a presenter refers to.
TEST_F(DigitosControlBancoTest, ElDialogoRecibeLasSucursalesNoEliminables)
{
    Sucursal(lngID, QStringLiteral("0001"));
    const qint64 conPresentador = Sucursal(lngID, QStringLiteral("0002"));
    Insertar(QStringLiteral("INSERT INTO Presentador (Nombre, CodSucursal) VALUES ('P', ?)"),
             {db::Value(conPresentador)});
    QStringList codigos;
    EXPECT_CALL(*bancos, EditaBanco(_, _, _, _, _))
        .WillOnce(Invoke([&](db::Connection&, qint32&, const QString&, db::Recordset& sucursales, bool&) {
            for (; !sucursales.isEOF(); sucursales.MoveNext())
                codigos << sucursales.value(QStringLiteral("Codigo")).toString();
        }));

    EditarBanco();

    EXPECT_EQ(codigos, (QStringList{"0002", "0418"}));
}

} // namespace
