#include "AsistenteFixture.h"

#include "platform/pvapi/cInstitucion.h"
#include "platform/vb/VbError.h"

#include <QDir>
#include <QFile>

// What Finalizar and the check run hand to the add-ins, and what the wizard
// makes of their answers.

using ::testing::_;
using ::testing::Invoke;
using ::testing::Return;
using ::testing::Throw;

namespace {

std::shared_ptr<PVAPI::cInstitucion> Institucion(qint32 id, const QString& nombre, const QString& parroco = {},
                                                 qint16 regimen = 0)
{
    auto institucion = std::make_shared<PVAPI::cInstitucion>();
    institucion->IDInstitucion = id;
    institucion->Nombre = nombre;
    institucion->Parroco = parroco;
    institucion->EncargadoArchivo = parroco;
    institucion->Diocesis = parroco;
    institucion->Vicaria = parroco;
    institucion->RegimenFiscal = regimen;
    return institucion;
}

} // namespace

class KaldexTest : public AsistenteTest {
public:
    // The parish route up to the summary page, with these sacraments, the
    // institution of `id` and the tables of the marked sacraments.
    void HastaResumenParroquia(const QStringList& sacramentos, qint32 id)
    {
        Abrir();
        PasarPagina0(0);
        Marcar(a->lstImportar[0], {QStringLiteral("Gestión Parroquial")});
        Siguiente();
        Marcar(a->lstImportar[2], sacramentos);
        Siguiente();
        a->lstImportar[1].setSelected(a->lstImportar[1].IndiceDe(id), true);
        Siguiente();
        while (a->mintPaso != 3) {
            const int antes = a->mintPaso;
            Siguiente();
            ASSERT_NE(a->mintPaso, antes);
        }
    }
    void HastaResumenDonativos(qint32 id)
    {
        Abrir();
        PasarPagina0(0);
        Marcar(a->lstImportar[0], {QStringLiteral("Vodidazaz")});
        Siguiente();
        a->lstImportar[1].setSelected(a->lstImportar[1].IndiceDe(id), true);
        Siguiente();
        Siguiente();
        ASSERT_EQ(a->mintPaso, 3);
    }
};

