#include "mainwindow/MenusPrincipal.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <gtest/gtest.h>

namespace {

class Menus : public ::testing::Test {
protected:
    void SetUp() override { registro.Construir(MenusPrincipal(), ventana.menuBar(), &ventana); }

    QMainWindow ventana;
    RegistroMenus registro;
};

TEST_F(Menus, TheBarHoldsTheFiveMenusInOrder)
{
    QStringList barra;
    for (QAction* accion : ventana.menuBar()->actions())
        barra << accion->text();
    EXPECT_EQ(barra, (QStringList {"&Archivo", "&Ver", "&Generar", "&Herramientas", "Ay&uda"}));
}

TEST_F(Menus, ContextMenusExistOutsideTheBar)
{
    for (const char* nombre : {"mnuSecundario", "mnuLibros", "mnuPartidas", "mnuSolicitudes", "mnuMensajeria",
                               "mnuEstructura"}) {
        QMenu* menu = registro.Menu(QString::fromUtf8(nombre));
        ASSERT_TRUE(menu) << nombre;
        EXPECT_FALSE(ventana.menuBar()->actions().contains(menu->menuAction())) << nombre;
    }
    EXPECT_EQ(registro.Menu(QStringLiteral("mnuSecundario"))->title(), "Acciones Secundarias");
}

TEST_F(Menus, EveryNameIsOnceInTheRegistry)
{
    const QStringList& nombres = registro.Nombres();
    EXPECT_EQ(QSet<QString>(nombres.begin(), nombres.end()).size(), nombres.size());
    EXPECT_EQ(nombres.size(), MenusPrincipal().size());
    for (const QString& nombre : nombres)
        EXPECT_EQ(registro.Accion(nombre)->objectName(), nombre);
}

struct CasoEntrada {
    const char* nombre;
    const char* padre;
    const char* caption;
    const char* atajo;
    bool visible;
    bool habilitado;
    bool marcado;
};

class Entradas : public Menus, public ::testing::WithParamInterface<CasoEntrada> {};

TEST_P(Entradas, HaveTheirDesignedCaptionShortcutAndState)
{
    const CasoEntrada c = GetParam();
    QAction* accion = registro.Accion(QString::fromUtf8(c.nombre));
    ASSERT_TRUE(accion);
    EXPECT_EQ(accion->text(), QString::fromUtf8(c.caption));
    EXPECT_EQ(accion->shortcut(), QKeySequence(QString::fromUtf8(c.atajo)));
    EXPECT_EQ(accion->isVisible(), c.visible);
    // A hidden action is also disabled, so its shortcut never fires.
    EXPECT_EQ(accion->isEnabled(), c.visible && c.habilitado);
    EXPECT_EQ(accion->isChecked(), c.marcado);
    QMenu* padre = registro.Menu(QString::fromUtf8(c.padre));
    ASSERT_TRUE(padre);
    EXPECT_TRUE(padre->actions().contains(accion));
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, Entradas,
    ::testing::Values(
        CasoEntrada {"mnuArchivoNuevo", "mnuArchivo", "&Nuevo", "", true, true, false},
        CasoEntrada {"mnuArchivoNuevo_", "mnuArchivo", "&Nuevo (Con Submenus - No se utiliza)", "", false, true, false},
        CasoEntrada {"mnuArchivoNuevoRecibosCaja", "mnuArchivoNuevo_", "&Recibo por caja", "Ctrl+R", true, false, false},
        CasoEntrada {"mnuArchivoNuevoInstitucion", "mnuArchivoNuevo_", "&Institución", "Ctrl+I", false, true, false},
        CasoEntrada {"mnuArchivoNuevoLibroDefuncion", "mnuArchivoNuevoLibro", "&Defunción", "", true, true, false},
        CasoEntrada {"mnuArchivoEliminar", "mnuArchivo", "&Eliminar", "Del", true, true, false},
        CasoEntrada {"mnuArchivoPropiedades", "mnuArchivo", "&Propiedades...", "Ctrl+U", true, true, false},
        CasoEntrada {"mnuArchivoConfigurarImpresora", "mnuArchivo", "C&onfigurar Impresora...", "Ctrl+F", true, true,
                     false},
        CasoEntrada {"mnuArchivoSalir", "mnuArchivo", "&Salir", "", true, true, false},
        CasoEntrada {"mnuVerInformes", "mnuVer", "&Informes...", "Ctrl+K", true, true, false},
        CasoEntrada {"mnuVerBarraHerramientas", "mnuVer", "&Barra de Herramientas", "Ctrl+A", true, true, true},
        CasoEntrada {"mnuVerBarraEstado", "mnuVer", "B&arra de Estado", "", true, true, true},
        CasoEntrada {"mnuVerOpciones", "mnuVer", "&Opciones...", "Ctrl+O", true, true, false},
        CasoEntrada {"mnuVerActualizarLista", "mnuVer", "&Actualizar Lista", "F5", true, true, false},
        CasoEntrada {"mnuGenerarRemesa", "mnuGenerar", "R&emesa", "Ctrl+M", true, true, false},
        CasoEntrada {"mnuGenerarReciboCaja", "mnuGenerar", "&Recibo por caja", "Ctrl+Q", true, true, false},
        CasoEntrada {"mnuGenerarNumerosCertificado", "mnuGenerar", "&Número de certificado", "Ctrl+N", true, true,
                     false},
        CasoEntrada {"mnuGenerarTotalesDiocesis", "mnuGenerar", "E&xportar totales a Diócesis", "Ctrl+G", true, true,
                     false},
        CasoEntrada {"mnuGenerarModeloHacienda", "mnuGenerar", "&Modelo 182 de Hacienda", "Ctrl+L", true, true, false},
        CasoEntrada {"mnuHerramientasSeguridadCopia", "mnuHerramientasCopiaSeguridad", "Hacer copia de &seguridad", "",
                     true, true, false},
        CasoEntrada {"mnuHerrMod182CambiarDeduciones", "mnuHerramientasMod182",
                     "&Cambiar deducciones por comunidad autónoma", "", true, true, false},
        CasoEntrada {"mnuHerramientasConsolidar", "mnuHerramientasContabilidad", "Consolidar empresas", "", true, true,
                     false},
        CasoEntrada {"mnuHerramientasImportarDatos", "mnuHerramientas", "&Importar datos...", "", true, true, false},
        CasoEntrada {"mnuAyudaWebPreguntas", "mnuAyudaTrebolaWeb", "&Preguntas más frecuentes ", "", false, true,
                     false},
        CasoEntrada {"mnuAyudaWebPrincipal", "mnuAyudaTrebolaWeb", "Página principal de &Trebola", "", true, true,
                     false},
        CasoEntrada {"mnuAyudaAcercade", "mnuAyuda", "&Acerca de Norvia Vodidazaz", "", true, true, false},
        CasoEntrada {"mnuSecundarioSustituirSubcta", "mnuSecundario", "S&ustituir subcuenta en el diario", "", true,
                     true, false},
        CasoEntrada {"mnuLibrosImprimirIndices", "mnuLibrosImprimir", "Listado de &índices del libro de bautismo", "",
                     true, true, false},
        CasoEntrada {"mnuPartidasAnular", "mnuPartidas", "Anular/Desanular", "", true, true, false},
        CasoEntrada {"mnuSolicitudesImprimirAmonestaciones", "mnuSolicitudesMatrimonioImprimir", "&Amonestaciones", "",
                     false, true, false},
        CasoEntrada {"mnuMensajeriaServidor", "mnuMensajeria", "Conexión con Servidor de Trebola...", "", true, true,
                     false},
        CasoEntrada {"mnuEstructuraDesasignar", "mnuEstructura", "Desasignar cuenta del epígrafe", "", true, true,
                     false}));

TEST_F(Menus, SeparatorsAreSeparators)
{
    for (const char* nombre : {"mnuArchivoSeparador1", "mnuVerSeparador4", "mnuHerramientasNulo1", "mnuAydaSeparador7",
                               "mnuSecundarioSeparador", "mnuEstructuraSeparador1"})
        EXPECT_TRUE(registro.Accion(QString::fromUtf8(nombre))->isSeparator()) << nombre;
}

// A separator with a text shows that text beside its line.
TEST_F(Menus, EverySeparatorIsALineWithoutText)
{
    int separadores = 0;
    for (const EntradaMenu& e : MenusPrincipal()) {
        if (QString::fromUtf8(e.caption) != QLatin1String("-"))
            continue;
        ++separadores;
        const QAction* accion = registro.Accion(QString::fromUtf8(e.nombre));
        ASSERT_TRUE(accion) << e.nombre;
        EXPECT_TRUE(accion->isSeparator()) << e.nombre;
        EXPECT_EQ(accion->text(), QString()) << e.nombre;
        EXPECT_TRUE(registro.Menu(QString::fromUtf8(e.padre))->actions().contains(accion)) << e.nombre;
    }
    EXPECT_GT(separadores, 0);
}

TEST_F(Menus, CommandsAreTheItemsThatAreNeitherMenusNorSeparators)
{
    const QStringList& comandos = registro.Comandos();
    EXPECT_TRUE(comandos.contains(QStringLiteral("mnuArchivoNuevo")));
    EXPECT_TRUE(comandos.contains(QStringLiteral("mnuSolicitudesImprimir")));
    EXPECT_TRUE(comandos.contains(QStringLiteral("mnuEstructuraDesasignar")));
    for (const QString& nombre : comandos) {
        EXPECT_FALSE(registro.Accion(nombre)->isSeparator()) << nombre.toStdString();
        EXPECT_FALSE(registro.Menu(nombre)) << nombre.toStdString();
    }
    for (const char* nombre : {"mnuArchivo", "mnuArchivoNuevo_", "mnuSolicitudesMatrimonioImprimir", "mnuSecundario",
                               "mnuArchivoSeparador1"})
        EXPECT_FALSE(comandos.contains(QString::fromLatin1(nombre))) << nombre;
}

TEST_F(Menus, NoShortcutIsUsedTwice)
{
    QSet<QString> atajos;
    for (const EntradaMenu& e : MenusPrincipal()) {
        if (!*e.atajo)
            continue;
        EXPECT_FALSE(atajos.contains(QString::fromUtf8(e.atajo))) << e.atajo;
        atajos.insert(QString::fromUtf8(e.atajo));
    }
}

} // namespace
