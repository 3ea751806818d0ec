// The documents the stand-ins prepare after asking the user: the parts of a
// marriage file of format 3 (blank form and a request's file), the
// notification of a confirmation entered in no book, and the cash receipts
// to print.

#include "ColaDialogos.h"

#include "addin_doubles/InstalarComplementos.h"
#include "fixtures/TempProgramFolder.h"
#include "platform/addins/HostComplementos.h"
#include "platform/addins/cGestPar.h"
#include "platform/addins/cVodidazaz.h"
#include "platform/db/Connection.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/vb/Fechas.h"
#include "platform/widgets/DialogoRegistroFecha.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QDate>
#include <QPushButton>
#include <gtest/gtest.h>

namespace addinstest {
namespace {

using testsupport::scriptedUi;
using widgets::DialogoRegistro;

class DocumentosSustitutoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dobles::InstalarComplementos(carpeta.path(), {"PVGestionParroquial", "PVVodidazaz"}));
        con = carpeta.abrir(BaseDatosPrograma::Duzediv);
        informes = carpeta.abrir(BaseDatosPrograma::Informes);
        gestPar = addins::CrearObjeto<addins::cGestPar>(addins::cGestPar::NombreClase);
        ASSERT_TRUE(gestPar);
        vodidazaz = addins::CrearObjeto<addins::cVodidazaz>(addins::cVodidazaz::NombreClase);
        ASSERT_TRUE(vodidazaz);
        for (const char* s :
             {"INSERT INTO Provincia (IDProvincia, Nombre) VALUES (1, 'Huesca')",
              "INSERT INTO Municipio (IDMunicipio, Nombre, CodProvincia) VALUES (10, 'Jaca', 1)",
              "INSERT INTO Institucion (IDInstitucion, Nombre, InstitucionTipo, InstitucionNombre, Domicilio, CP, "
              "CodMunicipio, Diocesis, Parroco, EncargadoArchivo) VALUES (3, 'Parroquia del Carmen', 'Parroquia', "
              "'Nuestra Señora del Carmen', 'Calle Mayor 2', '22700', 10, 'Jaca', '', 'D. Luis Abad')",
              "INSERT INTO Institucion (IDInstitucion, Nombre, InstitucionTipo, InstitucionNombre) "
              "VALUES (4, 'Parroquia de San Pedro', 'Parroquia', 'San Pedro')",
              // A marriage request of the first parish.
              "INSERT INTO Matrimonio_Novios (IDNovios, Nombre, PrimerApellido) VALUES (1, 'Juan', 'Pardo')",
              "INSERT INTO Matrimonio_Novias (IDNovias, Nombre, PrimerApellido) VALUES (1, 'Elena', 'Gil')",
              "INSERT INTO Matrimonio (IDMatrimonio, CodLibro, InstitucionSolicitud, CodNovios, CodNovias) "
              "VALUES (9, 0, 3, 1, 1)"})
            con.Execute(QString::fromUtf8(s));
    }

    qint64 Contar(const QString& sql) { return informes.Execute(sql).value(0).toInt64(); }
    qint64 FilasMatrimonio()
    {
        return Contar(QStringLiteral("SELECT (SELECT COUNT(*) FROM Documentos_Matrimonio) + "
                                     "(SELECT COUNT(*) FROM Documentos_Matrimonio_Novios) + "
                                     "(SELECT COUNT(*) FROM Documentos_Matrimonio_Novias)"));
    }

    // Answers the parts dialog: marks the boxes named, then presses "Aceptar".
    static ColaDialogos::Respuesta Marcar(QStringList casillas)
    {
        return [casillas](QDialog& d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Expediente matrimonial (formato 3)"));
            for (const QString& nombre : casillas) {
                auto* c = d.findChild<QCheckBox*>(nombre);
                EXPECT_TRUE(c) << nombre.toStdString();
                if (c)
                    c->setChecked(true);
            }
            auto* aceptar = d.findChild<QPushButton*>(QStringLiteral("cmdAceptar"));
            EXPECT_TRUE(aceptar);
            if (aceptar)
                aceptar->click();
            return d.result();
        };
    }

    TempProgramFolder carpeta;
    db::Connection con;
    db::Connection informes;
    std::unique_ptr<addins::cGestPar> gestPar;
    std::unique_ptr<addins::cVodidazaz> vodidazaz;
    PVAPI::cInfoConfiguracion config;
};

// ---- Marriage file, format 3 ---------------------------------------------------

struct CasoPartes {
    QStringList casillas;
    bool tramita, curia, antes;
};