// The 30 arguments of the parish import, for a run with marriage only:
// the institution of the chosen line (two share its name), empty folders
// for the sacraments left out, every page's values all the same.
TEST_F(KaldexTest, LaImportacionParroquialRecibeSusTreintaArgumentos)
{
    CrearArchivo(QStringLiteral("MATR.DBF"));
    HastaResumenParroquia({QStringLiteral("Matrimonio")}, idParroquiaSanJuan);
    a->txtDatosS[Matrimonio][0].Text = QStringLiteral("Santa María");
    a->chkDatos[Defuncion].Value = 0;
    a->cboDatosS[Confirmacion][1].setListIndex(-1);
    a->cboFolio[Defuncion].setListIndex(2);
    a->optSiglo[0].Value = false;
    a->optSiglo[1].Value = true;
    a->optOrdenNombres[0].Value = false;
    a->optOrdenNombres[1].Value = true;

    // The by-reference arguments are the wizard's locals: read during the call.
    dobles::LlamadaImportarKaldexGP recibida{};
    QStringList carpetas;
    qint32 institucion = 0;
    QString siglo;
    QList<qint32> municipios;
    int orden = -1;
    QList<QLabel*> etiquetas;
    int paginaDurante = -1;
    EXPECT_CALL(gestPar, ImportarKaldexGP(_)).WillOnce(Invoke([&](const dobles::LlamadaImportarKaldexGP& llamada) {
        recibida = llamada;
        carpetas = {*llamada.strPathBautismo, *llamada.strPathConfirmacion, *llamada.strPathMatrimonio,
                    *llamada.strPathDefuncion};
        institucion = *llamada.lngIDInstitucion;
        siglo = *llamada.strSiglo;
        municipios = {*llamada.lngMunicipioBautismo, *llamada.lngMunicipioConfirmacion,
                      *llamada.lngMunicipioMatrimonio, *llamada.lngMunicipioDefuncion};
        orden = *llamada.bytOrdenNombres;
        etiquetas = *llamada.colEtiquetas;
        paginaDurante = a->mintPaso;
        // The wizard may not go while the add-in drives its bar and labels.
        a->cmdImportar_Click(1);
        EXPECT_FALSE(a->Descargado());
        EXPECT_FALSE(a->PuedeCerrar());
    }));
    Finalizar();

    EXPECT_TRUE(a->Descargado());
    EXPECT_EQ(paginaDurante, 11);
    EXPECT_EQ(recibida.conLocal, &con);
    EXPECT_EQ(etiquetas, (QList<QLabel*>{a->lblSacra[0], a->lblSacra[1], a->lblSacra[2], a->lblSacra[3]}));
    EXPECT_EQ(carpetas, (QStringList{QString(), QString(), origen.path(), QString()}));
    EXPECT_EQ(institucion, idParroquiaSanJuan);
    EXPECT_EQ(siglo, QStringLiteral("20"));
    EXPECT_EQ(recibida.prgProgreso, a->prgTrasvase[3]);
    EXPECT_EQ(recibida.intDatosBautismo, 1);
    EXPECT_EQ(recibida.strParroquiaBautismo, QStringLiteral("San Juan"));
    EXPECT_EQ(recibida.strDiocesisBautismo, QStringLiteral("Burgos"));
    EXPECT_EQ(municipios, (QList<qint32>{idAranda, 0, idAranda, idAranda})) << "sin población elegida, 0";
    EXPECT_EQ(recibida.strParroquiaMatrimonio, QStringLiteral("Santa María"));
    EXPECT_EQ(recibida.intDatosDefuncion, 0);
    EXPECT_EQ(orden, 1);
    EXPECT_EQ(recibida.lngFormatoBautismo, 2);
    EXPECT_EQ(recibida.lngFormatoMatrimonio, 2);
    EXPECT_EQ(recibida.lngFormatoDefuncion, 3);
    EXPECT_TRUE(pantalla().messages().isEmpty());
}

// The donations import: its eight arguments, the century and name order
// of the defaults.
TEST_F(KaldexTest, LaImportacionDeDonativosRecibeSusOchoArgumentos)
{
    for (const char* tabla : {"sucu.dbf", "RECI.DBF", "Re_L.dbf"})
        CrearArchivo(QString::fromLatin1(tabla));
    HastaResumenDonativos(idOtraSanJuan);
    EXPECT_TRUE(a->lblImportar[9].Visible);
    EXPECT_CALL(vodidazaz, ImportarKaldex(_, _, _, _, _, _, _, _))
        .WillOnce(Invoke([&](db::Connection& conLocal, qint32& id, const QString& carpeta, QProgressBar* barra,
                             QLabel* bancos, QLabel* donantes, quint8& orden, PVAPI::cInfoConfiguracion& info) {
            EXPECT_EQ(&conLocal, &con);
            EXPECT_EQ(id, idOtraSanJuan);
            EXPECT_EQ(carpeta, origen.path());
            EXPECT_EQ(barra, a->prgTrasvase[2]);
            EXPECT_EQ(bancos, a->lblKaldex[0]);
            EXPECT_EQ(donantes, a->lblKaldex[1]);
            EXPECT_EQ(orden, 0);
            EXPECT_EQ(&info, &config);
            EXPECT_EQ(a->mintPaso, 4);
        }));
    Finalizar();
    EXPECT_TRUE(a->Descargado());
}

