#include "ColaDialogos.h"

#include "addin_doubles/InstalarComplementos.h"
#include "fixtures/TempProgramFolder.h"
#include "platform/addins/HostComplementos.h"
#include "platform/addins/cBancos.h"
#include "platform/addins/cGestPar.h"
#include "platform/addins/cMensajeria.h"
#include "platform/addins/cVodidazaz.h"
#include "platform/db/Connection.h"
#include "platform/pvapi/CalculaCCC.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/widgets/DialogoRegistroCombo.h"
#include "platform/widgets/DialogoRegistroDetalle.h"
#include "platform/widgets/DialogoRegistroEleccion.h"
#include "support/TestEnvironment.h"

#include <QInputDialog>
#include <QPushButton>
#include <gtest/gtest.h>

namespace addinstest {
namespace {

using testsupport::scriptedUi;
using widgets::DialogoRegistro;

// The stand-in add-ins installed in a program folder whose parish database
// the program's own code made and seeded (node queries included), loaded
// by class name as the program loads them, with one institution and one
// donation type to refer to.
class RegistrosSustitutosTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dobles::InstalarComplementos(
            carpeta.path(), {"PVVodidazaz", "PVGestionParroquial", "NvBancos", "PVMensajeria"}));
        con = carpeta.abrir(BaseDatosPrograma::Duzediv);
        vodidazaz = addins::CrearObjeto<addins::cVodidazaz>(addins::cVodidazaz::NombreClase);
        gestPar = addins::CrearObjeto<addins::cGestPar>(addins::cGestPar::NombreClase);
        bancos = addins::CrearObjeto<addins::cBancos>(addins::cBancos::NombreClase);
        mensajeria = addins::CrearObjeto<addins::cMensajeria>(addins::cMensajeria::NombreClase);
        Ejecutar({"INSERT INTO Institucion (Nombre, InstitucionTipo, InstitucionNombre) "
                  "VALUES ('Parroquia San Pedro', 'Parroquia', 'San Pedro')",
                  "INSERT INTO Tipo_Donativo (Descripcion) VALUES ('Cuota mensual')"});
        config.Usuario = QStringLiteral("Administrador");
    }

    void Ejecutar(std::initializer_list<const char*> sentencias)
    {
        for (const char* s : sentencias)
            con.Execute(QString::fromUtf8(s));
    }

    qint64 Contar(const QString& sql) { return con.Execute(sql).value(0).toInt64(); }

    QStringList Columna(const QString& sql)
    {
        QStringList valores;
        for (db::Recordset rs = con.Execute(sql); !rs.isEOF(); rs.MoveNext())
            valores << rs.value(0).toString();
        return valores;
    }

    // What the record list of a navigation node shows: its seeded query run
    // as the list runs it, each row's values joined by "|".
    QStringList Lista(const char* nombre, const char* descripcion)
    {
        db::Recordset nodo = con.Query(QStringLiteral("SELECT SQLSelect FROM Nodo WHERE Nombre = ? AND Descripcion = ?"),
                                       {QString::fromUtf8(nombre), QString::fromUtf8(descripcion)});
        EXPECT_FALSE(nodo.isEOF()) << nombre;
        QStringList filas;
        if (nodo.isEOF())
            return filas;
        for (db::Recordset rs = con.Execute(nodo.value(0).toString()); !rs.isEOF(); rs.MoveNext()) {
            QStringList valores;
            for (int i = 0; i < rs.Fields().Count(); ++i)
                valores << rs.value(i).toString();
            filas << valores.join(QLatin1Char('|'));
        }
        return filas;
    }

    void LibroDeBautismo(const char* numeroSiguiente = "15")
    {
        dialogos.Aceptar([numeroSiguiente](DialogoRegistro& d) {
            d.Rellenar(QStringLiteral("CodInstitucion"), QStringLiteral("Parroquia San Pedro"));
            d.Rellenar(QStringLiteral("Nombre"), QStringLiteral("Bautismos 2024"));
            d.Rellenar(QStringLiteral("NumeroSiguiente"), QString::fromUtf8(numeroSiguiente));
        });
        QString libros = QStringLiteral("LibrosBautismo");
        gestPar->nuevolibro(con, config, libros);
    }

    static void RellenarBautismo(DialogoRegistro& d)
    {
        d.Rellenar(QStringLiteral("CodLibro"), QStringLiteral("Parroquia San Pedro - Bautismos 2024"));
        d.Rellenar(QStringLiteral("Folio"), QStringLiteral("3"));
        d.Rellenar(QStringLiteral("FechaBautismo"), QStringLiteral("12/05/2024"));
        d.Rellenar(QStringLiteral("Nombre"), QStringLiteral("Lucía"), 1);
        d.Rellenar(QStringLiteral("PrimerApellido"), QStringLiteral("Martín"), 1);
        d.Rellenar(QStringLiteral("SegundoApellido"), QStringLiteral("Sanz"), 1);
        d.Rellenar(QStringLiteral("Nombre"), QStringLiteral("Pedro"), 2);
        d.Rellenar(QStringLiteral("PrimerApellido"), QStringLiteral("Martín"), 2);
        d.Rellenar(QStringLiteral("Abuelo"), QStringLiteral("Juan Martín"), 2);
        d.Rellenar(QStringLiteral("Nombre"), QStringLiteral("Elena"), 3);
        d.Rellenar(QStringLiteral("PrimerApellido"), QStringLiteral("Sanz"), 3);
        d.Rellenar(QStringLiteral("Padrino"), QStringLiteral("Luis Sanz"));
        d.Rellenar(QStringLiteral("Madrina"), QStringLiteral("Carmen Gil"));
        d.Rellenar(QStringLiteral("Ministro"), QStringLiteral("D. Tomás Pérez"));
    }

    static void RellenarPersona(DialogoRegistro& d)
    {
        d.Rellenar(QStringLiteral("Nombre"), QStringLiteral("Ana"));
        d.Rellenar(QStringLiteral("PrimerApellido"), QStringLiteral("Gil"));
        d.Rellenar(QStringLiteral("SegundoApellido"), QStringLiteral("Rey"));
        d.Rellenar(QStringLiteral("DNI"), QStringLiteral("12345678Z"));
    }

