#include "mantenimiento/DialogosMantenimiento.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QPushButton>

namespace {

const QString kFiltro = QStringLiteral("Copias de seguridad (*.copiabd);;Todos los archivos (*)");

QWidget* Padre()
{
    QWidget* activa = QApplication::activeModalWidget();
    return activa ? activa : QApplication::activeWindow();
}

void LlenarMunicipios(QComboBox& lista, db::Connection& conLocal)
{
    db::Recordset rs = conLocal.Execute(
        QStringLiteral("SELECT m.IDMunicipio, m.Nombre, p.Nombre FROM Municipio AS m LEFT JOIN Provincia AS p "
                       "ON p.IDProvincia = m.CodProvincia ORDER BY m.Nombre, p.Nombre"));
    while (!rs.EOF_()) {
        const QString provincia = rs.value(2).toString();
        const QString municipio = rs.value(1).toString();
        lista.addItem(provincia.isEmpty() ? municipio : QStringLiteral("%1 (%2)").arg(municipio, provincia),
                      int(rs.value(0).toInt64()));
        rs.MoveNext();
    }
}

} // namespace

QString DialogosMantenimiento::ArchivoCopiaNuevo(const QString& sugerido)
{
    QString ruta = QFileDialog::getSaveFileName(Padre(), QStringLiteral("Hacer copia de seguridad"), sugerido, kFiltro);
    if (!ruta.isEmpty() && QFileInfo(ruta).suffix().isEmpty())
        ruta += QStringLiteral(".copiabd");
    return ruta;
}

QString DialogosMantenimiento::ArchivoCopiaExistente(const QString& carpeta)
{
    return QFileDialog::getOpenFileName(Padre(), QStringLiteral("Recuperar copia de seguridad"), carpeta, kFiltro);
}

std::optional<IDialogosMantenimiento::EleccionMunicipios> DialogosMantenimiento::ElegirMunicipios(db::Connection& conLocal)
{
    QDialog dialogo(Padre());
    dialogo.setWindowTitle(QStringLiteral("Cambiar municipios"));
    auto* origen = new QComboBox(&dialogo);
    auto* destino = new QComboBox(&dialogo);
    LlenarMunicipios(*origen, conLocal);
    LlenarMunicipios(*destino, conLocal);
    auto* botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialogo);
    botones->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
    botones->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    QObject::connect(botones, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    QObject::connect(botones, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    auto* forma = new QFormLayout(&dialogo);
    forma->addRow(QStringLiteral("Municipio que se sustituye:"), origen);
    forma->addRow(QStringLiteral("Municipio que lo sustituye:"), destino);
    forma->addRow(botones);
    if (dialogo.exec() != QDialog::Accepted || origen->currentIndex() < 0 || destino->currentIndex() < 0)
        return std::nullopt;
    return EleccionMunicipios{origen->currentData().toInt(), destino->currentData().toInt()};
}