// A missing table is told after the progress page was shown, and the wizard
// goes back to page 0 with the choices kept; sacraments in order.
TEST_F(KaldexTest, UnaTablaQueFaltaVuelveAlPrincipio)
{
    HastaResumenDonativos(idParroquiaSanJuan);
    CrearArchivo(QStringLiteral("sucu.dbf"));
    CrearArchivo(QStringLiteral("reci.dbf"));
    pantalla().queueAnswer(ui::vbOK);
    Finalizar();
    EXPECT_EQ(pantalla().lastMessage().text,
              QStringLiteral("¡Las tablas no se encuentran en el directorio especificado!"));
    EXPECT_EQ(a->mintPaso, 0);
    EXPECT_FALSE(a->Descargado());
    EXPECT_EQ(a->cboImportar.ListIndex(), 0);

    HastaResumenParroquia({QStringLiteral("Bautismo"), QStringLiteral("Defunción")}, idCaritas);
    pantalla().queueAnswers({ui::vbOK, ui::vbOK});
    Finalizar();
    EXPECT_EQ(pantalla().lastMessage().text,
              QStringLiteral("¡La base de datos Baut.dbf de KALDEX, no se encuentra en el directorio especificado!"));
    CrearArchivo(QStringLiteral("baut.dbf"));
    a->mintPaso = 3;
    a->MostrarPaso(3);
    Finalizar();
    EXPECT_EQ(pantalla().lastMessage().text,
              QStringLiteral("¡La base de datos Defu.dbf de KALDEX, no se encuentra en el directorio especificado!"));
    EXPECT_EQ(a->mintPaso, 0);
}

// An institution removed meanwhile is told, never replaced by another; an
// add-in that fails is told and the wizard still closes.
TEST_F(KaldexTest, FallosDeLaInstitucionYDelComplementoSeExplican)
{
    CrearArchivo(QStringLiteral("Conf.dbf"));
    HastaResumenParroquia({QStringLiteral("Confirmación")}, idCaritas);
    con.Exec(QStringLiteral("DELETE FROM Institucion WHERE IDInstitucion = ?"), {idCaritas});
    pantalla().queueAnswer(ui::vbOK);
    Finalizar();
    EXPECT_EQ(pantalla().lastMessage().text,
              QStringLiteral("¡Ocurrió un error mientras se buscaba la Institución!\rDescripción: La institución "
                             "seleccionada ya no existe en la base de datos."));
    EXPECT_EQ(a->mintPaso, 11);
    EXPECT_FALSE(a->Descargado());

    HastaResumenParroquia({QStringLiteral("Confirmación")}, idParroquiaSanJuan);
    EXPECT_CALL(gestPar, ImportarKaldexGP(_)).WillOnce(Throw(vb::VbError(3022, QStringLiteral("Registro duplicado"))));
    pantalla().queueAnswer(ui::vbOK);
    Finalizar();
    EXPECT_EQ(pantalla().lastMessage().text,
              QStringLiteral("¡Ocurrió un error durante la importación de los datos de KALDEX!\rDescripción: "
                             "Registro duplicado"));
    EXPECT_TRUE(a->Descargado());
    EXPECT_TRUE(a->PuedeCerrar());
}

class Duzediv1Test : public AsistenteTest {
public:
    void HastaComprobacion()
    {
        Abrir();
        PasarPagina0(1);
        Marcar(a->lstImportar[0], {QStringLiteral("Vodidazaz")});
        Siguiente();
        ASSERT_EQ(a->mintPaso, 5);
    }
    // The check run answers `resultado` and leaves these institutions.
    void Comprobar(const QString& resultado, const addins::ColeccionInstituciones& instituciones = {})
    {
        EXPECT_CALL(vodidazaz, ImportarDuzediv1(_))
            .WillOnce(Invoke([=, this](const dobles::LlamadaImportarDuzediv1& llamada) {
                EXPECT_EQ(llamada.intModo, 0);
                EXPECT_EQ(llamada.strPath, origen.path());
                EXPECT_EQ(llamada.prgProgreso, a->prgTrasvase[0]);
                EXPECT_EQ(llamada.colEtiquetas->size(), 9);
                EXPECT_EQ(llamada.colEtiquetas->first(), a->lblVerificar[0]);
                EXPECT_EQ(llamada.colInstituciones, &a->mcolInstituciones);
                EXPECT_EQ(llamada.objInfoConfig, &config);
                EXPECT_EQ(a->mintPaso, 6);
                EXPECT_EQ(Botones(), QStringLiteral("---"));
                *llamada.colInstituciones = instituciones;
                llamada.col3->append(std::make_shared<int>(3));
                return resultado;
            }));
        Siguiente();
    }
};

