#include "AsistenteFixture.h"

#include "platform/pvapi/cInstitucion.h"

// The wizard's pages, buttons, routes and page checks, without any add-in
// call.

using ::testing::_;

namespace {

struct BotonesPagina {
    int pagina;
    QString botones; // Anterior, Siguiente, Finalizar; "-" disabled
    QString foco;    // "" when the page moves no focus
};

} // namespace

// Each page sets the three buttons and the focus; pages that keep a button
// are entered with every button enabled and with every one disabled.
TEST_F(AsistenteTest, CadaPaginaPoneSusBotonesYSuFoco)
{
    Abrir();
    EXPECT_EQ(a->mintPaso, 0);
    EXPECT_EQ(Botones(), QStringLiteral("-S-")) << "la carga deja Finalizar desactivado";
    EXPECT_EQ(a->foco, QStringLiteral("cboImportar"));

    const QList<BotonesPagina> tabla = {
        {1, "AS-", "lstImportar(0)"}, {2, "AS-", "lstImportar(1)"},  {3, "A-F", ""},
        {4, "---", ""},               {5, "AS-", ""},                {6, "---", ""},
        {7, "AS-", "txtDatos(0)"},    {8, "A-F", ""},                {9, "---", ""},
        {10, "AS-", "lstImportar(2)"}, {12, "AS-", "cboFolio(0)"},   {13, "AS-", "cboFolio(1)"},
        {14, "AS-", "cboFolio(2)"},   {15, "AS-", "cboFolio(3)"},    {16, "AS-", "optOrdenNombres(0)"},
    };
    for (const BotonesPagina& fila : tabla) {
        for (bool antes : {true, false}) {
            for (int i = 2; i <= 4; ++i)
                a->cmdImportar[i].Enabled = antes;
            a->foco = QStringLiteral("ninguno");
            a->mintPaso = fila.pagina;
            a->MostrarPaso(a->mintPaso);
            EXPECT_EQ(Botones(), fila.botones) << "página " << fila.pagina;
            EXPECT_EQ(a->foco, fila.foco.isEmpty() ? QStringLiteral("ninguno") : fila.foco)
                << "página " << fila.pagina;
        }
    }
    // Page 11 keeps all three; page 0 keeps Finalizar; page 6 follows the
    // incidences panel.
    for (bool antes : {true, false}) {
        for (int i = 2; i <= 4; ++i)
            a->cmdImportar[i].Enabled = antes;
        a->mintPaso = 11;
        a->MostrarPaso(11);
        EXPECT_EQ(Botones(), antes ? QStringLiteral("ASF") : QStringLiteral("---"));
        a->mintPaso = 0;
        a->MostrarPaso(0);
        EXPECT_EQ(Botones(), antes ? QStringLiteral("-SF") : QStringLiteral("-S-"));
    }
    a->picIncidencias.Visible = true;
    a->mintPaso = 6;
    a->MostrarPaso(6);
    EXPECT_EQ(Botones(), QStringLiteral("AS-"));
    EXPECT_TRUE(a->cmdImportar[0].Enabled);
    EXPECT_TRUE(a->cmdImportar[1].Enabled);
}

// A disabled button does nothing, as a disabled control raises no click.
TEST_F(AsistenteTest, UnBotonDesactivadoNoHaceNada)
{
    Abrir();
    Anterior();
    Finalizar();
    EXPECT_EQ(a->mintPaso, 0);
    EXPECT_FALSE(a->Descargado());
}

