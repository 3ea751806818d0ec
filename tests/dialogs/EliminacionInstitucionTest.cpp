#include "DosInstituciones.h"

#include "dialogs/EliminacionInstitucion.h"
#include "dialogs/ProgresoEliminacion.h"
#include "platform/locks/cProcesarBloqueos.h"
#include "platform/ui/UiConstants.h"
#include "platform/vb/VbError.h"
#include "support/TestEnvironment.h"

#include <QSet>

namespace {

using testsupport::scriptedUi;
using Alcance = EliminacionInstitucion::Alcance;
using Opciones = EliminacionInstitucion::Opciones;
using Resultado = EliminacionInstitucion::Resultado;

// Table -> keys of the rows a removal of A deletes.
using Claves = QMap<QString, QSet<QString>>;

// Gone whatever the check boxes say: A's own rows, its census members' type
// (12 then has nothing left and goes; 13 stays a collaborator), 19 who only
// gave to A and has no type, the remittance that held only A's receipts,
// the account only A used, the parent records no baptism uses any more
// (952 never belonged to anyone), and A's request 902.
const Claves kSiempre = {
    {"Institucion", {"1"}},
    {"Institucion_Encargado", {"1"}},
    {"Institucion_Padron", {"1"}},
    {"Padron", {"12", "19"}},
    {"Padron_TipoPersona", {"12-2", "13-2"}},
    {"Padron_Nacimiento", {"12"}},
    {"Padron_Bautismo", {"12"}},
    {"Padron_Comunion", {"12"}},
    {"Padron_Confirmacion", {"12"}},
    {"Padron_Matrimonio", {"12"}},
    {"Padron_Defuncion", {"12"}},
    {"Padron_NotasPersonales", {"12"}},
    {"Actividad", {"700"}},
    {"Grupo", {"710", "711"}},
    {"Actividad_Grupo", {"1"}},
    {"Padron_Actividad", {"1", "2", "4"}},
    {"Libro_Bautismo", {"800"}},
    {"Bautismo", {"900", "902"}},
    {"Bautismo_Hijo", {"900", "902"}},
    {"Bautismo_Padres", {"951", "952"}},
    {"Bautismo_Madres", {"960"}},
    {"Bautismo_Matrimonio", {"900"}},
    {"Libro_Confirmacion", {"820"}},
    {"Confirmacion", {"920"}},
    {"Confirmacion_Datos", {"920"}},
    {"Confirmacion_Bautismo", {"920"}},
    {"Libro_Matrimonio", {"830"}},
    {"Matrimonio", {"930"}},
    {"Matrimonio_Novios", {"940"}},
    {"Matrimonio_Novias", {"945"}},
    {"Matrimonio_Novios_RegCivil", {"940"}},
    {"Matrimonio_Novias_RegCivil", {"945"}},
    {"Matrimonio_Novios_Bautismo", {"940"}},
    {"Matrimonio_Novias_Bautismo", {"945"}},
    {"Matrimonio_Compromiso", {"930"}},
    {"Matrimonio_Expediente", {"930"}},
    {"Libro_Defuncion", {"840"}},
    {"Defuncion", {"970"}},
    {"Defuncion_Datos", {"970"}},
    {"Donativo", {"200", "201", "202", "205", "206"}},
    {"Recibo", {"600", "601", "602"}},
    {"Remesa", {"301"}},
    {"Presentador_Institucion", {"500"}},
    {"Institucion_TipoDonativo_Cuenta", {"1000", "1001"}},
    {"Cuenta", {"103"}},
    {"Contab_Enlace_Institucion", {"1-1"}},
    {"Contab_Enlace_Bancos", {"1-1-5"}},
    {"Contab_Enlace_Padron", {"10-1"}},
};

// "Donantes": 10 gave only to A and goes with his own account 100 (102 is
// also 17's); 11 gave to B and 18 is B's census member, so both stay donors.
const Claves kDonantes = {
    {"Padron", {"10"}},
    {"Padron_TipoPersona", {"10-1"}},
    {"Padron_Nacimiento", {"10"}},
    {"PersonaDonativo_TipoDonativo_Cuenta", {"1100", "1101"}},
    {"Cuenta", {"100"}},
};

// "Colaboradores": 13 and 15 were only in A's groups; 14 is in B's too.
const Claves kColaboradores = {
    {"Padron", {"13", "15"}},
    {"Padron_TipoPersona", {"13-3", "15-3"}},
    {"Padron_Nacimiento", {"13"}},
    {"Padron_NotasPersonales", {"15"}},
};

Claves Unir(Claves a, const Claves& b)
{
    for (auto it = b.cbegin(); it != b.cend(); ++it)
        a[it.key()] += it.value();
    return a;
}

// A progress sink that records, and fails when told to at a step's start.
class ProgresoPrueba : public ProgresoEliminacion {
public:
    void Iniciar(int maximo) override
    {
        this->maximo = maximo;
        ++iniciados;
        if (alIniciar)
            alIniciar();
    }
    void Paso(int, const QString& paso) override
    {
        pasos << paso;
        if (paso == fallarEn)
            throw vb::VbError(3021, QStringLiteral("Fallo inyectado en ") + paso);
    }
    void Terminar() override { ++terminados; }

