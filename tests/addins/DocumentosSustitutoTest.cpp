// The documents the stand-ins prepare: the work-table rows of each parish
// document kind, the parts of a marriage file of format 3 (blank form and a
// request's file), the notification of a confirmation entered in no book,
// and the cash receipts to print.

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

#include <functional>

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

// ---- Work tables of the parish documents --------------------------------------------

// A baptism, a confirmation and a death entered in books of the first parish,
// with every side row they can have, and a baptism and a confirmation
// requested by the second parish (no book).
class DocumentosParroquiaTest : public DocumentosSustitutoTest {
protected:
    void SetUp() override
    {
        DocumentosSustitutoTest::SetUp();
        for (const char* s : {
                 "INSERT INTO Libro_Bautismo (IDLibroBautismo, CodInstitucion, Nombre, Nuevo) "
                 "VALUES (5, 3, 'Quinto', True)",
                 "INSERT INTO Bautismo_Padres (IDPadres, Nombre, PrimerApellido, SegundoApellido, Abuelo, Abuela) "
                 "VALUES (1, 'Andrés', 'Íñiguez', 'Lahoz', 'Pedro Íñiguez', 'Rosa Lahoz')",
                 "INSERT INTO Bautismo_Madres (IDMadres, Nombre, PrimerApellido, SegundoApellido, Abuelo, Abuela) "
                 "VALUES (1, 'Pilar', 'Muñoz', 'Sanz', 'Luis Muñoz', 'Carmen Sanz')",
                 "INSERT INTO Bautismo (IDBautismo, CodLibro, InstitucionSolicitud, Folio, Numero, FechaBautismo, "
                 "CodPadres, CodMadres, Padrino, Madrina, Ministro) VALUES (70, 5, 0, 12, '34', '20040420', 1, 1, "
                 "'Jorge Lahoz', 'Ana Sanz', 'D. Tomás Ruiz')",
                 "INSERT INTO Bautismo_Hijo (CodBautismo, Nombre, PrimerApellido, SegundoApellido) "
                 "VALUES (70, 'Lucía', 'Íñiguez', 'Muñoz')",
                 "INSERT INTO Bautismo_Matrimonio (IDMatrimonio, Parroquia) VALUES (70, 'San Pedro de Jaca')",
                 "INSERT INTO Bautismo_Padres (IDPadres, Nombre, PrimerApellido) VALUES (2, 'Ramón', 'Gil')",
                 "INSERT INTO Bautismo_Madres (IDMadres, Nombre, PrimerApellido) VALUES (2, 'Inés', 'Royo')",
                 "INSERT INTO Bautismo (IDBautismo, CodLibro, InstitucionSolicitud, FechaBautismo, CodPadres, "
                 "CodMadres) VALUES (71, 0, 4, '19990101', 2, 2)",
                 "INSERT INTO Bautismo_Hijo (CodBautismo, Nombre, PrimerApellido, SegundoApellido) "
                 "VALUES (71, 'Pablo', 'Gil', 'Royo')",
                 "INSERT INTO Libro_Confirmacion (IDLibroConfirmacion, CodInstitucion, Nombre, Nuevo) "
                 "VALUES (6, 3, 'Tercero', True)",
                 "INSERT INTO Confirmacion (IDConfirmacion, CodLibro, InstitucionSolicitud, Folio, Numero, Nombre, "
                 "PrimerApellido, SegundoApellido, NombrePadre, NombreMadre) VALUES (80, 6, 0, 7, '21', 'Marta', "
                 "'Lasierra', 'Bueno', 'José Lasierra', 'Rosa Bueno')",
                 "INSERT INTO Confirmacion_Datos (CodConfirmacion, FechaConfirmacion, Ministro, Padrino) "
                 "VALUES (80, '20250518', 'Mons. Julián Ruiz', 'Pedro Bueno')",
                 "INSERT INTO Confirmacion_Bautismo (CodConfirmacion, Parroquia, Libro, Folio, Numero, FechaBautismo) "
                 "VALUES (80, 'San Pedro de Sabiñánigo', '12', '40', '118', '20110302')",
                 "INSERT INTO Confirmacion (IDConfirmacion, CodLibro, InstitucionSolicitud, Nombre, PrimerApellido, "
                 "NombrePadre, NombreMadre) VALUES (81, 0, 4, 'Sara', 'Úbeda', 'Luis Úbeda', 'Eva Pardo')",
                 "INSERT INTO Confirmacion_Datos (CodConfirmacion, FechaConfirmacion, Ministro) "
                 "VALUES (81, '20260301', 'Mons. Ángel Pérez')",
                 "INSERT INTO Libro_Defuncion (IDLibroDefuncion, CodInstitucion, Nombre, Nuevo) "
                 "VALUES (7, 3, 'Noveno', True)",
                 "INSERT INTO Defuncion (IDDifunto, CodLibro, Folio, Numero, Nombre, PrimerApellido, Consorte, "
                 "NombresHijos, NombrePadre, NombreMadre, Parroco) VALUES (90, 7, 3, '5', 'Tomás', 'Ara', "
                 "'Julia Pueyo', 'Ana y Luis', 'Juan Ara', 'Rosa Gil', 'D. Luis Abad')",
                 "INSERT INTO Defuncion_Datos (CodDifunto, FechaDefuncion) VALUES (90, '20230214')",
             })
            con.Execute(QString::fromUtf8(s));
    }