// The three routes, forward to their last page and back again.
TEST_F(AsistenteTest, RutasDeLasFuentesYLosModulos)
{
    struct Ruta {
        const char* nombre;
        int fuente;
        QString modulo;
        QStringList sacramentos;
        QList<int> paginas;
        QList<int> vuelta;
    };
    const QList<Ruta> rutas = {
        {"Kaldex donativos", 0, "Vodidazaz", {}, {1, 2, 16, 3}, {16, 2, 1, 0}},
        {"Kaldex parroquia, todos", 0, "Gestión Parroquial",
         {"Bautismo", "Confirmación", "Matrimonio", "Defunción"}, {1, 10, 2, 12, 13, 14, 15, 16, 3},
         {16, 15, 14, 13, 12, 2, 10, 1, 0}},
        {"Kaldex parroquia, confirmación y defunción", 0, "Gestión Parroquial", {"Confirmación", "Defunción"},
         {1, 10, 2, 13, 15, 16, 3}, {16, 15, 13, 2, 10, 1, 0}},
        {"Kaldex parroquia, solo matrimonio", 0, "Gestión Parroquial", {"Matrimonio"}, {1, 10, 2, 14, 16, 3},
         {16, 14, 2, 10, 1, 0}},
    };
    for (const Ruta& ruta : rutas) {
        SCOPED_TRACE(ruta.nombre);
        Abrir();
        QList<int> recorrido;
        PasarPagina0(ruta.fuente);
        recorrido << a->mintPaso;
        while (a->mintPaso != 3) {
            if (a->mintPaso == 1)
                Marcar(a->lstImportar[0], {ruta.modulo});
            if (a->mintPaso == 10)
                Marcar(a->lstImportar[2], ruta.sacramentos);
            if (a->mintPaso == 2)
                a->lstImportar[1].setSelected(0, true);
            const int antes = a->mintPaso;
            Siguiente();
            ASSERT_NE(a->mintPaso, antes) << pantalla().messageTexts().join(QLatin1Char('\n')).toStdString();
            recorrido << a->mintPaso;
        }
        EXPECT_EQ(recorrido, ruta.paginas);
        QList<int> vuelta;
        while (a->mintPaso != 0) {
            Anterior();
            vuelta << a->mintPaso;
        }
        EXPECT_EQ(vuelta, ruta.vuelta);
        // Siguiente on the last page and the working pages shows them again.
        for (int pagina : {3, 4, 8, 9, 11}) {
            a->mintPaso = pagina;
            a->MostrarPaso(pagina);
            a->cmdImportar[3].Enabled = true;
            Siguiente();
            EXPECT_EQ(a->mintPaso, pagina);
        }
    }
    // The previous version offers only the donations module and goes to the
    // check.
    Abrir();
    PasarPagina0(1);
    EXPECT_EQ(Lineas(a->lstImportar[0]), QStringList{QStringLiteral("Vodidazaz")});
    Marcar(a->lstImportar[0], {QStringLiteral("Vodidazaz")});
    Siguiente();
    EXPECT_EQ(a->mintPaso, 5);
    Anterior();
    EXPECT_EQ(a->mintPaso, 1);
}

TEST_F(AsistenteTest, AnteriorEnLasPaginasDelTrasvase)
{
    Abrir();
    auto anterior = [this](int pagina) {
        a->mintPaso = pagina;
        a->cmdImportar[2].Enabled = true;
        Anterior();
        return a->mintPaso;
    };
    EXPECT_EQ(anterior(6), 5);
    EXPECT_EQ(anterior(7), 5) << "sin incidencias";
    EXPECT_EQ(anterior(8), 5) << "sin instituciones";
    a->lstDatos.AddItem(QStringLiteral("San Juan"));
    a->txtIncidencias.Text = QStringLiteral("Banco sin sucursal\r\n");
    EXPECT_EQ(anterior(7), 6);
    EXPECT_EQ(anterior(8), 7);
    for (int pagina : {0, 4, 9, 11}) {
        a->mintPaso = pagina;
        a->MostrarPaso(pagina);
        a->cmdImportar[2].Enabled = true;
        Anterior();
        EXPECT_EQ(a->mintPaso, pagina);
    }
}

