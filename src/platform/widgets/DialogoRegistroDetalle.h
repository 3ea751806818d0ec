#pragma once

#include <QGroupBox>
#include <QHash>
#include <QString>

class QPushButton;
class QTableWidget;

namespace db {
class Connection;
}

namespace widgets {

class DialogoRegistroDatos;

// The list of one kind of dependent records inside a record dialog (the
// donations of a donor): a row per record, and New, Properties and Delete,
// which open the dependent record's own dialog. Changes stay in memory until
// the record that owns them is accepted.
class DialogoRegistroDetalle : public QGroupBox {
    Q_OBJECT

public:
    DialogoRegistroDetalle(db::Connection& con, DialogoRegistroDatos& datos, int detalle, bool soloLectura,
                           QWidget* parent = nullptr);

    QTableWidget* Tabla() const { return m_tabla; }
    int FilaActual() const;
    void Seleccionar(int fila);
    void Mostrar();

    // What the buttons do; each says so when it cannot.
    void Nuevo();
    void Propiedades();
    void Eliminar();

private:
    QString TextoCelda(int fila, const QString& columna) const;
    void LeerReferencias();

    db::Connection& m_con;
    DialogoRegistroDatos& m_datos;
    int m_detalle;
    QTableWidget* m_tabla;
    QPushButton* m_nuevo;
    QPushButton* m_propiedades;
    QPushButton* m_eliminar;
    // Texts of the references shown, by column and key.
    QHash<QString, QHash<qint64, QString>> m_referencias;
};

} // namespace widgets