    // Every row of the work table, its columns joined by "|", in print order.
    QStringList Filas(const QString& tabla, const QString& columnas)
    {
        db::Recordset rs = informes.Execute(QStringLiteral("SELECT %1 FROM %2 ORDER BY Orden").arg(columnas, tabla));
        QStringList filas;
        for (; !rs.isEOF(); rs.MoveNext()) {
            QStringList valores;
            for (int i = 0; i < rs.Fields().Count(); ++i)
                valores << (rs.value(i).isNull() ? QString() : rs.value(i).toString());
            filas << valores.join(QLatin1Char('|'));
        }
        return filas;
    }
};

using Llamada = std::function<void(addins::cGestPar&, db::Connection&, db::Connection&)>;
using Miembro = void (addins::cGestPar::*)(db::Connection&, db::Connection&, qint32&);
using MiembroFirmado = void (addins::cGestPar::*)(db::Connection&, db::Connection&, qint32&, QString&, QString&);

Llamada De(Miembro m, qint32 id)
{
    return [m, id](addins::cGestPar& g, db::Connection& c, db::Connection& i) {
        qint32 clave = id;
        (g.*m)(c, i, clave);
    };
}

Llamada Firmado(MiembroFirmado m, qint32 id)
{
    return [m, id](addins::cGestPar& g, db::Connection& c, db::Connection& i) {
        qint32 clave = id;
        QString firmante = QStringLiteral("D. Carlos Pueyo");
        QString cargo = QStringLiteral("Vicario");
        (g.*m)(c, i, clave, firmante, cargo);
    };
}

struct CasoDocumento {
    const char* documento;
    Llamada llenar;
    const char* tabla;
    const char* columnas;
    QStringList filas;
};

QString F(const char* texto)
{
    return QString::fromUtf8(texto);
}