// Every refusal: its message (exclamation, after a beep), the page kept,
// the focus on the control to correct.
TEST_F(AsistenteTest, LasComprobacionesDeCadaPaginaAvisanYSeQuedan)
{
    struct Caso {
        const char* nombre;
        std::function<void(AsistenteTest&)> preparar;
        QString mensaje;
        QString foco;
    };
    const QList<Caso> casos = {
        {"sin aplicación", [](AsistenteTest& t) { t.a->txtPath.Text = t.origen.path(); },
         "¡Debe seleccionar alguna aplicación!", "cboImportar"},
        {"sin carpeta",
         [](AsistenteTest& t) {
             t.a->cboImportar.setListIndex(0);
             t.a->cboImportar_Click();
         },
         "¡Debe seleccionar una base de datos!", "txtPath"},
        {"sin módulo", [](AsistenteTest& t) { t.PasarPagina0(0); }, "¡Debe seleccionar algún módulo de datos!",
         "lstImportar(0)"},
        {"dos módulos",
         [](AsistenteTest& t) {
             t.PasarPagina0(0);
             Marcar(t.a->lstImportar[0], {QStringLiteral("Vodidazaz"), QStringLiteral("Gestión Parroquial")});
         },
         "¡Debe seleccionar un único módulo de datos!", "lstImportar(0)"},
        {"sin sacramento",
         [](AsistenteTest& t) {
             t.PasarPagina0(0);
             Marcar(t.a->lstImportar[0], {QStringLiteral("Gestión Parroquial")});
             t.Siguiente();
         },
         "¡Debe seleccionar algún sacramento!", "lstImportar(2)"},
        {"sin institución",
         [](AsistenteTest& t) {
             t.PasarPagina0(0);
             Marcar(t.a->lstImportar[0], {QStringLiteral("Vodidazaz")});
             t.Siguiente();
         },
         "¡Debe seleccionar alguna Institución!", "lstImportar(1)"},
        {"dos instituciones",
         [](AsistenteTest& t) {
             t.PasarPagina0(0);
             Marcar(t.a->lstImportar[0], {QStringLiteral("Vodidazaz")});
             t.Siguiente();
             for (int i = 0; i < 2; ++i)
                 t.a->lstImportar[1].setSelected(i, true);
         },
         "¡Debe seleccionar una única Institución!", "lstImportar(1)"},
        {"libro sin formato",
         [](AsistenteTest& t) {
             t.PasarPagina0(0);
             Marcar(t.a->lstImportar[0], {QStringLiteral("Gestión Parroquial")});
             t.Siguiente();
             Marcar(t.a->lstImportar[2], {QStringLiteral("Matrimonio")});
             t.Siguiente();
             Marcar(t.a->lstImportar[1], {QStringLiteral("Cáritas")});
             t.Siguiente();
             t.a->cboFolio[Matrimonio].setListIndex(-1);
         },
         "¡Debe seleccionar el número de partidas por folio de los libros de Matrimonio!", "cboFolio(2)"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        pantalla().reset();
        Abrir();
        caso.preparar(*this);
        const int pagina = a->mintPaso;
        pantalla().queueAnswer(ui::vbOK);
        Siguiente();
        EXPECT_EQ(a->mintPaso, pagina);
        EXPECT_EQ(pantalla().beepCount(), 1);
        EXPECT_EQ(pantalla().lastMessage().text, caso.mensaje);
        EXPECT_EQ(pantalla().lastMessage().icon, ui::vbExclamation);
        EXPECT_EQ(a->foco, caso.foco);
    }
}

// Donations: institutions with a donation account, once each, by name;
// parish management: all of them, in the database's order.
TEST_F(AsistenteTest, LaListaDeInstitucionesDependeDelModulo)
{
    Abrir();
    PasarPagina0(0);
    Marcar(a->lstImportar[0], {QStringLiteral("Vodidazaz")});
    Siguiente();
    ASSERT_EQ(a->mintPaso, 2);
    EXPECT_EQ(Lineas(a->lstImportar[1]), (QStringList{"San Juan", "San Juan"}));
    EXPECT_EQ(a->lblImportar[3].Caption,
              QStringLiteral("Seleccione la institución con cuenta a la que quiere que vayan dirigidos los datos:"));
    EXPECT_EQ(a->lstImportar[0].SelCount(), 0) << "el módulo se desmarca";

    Anterior();
    Marcar(a->lstImportar[0], {QStringLiteral("Gestión Parroquial")});
    Siguiente();
    Marcar(a->lstImportar[2], {QStringLiteral("Bautismo")});
    Siguiente();
    QStringList todas = Lineas(a->lstImportar[1]);
    todas.sort();
    EXPECT_EQ(todas, (QStringList{"Cáritas", "San Juan", "San Juan"})) << "en el orden de la base de datos";
    EXPECT_EQ(a->lblImportar[3].Caption,
              QStringLiteral("Seleccione la institución a la que quiere que vayan dirigidos los datos:"));
}

// Leaving page 2 fills the four sacrament pages from the institution;
// a province chosen on a page lists its towns with none chosen.
TEST_F(AsistenteTest, LaInstitucionRellenaLasPaginasDeLaParroquia)
{
    Abrir();
    PasarPagina0(0);
    Marcar(a->lstImportar[0], {QStringLiteral("Gestión Parroquial")});
    Siguiente();
    Marcar(a->lstImportar[2], {QStringLiteral("Bautismo"), QStringLiteral("Defunción")});
    Siguiente();
    Marcar(a->lstImportar[1], {QStringLiteral("San Juan")});
    a->lstImportar[1].setSelected(2, false);
    Siguiente();
    ASSERT_EQ(a->mintPaso, 12);
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(a->txtDatosS[s][0].Text, QStringLiteral("San Juan"));
        EXPECT_EQ(a->txtDatosS[s][1].Text, QStringLiteral("Burgos"));
        EXPECT_EQ(a->cboDatosS[s][0].Text(), QStringLiteral("Burgos"));
        EXPECT_EQ(Lineas(a->cboDatosS[s][1]), (QStringList{"Aranda de Duero", "Miranda de Ebro"}));
        EXPECT_EQ(a->cboDatosS[s][1].Text(), QStringLiteral("Aranda de Duero"));
        EXPECT_EQ(a->cboFolio[s].Text(), QStringLiteral("Dos partidas por folio"));
    }
    EXPECT_FALSE(a->lblImportar[9].Visible);
    EXPECT_FALSE(a->lblImportar[10].Visible);
    EXPECT_TRUE(a->lblImportar[13].Visible);

    auto& provincias = a->cboDatosS[Bautismo][0];
    provincias.setListIndex(provincias.IndiceDe(idSoria));
    a->cboDatos_Click(Bautismo, 0);
    EXPECT_EQ(Lineas(a->cboDatosS[Bautismo][1]), QStringList{QStringLiteral("Almazán")});
    EXPECT_EQ(a->cboDatosS[Bautismo][1].ListIndex(), -1);
    EXPECT_EQ(a->cboDatosS[Defuncion][1].ListCount(), 2) << "las otras páginas no cambian";
}