TEST_F(Duzediv1Test, ResultadosDeLaComprobacion)
{
    HastaComprobacion();
    Comprobar(QStringLiteral("ERRORBD"));
    EXPECT_EQ(a->mintPaso, 0);
    EXPECT_FALSE(a->Descargado());

    HastaComprobacion();
    Comprobar(QString());
    EXPECT_EQ(a->mintPaso, 8) << "sin instituciones";

    HastaComprobacion();
    Comprobar(QString(), {Institucion(7, QStringLiteral("Parroquia de San Pedro"))});
    EXPECT_EQ(a->mintPaso, 7);
    EXPECT_EQ(Lineas(a->lstDatos), QStringList{QStringLiteral("Parroquia de San Pedro")});
    EXPECT_EQ(a->mcol[2].size(), 1) << "las colecciones vuelven del complemento";

    HastaComprobacion();
    Comprobar(QStringLiteral("ERROR"));
    EXPECT_TRUE(a->Descargado());
}

// A check that cannot run at all is an error, told, never "no incidences".
TEST_F(Duzediv1Test, UnaComprobacionQueFallaSeExplicaYCierra)
{
    HastaComprobacion();
    EXPECT_CALL(vodidazaz, ImportarDuzediv1(_)).WillOnce(Throw(std::runtime_error("sin memoria")));
    pantalla().queueAnswer(ui::vbOK);
    Siguiente();
    EXPECT_EQ(pantalla().lastMessage().text,
              QStringLiteral("¡No se ha podido comprobar la base de datos de Norvia Parvanta 2000 v1!\rDescripción: "
                             "sin memoria"));
    EXPECT_TRUE(a->Descargado());
}

// An incidences file is shown on page 6 with the panel; without the parish
// add-in Siguiente skips page 7.
TEST_F(Duzediv1Test, LasIncidenciasSeMuestranEnLaPagina6)
{
    const QString archivo = carpeta.file(QStringLiteral("Log/Trasvase/Incidencias.txt"));
    QFile salida(archivo);
    ASSERT_TRUE(salida.open(QIODevice::WriteOnly));
    salida.write("Banco \xd1" "a\xf1" "ez sin sucursal\r\n"); // Windows-1252
    salida.close();
    config.GestionParroquialDLL = false;
    HastaComprobacion();
    Comprobar(archivo, {Institucion(7, QStringLiteral("San Pedro"))});
    EXPECT_EQ(a->mintPaso, 6);
    EXPECT_TRUE(a->picIncidencias.Visible);
    EXPECT_EQ(Botones(), QStringLiteral("AS-"));
    EXPECT_EQ(a->txtIncidencias.Text, QStringLiteral("Banco Ñañez sin sucursal\r\n"));
    Siguiente();
    EXPECT_EQ(a->mintPaso, 8);
}