TEST_F(DocumentosSustitutoTest, ThePartsMarkedAreTheFlagsOfTheBlankForm)
{
    const CasoPartes casos[] = {
        {{QStringLiteral("chkTramitaParroquia")}, true, false, false},
        {{QStringLiteral("chkEnviaCuria")}, false, true, false},
        {{QStringLiteral("chkEnviaCuriaAntes")}, false, false, true},
        {{QStringLiteral("chkTramitaParroquia"), QStringLiteral("chkEnviaCuria"), QStringLiteral("chkEnviaCuriaAntes")},
         true, true, true},
    };
    for (const CasoPartes& caso : casos) {
        SCOPED_TRACE(caso.casillas.join(QLatin1Char(',')).toStdString());
        ColaDialogos dialogos;
        dialogos.Anadir(Marcar(caso.casillas));
        bool tramita = !caso.tramita, curia = !caso.curia, antes = !caso.antes;
        gestPar->InformeExpedienteFormato3Plantilla(tramita, curia, antes);
        EXPECT_EQ(tramita, caso.tramita);
        EXPECT_EQ(curia, caso.curia);
        EXPECT_EQ(antes, caso.antes);
    }
}

TEST_F(DocumentosSustitutoTest, NoPartMarkedIsRefusedAndACancelGivesAllFalse)
{
    ColaDialogos dialogos;
    dialogos.Anadir([](QDialog& d) {
        d.findChild<QPushButton*>(QStringLiteral("cmdAceptar"))->click();
        EXPECT_EQ(d.result(), int(QDialog::Rejected)); // still open
        return int(QDialog::Rejected);                  // then "Cancelar"
    });
    scriptedUi().queueAnswer(ui::vbOK);
    bool tramita = true, curia = true, antes = true;
    gestPar->InformeExpedienteFormato3Plantilla(tramita, curia, antes);
    EXPECT_EQ(scriptedUi().lastMessage().text,
              QStringLiteral("¡Marque al menos una de las partes del expediente que quiere imprimir!"));
    EXPECT_FALSE(tramita || curia || antes);
}

TEST_F(DocumentosSustitutoTest, ARequestFileIsFilledOnlyWhenThePartsAreChosen)
{
    {
        ColaDialogos dialogos;
        dialogos.Cancelar();
        bool tramita = true, curia = true, antes = true;
        gestPar->InformeExpedienteFormato3(con, informes, QStringLiteral("9"), tramita, curia, antes);
        EXPECT_FALSE(tramita || curia || antes);
        EXPECT_EQ(FilasMatrimonio(), 0);
    }
    ColaDialogos dialogos;
    dialogos.Anadir(Marcar({QStringLiteral("chkEnviaCuria")}));
    bool tramita = true, curia = false, antes = true;
    gestPar->InformeExpedienteFormato3(con, informes, QStringLiteral("9"), tramita, curia, antes);
    EXPECT_FALSE(tramita);
    EXPECT_TRUE(curia);
    EXPECT_FALSE(antes);
    EXPECT_EQ(informes.Execute(QStringLiteral("SELECT InstitucionNombre FROM Documentos_Matrimonio")).value(0).toString(),
              QStringLiteral("Nuestra Señora del Carmen"));
    EXPECT_EQ(informes.Execute(QStringLiteral("SELECT Nombre FROM Documentos_Matrimonio_Novios")).value(0).toString(),
              QStringLiteral("Juan"));
    EXPECT_EQ(informes.Execute(QStringLiteral("SELECT Nombre FROM Documentos_Matrimonio_Novias")).value(0).toString(),
              QStringLiteral("Elena"));
}

// ---- Notification without book -----------------------------------------------------

void RellenarNotificacion(DialogoRegistro& d)
{
    d.Rellenar(QStringLiteral("InstitucionSolicitud"), QStringLiteral("Parroquia del Carmen"));
    d.Rellenar(QStringLiteral("Nombre"), QStringLiteral(" Marta "));
    d.Rellenar(QStringLiteral("PrimerApellido"), QStringLiteral("Lasierra"));
    d.Rellenar(QStringLiteral("SegundoApellido"), QStringLiteral("Bueno"));
    d.Rellenar(QStringLiteral("NombrePadre"), QStringLiteral("José"));
    d.Rellenar(QStringLiteral("NombreMadre"), QStringLiteral("Rosa"));
    d.Rellenar(QStringLiteral("FechaConfirmacion"), QStringLiteral("18/05/2025"));
    d.Rellenar(QStringLiteral("Ministro"), QStringLiteral("Mons. Julián Ruiz"));
    d.Rellenar(QStringLiteral("Parroquia"), QStringLiteral("San Pedro de Sabiñánigo"));
    d.Rellenar(QStringLiteral("Libro"), QStringLiteral("12"));
    d.Rellenar(QStringLiteral("Folio"), QStringLiteral("40"));
    d.Rellenar(QStringLiteral("Numero"), QStringLiteral("118"));
    d.Rellenar(QStringLiteral("FechaBautismo"), QStringLiteral("02/03/2011"));
}