// An institution without its town keeps what the pages held; the formats
// are filled all the same.
TEST_F(AsistenteTest, UnaInstitucionSinPoblacionDejaLasPaginasComoEstaban)
{
    Abrir();
    a->txtDatosS[Bautismo][0].Text = QStringLiteral("Escrito");
    PasarPagina0(0);
    Marcar(a->lstImportar[0], {QStringLiteral("Vodidazaz")});
    Siguiente();
    a->lstImportar[1].setSelected(a->lstImportar[1].IndiceDe(idOtraSanJuan), true); // town 9999
    Siguiente();
    EXPECT_EQ(a->mintPaso, 16);
    EXPECT_EQ(a->txtDatosS[Bautismo][0].Text, QStringLiteral("Escrito"));
    EXPECT_EQ(a->cboFolio[Bautismo].ListIndex(), 1);
}

TEST_F(AsistenteTest, LasCasillasDeDatosActivanSusCamposSoloEnSusPaginas)
{
    Abrir();
    a->chkDatos[Matrimonio].Value = 0;
    a->chkDatos_Click(Matrimonio);
    EXPECT_TRUE(a->fraDatos[Matrimonio].Enabled) << "antes de la página 11 no cambia nada";

    a->mintPaso = 14;
    a->chkDatos_Click(Matrimonio);
    EXPECT_FALSE(a->fraDatos[Matrimonio].Enabled);
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(a->txtDatosS[Matrimonio][i].Enabled);
        EXPECT_FALSE(a->cboDatosS[Matrimonio][i].Enabled);
    }
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(a->lblDatosS[Matrimonio][i].Enabled);
    EXPECT_TRUE(a->fraDatos[Bautismo].Enabled);

    a->chkDatos[Matrimonio].Value = 1;
    a->chkDatos_Click(Matrimonio);
    EXPECT_TRUE(a->txtDatosS[Matrimonio][1].Enabled);
    // Every activation ticks the four boxes again.
    a->chkDatos[Bautismo].Value = 0;
    a->Form_Activate();
    EXPECT_EQ(a->chkDatos[Bautismo].Value, 1);
}