// Page 7 with only the donations add-in: the names are not asked, the
// regime is; with both, the names first, institution by institution.
TEST_F(Duzediv1Test, LaPagina7PideLosDatosQueFaltan)
{
    struct Caso {
        bool parroquia;
        bool donativos;
        addins::ColeccionInstituciones instituciones;
        QString mensaje; // "" when the page is left
        int linea;
        QString foco;
    };
    const QList<Caso> casos = {
        {false, true, {Institucion(1, "A", "x", 1), Institucion(2, "B")},
         "¡Tiene que asignar un Régimen Fiscal de Deducciones a la Institución!", 1, "cboDeduccion"},
        {true, false, {Institucion(1, "A", "x"), Institucion(2, "B")}, "¡Tiene que escribir un nombre para el Párroco!",
         1, "txtDatos(0)"},
        {true, true, {Institucion(1, "A", "x", 0)}, "¡Tiene que asignar un Régimen Fiscal de Deducciones a la Institución!",
         0, "cboDeduccion"},
        {true, true, {Institucion(1, "A", "x", 2), Institucion(2, "B", "y", 1)}, "", 1, ""},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.mensaje.toStdString());
        config.GestionParroquialDLL = caso.parroquia;
        config.VodidazazDLL = true;
        HastaComprobacion();
        config.VodidazazDLL = caso.donativos;
        Comprobar(QString(), caso.instituciones);
        ASSERT_EQ(a->mintPaso, 7);
        EXPECT_EQ(a->txtDatos[0].Enabled, caso.parroquia);
        EXPECT_EQ(a->cboDeduccion.Enabled, caso.donativos);
        if (!caso.mensaje.isEmpty())
            pantalla().queueAnswer(ui::vbOK);
        Siguiente();
        if (caso.mensaje.isEmpty()) {
            EXPECT_EQ(a->mintPaso, 8);
            continue;
        }
        EXPECT_EQ(a->mintPaso, 7);
        EXPECT_EQ(pantalla().lastMessage().text, caso.mensaje);
        EXPECT_EQ(a->lstDatos.ListIndex(), caso.linea);
        EXPECT_EQ(a->foco, caso.foco);
    }

    // One institution: its members are tested in order.
    config.GestionParroquialDLL = true;
    config.VodidazazDLL = true;
    HastaComprobacion();
    Comprobar(QString(), {Institucion(1, "A", "x", 1)});
    const QStringList avisos = {"¡Tiene que escribir un nombre para el Párroco!",
                                "¡Tiene que escribir un nombre para el encargado del archivo!",
                                "¡Tiene que escribir un nombre para la Diócesis!",
                                "¡Tiene que escribir un nombre para la Vicaría!"};
    for (int i = 0; i < 4; ++i) {
        for (int k = 0; k < 4; ++k) {
            a->txtDatos[k].Text = k < i ? QStringLiteral("x") : QString();
            a->txtDatos_Change(k);
        }
        pantalla().queueAnswer(ui::vbOK);
        Siguiente();
        EXPECT_EQ(pantalla().lastMessage().text, avisos[i]);
        EXPECT_EQ(a->foco, QStringLiteral("txtDatos(%1)").arg(i));
    }
}

// The regime list writes 1 or 2 into the institution and shows its
// description; an institution without one shows none.
TEST_F(Duzediv1Test, ElRegimenFiscalSeGuardaEnLaInstitucion)
{
    HastaComprobacion();
    const auto primera = Institucion(1, "A", "x", 0);
    const auto segunda = Institucion(2, "B", "y", 2);
    Comprobar(QString(), {primera, segunda});
    EXPECT_EQ(a->cboDeduccion.ListIndex(), -1);
    EXPECT_EQ(a->lblImportar[11].Caption, QString());
    a->cboDeduccion.setListIndex(0);
    a->cboDeduccion_Click();
    EXPECT_EQ(primera->RegimenFiscal, 1);
    EXPECT_EQ(a->lblImportar[11].Caption, AsistenteImportar::kDescripcionRegimen[0]);
    a->cmdDato_Click(1);
    EXPECT_EQ(a->cboDeduccion.ListIndex(), 1);
    EXPECT_EQ(a->txtDatos[0].Text, QStringLiteral("y"));
    a->txtDatos[3].Text = QStringLiteral("Vicaría I");
    a->txtDatos_Change(3);
    EXPECT_EQ(segunda->Vicaria, QStringLiteral("Vicaría I"));
    EXPECT_EQ(primera->Vicaria, QStringLiteral("x"));
}

