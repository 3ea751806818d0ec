#include "core/AjustesUsuario.h"
#include "navigation/ArbolNodos.h"
#include "navigation/ListaImagenes.h"
#include "platform/db/Recordset.h"
#include "reports/ArbolInformes.h"
#include "reports/FixtureInformes.h"

#include <QSet>

namespace {

class ArbolInformesTest : public FixtureInformes {
protected:
    AjustesUsuario Ajustes() const { return {m_estado.appTitle, m_config.Usuario, m_config.idioma}; }
    QString Ajuste(const QString& ruta) const
    {
        const AjustesUsuario a = Ajustes();
        return a.Leer(a.SeccionNodo(ruta), QStringLiteral("Expandido"), QStringLiteral("<ninguno>"));
    }
    void Poner(const QString& ruta, const QString& valor) const
    {
        const AjustesUsuario a = Ajustes();
        a.Guardar(a.SeccionNodo(ruta), QStringLiteral("Expandido"), valor);
    }
    bool Columna(const QString& nombre)
    {
        return m_den.conLocal.Query(QStringLiteral("SELECT Expandido FROM Informe WHERE Nombre = ?"), {nombre})
            .value(0)
            .toBool();
    }
    ArbolInformes Cargar(ArbolNodos& arbol, ListaImagenes& imagenes)
    {
        ArbolInformes a(m_den.conLocal, Ajustes(), m_carpeta->file(QStringLiteral("Imagenes.img")));
        a.Cargar(arbol, imagenes);
        return a;
    }
    static QTreeWidgetItem* Nodo(const ArbolNodos& arbol, const QString& clave)
    {
        QTreeWidgetItem* n = arbol.PorClave(clave);
        EXPECT_NE(n, nullptr) << clave.toStdString();
        return n;
    }
};

const QString kRaiz = QStringLiteral("Informes y documentos");
const QString kVodidazaz = QStringLiteral("Informes y documentos\\Vodidazaz");

TEST_F(ArbolInformesTest, AFirstTimeUserGetsEveryNodeCollapsedAndStoredAsZero)
{
    ArbolNodos arbol;
    ListaImagenes imagenes;
    const ArbolInformes a = Cargar(arbol, imagenes);

    EXPECT_EQ(arbol.Count(), 40);  // this build's edition: the Mirante tree
    EXPECT_EQ(imagenes.Count(), 40);
    for (int i = 1; i <= arbol.Count(); ++i)
        EXPECT_FALSE(arbol.Expandido(arbol.Nodo(i))) << ArbolNodos::Texto(arbol.Nodo(i)).toStdString();
    for (const ArbolInformes::Fila& f : a.Filas()) {
        EXPECT_EQ(Ajuste(f.ruta), QStringLiteral("0")) << f.ruta.toStdString();
        EXPECT_FALSE(Columna(f.nombre));
    }
    EXPECT_EQ(Ajuste(QStringLiteral("Informes y documentos\\Gestión Parroquial\\Plantillas\\"
                                     "Expediente matrimonial (formato 3)")),
              QStringLiteral("0"));
}

TEST_F(ArbolInformesTest, OnlyAStoredOneExpandsAndAnyOtherValueBecomesZero)
{
    Poner(kRaiz, QStringLiteral("1"));
    Poner(kVodidazaz, QStringLiteral("1"));
    Poner(QStringLiteral("Informes y documentos\\Contabilidad"), QStringLiteral("1 OR 1=1"));
    ArbolNodos arbol;
    ListaImagenes imagenes;
    Cargar(arbol, imagenes);

    EXPECT_TRUE(arbol.Expandido(Nodo(arbol, QStringLiteral("Informes y documentos"))));
    EXPECT_TRUE(arbol.Expandido(Nodo(arbol, QStringLiteral("Vodidazaz"))));
    EXPECT_FALSE(arbol.Expandido(Nodo(arbol, QStringLiteral("Contabilidad"))));
    EXPECT_TRUE(Columna(QStringLiteral("Vodidazaz")));
    EXPECT_FALSE(Columna(QStringLiteral("Contabilidad")));
    EXPECT_EQ(Ajuste(QStringLiteral("Informes y documentos\\Contabilidad")), QStringLiteral("0"));
}

TEST_F(ArbolInformesTest, TheStateSavedAtClosingComesBackAtTheNextOpening)
{
    {
        ArbolNodos arbol;
        ListaImagenes imagenes;
        ArbolInformes a = Cargar(arbol, imagenes);
        arbol.SetExpandido(Nodo(arbol, QStringLiteral("Informes y documentos")), true);
        arbol.SetExpandido(Nodo(arbol, QStringLiteral("Vodidazaz")), true);
        a.GuardaConfigTvInformes(arbol);
    }
    EXPECT_EQ(Ajuste(kRaiz), QStringLiteral("1"));
    EXPECT_EQ(Ajuste(kVodidazaz), QStringLiteral("1"));
    EXPECT_EQ(Ajuste(QStringLiteral("Informes y documentos\\Gestión Parroquial")), QStringLiteral("0"));
    EXPECT_TRUE(Columna(QStringLiteral("Vodidazaz")));
    EXPECT_FALSE(Columna(QStringLiteral("Remesas")));

    ArbolNodos arbol;
    ListaImagenes imagenes;
    Cargar(arbol, imagenes);
    EXPECT_TRUE(arbol.Expandido(Nodo(arbol, QStringLiteral("Vodidazaz"))));
    EXPECT_FALSE(arbol.Expandido(Nodo(arbol, QStringLiteral("Gestión Parroquial"))));
}

TEST_F(ArbolInformesTest, ARowLeftOutOfTheTreeKeepsItsLoadedStateNotAnotherWorkstations)
{
    Poner(QStringLiteral("Informes y documentos\\Contabilidad"), QStringLiteral("1"));
    ArbolNodos arbol;
    ListaImagenes imagenes;
    ArbolInformes a = Cargar(arbol, imagenes);
    arbol.Eliminar(Nodo(arbol, QStringLiteral("Contabilidad")));
    // Another workstation collapses it in the shared table meanwhile.
    m_den.conLocal.Execute(QStringLiteral("UPDATE Informe SET Expandido = False WHERE Nombre = 'Contabilidad'"));
    a.GuardaConfigTvInformes(arbol);
    EXPECT_EQ(Ajuste(QStringLiteral("Informes y documentos\\Contabilidad")), QStringLiteral("1"));
}

TEST_F(ArbolInformesTest, ACycleOrAMissingParentEndsTheWalkAndLeavesTheRowOut)
{
    m_den.conLocal.Execute(QStringLiteral(
        "INSERT INTO Informe (IDInforme, Nombre, Nivel, CodPadre, CodImagen, Expandido) VALUES (90, 'Uno', 3, 91, 23, 0)"));
    m_den.conLocal.Execute(QStringLiteral(
        "INSERT INTO Informe (IDInforme, Nombre, Nivel, CodPadre, CodImagen, Expandido) VALUES (91, 'Dos', 3, 90, 23, 0)"));
    m_den.conLocal.Execute(QStringLiteral(
        "INSERT INTO Informe (IDInforme, Nombre, Nivel, CodPadre, CodImagen, Expandido) VALUES (92, 'Sin padre', 2, 500, 999, 0)"));
    ArbolNodos arbol;
    ListaImagenes imagenes;
    const ArbolInformes a = Cargar(arbol, imagenes);
    EXPECT_EQ(arbol.Count(), 40);
    EXPECT_EQ(imagenes.Count(), 43);  // every row keeps its picture's place
    EXPECT_EQ(arbol.PorClave(QStringLiteral("Uno")), nullptr);
    EXPECT_EQ(arbol.PorClave(QStringLiteral("Sin padre")), nullptr);
    EXPECT_EQ(Ajuste(QStringLiteral("Sin padre")), QStringLiteral("0"));
}

} // namespace