TEST_F(DocumentosParroquiaTest, EachDocumentCarriesTheEntrysOwnData)
{
    using G = addins::cGestPar;
    const char* bautismo = "Libro, Folio, Numero, año, letra, InstitucionNombre, Institucion_Poblacion, Nombre, "
                           "PrimerApellido, SegundoApellido, NombrePadre, NombreMadre, FechaBautismo, Padrino, "
                           "Madrina, Ministro, AbueloPaterno, AbuelaMaterna, ParroquiaMatrimonio, Firmante, "
                           "CargoFirmante";
    const QString lucia = F("Quinto|12|34|2004|I|Nuestra Señora del Carmen|Jaca|Lucía|Íñiguez|Muñoz|"
                            "Andrés Íñiguez Lahoz|Pilar Muñoz Sanz|20040420|Jorge Lahoz|Ana Sanz|D. Tomás Ruiz|"
                            "Pedro Íñiguez|Carmen Sanz|San Pedro de Jaca|");
    const char* confirmacion = "Libro, Folio, Numero, año, letra, InstitucionNombre, Nombre, PrimerApellido, "
                               "NombrePadre, NombreMadre, FechaConfirmacion, Ministro, Padrino, ParroquiaBautismo, "
                               "LibroBautismo, FolioBautismo, NumeroBautismo, FechaBautismo, Firmante, CargoFirmante";
    const QString marta = F("Tercero|7|21|2025|L|Nuestra Señora del Carmen|Marta|Lasierra|José Lasierra|Rosa Bueno|"
                            "20250518|Mons. Julián Ruiz|Pedro Bueno|San Pedro de Sabiñánigo|12|40|118|20110302|");
    const char* defuncion = "Libro, Folio, Numero, año, letra, Nombre, PrimerApellido, Consorte, NombresHijos, "
                            "NombrePadre, NombreMadre, Parroco, FechaDefuncion, Firmante, CargoFirmante";
    const QString tomas =
        F("Noveno|3|5|2023|A|Tomás|Ara|Julia Pueyo|Ana y Luis|Juan Ara|Rosa Gil|D. Luis Abad|20230214|");
    // Documents printed without a chosen signer are signed by the parish's
    // archivist, as its priest is not recorded.
    const QString archivero = F("D. Luis Abad|Encargado del archivo");
    const QString elegido = F("D. Carlos Pueyo|Vicario");

    const CasoDocumento casos[] = {
        // A book holds its entries only, never a request.
        {"libro de bautismo", De(&G::InformeLibroBautismo, 5), "Documentos_Bautismo", bautismo, {lucia + archivero}},
        {"índice de bautismo", De(&G::InformeIndiceLibroBautismo, 5), "Documentos_Bautismo", bautismo,
         {lucia + archivero}},
        {"partida de bautismo", De(&G::InformePartidaBautismo, 70), "Documentos_Bautismo", bautismo,
         {lucia + archivero}},
        {"certificado de bautismo", Firmado(&G::InformeCertificadoPartidaBautismo, 70), "Documentos_Bautismo",
         bautismo, {lucia + elegido}},
        {"certificado literal de bautismo", Firmado(&G::InformeCertificadoLiteralPartidaBautismo, 70),
         "Documentos_Bautismo", bautismo, {lucia + elegido}},
        {"volante de bautismo", De(&G::InformeVolanteBautismo, 70), "Documentos_Bautismo", bautismo,
         {lucia + archivero}},
        // A request has no book: the person, the parents and the parish that
        // requests it; that parish has no one recorded to sign.
        {"solicitud de partida de bautismo", De(&G::InformeSolicitudPartidaBautismoDatos, 71), "Documentos_Bautismo",
         bautismo, {F("|||1999|G|San Pedro||Pablo|Gil|Royo|Ramón Gil|Inés Royo|19990101||||||||")}},
        {"libro de confirmación", De(&G::InformeLibroConfirmacion, 6), "Documentos_Confirmacion", confirmacion,
         {marta + archivero}},
        {"índice de confirmación", De(&G::InformeIndiceLibroConfirmacion, 6), "Documentos_Confirmacion",
         confirmacion, {marta + archivero}},
        {"partida de confirmación", De(&G::InformePartidaConfirmacion, 80), "Documentos_Confirmacion", confirmacion,
         {marta + archivero}},
        {"certificado de confirmación", Firmado(&G::InformeCertificadoPartidaConfirmacion, 80),
         "Documentos_Confirmacion", confirmacion, {marta + elegido}},
        {"certificado literal de confirmación", Firmado(&G::InformeCertificadoLiteralPartidaConfirmacion, 80),
         "Documentos_Confirmacion", confirmacion, {marta + elegido}},
        {"notificación de confirmación", De(&G::InformeNotificacionConfirmacion, 80), "Documentos_Confirmacion",
         confirmacion, {marta + archivero}},
        {"solicitud de confirmación", De(&G::InformePartidaConfirmacion, 81), "Documentos_Confirmacion",
         confirmacion, {F("|||2026|U|San Pedro|Sara|Úbeda|Luis Úbeda|Eva Pardo|20260301|Mons. Ángel Pérez||||||||")}},
        {"libro de defunción", De(&G::InformeLibroDefuncion, 7), "Documentos_Defuncion", defuncion,
         {tomas + archivero}},
        {"índice de defunción", De(&G::InformeIndiceLibroDefuncion, 7), "Documentos_Defuncion", defuncion,
         {tomas + archivero}},
        {"certificado de defunción", Firmado(&G::InformeCertificadoPartidaDefuncion, 90), "Documentos_Defuncion",
         defuncion, {tomas + elegido}},
        {"certificado literal de defunción", Firmado(&G::InformeCertificadoLiteralPartidaDefuncion, 90),
         "Documentos_Defuncion", defuncion, {tomas + elegido}},
        // Every marriage document shares one fill; the request's parish
        // heads it.
        {"comunicación de matrimonio", De(&G::InformeComunicacionMatrimonio, 9), "Documentos_Matrimonio",
         "Libro, InstitucionNombre, Institucion_Poblacion, ParroquiaResidenciaNovio",
         {F("|Nuestra Señora del Carmen|Jaca|---")}},
    };
    for (const CasoDocumento& caso : casos) {
        SCOPED_TRACE(caso.documento);
        const QString tabla = QString::fromUtf8(caso.tabla);
        informes.Execute(QStringLiteral("DELETE FROM ") + tabla);
        caso.llenar(*gestPar, con, informes);
        EXPECT_EQ(Filas(tabla, QString::fromUtf8(caso.columnas)), caso.filas);
    }
}

// An entry whose book row is gone prints nothing, request or not.
TEST_F(DocumentosParroquiaTest, AnEntryWhoseBookIsGoneFillsNoRow)
{
    con.Execute(QStringLiteral("DELETE FROM Libro_Confirmacion"));
    qint32 id = 80;
    gestPar->InformePartidaConfirmacion(con, informes, id);
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Documentos_Confirmacion")), 0);
    id = 81;
    gestPar->InformePartidaConfirmacion(con, informes, id);
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Documentos_Confirmacion")), 1);
}

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