    QString fallarEn;
    std::function<void()> alIniciar;
    int maximo = -1;
    int iniciados = 0;
    int terminados = 0;
    QStringList pasos;
};

class EliminacionInstitucionTest : public DosInstitucionesTest {
protected:
    Resultado Eliminar(const Opciones& opciones, ProgresoEliminacion& progreso, qint32 id = kA)
    {
        return EliminacionInstitucion(conLocal, conContabilidad, id).Eliminar(Alcance::Completo, opciones, progreso);
    }
    Resultado Eliminar(const Opciones& opciones = {})
    {
        ProgresoPrueba progreso;
        return Eliminar(opciones, progreso);
    }

    // True when another workstation could take the whole table now.
    bool Libre(const char* tabla)
    {
        PVAPI::cProcesarBloqueos otro;
        otro.Inicializar(carpeta.path());
        otro.DefinirBloqueo(QString::fromUtf8(tabla), true);
        return otro.lngEfectuarBloqueos() == PVAPI::cProcesarBloqueos::BloqueoConcedido;
    }

    QString Valor(const QString& sql) { return conLocal.Execute(sql).value(0).toString(); }
};

struct Casillas {
    bool donantes;
    bool colaboradores;
};

class CasillasTest : public EliminacionInstitucionTest, public ::testing::WithParamInterface<Casillas> {};

// Every row of every table the removal can touch: exactly the expected ones
// are gone, the others are as they were except the three rows that pointed
// at A or summed its receipts. B's data comes through untouched.
TEST_P(CasillasTest, QuedanExactamenteLasFilasEsperadas)
{
    const Casillas casillas = GetParam();
    Claves borradas = kSiempre;
    if (casillas.donantes)
        borradas = Unir(borradas, kDonantes);
    if (casillas.colaboradores)
        borradas = Unir(borradas, kColaboradores);
    const QMap<QString, QSet<QString>> cambiadas = {
        {"Remesa", {"300"}}, {"Bautismo", {"903"}}, {"Padron", {"13"}}};
    const Foto antes = Fotografiar();

    ProgresoPrueba progreso;
    ASSERT_EQ(Eliminar({.Donantes = casillas.donantes, .Colaboradores = casillas.colaboradores}, progreso),
              Resultado::Eliminada);

    const Foto despues = Fotografiar();
    for (auto tabla = antes.cbegin(); tabla != antes.cend(); ++tabla) {
        const QSet<QString> todas(tabla.value().keyBegin(), tabla.value().keyEnd());
        const QSet<QString> quedan(despues[tabla.key()].keyBegin(), despues[tabla.key()].keyEnd());
        EXPECT_EQ(quedan, todas - borradas.value(tabla.key())) << tabla.key().toStdString();
        for (const QString& clave : quedan) {
            if (!cambiadas.value(tabla.key()).contains(clave)) {
                EXPECT_EQ(despues[tabla.key()][clave], tabla.value()[clave])
                    << tabla.key().toStdString() << " " << clave.toStdString();
            }
        }
    }
    // The shared remittance keeps B's receipt and its sums in both
    // currencies; B's entry that came from A's request no longer names A;
    // a census member of A who stays is nobody's census member.
    EXPECT_EQ(Valor("SELECT ImporteTotal & '|' & ImporteTotalEur FROM Remesa WHERE IDRemesa = 300"),
              QStringLiteral("2000|12,02"));
    EXPECT_EQ(Valor("SELECT InstitucionSolicitud FROM Bautismo WHERE IDBautismo = 903"), QStringLiteral("0"));
    if (!casillas.colaboradores) {
        EXPECT_EQ(Valor("SELECT CodInstitucionEmpadronado FROM Padron WHERE IDPadron = 13"), QStringLiteral("0"));
    }
    EXPECT_EQ(progreso.iniciados, 1);
    EXPECT_EQ(progreso.terminados, 1);
    EXPECT_EQ(progreso.pasos, EliminacionInstitucion::Pasos(Alcance::Completo, {casillas.donantes,
                                                                                 casillas.colaboradores}));
    EXPECT_TRUE(Libre("Padron"));
    EXPECT_TRUE(Libre("Institucion"));
    EXPECT_TRUE(scriptedUi().messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(, CasillasTest,
                         ::testing::Values(Casillas{false, false}, Casillas{true, false}, Casillas{false, true},
                                           Casillas{true, true}),
                         [](const auto& info) {
                             return std::string(info.param.donantes ? "Donantes" : "SinDonantes")
                                 + (info.param.colaboradores ? "Colaboradores" : "SinColaboradores");
                         });

// A failure before any step, every earlier step done: the file is as it
// was, byte for byte, the progress ended and nothing stays locked.
TEST_F(EliminacionInstitucionTest, UnFalloEnCualquierPasoNoCambiaNada)
{
    const Opciones opciones{.Donantes = true, .Colaboradores = true};
    const QStringList pasos = EliminacionInstitucion::Pasos(Alcance::Completo, opciones);
    ASSERT_GT(pasos.size(), 20);
    const QByteArray huella = Huella();
    for (const QString& paso : pasos) {
        ProgresoPrueba progreso;
        progreso.fallarEn = paso;
        EXPECT_THROW(Eliminar(opciones, progreso), vb::VbError) << paso.toStdString();
        EXPECT_EQ(progreso.pasos.last(), paso);
        EXPECT_EQ(progreso.terminados, 1) << paso.toStdString();
        ASSERT_EQ(Huella(), huella) << paso.toStdString();
        EXPECT_TRUE(Libre("Padron")) << paso.toStdString();
        EXPECT_FALSE(conLocal.InTransaction());
    }
}

// A statement that fails inside a step, for every table the removal
// writes (temporary triggers, which leave the file alone): nothing changes.
TEST_F(EliminacionInstitucionTest, UnaSentenciaQueFallaEnCualquierTablaNoCambiaNada)
{
    const Opciones opciones{.Donantes = true, .Colaboradores = true};
    const QByteArray huella = Huella();
    const QStringList noEscritas = {"Presentador", "Banco", "Sucursal"};
    for (const QString& tabla : Fotografiar().keys()) {
        if (noEscritas.contains(tabla))
            continue;
        for (const char* operacion : {"DELETE", "UPDATE"})
            Sqlite(QStringLiteral("CREATE TEMP TRIGGER Falla%1 BEFORE %1 ON %2 BEGIN SELECT RAISE(ABORT, 'fallo'); END")
                       .arg(QString::fromLatin1(operacion), tabla)
                       .toUtf8()
                       .constData());
        ProgresoPrueba progreso;
        EXPECT_THROW(Eliminar(opciones, progreso), vb::VbError) << tabla.toStdString();
        Sqlite("DROP TRIGGER temp.FallaDELETE");
        Sqlite("DROP TRIGGER temp.FallaUPDATE");
        ASSERT_EQ(Huella(), huella) << tabla.toStdString();
        EXPECT_TRUE(Libre("Padron")) << tabla.toStdString();
    }
}

// Another workstation holds what the removal must lock: the user is told,
// nothing changes, nothing of the removal stays locked.
TEST_F(EliminacionInstitucionTest, ConDatosBloqueadosEnOtroPuestoNoCambiaNadaYLoDice)
{
    Ejecutar({"UPDATE Informacion SET GestionContable = True"});
    struct Caso {
        const char* nombre;
        std::function<void(PVAPI::cProcesarBloqueos&)> bloquear;
    };
    const Caso casos[] = {
        {"la institución",
         [&](PVAPI::cProcesarBloqueos& b) {
             b.DefinirBloqueo({.strTabla = QStringLiteral("Institucion"),
                               .conBD = &conLocal,
                               .strRegistro = QStringLiteral("1"),
                               .blnComprobarExisteRegistro = true,
                               .strSQLExisteRegistro = QStringLiteral("SELECT IDInstitucion FROM Institucion "
                                                                      "WHERE IDInstitucion = 1")});
         }},
        {"una tabla", [](PVAPI::cProcesarBloqueos& b) { b.DefinirBloqueo(QStringLiteral("Bautismo"), true); }},
        // Refused at the test before the accounting warning: no warning.
        {"su enlace contable",
         [](PVAPI::cProcesarBloqueos& b) { b.DefinirBloqueo(QStringLiteral("Contab_Enlace_Institucion"), true); }},
    };
    const QByteArray huella = Huella();
    for (const Caso& caso : casos) {
        scriptedUi().reset();
        if (std::string(caso.nombre) != "su enlace contable")
            scriptedUi().queueAnswer(ui::vbOK);  // the accounting warning
        scriptedUi().queueAnswer(ui::vbOK);
        {
            PVAPI::cProcesarBloqueos otro;
            otro.Inicializar(carpeta.path());
            caso.bloquear(otro);
            ASSERT_EQ(otro.lngEfectuarBloqueos(), 0) << caso.nombre;
            ProgresoPrueba progreso;
            EXPECT_EQ(Eliminar({.Donantes = true, .Colaboradores = true}, progreso), Resultado::EnUso) << caso.nombre;
            EXPECT_EQ(progreso.iniciados, 0) << caso.nombre;
        }
        EXPECT_EQ(scriptedUi().lastMessage().text, EliminacionInstitucion::TextoEnUso()) << caso.nombre;
        EXPECT_EQ(scriptedUi().lastMessage().icon, ui::vbExclamation);
        scriptedUi().expectAllAnswersUsed();
        EXPECT_EQ(Huella(), huella) << caso.nombre;
        EXPECT_TRUE(Libre("Padron")) << caso.nombre;
        EXPECT_TRUE(Libre("Institucion")) << caso.nombre;
    }
}

TEST_F(EliminacionInstitucionTest, UnaInstitucionQueYaNoExisteSeDice)
{
    Ejecutar({"DELETE FROM Institucion WHERE IDInstitucion = 1"});
    const Foto antes = Fotografiar();
    scriptedUi().queueAnswer(ui::vbOK);

    EXPECT_EQ(Eliminar({.Donantes = true, .Colaboradores = true}), Resultado::NoExiste);

    EXPECT_EQ(scriptedUi().lastMessage().text, EliminacionInstitucion::TextoNoExiste());
    EXPECT_EQ(Fotografiar(), antes);
}

// With accounting management on and a company linked to A, the user is
// told its name (and can only take note); the three accounting link tables
// are then locked for the removal. Without the warning they are not.
class EmpresaEnlazadaTest : public EliminacionInstitucionTest, public ::testing::WithParamInterface<bool> {};

TEST_P(EmpresaEnlazadaTest, SeAvisaYBloqueaLosEnlacesContables)
{
    const bool gestionContable = GetParam();
    DosInstitucionesTest::Ejecutar({gestionContable ? "UPDATE Informacion SET GestionContable = True"
                                                    : "UPDATE Informacion SET GestionContable = False"});
    if (gestionContable)
        scriptedUi().queueAnswer(ui::vbOK);
    ProgresoPrueba progreso;
    QList<bool> libres;
    progreso.alIniciar = [&] {
        for (const char* tabla : {"Contab_Enlace_Bancos", "Contab_Enlace_Institucion", "Contab_Enlace_Padron"})
            libres << Libre(tabla);
        libres << Libre("Matrimonio");
    };

    ASSERT_EQ(Eliminar({}, progreso), Resultado::Eliminada);

    EXPECT_EQ(libres, (QList<bool>{!gestionContable, !gestionContable, !gestionContable, false}));
    if (gestionContable) {
        ASSERT_EQ(scriptedUi().messages().size(), 1);
        EXPECT_EQ(scriptedUi().lastMessage().text,
                  QStringLiteral("La Institución que pretende eliminar, tiene asociada la empresa Parroquia San "
                                 "Pedro 2024, del módulo de contabilidad. Si elimina la Institución, los datos "
                                 "correspondientes al módulo de contabilidad quedarán incompletos."));
        EXPECT_EQ(scriptedUi().lastMessage().icon, ui::vbInformation);
        EXPECT_EQ(scriptedUi().lastMessage().buttons, ui::vbOKOnly);
    } else {
        EXPECT_TRUE(scriptedUi().messages().isEmpty());
    }
    // A's links go either way; B's link to its own company stays.
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Contab_Enlace_Institucion WHERE CodInstitucion = 1")), 0);
    EXPECT_EQ(Contar(QStringLiteral("SELECT COUNT(*) FROM Contab_Enlace_Institucion WHERE CodInstitucion = 2")), 1);
}

INSTANTIATE_TEST_SUITE_P(, EmpresaEnlazadaTest, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "ConGestionContable" : "Sin"); });

} // namespace