public:
    // Public: the tables of cases reach them.
    TempProgramFolder carpeta;
    db::Connection con;
    std::unique_ptr<addins::cVodidazaz> vodidazaz;
    std::unique_ptr<addins::cGestPar> gestPar;
    std::unique_ptr<addins::cBancos> bancos;
    std::unique_ptr<addins::cMensajeria> mensajeria;
    PVAPI::cInfoConfiguracion config;
    ColaDialogos dialogos;
    QString partidas = QStringLiteral("PartidasBautismo");
};

// ---- A baptism entry ---------------------------------------------------------

TEST_F(RegistrosSustitutosTest, ABaptismEntryWithParentsAndGodparentsIsCreatedEditedAndDeleted)
{
    LibroDeBautismo();
    dialogos.Aceptar(RellenarBautismo);

    gestPar->nuevapartida(con, config, partidas);

    EXPECT_EQ(Lista("Partidas", "PartidasBautismo"),
              QStringList{QStringLiteral("Parroquia San Pedro|Bautismos 2024|Verdadero|3|15|Lucía|Martín|Sanz|20240512|Falso|1")});
    EXPECT_EQ(Columna(QStringLiteral("SELECT NumeroSiguiente FROM Libro_Bautismo")), QStringList{QStringLiteral("16")});
    EXPECT_EQ(Columna(QStringLiteral("SELECT Padrino & '|' & Madrina & '|' & Ministro & '|' & Bautismo_Padres.Nombre & "
                                     "' ' & Bautismo_Padres.PrimerApellido & '|' & Bautismo_Padres.Abuelo & '|' & Bautismo_Madres.Nombre "
                                     "FROM Bautismo, Bautismo_Padres, Bautismo_Madres WHERE CodPadres = IDPadres AND "
                                     "CodMadres = IDMadres")),
              QStringList{QStringLiteral("Luis Sanz|Carmen Gil|D. Tomás Pérez|Pedro Martín|Juan Martín|Elena")});

    qint32 id = 1;
    dialogos.Aceptar([](DialogoRegistro& d) {
        d.Rellenar(QStringLiteral("Nombre"), QStringLiteral("Lucía María"), 1);
        d.Rellenar(QStringLiteral("Madrina"), QStringLiteral("Carmen Gil Ruiz"));
    });
    gestPar->PropiedadesPartida(con, id, config, partidas);

    EXPECT_EQ(Lista("Partidas", "PartidasBautismo"),
              QStringList{
                  QStringLiteral("Parroquia San Pedro|Bautismos 2024|Verdadero|3|15|Lucía María|Martín|Sanz|20240512|Falso|1")});
    EXPECT_EQ(Columna(QStringLiteral("SELECT Madrina FROM Bautismo")), QStringList{QStringLiteral("Carmen Gil Ruiz")});
    EXPECT_EQ(Columna(QStringLiteral("SELECT NumeroSiguiente FROM Libro_Bautismo")), QStringList{QStringLiteral("16")});

    scriptedUi().queueAnswer(ui::vbYes);
    gestPar->EliminarPartida(con, id, config, partidas);

    EXPECT_EQ(scriptedUi().lastMessage().text, QStringLiteral("¿Desea eliminar la partida seleccionada?"));
    EXPECT_TRUE(Lista("Partidas", "PartidasBautismo").isEmpty());
    for (const char* tabla : {"Bautismo", "Bautismo_Hijo", "Bautismo_Padres", "Bautismo_Madres", "Bautismo_Matrimonio"})
        EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QString::fromUtf8(tabla))), 0) << tabla;
}