TEST_F(DocumentosSustitutoTest, TheNotificationWithoutBookIsTheRowOfWhatWasTyped)
{
    const qint64 confirmaciones = con.Execute(QStringLiteral("SELECT COUNT(*) FROM Confirmacion")).value(0).toInt64();
    ColaDialogos dialogos;
    dialogos.Aceptar(RellenarNotificacion);
    gestPar->ImprimirPartidaSinLibro(con, informes, config);

    db::Recordset rs = informes.Execute(QStringLiteral(
        "SELECT Orden, Libro, InstitucionNombre, Institucion_Poblacion, Institucion_Provincia, Institucion_Diocesis, "
        "Nombre, PrimerApellido, SegundoApellido, NombrePadre, NombreMadre, FechaConfirmacion, Ministro, Padrino, "
        "ParroquiaBautismo, LibroBautismo, FolioBautismo, NumeroBautismo, FechaBautismo, Firmante, CargoFirmante, "
        "FechaExpedicion FROM Documentos_Confirmacion"));
    ASSERT_FALSE(rs.isEOF());
    QStringList valores;
    for (int i = 0; i < rs.Fields().Count(); ++i)
        valores << rs.value(i).toString();
    const QStringList esperados{
        QStringLiteral("1"), QString(), QStringLiteral("Nuestra Señora del Carmen"), QStringLiteral("Jaca"),
        QStringLiteral("Huesca"), QStringLiteral("Jaca"), QStringLiteral("Marta"), QStringLiteral("Lasierra"),
        QStringLiteral("Bueno"), QStringLiteral("José"), QStringLiteral("Rosa"), QStringLiteral("20250518"),
        QStringLiteral("Mons. Julián Ruiz"), QString(), QStringLiteral("San Pedro de Sabiñánigo"),
        QStringLiteral("12"), QStringLiteral("40"), QStringLiteral("118"), QStringLiteral("20110302"),
        // No priest recorded: the archivist signs.
        QStringLiteral("D. Luis Abad"), QStringLiteral("Encargado del archivo"),
        vb::DateAFechaTexto(QDate::currentDate())};
    EXPECT_EQ(valores, esperados);
    rs.MoveNext();
    EXPECT_TRUE(rs.isEOF());
    // Nothing of it is kept in the parish database.
    EXPECT_EQ(con.Execute(QStringLiteral("SELECT COUNT(*) FROM Confirmacion")).value(0).toInt64(), confirmaciones);
}

TEST_F(DocumentosSustitutoTest, ACancelledNotificationWritesNothing)
{
    ColaDialogos dialogos;
    dialogos.Cancelar();
    gestPar->ImprimirPartidaSinLibro(con, informes, config);
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Documentos_Confirmacion")), 0);
    EXPECT_TRUE(scriptedUi().messageTexts().isEmpty());
}

// What the notification needs is asked for: the dialog refuses to go on
// without the parish of baptism and with a text longer than its box takes.
TEST_F(DocumentosSustitutoTest, TheNotificationDialogRefusesWhatCannotBeSent)
{
    ColaDialogos dialogos;
    dialogos.Anadir([](QDialog& d) {
        auto& registro = dynamic_cast<DialogoRegistro&>(d);
        registro.show();
        RellenarNotificacion(registro);
        registro.Rellenar(QStringLiteral("Parroquia"), QString());
        EXPECT_FALSE(registro.Aceptar());
        registro.Rellenar(QStringLiteral("Parroquia"), QStringLiteral("San Pedro"));
        registro.Rellenar(QStringLiteral("Folio"), QStringLiteral("12345678901"));
        EXPECT_FALSE(registro.Aceptar());
        return int(QDialog::Rejected);
    });
    scriptedUi().queueAnswer(ui::vbOK);
    scriptedUi().queueAnswer(ui::vbOK);
    gestPar->ImprimirPartidaSinLibro(con, informes, config);
    const QStringList mensajes = scriptedUi().messageTexts();
    ASSERT_EQ(mensajes.size(), 2);
    EXPECT_TRUE(mensajes[0].contains(QStringLiteral("Parroquia"))) << mensajes[0].toStdString();
    EXPECT_TRUE(mensajes[1].contains(QStringLiteral("Folio"))) << mensajes[1].toStdString();
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Documentos_Confirmacion")), 0);
}

TEST_F(DocumentosSustitutoTest, AParishRemovedMeanwhileIsToldAndNothingIsWritten)
{
    ColaDialogos dialogos;
    dialogos.Anadir([this](QDialog& d) {
        auto& registro = dynamic_cast<DialogoRegistro&>(d);
        registro.show();
        RellenarNotificacion(registro);
        con.Execute(QStringLiteral("DELETE FROM Institucion WHERE IDInstitucion = 3"));
        return registro.Aceptar() ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });
    scriptedUi().queueAnswer(ui::vbOK);
    gestPar->ImprimirPartidaSinLibro(con, informes, config);
    EXPECT_TRUE(scriptedUi().lastMessage().text.contains(QStringLiteral("ya no existe")));
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Documentos_Confirmacion")), 0);
}