// Tab and Shift+Tab walk the fields of one institution after another.
TEST_F(Duzediv1Test, TabRecorreLasInstituciones)
{
    struct Paso {
        const char* sale;  // control left
        bool shift;
        int linea;         // selected line after it
        const char* foco;  // focus after it ("" unchanged)
    };
    auto recorrer = [this](const QList<Paso>& pasos) {
        for (const Paso& paso : pasos) {
            const QString sale = QString::fromLatin1(paso.sale);
            a->foco = QStringLiteral("otro");
            if (sale == QLatin1String("cboDeduccion")) {
                a->cboDeduccion_KeyDown(paso.shift ? 1 : 0);
                a->cboDeduccion_LostFocus();
            } else {
                const int i = sale.mid(9, 1).toInt();
                a->txtDatos_KeyDown(i, paso.shift ? 1 : 0);
                a->txtDatos_LostFocus(i);
            }
            EXPECT_EQ(a->lstDatos.ListIndex(), paso.linea) << paso.sale;
            EXPECT_EQ(a->foco, *paso.foco ? QString::fromLatin1(paso.foco) : QStringLiteral("otro")) << paso.sale;
        }
    };
    HastaComprobacion();
    Comprobar(QString(), {Institucion(1, "A", "a", 1), Institucion(2, "B", "b", 1), Institucion(3, "C", "c", 1)});
    recorrer({
        {"txtDatos(1)", false, 0, ""},
        {"txtDatos(3)", false, 0, ""},          // the regime list comes next
        {"cboDeduccion", false, 1, "txtDatos(0)"},
        {"cboDeduccion", false, 2, "txtDatos(0)"},
        {"cboDeduccion", false, 2, ""},          // the last stays
        {"txtDatos(0)", true, 1, "cboDeduccion"},
        {"txtDatos(0)", true, 0, "cboDeduccion"},
        {"txtDatos(0)", true, 0, "cboDeduccion"}, // the first reloads itself
        {"cboDeduccion", true, 0, ""},
    });

    // Without the donations add-in the regime list is off: Tab out of the
    // fourth box moves on.
    HastaComprobacion();
    config.VodidazazDLL = false;
    Comprobar(QString(), {Institucion(1, "A", "a"), Institucion(2, "B", "b")});
    recorrer({
        {"txtDatos(3)", false, 1, "txtDatos(0)"},
        {"txtDatos(3)", false, 1, ""},
        {"txtDatos(0)", true, 0, "txtDatos(3)"},
    });
}

// The transfer: its arguments, the end question and the log opened on Yes.
TEST_F(Duzediv1Test, ElTrasvaseTerminaOfreciendoElRegistro)
{
    QFile(origen.filePath(QStringLiteral("duzediv.mdb"))).open(QIODevice::WriteOnly);
    HastaComprobacion();
    Comprobar(QString());
    ASSERT_EQ(a->mintPaso, 8);
    const QString log = carpeta.file(QStringLiteral("Log/Trasvase/Trasvase.log"));
    EXPECT_CALL(vodidazaz, ImportarDuzediv1(_)).WillOnce(Invoke([&](const dobles::LlamadaImportarDuzediv1& llamada) {
        EXPECT_EQ(llamada.intModo, 1);
        EXPECT_EQ(llamada.prgProgreso, a->prgTrasvase[1]);
        EXPECT_EQ(*llamada.colEtiquetas,
                  (QList<QLabel*>{a->lblTrasvase.begin(), a->lblTrasvase.end()}));
        EXPECT_EQ(llamada.col3->size(), 1) << "las colecciones de la comprobación";
        EXPECT_EQ(a->mintPaso, 9);
        return log;
    }));
    pantalla().queueAnswer(ui::vbYes);
    Finalizar();
    const auto pregunta = pantalla().lastMessage();
    EXPECT_EQ(pregunta.text,
              QStringLiteral("¡El trasvase de la base de datos de Norvia Parvanta 2000 v1 a Norvia Parvanta v2 ha "
                             "terminado!\r\rLos pasos y operaciones realizados durante este trasvase se han guardado "
                             "en el archivo ") +
                  log +
                  QStringLiteral(" para que pueda revisar los cambios que ha sufrido la base de datos de la versión "
                                 "2.\r\r¿ Desea ver ahora el archivo ") +
                  log + QStringLiteral(" ?"));
    EXPECT_EQ(pregunta.icon, ui::vbQuestion);
    EXPECT_EQ(pregunta.buttons, ui::vbYesNo);
    EXPECT_EQ(pantalla().openedFiles(), QStringList{log});
    EXPECT_EQ(Botones(), QStringLiteral("--F"));
    Finalizar();
    EXPECT_TRUE(a->Descargado());
}