TEST_F(RegistrosSustitutosTest, AClosedBookTakesNoEntryNotEvenWhenClosedWhileTheDialogIsOpen)
{
    LibroDeBautismo();
    Ejecutar({"UPDATE Libro_Bautismo SET Cerrado = True"});
    scriptedUi().queueAnswer(ui::vbOK);
    gestPar->nuevapartida(con, config, partidas);
    EXPECT_EQ(scriptedUi().lastMessage().text,
              QStringLiteral("¡No hay ningún libro abierto de este sacramento! Cree antes el libro en «Libros»."));

    Ejecutar({"UPDATE Libro_Bautismo SET Cerrado = False"});
    dialogos.Anadir([this](QDialog& d) {
        auto& partida = dynamic_cast<DialogoRegistro&>(d);
        partida.show();
        RellenarBautismo(partida);
        db::Connection otroPuesto = carpeta.abrir(BaseDatosPrograma::Duzediv);
        otroPuesto.Execute(QStringLiteral("UPDATE Libro_Bautismo SET Cerrado = True"));
        otroPuesto.Close();
        scriptedUi().queueAnswer(ui::vbOK);
        EXPECT_FALSE(partida.Aceptar());
        EXPECT_EQ(scriptedUi().lastMessage().text,
                  QStringLiteral("¡El libro «Bautismos 2024» está cerrado y no admite partidas nuevas!"));
        QWidget* libro = partida.Editor(QStringLiteral("CodLibro"));
        EXPECT_TRUE(partida.focusWidget() == libro || libro->isAncestorOf(partida.focusWidget()));
        return int(QDialog::Rejected);
    });
    gestPar->nuevapartida(con, config, partidas);

    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Bautismo")), 0);
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Bautismo_Hijo")), 0);
    EXPECT_EQ(Columna(QStringLiteral("SELECT NumeroSiguiente FROM Libro_Bautismo")), QStringList{QStringLiteral("15")});
}

TEST_F(RegistrosSustitutosTest, ARequestHasNoBookAndIsListedOnlyAmongTheRequests)
{
    LibroDeBautismo();
    dialogos.Aceptar([](DialogoRegistro& d) {
        d.Rellenar(QStringLiteral("InstitucionSolicitud"), QStringLiteral("Parroquia San Pedro"));
        d.Rellenar(QStringLiteral("Nombre"), QStringLiteral("Hugo"), 1);
        d.Rellenar(QStringLiteral("PrimerApellido"), QStringLiteral("Ruiz"), 1);
    });
    QString solicitudes = QStringLiteral("SolicitudesBautismo");

    gestPar->nuevasolicitud(con, config, solicitudes);

    EXPECT_EQ(Lista("Solicitudes", "SolicitudesBautismo"), QStringList{QStringLiteral("Parroquia San Pedro|Hugo|Ruiz||1")});
    EXPECT_TRUE(Lista("Partidas", "PartidasBautismo").isEmpty());
    EXPECT_EQ(Columna(QStringLiteral("SELECT CodLibro & '|' & InstitucionSolicitud FROM Bautismo")),
              QStringList{QStringLiteral("0|1")});
    EXPECT_EQ(Columna(QStringLiteral("SELECT NumeroSiguiente FROM Libro_Bautismo")), QStringList{QStringLiteral("15")});
}

