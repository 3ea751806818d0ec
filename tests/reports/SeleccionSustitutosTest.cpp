// The stand-ins' reports of chosen records ("Seleccionar") through the
// viewer: the selection dialog is answered as a user would, the add-in
// fills the work table with the rows chosen, the recording control shows
// what was printed, and the table is empty afterwards.

#include "addin_doubles/InstalarComplementos.h"
#include "platform/db/Recordset.h"
#include "platform/ui/UiConstants.h"
#include "platform/widgets/DialogoRegistroCombo.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"
#include "platform/widgets/DialogoRegistroFecha.h"
#include "reports/BotoneraInformes.h"
#include "reports/FixtureInformes.h"

#include <QCheckBox>
#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <functional>
#include <optional>

namespace {

// What the user writes in the selection dialog; an empty text leaves the
// box as it opened.
struct Respuesta {
    QString institucion;
    QString remesa;
    QString tipo;
    QString actividad;
    QString libro;
    QString desde;
    QString hasta;
    QString nombre;
    bool etiquetas = false;

    Respuesta& Institucion(const QString& v) { institucion = v; return *this; }
    Respuesta& Remesa(const QString& v) { remesa = v; return *this; }
    Respuesta& Tipo(const QString& v) { tipo = v; return *this; }
    Respuesta& Actividad(const QString& v) { actividad = v; return *this; }
    Respuesta& Libro(const QString& v) { libro = v; return *this; }
    Respuesta& Desde(const QString& v) { desde = v; return *this; }
    Respuesta& Hasta(const QString& v) { hasta = v; return *this; }
    Respuesta& Nombre(const QString& v) { nombre = v; return *this; }
    Respuesta& ConEtiquetas() { etiquetas = true; return *this; }
};

void Elegir(QDialog& d, const char* caja, const QString& texto)
{
    if (texto.isEmpty())
        return;
    auto* c = d.findChild<widgets::DialogoRegistroCombo*>(QString::fromLatin1(caja));
    ASSERT_NE(c, nullptr) << caja;
    c->setEditText(texto);
}

void Escribir(QDialog& d, const char* caja, const QString& texto)
{
    if (texto.isEmpty())
        return;
    auto* c = d.findChild<widgets::DialogoRegistroFecha*>(QString::fromLatin1(caja));
    ASSERT_NE(c, nullptr) << caja;
    c->setText(texto);
}

// Fills the dialog and presses "Aceptar" (a refused selection keeps it
// open: the answer is then "Cancelar").
int Responder(QDialog& d, const Respuesta& r)
{
    d.show();
    Elegir(d, "cboInstitucion", r.institucion);
    Elegir(d, "cboRemesa", r.remesa);
    Elegir(d, "cboTipoDonativo", r.tipo);
    Elegir(d, "cboActividad", r.actividad);
    Elegir(d, "cboLibro", r.libro);
    Escribir(d, "txtDesde", r.desde);
    Escribir(d, "txtHasta", r.hasta);
    if (!r.nombre.isEmpty()) {
        auto* nombre = d.findChild<QLineEdit*>(QStringLiteral("txtNombre"));
        EXPECT_NE(nombre, nullptr);
        if (nombre)
            nombre->setText(r.nombre);
    }
    if (r.etiquetas) {
        auto* etiquetas = d.findChild<QCheckBox*>(QStringLiteral("chkEtiquetas"));
        EXPECT_NE(etiquetas, nullptr);
        if (etiquetas)
            etiquetas->setChecked(true);
    }
    for (QPushButton* b : d.findChildren<QPushButton*>())
        if (b->objectName() == QLatin1String("cmdAceptar"))
            b->click();
    return d.result();
}

class SeleccionSustitutosTest : public FixtureInformes {
protected:
    void SetUp() override
    {
        FixtureInformes::SetUp();
        ASSERT_TRUE(dobles::InstalarComplementos(
            m_carpeta->path(), {QStringLiteral("PVVodidazaz"), QStringLiteral("PVGestionParroquial")}));
        m_config.ContabilidadDLL = false;
        m_ctx = Contexto();
        m_anterior = widgets::DialogoRegistroEjecutor::Establecer([this](QDialog& d) {
            ++m_dialogos;
            m_titulos << d.windowTitle();
            if (!m_respuesta)
                return int(QDialog::Rejected);
            return Responder(d, *m_respuesta);
        });

        db::Connection& c = m_den.conLocal;
        c.Execute(QStringLiteral("INSERT INTO Provincia (IDProvincia, Nombre) VALUES (1, 'Castellón')"));
        c.Execute(QStringLiteral("INSERT INTO Municipio (IDMunicipio, Nombre, CodProvincia) VALUES (1, 'Peñíscola', 1)"));
        c.Execute(QStringLiteral("INSERT INTO Institucion (IDInstitucion, Nombre) VALUES (1, 'Parroquia de San Roque')"));
        c.Execute(QStringLiteral("INSERT INTO Institucion (IDInstitucion, Nombre) VALUES (2, 'Ermita del Carmen')"));
        c.Execute(QStringLiteral("INSERT INTO Tipo_Donativo (IDTipo_Donativo, Descripcion) VALUES (1, 'Cuota mensual')"));
        c.Execute(QStringLiteral("INSERT INTO Tipo_Donativo (IDTipo_Donativo, Descripcion) VALUES (2, 'Colecta')"));
        Persona(1, "Begoña", "Núñez", "Ibáñez", 1, 1);
        Persona(2, "Ramón", "García", "López", 1, 2);
        Persona(3, "Ana", "Censada", "Solo", 2, 1);  // not a donor
        Donativo(1, 1, 1, 1, 12.5, false);
        Donativo(2, 2, 1, 1, 30, true);
        Donativo(3, 2, 2, 2, 1000, false);
        c.Execute(QStringLiteral("INSERT INTO Presentador (IDPresentador, Nombre, PrimerApellido, NIF) "
                                 "VALUES (1, 'Caja', 'Rural', 'G12345678')"));
        c.Execute(QStringLiteral("INSERT INTO Remesa (IDRemesa, CodPresentador, Fecha, ImporteTotal, ImporteTotalEur) "
                                 "VALUES (1, 1, '20260301', 4991.58, 30)"));
        c.Execute(QStringLiteral("INSERT INTO Remesa (IDRemesa, CodPresentador, Fecha, ImporteTotal, ImporteTotalEur) "
                                 "VALUES (2, 1, '20260401', 2079.83, 12.5)"));
        Recibo(2, 1, "202600000001", "202600000007", "20260301", 30);
        Recibo(3, 0, "202600000002", "202600000007", "20260410", 1000);
        Recibo(1, 2, "202600000003", "202600000008", "20260401", 12.5);
    }

