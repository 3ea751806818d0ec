#include "AsistenteFixture.h"

#include <QFile>

AsistenteTest::AsistenteTest() : con(carpeta.abrir(BaseDatosPrograma::Duzediv))
{
    config.VodidazazDLL = true;
    config.GestionParroquialDLL = true;
    config.AppTitle = QStringLiteral("Norvia Parvanta 2000");

    auto insertar = [this](const QString& sql, const QList<db::Value>& valores) {
        con.Exec(sql, valores);
        return qint32(con.LastInsertId());
    };
    idBurgos = insertar(QStringLiteral("INSERT INTO Provincia (Nombre) VALUES (?)"), {QStringLiteral("Burgos")});
    idSoria = insertar(QStringLiteral("INSERT INTO Provincia (Nombre) VALUES (?)"), {QStringLiteral("Soria")});
    const QString municipio = QStringLiteral("INSERT INTO Municipio (Nombre, CodProvincia) VALUES (?, ?)");
    idMiranda = insertar(municipio, {QStringLiteral("Miranda de Ebro"), idBurgos});
    idAranda = insertar(municipio, {QStringLiteral("Aranda de Duero"), idBurgos});
    idAlmazan = insertar(municipio, {QStringLiteral("Almazán"), idSoria});
    const QString institucion =
        QStringLiteral("INSERT INTO Institucion (Nombre, CodMunicipio, Diocesis) VALUES (?, ?, ?)");
    idParroquiaSanJuan = insertar(institucion, {QStringLiteral("San Juan"), idAranda, QStringLiteral("Burgos")});
    idCaritas = insertar(institucion, {QStringLiteral("Cáritas"), idAlmazan, QStringLiteral("Osma-Soria")});
    idOtraSanJuan = insertar(institucion, {QStringLiteral("San Juan"), 9999, QStringLiteral("Otra")});
    const QString cuenta = QStringLiteral(
        "INSERT INTO Institucion_TipoDonativo_Cuenta (CodInstitucion, CodTipoDonativo, CodCuenta) VALUES (?, ?, ?)");
    insertar(cuenta, {idOtraSanJuan, 1, 1});
    insertar(cuenta, {idParroquiaSanJuan, 1, 2});
    insertar(cuenta, {idParroquiaSanJuan, 2, 3});

    contexto.conLocal = &con;
    contexto.objInfoConfig = &config;
    contexto.objVodidazaz = &vodidazaz;
    contexto.objGestPar = &gestPar;
    contexto.strAppPath = carpeta.path();
    contexto.strHelpFile = carpeta.file(QStringLiteral("Duzediv.chm"));
}

AsistenteTest::~AsistenteTest() = default;

AsistenteImportar& AsistenteTest::Abrir()
{
    a = std::make_unique<AsistenteImportar>(contexto);
    a->Form_Load();
    a->Form_Activate();
    return *a;
}

void AsistenteTest::CrearArchivo(const QString& nombre)
{
    QFile archivo(origen.filePath(nombre));
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
}

void AsistenteTest::PasarPagina0(int indice)
{
    a->cboImportar.setListIndex(indice);
    a->cboImportar_Click();
    a->txtPath.Text = origen.path();
    Siguiente();
}

void AsistenteTest::Marcar(PVAPI::ListaControl& lista, const QStringList& textos)
{
    for (int i = 0; i < lista.ListCount(); ++i)
        lista.setSelected(i, textos.contains(lista.List(i)));
}

QStringList AsistenteTest::Lineas(const PVAPI::ListaControl& lista)
{
    QStringList lineas;
    for (int i = 0; i < lista.ListCount(); ++i)
        lineas << lista.List(i);
    return lineas;
}

QString AsistenteTest::Botones() const
{
    return QString() + (a->cmdImportar[2].Enabled ? 'A' : '-') + (a->cmdImportar[3].Enabled ? 'S' : '-') +
           (a->cmdImportar[4].Enabled ? 'F' : '-');
}