TEST_F(RegistrosSustitutosTest, ARequestPassesIntoTheBookThenTheEntryIsAnnulledTheBookClosedAndAnOldEntryRecorded)
{
    LibroDeBautismo();
    Ejecutar({"INSERT INTO Bautismo (CodLibro, InstitucionSolicitud, Anulada) VALUES (0, 1, False)",
              "INSERT INTO Bautismo_Hijo (CodBautismo, Nombre, PrimerApellido) VALUES (1, 'Hugo', 'Ruiz')"});
    QString solicitudes = QStringLiteral("SolicitudesBautismo");
    dialogos.Anadir([](QDialog& d) {
        auto& eleccion = dynamic_cast<widgets::DialogoRegistroEleccion&>(d);
        EXPECT_TRUE(eleccion.Lista()->ElegirTexto(QStringLiteral("Ruiz, Hugo")));
        eleccion.Usar();
        return eleccion.result();
    });
    dialogos.Aceptar([](DialogoRegistro& d) {
        d.Rellenar(QStringLiteral("CodLibro"), QStringLiteral("Parroquia San Pedro - Bautismos 2024"));
        d.Rellenar(QStringLiteral("Folio"), QStringLiteral("7"));
    });
    gestPar->ImportarSolicitudes(con, config, solicitudes);

    EXPECT_TRUE(Lista("Solicitudes", "SolicitudesBautismo").isEmpty());
    EXPECT_EQ(Lista("Partidas", "PartidasBautismo"),
              QStringList{QStringLiteral("Parroquia San Pedro|Bautismos 2024|Verdadero|7|15|Hugo|Ruiz|||Falso|1")});
    EXPECT_EQ(Columna(QStringLiteral("SELECT NumeroSiguiente FROM Libro_Bautismo")), QStringList{QStringLiteral("16")});

    qint32 partida = 1;
    scriptedUi().queueAnswers({ui::vbYes, ui::vbYes});
    gestPar->AnularPartidas(con, partida, config, partidas);
    EXPECT_EQ(Columna(QStringLiteral("SELECT Anulada FROM Bautismo")), QStringList{QStringLiteral("Verdadero")});
    gestPar->AnularPartidas(con, partida, config, partidas);
    EXPECT_EQ(scriptedUi().lastMessage().text, QStringLiteral("¿Desea que la partida anulada vuelva a ser válida?"));
    EXPECT_EQ(Columna(QStringLiteral("SELECT Anulada FROM Bautismo")), QStringList{QStringLiteral("Falso")});

    qint32 libro = 1;
    scriptedUi().queueAnswers({ui::vbYes, ui::vbOK});
    gestPar->CerrarLiBautismo(con, libro, config);
    gestPar->CerrarLiBautismo(con, libro, config);
    EXPECT_EQ(scriptedUi().lastMessage().text, QStringLiteral("¡El libro «Bautismos 2024» ya está cerrado!"));
    EXPECT_EQ(Columna(QStringLiteral("SELECT Cerrado FROM Libro_Bautismo")), QStringList{QStringLiteral("Verdadero")});

    // An entry written long ago goes into the closed book with its own number.
    dialogos.Aceptar([](DialogoRegistro& d) {
        d.Rellenar(QStringLiteral("CodLibro"), QStringLiteral("Parroquia San Pedro - Bautismos 2024 (cerrado)"));
        d.Rellenar(QStringLiteral("Folio"), QStringLiteral("1"));
        d.Rellenar(QStringLiteral("Numero"), QStringLiteral("3"));
        d.Rellenar(QStringLiteral("FechaBautismo"), QStringLiteral("02/01/1950"));
        d.Rellenar(QStringLiteral("Nombre"), QStringLiteral("Rosa"), 1);
        d.Rellenar(QStringLiteral("PrimerApellido"), QStringLiteral("Gil"), 1);
    });
    gestPar->AntiguaPartida(con, config, partidas);

    EXPECT_EQ(Columna(QStringLiteral("SELECT Numero FROM Bautismo ORDER BY IDBautismo")),
              (QStringList{QStringLiteral("15"), QStringLiteral("3")}));
    EXPECT_EQ(Columna(QStringLiteral("SELECT NumeroSiguiente FROM Libro_Bautismo")), QStringList{QStringLiteral("16")});
}

// ---- A census member who becomes a donor ----------------------------------------