    void TearDown() override
    {
        widgets::DialogoRegistroEjecutor::Establecer(m_anterior);
        FixtureInformes::TearDown();
    }

    void Persona(int id, const char* nombre, const char* primero, const char* segundo, int tipo, int institucion)
    {
        m_den.conLocal.Exec(QStringLiteral("INSERT INTO Padron (IDPadron, Nombre, PrimerApellido, SegundoApellido, "
                                           "Direccion, CPostal, CodMunicipio, CodInstitucionEmpadronado) "
                                           "VALUES (?, ?, ?, ?, 'Calle Mayor 3', '12598', 1, ?)"),
                            {id, QString::fromUtf8(nombre), QString::fromUtf8(primero), QString::fromUtf8(segundo),
                             institucion});
        m_den.conLocal.Exec(QStringLiteral("INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (?, ?)"),
                            {id, tipo});
    }

    void Donativo(int id, int persona, int institucion, int tipo, double euros, bool banco)
    {
        m_den.conLocal.Exec(QStringLiteral("INSERT INTO Donativo (IDDonativo, CodPersonaDonativo, CodInstitucion, "
                                           "CodTipoDonativo, Importe, ImporteEur, PagoBanco) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                            {id, persona, institucion, tipo, euros * 166.386, euros, banco});
    }

    void Recibo(int donativo, int remesa, const char* numero, const char* certificado, const char* fecha,
                double euros)
    {
        m_den.conLocal.Exec(QStringLiteral("INSERT INTO Recibo (CodDonativo, CodRemesa, NumeroRecibo, NumCertificado, "
                                           "Fecha, Importe, ImporteEur, PagoBanco) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                            {donativo, remesa, numero, certificado, fecha, euros * 166.386, euros, remesa != 0});
    }

    // Presses "Seleccionar" on the report (the print button of a duplicate
    // book); true when it printed.
    bool Seleccionar(const QString& caption, std::optional<Respuesta> respuesta)
    {
        m_respuesta = std::move(respuesta);
        const qsizetype antes = m_control.impresiones().size();
        ObjetosBotonera objetos(m_estado.appTitle);
        CrearObjetosBotonera(m_config, objetos);
        QProgressBar barra;
        // Duplicate books print from the first button, as the viewer has them.
        const bool duplicada = caption.startsWith(QLatin1String("Duplicadas"));
        const EntornoInforme e(m_ctx, objetos, &barra, caption, duplicada ? 0 : 1);
        EXPECT_TRUE(duplicada ? EjecutarTodos(e, caption) : EjecutarSeleccionar(e, caption)) << caption.toStdString();
        return m_control.impresiones().size() > antes;
    }

    QStringList Columna(const QString& tabla, const QString& campo) const
    {
        QStringList valores;
        const auto filas = m_control.ultima().filas(tabla);
        for (int i = 0; i < filas.size(); ++i)
            valores << m_control.ultima().texto(tabla, i, campo);
        return valores;
    }

    QString Plantilla() const { return QFileInfo(m_control.ultima().plantilla).fileName(); }

    void ResponderMensajes(int n)
    {
        for (int i = 0; i < n; ++i)
            testsupport::scriptedUi().queueAnswer(ui::vbOK);
    }

    ContextoInformes m_ctx;
    widgets::DialogoRegistroEjecutor::Funcion m_anterior;
    std::optional<Respuesta> m_respuesta;
    int m_dialogos = 0;
    QStringList m_titulos;
};

// One row per report: what the user chooses, the work table and column the
// print shows, and the values it must hold in print order.
struct Caso {
    const char* caption;
    Respuesta respuesta;
    const char* plantilla;
    const char* tabla;
    const char* columna;
    QStringList esperado;
};

TEST_F(SeleccionSustitutosTest, ASelectionPrintsOnlyTheChosenRows)
{
    const QList<Caso> casos{
        {"Donantes", Respuesta().Nombre(QStringLiteral("garcía")), "infDO_Persona.rpt", "Informe_Persona", "Persona_Nombre",
         {QStringLiteral("García López, Ramón")}},
        // Either reading order of the name; the institution of the census.
        {"Donantes", Respuesta().Nombre(QStringLiteral("BEGOÑA NUÑEZ")), "infDO_Persona.rpt", "Informe_Persona",
         "Persona_Nombre", {QStringLiteral("Núñez Ibáñez, Begoña")}},
        // A donor of an institution is registered there or gives to it.
        {"Etiquetas", Respuesta().Institucion(QStringLiteral("Ermita del Carmen")), "infDO_Etiqueta.rpt", "Etiquetas",
         "Nombre", {QStringLiteral("Ramón García López")}},
        {"Donantes con donativo", Respuesta().Tipo(QStringLiteral("Cuota mensual")), "infDO_Donante.rpt",
         "Vodidazaz_Donantes", "Importe", {QStringLiteral("30"), QStringLiteral("12,5")}},
        {"Vodidazaz con donante", Respuesta().Institucion(QStringLiteral("Ermita del Carmen")), "infDO_Donativo.rpt",
         "Vodidazaz_Donantes", "Importe", {QStringLiteral("1000")}},
        {"Vodidazaz por donante", Respuesta().Desde(QStringLiteral("01/03/2026")).Hasta(QStringLiteral("1/4/2026")),
         "infDO_PersonaDonativo.rpt", "Informe_Persona_Donativo", "NumeroRecibo",
         {QStringLiteral("202600000001"), QStringLiteral("202600000003")}},
        {"Remesas", Respuesta().Remesa(QStringLiteral("Remesa del 01/04/2026 (Caja Rural)")), "infDO_Remesa.rpt",
         "Informe_Remesa", "NumeroRecibo", {QStringLiteral("202600000003")}},
        {"Totales de donativos", Respuesta().Institucion(QStringLiteral("Parroquia de San Roque")),
         "infDO_TotalesVodidazaz.rpt", "Informe_Totales_Vodidazaz", "ImporteTotal", {QStringLiteral("42,5")}},
        // The user's wildcards are plain characters.
        {"Donantes", Respuesta().Nombre(QStringLiteral("*")), "", "Informe_Persona", "Persona_Nombre", {}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.caption);
        const bool vacio = c.esperado.isEmpty();
        if (vacio)
            ResponderMensajes(1);
        const bool impreso = Seleccionar(QString::fromUtf8(c.caption), c.respuesta);
        EXPECT_EQ(impreso, !vacio);
        if (impreso) {
            EXPECT_EQ(Plantilla(), QString::fromLatin1(c.plantilla));
            EXPECT_EQ(Columna(QString::fromLatin1(c.tabla), QString::fromLatin1(c.columna)), c.esperado);
        } else {
            EXPECT_EQ(testsupport::scriptedUi().lastMessage().text,
                      QStringLiteral("¡No se ha encontrado ningún registro que cumpla la selección!"));
        }
        EXPECT_EQ(Filas(QString::fromLatin1(c.tabla)), 0);
    }
    EXPECT_EQ(m_dialogos, casos.size());
    EXPECT_TRUE(m_titulos.contains(QStringLiteral("Seleccionar: Totales de donativos"))) << m_titulos.join(u'|').toStdString();
}

TEST_F(SeleccionSustitutosTest, ACancelledSelectionPrintsNothingAndSaysNothing)
{
    Informes({QStringLiteral("INSERT INTO Informe_Persona (Orden, Persona_Nombre) VALUES (1, 'de antes')")});
    for (const char* caption : {"Donantes", "Etiquetas", "Donantes con donativo", "Vodidazaz por donante", "Remesas",
                                "Totales de donativos", "Certificado-Recibos", "Tareas de la agenda", "Actividades",
                                "Colaboradores", "Duplicadas de bautismo"}) {
        SCOPED_TRACE(caption);
        if (QString::fromLatin1(caption).startsWith(QLatin1String("Duplicadas")))
            m_den.conLocal.Execute(QStringLiteral("INSERT INTO Libro_Bautismo (IDLibroBautismo, CodInstitucion, Nombre) "
                                                  "VALUES (1, 1, 'Libro 1')"));
        EXPECT_FALSE(Seleccionar(QString::fromLatin1(caption), std::nullopt));
    }
    EXPECT_EQ(m_dialogos, 11);
    EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join(u'|').toStdString();
    EXPECT_EQ(Filas(QStringLiteral("Informe_Persona")), 0);
}

TEST_F(SeleccionSustitutosTest, AWrongDateKeepsTheDialogOpenAndTellsWhy)
{
    ResponderMensajes(2);
    EXPECT_FALSE(Seleccionar(QStringLiteral("Vodidazaz por donante"), Respuesta().Desde(QStringLiteral("31/02/2026"))));
    EXPECT_FALSE(Seleccionar(QStringLiteral("Vodidazaz por donante"),
                             Respuesta().Desde(QStringLiteral("02/03/2026")).Hasta(QStringLiteral("01/03/2026"))));
    EXPECT_EQ(Mensajes(), (QStringList{QStringLiteral("¡«31/02/2026» no es una fecha válida! Escríbala como dd/mm/aaaa."),
                                       QStringLiteral("¡La fecha final es anterior a la inicial!")}));
    // A name that is in no list is refused too.
    ResponderMensajes(1);
    EXPECT_FALSE(Seleccionar(QStringLiteral("Totales de donativos"), Respuesta().Institucion(QStringLiteral("Otra"))));
    EXPECT_EQ(testsupport::scriptedUi().lastMessage().text,
              QStringLiteral("¡Elija de la lista la institución que desea imprimir!"));
}

TEST_F(SeleccionSustitutosTest, AFailedFillIsReportedAndNothingPrints)
{
    m_den.conLocal.Execute(QStringLiteral("DROP TABLE Padron_TipoPersona"));
    ResponderMensajes(1);
    EXPECT_FALSE(Seleccionar(QStringLiteral("Etiquetas"), Respuesta().Nombre(QStringLiteral("a"))));
    ASSERT_EQ(Mensajes().size(), 1);
    EXPECT_TRUE(Mensajes().first().startsWith(
        QStringLiteral("¡Ocurrió un error mientras se listaban los informes de etiquetas!\nDescripción: ")))
        << Mensajes().first().toStdString();
    EXPECT_EQ(Filas(QStringLiteral("Etiquetas")), 0);
}

TEST_F(SeleccionSustitutosTest, CertificatesPrintWholeWithTheirDonorsLabels)
{
    // Only one receipt of certificate 7 is in the range: the certificate
    // prints with both and their total, then the labels of its donor. The
    // institution has no town recorded, which must not stop the print.
    EXPECT_TRUE(Seleccionar(QStringLiteral("Certificado-Recibos"),
                            Respuesta().Desde(QStringLiteral("05/04/2026")).ConEtiquetas()));
    ASSERT_EQ(m_control.impresiones().size(), 2);
    const dobles::ImpresionGrabada& certificado = m_control.impresiones().first();
    EXPECT_EQ(QFileInfo(certificado.plantilla).fileName(), QStringLiteral("infDO_CertificadoRecibos.rpt"));
    EXPECT_EQ(certificado.filas(QStringLiteral("Informe_Certificado_Recibo")).size(), 2);
    EXPECT_EQ(certificado.texto(QStringLiteral("Informe_Certificado_Recibo"), 0, QStringLiteral("ImporteTotal")),
              QStringLiteral("1030"));
    EXPECT_EQ(Plantilla(), QStringLiteral("infDO_Etiqueta.rpt"));
    EXPECT_EQ(Columna(QStringLiteral("Etiquetas"), QStringLiteral("Nombre")), QStringList{QStringLiteral("Ramón García López")});
    EXPECT_EQ(Filas(QStringLiteral("Informe_Certificado_Recibo")), 0);
    EXPECT_EQ(Filas(QStringLiteral("Etiquetas")), 0);

    // Without labels asked, only the certificate.
    EXPECT_TRUE(Seleccionar(QStringLiteral("Certificado-Recibos"), Respuesta().Nombre(QStringLiteral("Begoña"))));
    EXPECT_EQ(m_control.impresiones().size(), 3);
    EXPECT_EQ(Columna(QStringLiteral("Informe_Certificado_Recibo"), QStringLiteral("NumCertificado")),
              QStringList{QStringLiteral("202600000008")});
    EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join(u'|').toStdString();
}

TEST_F(SeleccionSustitutosTest, UnpaidDonationsSayThatNoReturnedReceiptIsKept)
{
    const QString aviso = QStringLiteral("¡No hay recibos devueltos que listar!\r\n\r\nEsta instalación no anota qué "
                                         "recibos devuelve el banco, así que el informe de donativos impagados no "
                                         "tiene datos.");
    ResponderMensajes(1);
    EXPECT_FALSE(Seleccionar(QStringLiteral("Vodidazaz impagados"), std::nullopt));
    EXPECT_EQ(Mensajes(), QStringList{aviso});
    EXPECT_EQ(m_dialogos, 0);

    // "Todos" gets the viewer's one message.
    ResponderMensajes(1);
    ObjetosBotonera objetos(m_estado.appTitle);
    CrearObjetosBotonera(m_config, objetos);
    QProgressBar barra;
    const EntornoInforme e(m_ctx, objetos, &barra, QStringLiteral("Vodidazaz impagados"), 0);
    EXPECT_TRUE(EjecutarTodos(e, QStringLiteral("Vodidazaz impagados")));
    EXPECT_EQ(Mensajes(), (QStringList{aviso, QStringLiteral("¡No se ha encontrado ningún registro!")}));
    EXPECT_TRUE(m_control.impresiones().isEmpty());
}

TEST_F(SeleccionSustitutosTest, ParishListsPrintTheChosenTasksAndCollaborators)
{
    db::Connection& c = m_den.conLocal;
    c.Execute(QStringLiteral("INSERT INTO Tareas (Nombre, Fecha, HoraInicio, HoraFin) VALUES "
                             "('Catequesis', '20261215', '1800', '1900')"));
    c.Execute(QStringLiteral("INSERT INTO Tareas (Nombre, Fecha, HoraInicio, HoraFin) VALUES "
                             "('Bautizo de Íñigo', '20261212', '1200', '1300')"));
    c.Execute(QStringLiteral("INSERT INTO Tareas (Nombre, Fecha, HoraInicio, HoraFin) VALUES "
                             "('Catequesis', '20270110', '1800', '1900')"));
    c.Execute(QStringLiteral("INSERT INTO Actividad (IDActividad, Nombre, CodInstitucion) VALUES (1, 'Cáritas', 1)"));
    c.Execute(QStringLiteral("INSERT INTO Actividad (IDActividad, Nombre, CodInstitucion) VALUES (2, 'Coro', 2)"));
    c.Execute(QStringLiteral("INSERT INTO Grupo (IDGrupo, CodActividad, Nombre) VALUES (1, 1, 'Acogida')"));
    c.Execute(QStringLiteral("INSERT INTO Grupo (IDGrupo, CodActividad, Nombre) VALUES (2, 2, 'Voces')"));
    c.Execute(QStringLiteral("INSERT INTO Padron_Actividad (CodPadron, CodGrupo, CodCargo) VALUES (1, 1, 0)"));
    c.Execute(QStringLiteral("INSERT INTO Padron_Actividad (CodPadron, CodGrupo, CodCargo) VALUES (3, 2, 0)"));

    EXPECT_TRUE(Seleccionar(QStringLiteral("Tareas de la agenda"),
                            Respuesta().Hasta(QStringLiteral("31/12/2026")).Nombre(QStringLiteral("catequesis"))));
    EXPECT_EQ(Plantilla(), QStringLiteral("infGP_TareasAgenda.rpt"));
    EXPECT_EQ(Columna(QStringLiteral("Tareas_Agenda"), QStringLiteral("Fecha")), QStringList{QStringLiteral("20261215")});

    for (const char* caption : {"Actividades", "Colaboradores", "Colaboradores (extendido)"}) {
        SCOPED_TRACE(caption);
        EXPECT_TRUE(Seleccionar(QString::fromUtf8(caption), Respuesta().Actividad(QStringLiteral("Coro"))));
        EXPECT_EQ(Columna(QStringLiteral("Informe_Colaboradores"), QStringLiteral("Persona_Nombre")),
                  QStringList{QStringLiteral("Censada Solo, Ana")});
    }
    EXPECT_TRUE(Seleccionar(QStringLiteral("Colaboradores"),
                            Respuesta().Institucion(QStringLiteral("Parroquia de San Roque"))));
    EXPECT_EQ(Columna(QStringLiteral("Informe_Colaboradores"), QStringLiteral("Grupo")),
              QStringList{QStringLiteral("Acogida")});
    EXPECT_EQ(Filas(QStringLiteral("Tareas_Agenda")), 0);
    EXPECT_EQ(Filas(QStringLiteral("Informe_Colaboradores")), 0);
    EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().join(u'|').toStdString();
}

TEST_F(SeleccionSustitutosTest, ADuplicateBookPrintsTheEntriesOfTheChosenBook)
{
    // No book of the sacrament yet: told, no dialog.
    ResponderMensajes(1);
    EXPECT_FALSE(Seleccionar(QStringLiteral("Duplicadas de confirmación"), std::nullopt));
    EXPECT_EQ(Mensajes(), QStringList{QStringLiteral("¡No hay ningún libro de confirmación que imprimir!")});
    EXPECT_EQ(m_dialogos, 0);

    db::Connection& c = m_den.conLocal;
    c.Execute(QStringLiteral("INSERT INTO Libro_Confirmacion (IDLibroConfirmacion, CodInstitucion, Nombre) "
                             "VALUES (1, 1, 'Libro 1')"));
    c.Execute(QStringLiteral("INSERT INTO Libro_Confirmacion (IDLibroConfirmacion, CodInstitucion, Nombre) "
                             "VALUES (2, 1, 'Libro 2')"));
    c.Execute(QStringLiteral("INSERT INTO Confirmacion (CodLibro, Folio, Numero, Nombre, PrimerApellido) "
                             "VALUES (2, 5, '7', 'Íñigo', 'Sanz')"));
    c.Execute(QStringLiteral("INSERT INTO Confirmacion (CodLibro, Folio, Numero, Nombre, PrimerApellido) "
                             "VALUES (1, 1, '1', 'Otro', 'Libro')"));
    EXPECT_TRUE(Seleccionar(QStringLiteral("Duplicadas de confirmación"),
                            Respuesta().Libro(QStringLiteral("Libro 2 (Parroquia de San Roque)"))));
    EXPECT_EQ(Plantilla(), QStringLiteral("infGP_DuplicadasConfirmacion.rpt"));
    EXPECT_EQ(Columna(QStringLiteral("Documentos_Confirmacion"), QStringLiteral("Nombre")),
              QStringList{QStringLiteral("Íñigo")});
    EXPECT_EQ(m_control.ultima().orden.value(0), QStringLiteral("+{Documentos_Confirmacion.Orden}"));
    EXPECT_EQ(Filas(QStringLiteral("Documentos_Confirmacion")), 0);

    // The book must be chosen; a book without entries is told.
    ResponderMensajes(1);
    EXPECT_FALSE(Seleccionar(QStringLiteral("Duplicadas de confirmación"), Respuesta{}));
    EXPECT_EQ(testsupport::scriptedUi().lastMessage().text,
              QStringLiteral("¡Elija de la lista el libro que desea imprimir!"));
    c.Execute(QStringLiteral("DELETE FROM Confirmacion WHERE CodLibro = 1"));
    ResponderMensajes(1);
    EXPECT_FALSE(Seleccionar(QStringLiteral("Duplicadas de confirmación"),
                             Respuesta().Libro(QStringLiteral("Libro 1 (Parroquia de San Roque)"))));
    EXPECT_EQ(testsupport::scriptedUi().lastMessage().text,
              QStringLiteral("¡El libro elegido no tiene ninguna partida que imprimir!"));
}

} // namespace