// ---- Cash receipts to print -------------------------------------------------------

// Answers the receipts dialog with the two dates, then presses "Aceptar".
ColaDialogos::Respuesta Fechas(const QString& desde, const QString& hasta, int* resultado = nullptr)
{
    return [desde, hasta, resultado](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Imprimir recibos por caja"));
        d.findChild<widgets::DialogoRegistroFecha*>(QStringLiteral("txtDesde"))->setText(desde);
        d.findChild<widgets::DialogoRegistroFecha*>(QStringLiteral("txtHasta"))->setText(hasta);
        d.findChild<QPushButton*>(QStringLiteral("cmdAceptar"))->click();
        if (resultado)
            *resultado = d.result();
        return d.result();
    };
}

class RecibosCajaTest : public DocumentosSustitutoTest {
protected:
    void SetUp() override
    {
        DocumentosSustitutoTest::SetUp();
        for (const char* s :
             {"INSERT INTO Padron (IDPadron, Nombre, PrimerApellido) VALUES (1, 'Zoe', 'Abad')",
              "INSERT INTO Donativo (IDDonativo, CodPersonaDonativo, CodInstitucion, Descripcion) "
              "VALUES (1, 1, 3, 'Obras del templo')",
              "INSERT INTO Recibo (IDRecibo, CodDonativo, NumeroRecibo, Fecha, PagoBanco) "
              "VALUES (100, 1, '202400000002', '20240315', False)",
              "INSERT INTO Recibo (IDRecibo, CodDonativo, NumeroRecibo, Fecha, PagoBanco) "
              "VALUES (101, 1, '202400000001', '20240301', False)",
              "INSERT INTO Recibo (IDRecibo, CodDonativo, NumeroRecibo, Fecha, PagoBanco) "
              "VALUES (102, 1, '202400000003', '20240310', True)",
              "INSERT INTO Recibo (IDRecibo, CodDonativo, NumeroRecibo, Fecha, PagoBanco) "
              "VALUES (103, 1, '202400000004', '20240401', False)",
              "INSERT INTO Recibo (IDRecibo, CodDonativo, NumeroRecibo, Fecha, PagoBanco) "
              "VALUES (104, 1, '202400000000', '20240229', False)"})
            con.Execute(QString::fromUtf8(s));
    }
};

TEST_F(RecibosCajaTest, TheCashReceiptsOfTheDaysChosenInDateOrder)
{
    ColaDialogos dialogos;
    dialogos.Anadir(Fechas(QStringLiteral("01/03/2024"), QStringLiteral("1/4/2024")));
    EXPECT_EQ(vodidazaz->ImprimirRecibosCaja(con, config), (addins::ColeccionRecibos{101, 100, 103}));
    EXPECT_TRUE(scriptedUi().messageTexts().isEmpty());
}

TEST_F(RecibosCajaTest, DatesThatCannotChooseReceiptsAreRefusedAndACancelChoosesNone)
{
    struct Caso {
        const char* desde;
        const char* hasta;
        const char* mensaje;
    };
    const Caso casos[] = {
        {"31/02/2024", "01/04/2024", "¡«Desde» no es una fecha válida! Escríbala como dd/mm/aaaa."},
        {"01/03/2024", "marzo", "¡«Hasta» no es una fecha válida! Escríbala como dd/mm/aaaa."},
        {"02/03/2024", "01/03/2024", "¡«Hasta» es anterior a «Desde»!"},
        // The only receipt of that day is paid through the bank.
        {"10/03/2024", "10/03/2024", "¡No hay recibos por caja entre esas fechas!"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.mensaje);
        ColaDialogos dialogos;
        int resultado = -1;
        dialogos.Anadir(Fechas(QString::fromUtf8(caso.desde), QString::fromUtf8(caso.hasta), &resultado));
        scriptedUi().queueAnswer(ui::vbOK);
        EXPECT_TRUE(vodidazaz->ImprimirRecibosCaja(con, config).isEmpty());
        EXPECT_EQ(resultado, int(QDialog::Rejected)); // still open when the message was shown
        EXPECT_EQ(scriptedUi().lastMessage().text, QString::fromUtf8(caso.mensaje));
    }
    ColaDialogos dialogos;
    dialogos.Cancelar();
    EXPECT_TRUE(vodidazaz->ImprimirRecibosCaja(con, config).isEmpty());
}

} // namespace
} // namespace addinstest