// Without the old database, or with a transfer that returns nothing, the
// user is told; only closing is left.
TEST_F(Duzediv1Test, UnTrasvaseSinBaseOFallidoSeExplica)
{
    HastaComprobacion();
    Comprobar(QString());
    pantalla().queueAnswer(ui::vbOK);
    Finalizar();
    EXPECT_EQ(pantalla().lastMessage().text,
              QStringLiteral("¡La base de datos de Norvia Parvanta 2000 v1 no se ha encontrado en el directorio "
                             "especificado!"));
    EXPECT_EQ(a->mintPaso, 9);
    EXPECT_EQ(Botones(), QStringLiteral("---"));

    QFile(origen.filePath(QStringLiteral("DUZEDIV.MDB"))).open(QIODevice::WriteOnly);
    HastaComprobacion();
    Comprobar(QString());
    EXPECT_CALL(vodidazaz, ImportarDuzediv1(_)).WillOnce(Return(QString()));
    pantalla().queueAnswer(ui::vbOK);
    Finalizar();
    EXPECT_EQ(pantalla().lastMessage().text,
              QStringLiteral("¡El trasvase de la base de datos de Norvia Parvanta 2000 v1 no se ha podido "
                             "realizar!\rDescripción: El complemento no ha devuelto el archivo de registro del "
                             "trasvase."));
    EXPECT_TRUE(pantalla().openedFiles().isEmpty());
    EXPECT_EQ(Botones(), QStringLiteral("--F"));

    // "ERROR" comes after the add-in's own explanation: no word of a log.
    HastaComprobacion();
    Comprobar(QString());
    EXPECT_CALL(vodidazaz, ImportarDuzediv1(_)).WillOnce(Return(QStringLiteral("ERROR")));
    pantalla().queueAnswer(ui::vbOK);
    Finalizar();
    EXPECT_EQ(pantalla().lastMessage().text,
              QStringLiteral("¡El trasvase de la base de datos de Norvia Parvanta 2000 v1 no se ha podido "
                             "realizar!\rDescripción: El complemento ha respondido que no ha podido trasvasar los "
                             "datos."));
    EXPECT_TRUE(pantalla().openedFiles().isEmpty());
}

TEST_F(AsistenteTest, LaCargaCreaLaCarpetaDelRegistroDelTrasvase)
{
    Abrir();
    EXPECT_TRUE(QDir(carpeta.path()).exists(QStringLiteral("Log/Trasvase")));
    EXPECT_FALSE(a->fraUbicacion.Visible);

    contexto.strAppPath = carpeta.file(QStringLiteral("Duzediv.mdb")); // a file: no folder inside
    pantalla().queueAnswer(ui::vbOK);
    Abrir();
    EXPECT_EQ(pantalla().lastMessage().text,
              QStringLiteral("No se ha podido crear el directorio '\\LOG\\Trasvase', que almacenará las incidencias "
                             "de resumen del travase."));
}