TEST_F(RegistrosSustitutosTest, ACensusMemberWhoBecomesADonorIsOnePersonWithTwoRoles)
{
    dialogos.Aceptar([](DialogoRegistro& d) {
        RellenarPersona(d);
        d.Rellenar(QStringLiteral("CodInstitucionEmpadronado"), QStringLiteral("Parroquia San Pedro"));
        d.Rellenar(QStringLiteral("FechaNacimiento"), QStringLiteral("03/04/1980"));
    });
    gestPar->NuevoEmpadronado(con, config);
    EXPECT_EQ(Lista("Padrón", "Padrón"), QStringList{QStringLiteral("Parroquia San Pedro|Ana|Gil|Rey|12345678Z||1")});

    dialogos.Anadir([](QDialog& d) {
        auto* eleccion = qobject_cast<widgets::DialogoRegistroEleccion*>(&d);
        EXPECT_TRUE(eleccion);
        if (!eleccion)
            return int(QDialog::Rejected);
        EXPECT_TRUE(eleccion->Lista()->ElegirTexto(QStringLiteral("Gil Rey, Ana  (12345678Z)")));
        eleccion->Usar();
        return eleccion->result();
    });
    dialogos.Aceptar([](DialogoRegistro& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Nuevo donante"));
        d.Rellenar(QStringLiteral("codTipoPersonaModelo182"), QStringLiteral("Persona física"));
        d.Rellenar(QStringLiteral("Telefono"), QStringLiteral("947 000 000"));
    });
    vodidazaz->NuevoDonante(con, con, 3, config);

    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Padron")), 1);
    EXPECT_EQ(Columna(QStringLiteral("SELECT CodTipoPersona FROM Padron_TipoPersona ORDER BY CodTipoPersona")),
              (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(Lista("Donantes", "PersonaDonativo"), QStringList{QStringLiteral("Ana|Gil|Rey||12345678Z|947 000 000|1")});
    EXPECT_EQ(Lista("Padrón", "Padrón"),
              QStringList{QStringLiteral("Parroquia San Pedro|Ana|Gil|Rey|12345678Z|947 000 000|1")});

    qint32 id = 1;
    scriptedUi().queueAnswer(ui::vbYes);
    vodidazaz->EliminaDonante(con, id, config);

    EXPECT_TRUE(Lista("Donantes", "PersonaDonativo").isEmpty());
    EXPECT_EQ(Lista("Padrón", "Padrón"),
              QStringList{QStringLiteral("Parroquia San Pedro|Ana|Gil|Rey|12345678Z|947 000 000|1")});
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Padron_Nacimiento")), 1);

    scriptedUi().queueAnswer(ui::vbYes);
    gestPar->EliminaEmpadronado(con, id, config);

    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Padron")), 0);
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Padron_TipoPersona")), 0);
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Padron_Nacimiento")), 0);
}

TEST_F(RegistrosSustitutosTest, ANewPersonIsMadeWhenTheUserSaysSoAndNothingWhenCancelled)
{
    Ejecutar({"INSERT INTO Padron (Nombre, PrimerApellido) VALUES ('Ana', 'Gil')",
              "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (1, 2)"});
    dialogos.Cancelar();
    vodidazaz->NuevoDonante(con, con, 3, config);
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Padron_TipoPersona")), 1);

    dialogos.Anadir([](QDialog& d) {
        auto& eleccion = dynamic_cast<widgets::DialogoRegistroEleccion&>(d);
        eleccion.CrearNueva();
        return eleccion.result();
    });
    dialogos.Aceptar([](DialogoRegistro& d) {
        d.Rellenar(QStringLiteral("Nombre"), QStringLiteral("Ana"));
        d.Rellenar(QStringLiteral("PrimerApellido"), QStringLiteral("Gil"));
    });
    vodidazaz->NuevoDonante(con, con, 3, config);

    EXPECT_EQ(Columna(QStringLiteral("SELECT CodPadron & '-' & CodTipoPersona FROM Padron_TipoPersona ORDER BY CodPadron")),
              (QStringList{QStringLiteral("1-2"), QStringLiteral("2-1")}));
}

// ---- A bank with a branch and an account ------------------------------------------

TEST_F(RegistrosSustitutosTest, ABankWithABranchAndAnAccountIsCreatedAndEdited)
{
    dialogos.Aceptar([this](DialogoRegistro& banco) {
        banco.Rellenar(QStringLiteral("Codigo"), QStringLiteral("2100"));
        banco.Rellenar(QStringLiteral("Nombre"), QStringLiteral("Banco de Prueba"));
        dialogos.Aceptar([this](DialogoRegistro& sucursal) {
            sucursal.Rellenar(QStringLiteral("Codigo"), QStringLiteral("0418"));
            dialogos.Aceptar([](DialogoRegistro& cuenta) {
                cuenta.Rellenar(QStringLiteral("NumCuenta"), QStringLiteral("0200051332"));
            });
            sucursal.Detalle(0)->Nuevo();
        });
        banco.Detalle(0)->Nuevo();
    });

    bancos->NuevoBanco(con, QStringLiteral("Norvia Parvanta 2000"));

    EXPECT_EQ(Lista("Bancos", "Banco"), QStringList{QStringLiteral("2100|Banco de Prueba|1")});
    EXPECT_EQ(Columna(QStringLiteral("SELECT Banco.Codigo & '-' & Sucursal.Codigo & '-' & DC & '-' & NumCuenta "
                                     "FROM Banco, Sucursal, Cuenta WHERE CodBanco = IDBanco AND CodSucursal = IDSucursal")),
              QStringList{QStringLiteral("2100-0418-") + PVAPI::CalculaCCC("2100", "0418", "0200051332").value()
                          + QStringLiteral("-0200051332")});

    // The branch has an account: the caller names it as not deletable.
    db::Recordset noEliminables = con.Execute(QStringLiteral("SELECT IDSucursal, Codigo FROM Sucursal"));
    qint32 id = 1;
    bool cambiado = false;
    dialogos.Aceptar([](DialogoRegistro& banco) {
        banco.Detalle(0)->Seleccionar(0);
        scriptedUi().queueAnswers({ui::vbYes, ui::vbOK});
        banco.Detalle(0)->Eliminar();
        EXPECT_EQ(scriptedUi().lastMessage().text,
                  QStringLiteral("¡Esta sucursal no se puede eliminar: tiene cuentas o la usa un presentador!"));
        banco.Rellenar(QStringLiteral("Nombre"), QStringLiteral("Banco de Prueba, S.A."));
    });
    bancos->EditaBanco(con, id, QStringLiteral("Norvia Parvanta 2000"), noEliminables, cambiado);

    EXPECT_TRUE(cambiado);
    EXPECT_EQ(Lista("Bancos", "Banco"), QStringList{QStringLiteral("2100|Banco de Prueba, S.A.|1")});
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Sucursal")), 1);

    dialogos.Cancelar();
    bancos->EditaBanco(con, id, QStringLiteral("Norvia Parvanta 2000"), noEliminables, cambiado);
    EXPECT_FALSE(cambiado);
}

// ---- A donation inside the donor dialog ------------------------------------------

TEST_F(RegistrosSustitutosTest, ADonationIsCreatedEditedAndDeletedInsideTheDonorDialog)
{
    dialogos.Aceptar([this](DialogoRegistro& donante) {
        RellenarPersona(donante);
        dialogos.Aceptar([](DialogoRegistro& donativo) {
            donativo.Rellenar(QStringLiteral("CodInstitucion"), QStringLiteral("Parroquia San Pedro"));
            donativo.Rellenar(QStringLiteral("CodTipoDonativo"), QStringLiteral("Cuota mensual"));
            donativo.Rellenar(QStringLiteral("Importe"), QStringLiteral("12,50"));
        });
        donante.Detalle(0)->Nuevo();
    });
    vodidazaz->NuevoDonante(con, con, 3, config);

    EXPECT_EQ(Lista("Donantes", "PersonaDonativo"), QStringList{QStringLiteral("Ana|Gil|Rey||12345678Z||1")});
    EXPECT_EQ(Columna(QStringLiteral("SELECT CodPersonaDonativo & '|' & CodInstitucion & '|' & Importe & '|' & "
                                     "ImporteEur & '|' & PagoBanco FROM Donativo")),
              QStringList{QStringLiteral("1|1|2080|12,5|0")});

    // A cash receipt of the donation puts it in a list.
    dialogos.Aceptar([](DialogoRegistro& recibo) {
        recibo.Rellenar(QStringLiteral("CodDonativo"), QStringLiteral("Gil Rey, Ana - Cuota mensual"));
        recibo.Rellenar(QStringLiteral("Fecha"), QStringLiteral("01/06/2024"));
        recibo.Rellenar(QStringLiteral("Importe"), QStringLiteral("12,50"));
    });
    EXPECT_EQ(vodidazaz->GenerarReciboCaja(con, con, config), addins::ColeccionRecibos{1});
    EXPECT_EQ(Lista("Recibos por caja", "Recibo"),
              QStringList{QStringLiteral("202400000001|0|20240601|Cuota mensual|Ana|Gil|Rey|Parroquia San Pedro|12,5|1")});

    qint32 id = 1;
    dialogos.Aceptar([this](DialogoRegistro& donante) {
        dialogos.Aceptar([](DialogoRegistro& donativo) {
            donativo.Rellenar(QStringLiteral("Importe"), QStringLiteral("20"));
            donativo.Rellenar(QStringLiteral("PagoBanco"), true);
        });
        donante.Detalle(0)->Seleccionar(0);
        donante.Detalle(0)->Propiedades();
    });
    vodidazaz->EditaDonante(con, con, 3, id, config);

    EXPECT_EQ(Columna(QStringLiteral("SELECT Importe & '|' & ImporteEur & '|' & PagoBanco FROM Donativo")),
              QStringList{QStringLiteral("3328|20|-1")});

    dialogos.Aceptar([](DialogoRegistro& donante) {
        donante.Detalle(0)->Seleccionar(0);
        scriptedUi().queueAnswer(ui::vbYes);
        donante.Detalle(0)->Eliminar();
    });
    vodidazaz->EditaDonante(con, con, 3, id, config);

    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Donativo")), 0);
    EXPECT_TRUE(Lista("Recibos por caja", "Recibo").isEmpty());
    EXPECT_EQ(Lista("Donantes", "PersonaDonativo").size(), 1);
}

TEST_F(RegistrosSustitutosTest, WorkingInPesetasTheEurosFollowTheConversionRules)
{
    config.TrabajarConPesetas = true;
    dialogos.Aceptar([this](DialogoRegistro& donante) {
        RellenarPersona(donante);
        dialogos.Aceptar([](DialogoRegistro& donativo) {
            donativo.Rellenar(QStringLiteral("CodInstitucion"), QStringLiteral("Parroquia San Pedro"));
            donativo.Rellenar(QStringLiteral("CodTipoDonativo"), QStringLiteral("Cuota mensual"));
            donativo.Rellenar(QStringLiteral("Importe"), QStringLiteral("5.000"));
        });
        donante.Detalle(0)->Nuevo();
    });

    vodidazaz->NuevoDonante(con, con, 3, config);

    EXPECT_EQ(Columna(QStringLiteral("SELECT Importe & '|' & ImporteEur FROM Donativo")),
              QStringList{QStringLiteral("5000|30,05")});
}

// ---- Remittances and certificates -----------------------------------------------

TEST_F(RegistrosSustitutosTest, ARemittanceGathersTheBankDonationsAndKeepsItsTotalsTheSumsOfItsReceipts)
{
    Ejecutar({"INSERT INTO Banco (Codigo, Nombre) VALUES ('2100', 'Banco')",
              "INSERT INTO Sucursal (CodBanco, Codigo) VALUES (1, '0418')",
              "INSERT INTO Padron (Nombre, PrimerApellido, SegundoApellido) VALUES ('Ana', 'Gil', 'Rey')",
              "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (1, 1)",
              "INSERT INTO Donativo (CodPersonaDonativo, CodInstitucion, CodTipoDonativo, Importe, ImporteEur, PagoBanco) "
              "VALUES (1, 1, 1, 2080, 12.5, True)",
              "INSERT INTO Donativo (CodPersonaDonativo, CodInstitucion, CodTipoDonativo, Importe, ImporteEur, PagoBanco) "
              "VALUES (1, 1, 1, 3328, 20, True)",
              "INSERT INTO Donativo (CodPersonaDonativo, CodInstitucion, CodTipoDonativo, Importe, ImporteEur, PagoBanco) "
              "VALUES (1, 1, 1, 999, 6, False)"});
    dialogos.Aceptar([](DialogoRegistro& d) {
        d.Rellenar(QStringLiteral("Nombre"), QStringLiteral("Luis"));
        d.Rellenar(QStringLiteral("PrimerApellido"), QStringLiteral("Sanz"));
        d.Rellenar(QStringLiteral("CodSucursal"), qint64(1));
    });
    vodidazaz->NuevoPresentador(con, config);
    dialogos.Aceptar([](DialogoRegistro& d) {
        d.Rellenar(QStringLiteral("Fecha"), QStringLiteral("01/07/2024"));
        d.Rellenar(QStringLiteral("CodPresentador"), QStringLiteral("Sanz, Luis"));
    });

    vodidazaz->GenerarRemesa(con, con, config);

    EXPECT_EQ(Lista("Remesas", "Remesa"), QStringList{QStringLiteral("20240701|Luis|Sanz||32,5|1")});
    EXPECT_EQ(Columna(QStringLiteral("SELECT NumeroRecibo FROM Recibo ORDER BY IDRecibo")),
              (QStringList{QStringLiteral("202400000001"), QStringLiteral("202400000002")}));

    qint32 remesa = 1;
    dialogos.Aceptar([](DialogoRegistro& d) {
        d.Detalle(0)->Seleccionar(0);
        scriptedUi().queueAnswer(ui::vbYes);
        d.Detalle(0)->Eliminar();
    });
    vodidazaz->EditaRecibosRemesa(con, con, remesa, config);
    EXPECT_EQ(Columna(QStringLiteral("SELECT ImporteTotal & '|' & ImporteTotalEur FROM Remesa")),
              QStringList{QStringLiteral("3328|20")});

    dialogos.Anadir([](QDialog& d) {
        auto& pregunta = dynamic_cast<QInputDialog&>(d);
        pregunta.setIntValue(2024);
        return int(QDialog::Accepted);
    });
    scriptedUi().queueAnswer(ui::vbOK);
    vodidazaz->GenerarCertificado(con, config);
    EXPECT_EQ(scriptedUi().lastMessage().text, QStringLiteral("¡Se han generado 1 certificado de donativos del año 2024!"));
    EXPECT_EQ(Columna(QStringLiteral("SELECT NumCertificado FROM Recibo")), QStringList{QStringLiteral("202400000001")});

    scriptedUi().queueAnswer(ui::vbYes);
    vodidazaz->EliminaRemesa(con, con, remesa, config);
    EXPECT_TRUE(Lista("Remesas", "Remesa").isEmpty());
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Recibo")), 0);
}

// ---- Messages -----------------------------------------------------------------------

TEST_F(RegistrosSustitutosTest, MessagesAreWrittenForwardedShownAndDeletedLocally)
{
    dialogos.Aceptar([](DialogoRegistro& d) {
        EXPECT_EQ(static_cast<QLineEdit*>(d.Editor(QStringLiteral("Remitente")))->text(), QStringLiteral("Administrador"));
        d.Rellenar(QStringLiteral("Destinatario"), QStringLiteral("Obispado"));
        d.Rellenar(QStringLiteral("Descripcion"), QStringLiteral("Primera línea\nSegunda"));
    });
    mensajeria->NuevoMensaje(con, config);
    const QStringList salida = Lista("Bandeja de salida", "BandejaSalida");
    ASSERT_EQ(salida.size(), 1);
    EXPECT_TRUE(salida.first().startsWith(QStringLiteral("Nota|"))) << salida.first().toStdString();
    EXPECT_EQ(Columna(QStringLiteral("SELECT Descripcion FROM Mensaje")), QStringList{QStringLiteral("Primera línea\r\nSegunda")});

    Ejecutar({"UPDATE Mensaje SET Nodo = 'BandejaEntrada', FechaEnvio = '20240601'"});
    qint32 id = 1;
    dialogos.Anadir([](QDialog& d) {
        auto& mensaje = dynamic_cast<DialogoRegistro&>(d);
        EXPECT_FALSE(mensaje.BotonAceptar());
        EXPECT_TRUE(static_cast<QLineEdit*>(mensaje.Editor(QStringLiteral("Destinatario")))->isReadOnly());
        return int(QDialog::Rejected);
    });
    mensajeria->PropiedadesMensaje(id, con, config);

    dialogos.Aceptar([](DialogoRegistro& d) { d.Rellenar(QStringLiteral("Destinatario"), QStringLiteral("Vicaría")); });
    mensajeria->ReenviarMensaje(id, con, config);
    EXPECT_EQ(Lista("Bandeja de salida", "BandejaSalida").size(), 1);
    EXPECT_EQ(Columna(QStringLiteral("SELECT Descripcion FROM Mensaje WHERE IDMensaje = 2")),
              QStringList{QStringLiteral("----- Mensaje reenviado -----\r\nDe: Administrador\r\nPara: Obispado\r\n"
                                         "Fecha: 01/06/2024\r\n\r\nPrimera línea\r\nSegunda")});

    scriptedUi().queueAnswer(ui::vbYes);
    mensajeria->EliminarMensaje(con, id);
    EXPECT_TRUE(Lista("Bandeja de entrada", "BandejaEntrada").isEmpty());
}

// ---- What stays outside the system ------------------------------------------------

struct FueraDelSistema {
    const char* complemento;
    const char* funcion;
    std::function<void(RegistrosSustitutosTest&)> llamar;
};

class RegistrosSustitutosFueraTest : public RegistrosSustitutosTest,
                                     public ::testing::WithParamInterface<FueraDelSistema> {};

TEST_P(RegistrosSustitutosFueraTest, SaysItIsNotAvailableAndMovesNothing)
{
    Ejecutar({"INSERT INTO TipoMensaje (Codigo) VALUES ('Nota')",
              "INSERT INTO Mensaje (CodTipoMensaje, Destinatario, Nodo) VALUES (1, 'Obispado', 'BandejaSalida')"});
    scriptedUi().queueAnswer(ui::vbOK);

    GetParam().llamar(*this);

    EXPECT_EQ(scriptedUi().lastMessage().text,
              QStringLiteral("¡Esta función no está disponible en esta instalación!\r\n\r\nComplemento: %1\r\nFunción: %2")
                  .arg(QString::fromUtf8(GetParam().complemento), QString::fromUtf8(GetParam().funcion)));
    EXPECT_EQ(Lista("Bandeja de salida", "BandejaSalida").size(), 1);
    EXPECT_TRUE(Lista("Elementos enviados", "ElementosEnviados").isEmpty());
}

const FueraDelSistema kFueraDelSistema[] = {
    {"PVMensajeria", "EnviarRecibirMensajes", [](RegistrosSustitutosTest& t) { t.mensajeria->EnviarRecibirMensajes(t.con, 1); }},
    {"PVMensajeria", "ConexionServidor",
     [](RegistrosSustitutosTest& t) {
         QString identificacion;
         t.mensajeria->ConexionServidor(t.con, 1, identificacion);
     }},
    {"PVMensajeria", "AsistenteCuentasCorreo", [](RegistrosSustitutosTest& t) { t.mensajeria->AsistenteCuentasCorreo(t.con); }},
    {"PVVodidazaz", "GenerarDisco",
     [](RegistrosSustitutosTest& t) {
         qint32 remesa = 1;
         t.vodidazaz->GenerarDisco(t.con, remesa, t.config);
     }},
    {"PVVodidazaz", "ExportarTotales", [](RegistrosSustitutosTest& t) { t.vodidazaz->ExportarTotales(t.con, t.config); }},
};

INSTANTIATE_TEST_SUITE_P(Casos, RegistrosSustitutosFueraTest, ::testing::ValuesIn(kFueraDelSistema));

// ---- Confirmations ----------------------------------------------------------------

TEST_F(RegistrosSustitutosTest, ADeleteAnsweredNoKeepsEverything)
{
    Ejecutar({"INSERT INTO Padron (Nombre, PrimerApellido) VALUES ('Ana', 'Gil')",
              "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (1, 1)",
              "INSERT INTO Cargo (Nombre) VALUES ('Catequista')"});
    qint32 id = 1;
    scriptedUi().queueAnswers({ui::vbNo, ui::vbNo});

    vodidazaz->EliminaDonante(con, id, config);
    gestPar->EliminaCargo(con, id, config);

    EXPECT_EQ(scriptedUi().messages().at(0).text.section(QStringLiteral("\r\n"), 0, 0),
              QStringLiteral("¿Desea eliminar el donante seleccionado?"));
    EXPECT_EQ(scriptedUi().messages().at(1).text, QStringLiteral("¿Desea eliminar el cargo seleccionado?"));
    for (const auto& m : scriptedUi().messages())
        EXPECT_EQ(m.buttons, ui::vbYesNo);
    EXPECT_EQ(Lista("Donantes", "PersonaDonativo").size(), 1);
    EXPECT_EQ(Lista("Cargos", "Cargos").size(), 1);
}

TEST_F(RegistrosSustitutosTest, TheUserIsAskedWithTheNormalPointerWhileTheCallerShowsTheHourglass)
{
    scriptedUi().setMousePointer(ui::vbHourglass);
    ui::MousePointer durante = ui::vbHourglass;
    dialogos.Anadir([&durante](QDialog&) {
        durante = scriptedUi().mousePointer();
        return int(QDialog::Rejected);
    });

    vodidazaz->NuevoTipoDonativo(con, config);

    EXPECT_EQ(durante, ui::vbDefault);
    EXPECT_EQ(scriptedUi().mousePointer(), ui::vbHourglass);
}

} // namespace
} // namespace addinstest
