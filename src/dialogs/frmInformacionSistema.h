#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QTreeWidget;

// "Información del sistema": the program's, Qt's and the operating system's
// versions, and the program folder's database files with their sizes and
// schema versions, for the user to read out when asking for help.
class frmInformacionSistema : public QDialog {
    Q_OBJECT

public:
    struct Linea {
        QString elemento;
        QString valor;
    };

    explicit frmInformacionSistema(QWidget* parent = nullptr);

    // What the window lists; the databases are looked up in `carpeta`
    // (the program folder), each read-only.
    static QList<Linea> Lineas(const QString& carpeta);

    QTreeWidget* lista() const { return m_lista; }

private:
    QTreeWidget* m_lista = nullptr;
};