TEST_F(AsistenteTest, UnDatoDeParroquiaEnBlancoSeQuedaEnTresGuiones)
{
    Abrir();
    const QList<QPair<QString, QString>> casos = {
        {"", "---"}, {"   ", "---"}, {" a ", " a "}, {"\t", "\t"}, {"San Pedro", "San Pedro"},
    };
    for (const auto& [escrito, queda] : casos) {
        a->txtDatosS[Confirmacion][1].Text = escrito;
        a->txtDatos_LostFocus(Confirmacion, 1);
        EXPECT_EQ(a->txtDatosS[Confirmacion][1].Text, queda) << escrito.toStdString();
    }
}

TEST_F(AsistenteTest, LaCarpetaSeComprueba)
{
    Abrir();
    a->cboImportar.setListIndex(0);
    a->cboImportar_Click();
    a->txtPath.Text = origen.filePath(QStringLiteral("no-existe"));
    a->txtPath_LostFocus(true);
    EXPECT_TRUE(pantalla().messages().isEmpty()) << "hacia un botón no se comprueba";

    a->foco = QStringLiteral("cboImportar");
    pantalla().queueAnswer(ui::vbOK);
    a->txtPath_LostFocus(false);
    EXPECT_EQ(pantalla().lastMessage().text, QStringLiteral("¡El directorio especificado no es válido!"));
    EXPECT_EQ(a->foco, QStringLiteral("txtPath"));

    CrearArchivo(QStringLiteral("Baut.dbf"));
    for (const QString& valida : {origen.path(), origen.filePath(QStringLiteral("Baut.dbf")),
                                  origen.filePath(QStringLiteral("*.dbf"))}) {
        a->txtPath.Text = valida;
        a->txtPath_LostFocus(false);
    }
    EXPECT_EQ(pantalla().messages().size(), 1);
}

// The folder button keeps the chosen file's folder; the filter follows
// the source.
TEST_F(AsistenteTest, ElBotonDeCarpetaTomaLaCarpetaDelArchivo)
{
    QStringList filtros;
    QString respuesta;
    contexto.elegirArchivo = [&](const QString& filtro) {
        filtros << filtro;
        return respuesta;
    };
    Abrir();
    a->cboImportar.setListIndex(0);
    a->cboImportar_Click();
    respuesta = QStringLiteral("/datos/kaldex/Baut.dbf");
    a->cmdPath_Click();
    EXPECT_EQ(a->txtPath.Text, QStringLiteral("/datos/kaldex"));
    EXPECT_EQ(a->foco, QStringLiteral("txtPath"));
    a->cboImportar.setListIndex(1);
    respuesta = QString();
    a->cmdPath_Click();
    EXPECT_EQ(a->txtPath.Text, QStringLiteral("/datos/kaldex")) << "cancelado";
    respuesta = QStringLiteral("C:\\NPV\\DUZEDIV.MDB");
    a->cmdPath_Click();
    EXPECT_EQ(a->txtPath.Text, QStringLiteral("C:\\NPV"));
    respuesta = QStringLiteral("/DUZEDIV.MDB");
    a->cmdPath_Click();
    EXPECT_EQ(a->txtPath.Text, QStringLiteral("/"));
    EXPECT_EQ(filtros, (QStringList{"Base de datos DBF (*.dbf *.DBF)", "Base de datos MDB (*.mdb *.MDB)",
                                    "Base de datos MDB (*.mdb *.MDB)", "Base de datos MDB (*.mdb *.MDB)"}));
}

TEST_F(AsistenteTest, SinComplementosLaListaDeModulosQuedaVacia)
{
    config.VodidazazDLL = false;
    Abrir();
    PasarPagina0(1);
    EXPECT_EQ(a->lstImportar[0].ListCount(), 0);
    pantalla().queueAnswer(ui::vbOK);
    Siguiente();
    EXPECT_EQ(pantalla().lastMessage().text, QStringLiteral("¡Debe seleccionar algún módulo de datos!"));
    EXPECT_EQ(a->ModuloSeleccionado(), 0);
}
