#include "dialogs/frmInformacionSistema.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/os/Paths.h"
#include "platform/pvapi/cCPassword.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QSysInfo>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The schema version a database keeps, read without changing anything; the
// file is tried with each of the program's passwords.
QString VersionBase(const QString& ruta)
{
    for (const QString& clave : {PVAPI::cCPassword::PASSWORD_NORVIAPARVANTA(), PVAPI::cCPassword::PASSWORD_INFORMES(),
                                 QString()}) {
        try {
            db::Connection con;
            con.setProperty(QStringLiteral("Data Source"), ruta);
            con.setProperty(QStringLiteral("Jet OLEDB:Database Password"), clave);
            con.Open(QString(), true);
            db::Recordset rs = con.Execute(QStringLiteral("SELECT Version FROM Informacion"));
            return rs.isEOF() || rs.value(0).isNull() ? QStringLiteral("sin versión")
                                                      : rs.value(0).toString();
        } catch (...) {
            // Next password; a file none opens is said so below.
        }
    }
    return QStringLiteral("no se puede leer");
}

} // namespace

frmInformacionSistema::frmInformacionSistema(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmInformacionSistema"));
    setWindowTitle(QStringLiteral("Información del sistema"));
    m_lista = new QTreeWidget(this);
    m_lista->setObjectName(QStringLiteral("lstInformacion"));
    m_lista->setColumnCount(2);
    m_lista->setHeaderLabels({QStringLiteral("Elemento"), QStringLiteral("Valor")});
    m_lista->setRootIsDecorated(false);
    for (const Linea& linea : Lineas(os::AppPath()))
        new QTreeWidgetItem(m_lista, {linea.elemento, linea.valor});
    m_lista->resizeColumnToContents(0);
    m_lista->setMinimumSize(560, 300);

    auto* botones = new QDialogButtonBox(this);
    QPushButton* cerrar = botones->addButton(QStringLiteral("&Aceptar"), QDialogButtonBox::AcceptRole);
    cerrar->setDefault(true);
    connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* principal = new QVBoxLayout(this);
    principal->addWidget(m_lista);
    principal->addWidget(botones);
}

QList<frmInformacionSistema::Linea> frmInformacionSistema::Lineas(const QString& carpeta)
{
    const QLocale es(QLocale::Spanish, QLocale::Spain);
    QList<Linea> lineas = {
        {QStringLiteral("Programa"), QCoreApplication::applicationName() + QLatin1Char(' ')
                                         + QCoreApplication::applicationVersion()},
        {QStringLiteral("Qt"), QString::fromLatin1(qVersion())},
        {QStringLiteral("Sistema operativo"), QSysInfo::prettyProductName()},
        {QStringLiteral("Núcleo"), QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion()},
        {QStringLiteral("Arquitectura"), QSysInfo::currentCpuArchitecture()},
        {QStringLiteral("Carpeta del programa"), carpeta},
    };
    for (const char* nombre : {"Duzediv.mdb", "Informes.mdb", "Contabilidad.mdb", "Imagenes.img"}) {
        const QString archivo = QString::fromLatin1(nombre);
        const QString ruta = os::FindFileCaseInsensitive(carpeta, archivo);
        if (ruta.isEmpty()) {
            lineas.append({archivo, QStringLiteral("no está en la carpeta del programa")});
            continue;
        }
        QString valor = es.formattedDataSize(QFileInfo(ruta).size(), 1, QLocale::DataSizeTraditionalFormat);
        if (!archivo.endsWith(QLatin1String(".img")))
            valor += QStringLiteral(", versión ") + VersionBase(ruta);
        lineas.append({archivo, valor});
    }
    return lineas;
}
